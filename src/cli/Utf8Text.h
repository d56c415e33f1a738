#pragma once
// The terminal speaks UTF-8, the cores cp1252: the two conversions at the command line's edge.

#include <optional>
#include <string>
#include <string_view>

namespace zorvane::cli {

// The cp1252 bytes of a UTF-8 text; nothing when the text is not valid UTF-8 or holds a
// character cp1252 has no byte for.
std::optional<std::string> Utf8ToCp1252(std::string_view utf8);

// Whether the text is well-formed UTF-8.
bool IsUtf8(std::string_view text);

// Every cp1252 byte as its UTF-8 sequence (the undefined bytes as the C1 controls).
std::string Cp1252ToUtf8(std::string_view cp1252);

// The same, each CR LF line break written as lineBreak.
std::string Cp1252ToUtf8(std::string_view cp1252, std::string_view lineBreak);

// The UTF-8 text with every control character but the line feed written visibly, as
// `cat -v` writes them: ESC as "^[", DEL as "^?", U+009B as "M-^[". A terminal then shows
// what a definition holds instead of obeying it.
std::string VisibleControls(std::string_view utf8);

} // namespace zorvane::cli
