#include "common/FileNames.h"

namespace sim {

bool IsSafeFileNamePart(std::string_view text) {
    if (text.find("..") != std::string_view::npos) {
        return false;
    }
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            return false;
        }
        if (std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos) {
            return false;
        }
    }
    return true;
}

}  // namespace sim
