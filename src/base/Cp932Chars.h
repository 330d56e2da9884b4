// One character through the system's own CP932 tables: the service the codec is built on, given
// by the POSIX build through iconv and by the Windows build through code page 932.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kumo::cp932 {

// One CP932 character (one or two bytes, at least one of them 0x80 or above) as UTF-8; empty
// when CP932 does not define it.
std::string DecodeChar(std::string_view bytes);

// One character outside ASCII as CP932 bytes; nothing when CP932 cannot hold it exactly.
std::optional<std::string> EncodeChar(char32_t c);

// Appends c as UTF-8.
void AppendUtf8(std::string& out, char32_t c);

}  // namespace kumo::cp932
