#include "base/Cp932Chars.h"

#include <windows.h>

namespace kumo::cp932 {

std::string DecodeChar(std::string_view bytes) {
  wchar_t w[2];
  int n = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes.data(),
                              static_cast<int>(bytes.size()), w, 2);
  if (n != 1) return {};
  std::string out;
  AppendUtf8(out, static_cast<char32_t>(w[0]));
  return out;
}

std::optional<std::string> EncodeChar(char32_t c) {
  if (c > 0xFFFF) return std::nullopt;
  wchar_t w = static_cast<wchar_t>(c);
  char buf[4];
  BOOL lossy = FALSE;
  int n = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, &w, 1, buf, sizeof buf, nullptr, &lossy);
  if (n <= 0 || lossy) return std::nullopt;
  return std::string(buf, static_cast<std::size_t>(n));
}

}  // namespace kumo::cp932
