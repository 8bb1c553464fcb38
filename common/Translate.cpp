#include "common/Translate.h"

#include <atomic>
#include <bitset>

namespace sim {

namespace {

constexpr int kMaxMarkers = 9;

std::atomic<Translator> gTranslator{nullptr};

int MarkerAt(std::string_view text, std::size_t i) {
    if (text[i] != '%' || i + 1 >= text.size()) {
        return 0;
    }
    const char digit = text[i + 1];
    return digit >= '1' && digit <= '0' + kMaxMarkers ? digit - '0' : 0;
}

std::bitset<kMaxMarkers + 1> Markers(std::string_view text) {
    std::bitset<kMaxMarkers + 1> found;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (const int marker = MarkerAt(text, i); marker != 0) {
            found.set(static_cast<std::size_t>(marker));
            ++i;
        }
    }
    return found;
}

}  // namespace

void SetTranslator(Translator translator) {
    gTranslator.store(translator);
}

std::string Tr(TrText text) {
    const Translator translator = gTranslator.load();
    return translator != nullptr ? translator(text.Context, text.Source) : text.Source;
}

std::string Tr(TrText text, std::initializer_list<std::string_view> args) {
    std::string pattern = Tr(text);
    if (Markers(pattern) != Markers(text.Source)) {
        pattern = text.Source;
    }
    return Compose(pattern, args);
}

std::string Compose(std::string_view pattern, std::initializer_list<std::string_view> args) {
    std::string out;
    out.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const int marker = MarkerAt(pattern, i);
        if (marker != 0 && static_cast<std::size_t>(marker) <= args.size()) {
            out += *(args.begin() + (marker - 1));
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

}  // namespace sim
