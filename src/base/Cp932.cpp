#include "base/Cp932.h"

#include <cstdlib>

#include "base/Cp932Chars.h"

namespace kumo {
namespace {

// Characters that JIS-based input arrives with, and the code points Windows uses for the same
// CP932 codes.
char32_t WindowsForm(char32_t c) {
  switch (c) {
    case U'\u301C':
      return U'\uFF5E';  // wave dash → full-width tilde
    case U'\u2212':
      return U'\uFF0D';  // minus sign → full-width hyphen-minus
    case U'\u2016':
      return U'\u2225';  // double vertical line → parallel to
    case U'\u2014':
      return U'\u2015';  // em dash → horizontal bar
    case U'\u00A2':
      return U'\uFFE0';  // cent
    case U'\u00A3':
      return U'\uFFE1';  // pound
    case U'\u00AC':
      return U'\uFFE2';  // not sign
    case U'\u00A6':
      return U'\uFFE4';  // broken bar
    case U'\u00A5':
      return U'\uFFE5';  // yen
    case U'\u203E':
      return U'\uFFE3';  // overline
    default:
      return c;
  }
}

// Decodes one UTF-8 sequence at s[i]; returns false on malformed input. Only the shortest form
// of a character is taken, so that no other bytes can stand for a '/' or a NUL, and neither
// surrogates nor code points beyond U+10FFFF.
bool NextUtf8(std::string_view s, std::size_t& i, char32_t& out) {
  auto b = static_cast<unsigned char>(s[i]);
  int extra = b < 0x80 ? 0 : (b >> 5) == 6 ? 1 : (b >> 4) == 14 ? 2 : (b >> 3) == 30 ? 3 : -1;
  if (extra < 0 || i + extra >= s.size()) return false;
  char32_t c = extra == 0 ? b : b & (0x3F >> extra);
  for (int k = 1; k <= extra; ++k) {
    auto t = static_cast<unsigned char>(s[i + k]);
    if ((t & 0xC0) != 0x80) return false;
    c = (c << 6) | (t & 0x3F);
  }
  constexpr char32_t Least[] = {0, 0x80, 0x800, 0x10000};
  if (c < Least[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
  i += extra + 1;
  out = c;
  return true;
}

using cp932::DecodeChar;
using cp932::EncodeChar;

}  // namespace

namespace cp932 {

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace cp932

std::string Cp932ToUtf8(std::string_view cp932) {
  std::string out;
  out.reserve(cp932.size() * 3 / 2);
  for (std::size_t i = 0; i < cp932.size();) {
    auto b = static_cast<unsigned char>(cp932[i]);
    bool lead = (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
    // A lead byte without a trail byte stands alone, so the byte after it is read for itself.
    auto t = i + 1 < cp932.size() ? static_cast<unsigned char>(cp932[i + 1]) : 0;
    bool trail = (t >= 0x40 && t <= 0x7E) || (t >= 0x80 && t <= 0xFC);
    std::size_t len = lead && trail ? 2 : 1;
    if (b < 0x80) {
      out += static_cast<char>(b);
    } else {
      std::string c = DecodeChar(cp932.substr(i, len));
      out += c.empty() ? "\uFFFD" : c;
    }
    i += len;
  }
  return out;
}

std::optional<std::string> Utf8ToCp932(std::string_view utf8, std::string* refused) {
  std::string out;
  for (std::size_t i = 0; i < utf8.size();) {
    std::size_t start = i;
    char32_t c = 0;
    if (!NextUtf8(utf8, i, c)) {
      if (refused) *refused = "\uFFFD";
      return std::nullopt;
    }
    if (c < 0x80) {
      out += static_cast<char>(c);
      continue;
    }
    std::optional<std::string> bytes = EncodeChar(WindowsForm(c));
    if (!bytes) {
      if (refused) *refused = std::string(utf8.substr(start, i - start));
      return std::nullopt;
    }
    out += *bytes;
  }
  return out;
}

std::string CutToCp932Bytes(std::string_view utf8, std::size_t maxBytes) {
  std::size_t used = 0;
  std::size_t i = 0;
  while (i < utf8.size()) {
    std::size_t next = i;
    char32_t c = 0;
    if (!NextUtf8(utf8, next, c)) break;
    std::optional<std::string> bytes =
        c < 0x80 ? std::string(1, static_cast<char>(c)) : EncodeChar(WindowsForm(c));
    used += bytes ? bytes->size() : next - i;
    if (used > maxBytes) break;
    i = next;
  }
  return std::string(utf8.substr(0, i));
}

bool IsUtf8(std::string_view bytes) {
  char32_t c = 0;
  for (std::size_t i = 0; i < bytes.size();) {
    if (!NextUtf8(bytes, i, c)) return false;
  }
  return true;
}

std::string Cp932Literal(std::string_view utf8) {
  std::optional<std::string> s = Utf8ToCp932(utf8);
  if (!s) std::abort();  // a constant text of the program that CP932 cannot hold
  return *s;
}

}  // namespace kumo
