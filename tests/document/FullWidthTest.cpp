#include <gtest/gtest.h>

#include <string>

#include "document/FullWidth.h"

namespace kumo {
namespace {

TEST(FullWidth, DigitsAndLettersBecomeTheirFullWidthForms) {
  EXPECT_EQ(ToFullWidth(""), "");
  EXPECT_EQ(ToFullWidth("7"), "\x82\x56");
  EXPECT_EQ(ToFullWidth("10"), "\x82\x50\x82\x4F");
  EXPECT_EQ(ToFullWidth("AZaz"), "\x82\x60\x82\x79\x82\x81\x82\x9A");
}

TEST(FullWidth, OnlyTheFirstEightyBytesAreConverted) {
  std::string digits;
  for (int i = 0; i < 100; ++i) digits += static_cast<char>('0' + i % 10);
  std::string wide = ToFullWidth(digits);
  ASSERT_EQ(wide.size(), 160u);
  EXPECT_EQ(wide.substr(0, 2), "\x82\x4F");    // 0
  EXPECT_EQ(wide.substr(158, 2), "\x82\x58");  // the 80th digit, 9
}

TEST(FullWidth, JisPairsBecomeShiftJis) {
  EXPECT_EQ(JisToSjis("\x30\x21"), "\x88\x9F");  // 亜: odd first byte
  EXPECT_EQ(JisToSjis("\x24\x22"), "\x82\xA0");  // あ: even first byte
  EXPECT_EQ(JisToSjis("\x23\x60"), "\x82\x80");  // second byte skips 0x7F
  EXPECT_EQ(JisToSjis("\x60\x21"), "\xE0\x9F");  // rows past 0x5E
}

TEST(FullWidth, EscapeWrappingAndOddBytesAreDropped) {
  EXPECT_EQ(JisToSjis("\x1B\x24\x30\x21\x1B\x28"), "\x88\x9F");
  EXPECT_EQ(JisToSjis("\x1B\x24"), "");
  EXPECT_EQ(JisToSjis("\x30\x21\x30"), "\x88\x9F");
}

}  // namespace
}  // namespace kumo
