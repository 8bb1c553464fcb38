#include "common/FileNames.h"

#include <cctype>
#include <cstdint>
#include <cstdio>

#include "common/Translate.h"

namespace sim {

namespace {

// Length of the well-formed UTF-8 character at the start of text, or 0; its code point.
std::size_t CharacterLength(std::string_view text, std::uint32_t& code) {
    const auto lead = static_cast<unsigned char>(text[0]);
    std::size_t length = 0;
    code = lead;
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07u;
    } else {
        return 0;
    }
    if (text.size() < length) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[i]);
        if ((next & 0xC0u) != 0x80u) {
            return 0;
        }
        code = (code << 6) | (next & 0x3Fu);
    }
    const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    if (overlong || surrogate || code > 0x10FFFF) {
        return 0;
    }
    return length;
}

// Characters that print nothing yet change what the text around them looks like: the C1
// controls, the bidirectional controls (U+202E turns "txt.exe" into "exe.txt"), the
// zero-width and other invisible format characters. Shown as \uXXXX, so that two different
// names never look the same.
bool Invisible(std::uint32_t code) {
    return (code >= 0x80 && code <= 0x9F) || code == 0xAD || code == 0x61C || code == 0x180E ||
           (code >= 0x200B && code <= 0x200F) || (code >= 0x2028 && code <= 0x202E) ||
           (code >= 0x2060 && code <= 0x206F) || code == 0xFEFF;
}

}  // namespace

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

std::optional<std::string> WindowsNameProblem(std::string_view name) {
    if (!name.empty() && (name.back() == '.' || name.back() == ' ')) {
        return Tr(SIM_TR("System",
                         "Windows elhagyja a név végéről a pontot és a szóközt, így a név más "
                         "fájlt jelentene"));
    }
    std::string stem(name.substr(0, name.find('.')));
    while (!stem.empty() && stem.back() == ' ') {
        stem.pop_back();
    }
    for (char& c : stem) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    const bool numbered = stem.size() == 4 && (stem.starts_with("COM") || stem.starts_with("LPT")) &&
                          stem[3] >= '1' && stem[3] <= '9';
    if (numbered || stem == "CON" || stem == "PRN" || stem == "AUX" || stem == "NUL" ||
        stem == "CONIN$" || stem == "CONOUT$") {
        return Tr(SIM_TR("System",
                         "Windowson a(z) %1 egy eszköz neve (ilyen a CON, PRN, AUX, NUL, "
                         "COM1–COM9 és LPT1–LPT9, bármilyen kiterjesztéssel)"),
                  {ShownText(name.substr(0, name.find('.')))});
    }
    return std::nullopt;
}

std::string ShownName(std::string_view text) {
    // A backslash of the name itself is doubled, so that no name reads like another's escape.
    std::string shown;
    std::size_t start = 0;
    for (std::size_t at = text.find('\\'); at != std::string_view::npos;
         at = text.find('\\', start)) {
        shown += ShownText(text.substr(start, at - start)) + "\\\\";
        start = at + 1;
    }
    return shown + ShownText(text.substr(start));
}

std::string ShownText(std::string_view text, std::size_t maxBytes) {
    std::string shown;
    std::size_t i = 0;
    while (i < text.size()) {
        std::uint32_t code = 0;
        std::size_t length = CharacterLength(text.substr(i), code);
        const auto byte = static_cast<unsigned char>(text[i]);
        const bool control = length == 1 && (byte < 0x20 || byte == 0x7F);
        if (length == 0 || control) {
            length = 1;
        }
        if (maxBytes != std::string_view::npos && i + length > maxBytes) {
            return shown + "…";
        }
        char escape[8];
        if (length == 1 && (control || byte >= 0x80)) {
            std::snprintf(escape, sizeof escape, "\\x%02X", byte);
            shown += escape;
        } else if (length > 1 && Invisible(code)) {
            std::snprintf(escape, sizeof escape, "\\u%04X", static_cast<unsigned>(code));
            shown += escape;
        } else {
            shown.append(text.substr(i, length));
        }
        i += length;
    }
    return shown;
}

}  // namespace sim
