// The splitting of message texts into dialog lines, on arbitrary bytes: every character 13
// ends a line and is dropped, nothing else is lost or added.

#include <algorithm>
#include <string>
#include <vector>

#include "fuzz/FuzzSupport.h"
#include "widgets/MessageDialog.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> lines = sim::SplitMessageLines(text);

    const auto separators = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\r'));
    SIM_FUZZ_CHECK(lines.size() == separators + 1);
    std::string joined;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        SIM_FUZZ_CHECK(lines[i].find('\r') == std::string::npos);
        if (i > 0) {
            joined += '\r';
        }
        joined += lines[i];
    }
    SIM_FUZZ_CHECK(joined == text);
    return 0;
}
