#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <optional>
#include <sstream>

#include "base/Cp932.h"
#include "base/Cp932Chars.h"

namespace kumo {
namespace {

// The table of CP932 as Windows converts it: code → character and character → code.
struct Reference {
  std::map<unsigned, char32_t> decode;
  std::map<char32_t, unsigned> encode;
};

Reference ReadReference() {
  Reference table;
  std::ifstream in(KUMO_CP932_REFERENCE);
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    char kind = 0;
    unsigned from = 0, to = 0, n = 0;
    fields >> kind >> std::hex >> from >> to >> std::dec >> n;
    for (unsigned i = 0; i < n; ++i) {
      if (kind == 'D') table.decode[from + i] = to + i;
      if (kind == 'E') table.encode[from + i] = to + i;
    }
  }
  return table;
}

std::string Utf8(char32_t c) {
  std::string out;
  cp932::AppendUtf8(out, c);
  return out;
}

std::string Bytes(unsigned code) {
  std::string bytes;
  if (code > 0xFF) bytes += static_cast<char>(code >> 8);
  bytes += static_cast<char>(code & 0xFF);
  return bytes;
}

bool IsLead(unsigned b) {
  return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// The characters that input methods give in their JIS forms, which the codec deliberately takes
// as the CP932 characters Windows means by them, where Windows refuses them.
const std::map<char32_t, char32_t> JisForms = {
    {U'\u301C', U'\uFF5E'}, {U'\u2212', U'\uFF0D'}, {U'\u2016', U'\u2225'}, {U'\u2014', U'\u2015'},
    {U'\u00A2', U'\uFFE0'}, {U'\u00A3', U'\uFFE1'}, {U'\u00AC', U'\uFFE2'}, {U'\u00A6', U'\uFFE4'},
    {U'\u00A5', U'\uFFE5'}, {U'\u203E', U'\uFFE3'}};

// Every code of the code page both ways, against the table Windows itself made: the one
// codec on every system converts as Windows does, but for the JIS forms named above.
TEST(Cp932, EveryCodeConvertsAsWindowsDoesButTheJisForms) {
  const Reference windows = ReadReference();
  ASSERT_GT(windows.decode.size(), 9000u) << KUMO_CP932_REFERENCE;
  int differences = 0;
  for (unsigned code = 0x80; code <= 0xFFFF && differences < 20; ++code) {
    // A single lead byte is not a character of its own; a pair needs a lead byte.
    if (code <= 0xFF ? IsLead(code) : !IsLead(code >> 8)) continue;
    const auto found = windows.decode.find(code);
    const std::string expected = found == windows.decode.end() ? "\uFFFD" : Utf8(found->second);
    const std::string got = Cp932ToUtf8(Bytes(code));
    // A pair Windows does not define may split into a refused lead byte and a character.
    const bool same =
        got == expected || (code > 0xFF && expected == "\uFFFD" && got.starts_with("\uFFFD"));
    differences += !same;
    EXPECT_TRUE(same) << std::hex << "code " << code << ": " << got << " where Windows reads "
                      << expected;
  }
  for (char32_t c = 0x80; c <= 0xFFFF && differences < 40; ++c) {
    if (c >= 0xD800 && c <= 0xDFFF) continue;
    const auto jis = JisForms.find(c);
    const auto found = windows.encode.find(jis == JisForms.end() ? c : jis->second);
    const std::optional<std::string> expected =
        found == windows.encode.end() ? std::nullopt : std::optional(Bytes(found->second));
    const std::optional<std::string> got = Utf8ToCp932(Utf8(c));
    differences += got != expected;
    EXPECT_EQ(got, expected) << std::hex << "U+" << static_cast<unsigned>(c);
  }
}

}  // namespace
}  // namespace kumo
