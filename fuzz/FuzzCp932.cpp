// Feeds arbitrary bytes to the text conversions, as CP932 and as UTF-8: nothing crashes, what
// comes out of CP932 is well-formed UTF-8 that converts back to the same characters, what goes
// into CP932 converts back to what went in, and a cut text fits its bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "base/Cp932.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

// The bytes that follow a UTF-8 lead byte, or -1 for a byte no character starts with.
int Followers(unsigned char b) {
  if (b < 0x80) return 0;
  if (b >= 0xC2 && b < 0xE0) return 1;
  if (b >= 0xE0 && b < 0xF0) return 2;
  if (b >= 0xF0 && b < 0xF5) return 3;
  return -1;
}

// Well-formed UTF-8, written apart from IsUtf8: shortest forms only, no surrogates, nothing
// beyond U+10FFFF.
bool WellFormedUtf8(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    const auto b = static_cast<unsigned char>(s[i]);
    const int extra = Followers(b);
    if (extra < 0 || i + extra >= s.size()) return false;
    char32_t c = b & (0x7F >> extra);
    for (int k = 1; k <= extra; ++k) {
      const auto t = static_cast<unsigned char>(s[i + k]);
      if ((t & 0xC0) != 0x80) return false;
      c = (c << 6) | (t & 0x3F);
    }
    constexpr char32_t Least[] = {0, 0x80, 0x800, 0x10000};
    if (c < Least[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
    i += extra + 1;
  }
  return true;
}

void AsCp932(std::string_view bytes) {
  const std::string utf8 = kumo::Cp932ToUtf8(bytes);
  Check(WellFormedUtf8(utf8));
  // Every character CP932 defines goes back; a code that has two forms gets the usual one,
  // which reads as the same character.
  if (utf8.find("\uFFFD") != std::string::npos) return;
  const std::optional<std::string> back = kumo::Utf8ToCp932(utf8);
  Check(back && kumo::Cp932ToUtf8(*back) == utf8);
}

void AsUtf8(std::string_view text, std::size_t room) {
  Check(kumo::IsUtf8(text) == WellFormedUtf8(text));
  std::string refused;
  const std::optional<std::string> cp932 = kumo::Utf8ToCp932(text, &refused);
  if (cp932) {
    Check(WellFormedUtf8(text) && kumo::Utf8ToCp932(kumo::Cp932ToUtf8(*cp932)) == cp932);
  } else {
    Check(refused == "\uFFFD" || (!refused.empty() && text.find(refused) != std::string::npos));
  }
  const std::string cut = kumo::CutToCp932Bytes(text, room);
  Check(text.starts_with(cut) && kumo::IsUtf8(cut));
  if (const std::optional<std::string> fits = kumo::Utf8ToCp932(cut)) Check(fits->size() <= room);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  AsCp932(bytes);
  AsUtf8(bytes, size == 0 ? 0 : data[0] % 64);
  return 0;
}
