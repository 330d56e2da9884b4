// The one place where text changes encoding: CP932 (Shift-JIS as Windows has it) and UTF-8.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kumo {

// CP932 bytes to UTF-8. A byte sequence CP932 does not define shows as U+FFFD.
std::string Cp932ToUtf8(std::string_view cp932);

// UTF-8 to CP932. The JIS forms that Linux input methods produce (wave dash, minus sign, ...)
// are taken as the characters Windows means by them. A character CP932 cannot hold makes the
// result empty and, when refused is given, names that character (UTF-8).
std::optional<std::string> Utf8ToCp932(std::string_view utf8, std::string* refused = nullptr);

// The longest start of utf8, in whole characters, that takes at most maxBytes as CP932; a
// character CP932 cannot hold counts with its UTF-8 length.
std::string CutToCp932Bytes(std::string_view utf8, std::size_t maxBytes);

// Whether the bytes are well-formed UTF-8 (text from outside may be CP932 instead).
bool IsUtf8(std::string_view bytes);

// For the program's own constant texts, which are known to be encodable.
std::string Cp932Literal(std::string_view utf8);

}  // namespace kumo
