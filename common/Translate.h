#pragma once

// The texts the user sees are written in Hungarian, the program's language, and stay the
// source texts of every translation. The toolkit-free code marks each one with SIM_TR, which
// lupdate reads as QT_TRANSLATE_NOOP (the build tells it so), and turns it into the text shown
// with Tr. Tr asks the translator a program's main installs; without one, as in the tests and
// the cores' own use, it gives the Hungarian text unchanged.

#include <initializer_list>
#include <string>
#include <string_view>

namespace sim {

// A marked text: the context its translation is filed under, and the Hungarian source.
struct TrText {
    const char* Context;
    const char* Source;
};

// Gives the translation of source in context, or source itself; UTF-8 in and out. It is
// called from any thread, so it may only read what was loaded before the threads started.
using Translator = std::string (*)(const char* context, const char* source);

// Installs the translator (nullptr: the Hungarian sources). Set it before any other thread
// runs, as a program's main does.
void SetTranslator(Translator translator);

// The text to show.
std::string Tr(TrText text);
// The text to show with its place markers %1 .. %9 replaced by args, in one pass, so an
// argument holding "%2" stays as it is. A translation whose markers are not exactly the
// source's would lose or invent a part of the message: the source is used instead.
std::string Tr(TrText text, std::initializer_list<std::string_view> args);

// Replaces %1 .. %9 in pattern by args in one pass; a marker without its argument, and any
// other "%", stay as they are.
std::string Compose(std::string_view pattern, std::initializer_list<std::string_view> args);

}  // namespace sim

// Marks a Hungarian text for the translators' files without translating it.
#define SIM_TR(context, source) (::sim::TrText{(context), (source)})
