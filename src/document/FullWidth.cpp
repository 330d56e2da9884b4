#include "document/FullWidth.h"

#include <cstdint>

namespace kumo {
namespace {

constexpr std::size_t MaxFullWidthInput = 80;
constexpr std::size_t MaxText = 255;  // the longest length-prefixed text
constexpr char Escape = 0x1B;
constexpr char JisRow3 = 0x23;  // full-width digits and Latin letters share the ASCII low byte

}  // namespace

std::string ToFullWidth(std::string_view ascii) {
  ascii = ascii.substr(0, MaxFullWidthInput);
  std::string jis;
  jis.reserve(2 * ascii.size());
  for (char c : ascii) {
    jis += JisRow3;
    jis += c;
  }
  return JisToSjis(jis);
}

std::string JisToSjis(std::string_view jis) {
  jis = jis.substr(0, MaxText);
  if (!jis.empty() && jis.front() == Escape) {
    jis = jis.size() >= 4 ? jis.substr(2, jis.size() - 4) : std::string_view();
  }
  std::string sjis;
  sjis.reserve(jis.size());
  for (std::size_t i = 0; i + 1 < jis.size(); i += 2) {
    // Byte arithmetic throughout: every intermediate wraps at 256.
    auto j1 = static_cast<std::uint8_t>(jis[i]);
    auto j2 = static_cast<std::uint8_t>(jis[i + 1]);
    auto half = static_cast<std::uint8_t>(static_cast<std::uint8_t>(j1 + 1) / 2);
    auto first = static_cast<std::uint8_t>(half + (j1 <= 0x5E ? 0x70 : 0xB0));
    std::uint8_t second;
    if (j1 % 2 == 1) {
      second = static_cast<std::uint8_t>(j2 + 0x1F);
      if (second >= 0x7F) ++second;
    } else {
      second = static_cast<std::uint8_t>(j2 + 0x7E);
    }
    sjis += static_cast<char>(first);
    sjis += static_cast<char>(second);
  }
  return sjis;
}

}  // namespace kumo
