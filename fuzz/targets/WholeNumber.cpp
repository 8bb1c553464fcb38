// The number conversions of typed fields and of the factor file, on arbitrary text: no crash,
// and every accepted text means what a plain reading of it means.

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>

#include "common/Conversions.h"
#include "fuzz/FuzzSupport.h"

namespace {

bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// The whole-number rule written out independently: blanks, then a hexadecimal number after
// "$", "x" or "0x", or a signed decimal one; 32 bits.
std::optional<std::int32_t> Reference(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    std::string_view hex;
    bool isHex = false;
    if (!text.empty() && (text[0] == '$' || text[0] == 'x' || text[0] == 'X')) {
        hex = text.substr(1);
        isHex = true;
    } else if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        hex = text.substr(2);
        isHex = true;
    }
    if (isHex) {
        if (hex.empty()) {
            return std::nullopt;
        }
        for (char c : hex) {
            if (!IsHexDigit(c)) {
                return std::nullopt;
            }
        }
        std::uint64_t value = 0;
        const auto [end, error] = std::from_chars(hex.data(), hex.data() + hex.size(), value, 16);
        if (error != std::errc() || end != hex.data() + hex.size() || value > 0xFFFFFFFFULL) {
            return std::nullopt;
        }
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    }
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    for (char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
    }
    std::uint64_t magnitude = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    if (negative ? magnitude > 2147483648ULL : magnitude > 2147483647ULL) {
        return std::nullopt;
    }
    const auto value = static_cast<std::int64_t>(magnitude);
    return static_cast<std::int32_t>(negative ? -value : value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);

    const std::optional<std::int32_t> whole = sim::ParseWholeNumber(text);
    SIM_FUZZ_CHECK(whole == Reference(text));

    const std::optional<double> real = sim::ParseReal(text);
    if (real) {
        SIM_FUZZ_CHECK(std::isfinite(*real));
        // An accepted real reads as the C library reads it (the process runs in the C locale).
        const double plain = std::strtod(text.c_str(), nullptr);
        SIM_FUZZ_CHECK(plain == *real);
    }
    // A decimal whole number is a real number too.
    if (whole && text.find_first_of("$xX") == std::string::npos) {
        SIM_FUZZ_CHECK(real && *real == static_cast<double>(*whole));
    }
    return 0;
}
