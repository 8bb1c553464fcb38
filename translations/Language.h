#pragma once

// The language the programs speak. Hungarian, the source of every text, is the default
// whatever the machine's locale says; another language is chosen only by --lang CODE or the
// TRELKO_LANG variable. Its translation is built into the program from translations/*.ts,
// and the toolkit's own texts (standard dialogs, buttons, context menus) come from the
// system's Qt translations.

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace sim {

inline constexpr const char* kSourceLanguage = "hu";
inline constexpr const char* kLanguageOption = "--lang";
inline constexpr const char* kLanguageVariable = "TRELKO_LANG";

// The languages a program can speak: Hungarian, then every translation built into it.
std::vector<std::string> AvailableLanguages();

struct LanguageChoice {
    std::string Code = kSourceLanguage;
    // Why the request was not followed (unknown code, --lang without a value); the language is
    // then Hungarian.
    std::optional<std::string> Problem;
};

// Reads --lang CODE or --lang=CODE from the arguments before "--" (the last one counts) and
// takes each out of argv, so the programs' own option parsers never see it; an argument
// beginning with "-" after --lang is left in place as the next option. Without the option,
// the variable's value counts (environment may be null). Codes are compared without case.
LanguageChoice ChooseLanguage(int& argc, char** argv, const char* environment);

// Puts a language to use: its translation for the texts of the cores (through their
// translator) and of the windows, and the toolkit's own translation. The toolkit's part goes
// to the application object now, or when it is made. Hungarian needs no translation of the
// program's texts; only the toolkit's. A code without a translation leaves Hungarian.
void UseLanguage(const std::string& code);

// The code of the language in use.
std::string LanguageInUse();

// The one call a program's main makes, before or after it makes its application object:
// chooses the language from the arguments and TRELKO_LANG, reports a problem on err (in
// Hungarian and in English), and puts the language to use. Returns its code.
std::string SetUpLanguage(int& argc, char** argv, std::ostream& err);

}  // namespace sim
