#pragma once

#include <string>

#include "translations/Language.h"

namespace sim::testing {

// A language in use for one test; Hungarian again afterwards, as every other test expects.
class ScopedLanguage {
  public:
    explicit ScopedLanguage(const std::string& code) { UseLanguage(code); }
    ~ScopedLanguage() { UseLanguage(kSourceLanguage); }
    ScopedLanguage(const ScopedLanguage&) = delete;
    ScopedLanguage& operator=(const ScopedLanguage&) = delete;
};

// Whether a text holds a letter that English does not use but Hungarian does.
inline bool HasHungarianLetter(const std::string& text) {
    for (const char* letter : {"á", "é", "í", "ó", "ö", "ő", "ú", "ü", "ű", "Á", "É", "Í", "Ó", "Ö",
                               "Ő", "Ú", "Ü", "Ű"}) {
        if (text.find(letter) != std::string::npos) {
            return true;
        }
    }
    return false;
}

}  // namespace sim::testing
