#include "tests/exerciser/Sequence.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <sstream>

#include "tests/exerciser/Actions.h"

namespace sim::exerciser {

std::uint64_t Mix(std::uint64_t value) {
    value += 0x9E3779B97F4A7C15ULL;
    value = (value ^ (value >> 30)) * 0xBF58476D1CE4E5B9ULL;
    value = (value ^ (value >> 27)) * 0x94D049BB133111EBULL;
    return value ^ (value >> 31);
}

std::uint64_t HashName(std::string_view name) {
    std::uint64_t hash = 0xCBF29CE484222325ULL;  // FNV-1a
    for (const char c : name) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001B3ULL;
    }
    return hash;
}

std::uint64_t Rng::Next() {
    const std::uint64_t current = state_;
    state_ += 0x9E3779B97F4A7C15ULL;
    return Mix(current);
}

std::int64_t Rng::Between(std::int64_t low, std::int64_t high) {
    if (high <= low) {
        return low;
    }
    const auto span = static_cast<std::uint64_t>(high - low) + 1;
    const std::uint64_t value = span == 0 ? Next() : Next() % span;
    return low + static_cast<std::int64_t>(value);
}

double Rng::Real() {
    return static_cast<double>(Next() >> 11) * 0x1.0p-53;
}

std::size_t ChooseWeighted(std::uint64_t draw, const std::vector<Weighted>& rows) {
    std::size_t best = rows.size();
    double bestKey = std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].Weight <= 0) {
            continue;
        }
        // A uniform number in (0, 1) of this row alone, then its exponential key.
        const double u =
            (static_cast<double>(Mix(draw ^ HashName(rows[i].Name)) >> 11) + 0.5) * 0x1.0p-53;
        const double key = -std::log(u) / rows[i].Weight;
        if (key < bestKey) {
            bestKey = key;
            best = i;
        }
    }
    return best;
}

Sequence Generate(std::uint64_t seed, std::size_t count) {
    std::vector<Weighted> rows;
    for (const ActionRow& row : ActionTable()) {
        rows.push_back({row.Name, row.Weight});
    }
    Rng rng(seed);
    Sequence steps;
    steps.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t chosen = ChooseWeighted(rng.Next(), rows);
        steps.push_back({ActionTable()[chosen].Name, rng.Next()});
    }
    return steps;
}

std::string FormatSequence(const Sequence& steps) {
    std::string text;
    for (const Step& step : steps) {
        char seed[24];
        std::snprintf(seed, sizeof seed, "%llx", static_cast<unsigned long long>(step.Seed));
        if (!text.empty()) {
            text += ' ';
        }
        text += step.Action + ":" + seed;
    }
    return text;
}

std::optional<Sequence> ParseSequence(std::string_view text, std::string* error) {
    std::istringstream in{std::string(text)};
    Sequence steps;
    for (std::string token; in >> token;) {
        const std::size_t colon = token.find(':');
        if (colon == std::string::npos || colon + 1 == token.size()) {
            *error = "not name:seed: " + token;
            return std::nullopt;
        }
        const std::string name = token.substr(0, colon);
        if (FindAction(name) == nullptr) {
            *error = "no such action: " + name;
            return std::nullopt;
        }
        const std::string hex = token.substr(colon + 1);
        if (hex.size() > 16 || hex.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) {
            *error = "not a hexadecimal seed: " + token;
            return std::nullopt;
        }
        steps.push_back({name, std::stoull(hex, nullptr, 16)});
    }
    return steps;
}

}  // namespace sim::exerciser
