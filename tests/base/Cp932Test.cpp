#include "base/Cp932.h"

#include <gtest/gtest.h>

namespace kumo {
namespace {

std::string Encode(std::string_view utf8) {
  return Utf8ToCp932(utf8).value_or("<refused>");
}

TEST(Cp932, WindowsExtensionsAndAsciiRoundTrip) {
  struct Case {
    const char* utf8;
    std::string cp932;
  };
  for (const Case& c :
       {Case{"①", "\x87\x40"}, Case{"ⅰ", "\xFA\x40"}, Case{"Ａ", "\x82\x60"}, Case{"\\", "\x5C"},
        Case{"時間割", "\x8E\x9E\x8A\xD4\x8A\x84"}, Case{"ｽｸﾛｰﾙ", "\xBD\xB8\xDB\xB0\xD9"}}) {
    EXPECT_EQ(Encode(c.utf8), c.cp932) << c.utf8;
    EXPECT_EQ(Cp932ToUtf8(c.cp932), c.utf8) << c.utf8;
  }
}

TEST(Cp932, JisFormsEncodeAsTheWindowsCharacters) {
  const char* pairs[][2] = {{"〜", "～"}, {"−", "－"}, {"‖", "∥"},  {"—", "―"},
                            {"¢", "￠"},  {"£", "￡"}, {"¬", "￢"}, {"¦", "￤"}};
  for (auto& [jis, windows] : pairs) {
    std::string bytes = Encode(windows);
    EXPECT_EQ(bytes.size(), 2u) << windows;
    EXPECT_EQ(Encode(jis), bytes) << jis;
  }
}

TEST(Cp932, UnencodableCharacterIsRefusedAndNamed) {
  std::string refused;
  EXPECT_FALSE(Utf8ToCp932("時間😀割", &refused));
  EXPECT_EQ(refused, "😀");
  EXPECT_FALSE(Utf8ToCp932("a\xE6\x99", &refused));  // cut in the middle of a character
  EXPECT_EQ(refused, "\uFFFD");
}

TEST(Cp932, UndefinedOrCutBytesDecodeAsReplacement) {
  EXPECT_EQ(Cp932ToUtf8("A\x85\x40"), "A\uFFFD");  // an unassigned code
  EXPECT_EQ(Cp932ToUtf8("A\x82"), "A\uFFFD");      // a lead byte at the very end
}

TEST(Cp932, ALeadByteWithoutItsTrailLeavesTheNextCharacterWhole) {
  EXPECT_EQ(Cp932ToUtf8("\x86\nA"), "\uFFFD\nA");
  EXPECT_EQ(Cp932ToUtf8("\x82\x20\x82\x60"), "\uFFFD Ａ");
}

TEST(Cp932, IsUtf8TellsUtf8FromCp932) {
  EXPECT_TRUE(IsUtf8("[Printer]\nFont=ＭＳ ゴシック\n"));
  EXPECT_TRUE(IsUtf8(""));
  EXPECT_FALSE(IsUtf8("Font=\x82\x6C\x82\x72"));
  EXPECT_FALSE(IsUtf8("\xE3\x81"));  // cut at the end
}

// Other bytes for a character than its shortest form, surrogates and code points beyond
// Unicode are no UTF-8: they would let a '/' or a NUL slip past a check of the text.
TEST(Cp932, OnlyWellFormedUtf8IsTaken) {
  for (std::string_view bad : {"\xC0\xAF", "\xE0\x80\xAF", "\xF0\x80\x80\xAF", "\xC1\x81",
                               "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xF7\xBF\xBF\xBF"}) {
    EXPECT_FALSE(IsUtf8(bad)) << testing::PrintToString(bad);
    EXPECT_FALSE(Utf8ToCp932(bad));
    EXPECT_EQ(CutToCp932Bytes(bad, 10), "");
  }
  EXPECT_TRUE(IsUtf8("\xC2\x80\xE0\xA0\x80\xED\x9F\xBF\xF4\x8F\xBF\xBF"));
}

}  // namespace
}  // namespace kumo
