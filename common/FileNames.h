#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace sim {

// The longest identifier, in bytes: "Brk2017_" + identifier + ".txt" and the other names built
// from it stay well inside a file system's 255 bytes per name.
inline constexpr std::size_t kMaxIdentifierLength = 200;

// Whether a typed identifier may become part of a file name in the program's folder: no path
// separator, no "..", no control character and none of the characters that file systems
// refuse. The empty identifier is allowed.
bool IsSafeFileNamePart(std::string_view text);

// Why Windows would give a name another meaning, or nothing: a device's name (CON, PRN, AUX,
// NUL, COM1-COM9, LPT1-LPT9, with any extension) opens the device, and a dot or a blank at the
// end is dropped, naming another file. Refused on every system, so files move between them.
std::optional<std::string> WindowsNameProblem(std::string_view name);

// Text from a file or a name made fit to be shown or printed to a terminal: control bytes and
// bytes that are not UTF-8 appear as \xNN escapes, so nothing can move a cursor or ring a
// bell, and characters that are invisible or reorder the text around them (C1 controls,
// bidirectional controls, zero-width characters) as \uXXXX. Longer text is cut after at most
// maxBytes bytes of the original, never inside a character, and "…" marks the cut.
std::string ShownText(std::string_view text, std::size_t maxBytes = std::string_view::npos);

// ShownText for an identifier or a file name, with its own backslashes doubled: two different
// names never show the same.
std::string ShownName(std::string_view text);

}  // namespace sim
