#include "base/IniFile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/FileError.h"
#include "base/TempDir.h"

namespace kumo {
namespace {

using test::TempDir;

TEST(IniFile, MissingFileIsEmptyAndNewFileKeepsWriteOrder) {
  TempDir dir;
  IniFile ini(dir.File("Kumo.Ini"));
  EXPECT_EQ(ini.GetString("DataFile", "FileName", "NewTable.kmt"), "NewTable.kmt");
  ini.SetString("DataFile", "FileName", "/home/a/時間割.kmt");
  ini.SetInt("MainWindow", "Top", -5);
  ini.SetBool("Edit", "AutoLocate", true);
  ini.SetInt("MainWindow", "Left", 12);
  ini.SetBool("Edit", "TenKeys", false);
  ini.Save();
  EXPECT_EQ(dir.Read("Kumo.Ini"),
            "[DataFile]\nFileName=/home/a/時間割.kmt\n[MainWindow]\nTop=-5\nLeft=12\n"
            "[Edit]\nAutoLocate=1\nTenKeys=0\n");
}

TEST(IniFile, IntegerRule) {
  TempDir dir;
  dir.Write("a.ini",
            "[W]\nhex=0x40\nHEX2=$ff\nhex3=0XA\nneg=-12\nletters=abc\nempty=\njunk=12abc\n"
            "spaced=  7  \nhexneg=$-1\nhuge=99999999999\ncolour=$FFFFFFFF\nplus=+3\n");
  IniFile ini(dir.File("a.ini"));
  EXPECT_EQ(ini.GetInt("W", "hex", 1), 64);
  EXPECT_EQ(ini.GetInt("W", "hex2", 1), 255);
  EXPECT_EQ(ini.GetInt("W", "hex3", 1), 10);
  EXPECT_EQ(ini.GetInt("W", "neg", 1), -12);
  EXPECT_EQ(ini.GetInt("W", "spaced", 1), 7);
  EXPECT_EQ(ini.GetInt("W", "colour", 1), -1);
  for (const char* bad : {"letters", "empty", "junk", "hexneg", "huge", "plus", "missing"}) {
    EXPECT_EQ(ini.GetInt("W", bad, 42), 42) << bad;
  }
  EXPECT_TRUE(ini.GetBool("W", "hex", false));
  EXPECT_FALSE(ini.GetBool("W", "letters", false));
  EXPECT_TRUE(ini.GetBool("W", "letters", true));
  EXPECT_EQ(ini.GetString("W", "empty", "x"), "");
}

TEST(IniFile, NamesIgnoreCaseAndFirstKeyWins) {
  TempDir dir;
  dir.Write("a.ini", "[edit]\nautolocate=0\nAutoLocate=1\n[EDIT]\nAUTOLOCATE=1\n");
  IniFile ini(dir.File("a.ini"));
  EXPECT_FALSE(ini.GetBool("Edit", "AutoLocate", true));
  ini.SetBool("Edit", "AutoLocate", true);
  ini.Save();
  EXPECT_EQ(dir.Read("a.ini"), "[edit]\nautolocate=1\nAutoLocate=1\n[EDIT]\nAUTOLOCATE=1\n");
}

// Lines the program does not change go back byte for byte, whatever their encoding; so does a
// line of ours set to the value it already holds (the font here, in CP932).
TEST(IniFile, ForeignLinesAndLineEndsAreKept) {
  TempDir dir;
  const std::string head =
      "\xEF\xBB\xBF; \x83\x81\x83\x82 written by hand\r\n[Other]\nName=\x93\xFA\x96\x7B\r\n"
      "Bad=\x81\xFF\r\xFE\x80 \r\nMixed=\xE6\x97\xA5\x82\xA0\r\n\r\n"
      "[Printer]\nFont=\x82\x6C\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4E\r\n"
      "[Edit]\r\nOther = keep me \r\nTenKeys=";
  dir.Write("a.ini", head + "0\r\n\r\n[Tool]\r\nx=1");
  IniFile ini(dir.File("a.ini"));
  EXPECT_EQ(ini.GetString("Other", "Name", ""), "日本");
  ini.SetString("Printer", "Font", "ＭＳ ゴシック");
  ini.SetBool("Edit", "TenKeys", true);
  ini.SetBool("Edit", "ASDFKeys", true);  // new key: at the end of its section
  ini.SetString("Tool", "y", "時");       // after a last line that had no line end
  ini.SetInt("Color", "Grade1", 32768);   // new section at the end
  ini.Save();
  EXPECT_EQ(dir.Read("a.ini"),
            head + "1\r\nASDFKeys=1\r\n\r\n[Tool]\r\nx=1\r\ny=時\r\n[Color]\r\nGrade1=32768\r\n");
  EXPECT_EQ(IniFile(dir.File("a.ini")).GetString("edit", "other", ""), "keep me");
}

// A last line ended by a lone carriage return: a key added after it must stay a line of its own.
TEST(IniFile, KeyAddedAfterALastLineWithoutLineFeedStaysItsOwnLine) {
  TempDir dir;
  dir.Write("a.ini", "[Edit]\nTenKeys=0\r");
  IniFile ini(dir.File("a.ini"));
  ini.SetBool("Edit", "ASDFKeys", true);
  ini.Save();
  IniFile back(dir.File("a.ini"));
  EXPECT_TRUE(back.GetBool("Edit", "ASDFKeys", false));
  EXPECT_FALSE(back.GetBool("Edit", "TenKeys", true));
}

// What a damaged or foreign file holds reads as missing keys, never as something else.
TEST(IniFile, BrokenFilesGiveTheDefaults) {
  TempDir dir;
  std::string garbage;
  for (int i = 0; i < 4096; ++i) garbage += static_cast<char>((i * 131 + 7) % 256);
  std::string longLine = "[Edit]\nTenKeys=" + std::string(100000, '1') + "\n" +
                         std::string(100000, 'x') + "\nASDFKeys=1\n";
  const std::pair<const char*, std::string> files[] = {
      {"garbage", garbage},
      {"long", longLine},
      {"keyless", "[Edit]\n[ViewClass]\n[]\n[\n"},
      {"sectionless", "TenKeys=1\nType=2\n=\n"},
  };
  for (const auto& [name, bytes] : files) {
    dir.Write(name, bytes);
    IniFile ini(dir.File(name));
    EXPECT_FALSE(ini.GetBool("Edit", "TenKeys", false)) << name;
    EXPECT_EQ(ini.GetInt("ViewClass", "Type", 0), 0) << name;
    ini.SetInt("ViewClass", "Type", 1);
    ini.Save();
    EXPECT_EQ(IniFile(dir.File(name)).GetInt("ViewClass", "Type", 0), 1) << name;
  }
  EXPECT_TRUE(IniFile(dir.File("long")).GetBool("Edit", "ASDFKeys", false));
}

TEST(IniFile, ValueCannotBreakIntoANewLine) {
  TempDir dir;
  IniFile ini(dir.File("a.ini"));
  ini.SetString("DataFile", "FileName", "a\n[Edit]\r\nAutoLocate=0");
  ini.Save();
  IniFile back(dir.File("a.ini"));
  EXPECT_EQ(back.GetString("DataFile", "FileName", ""), "a[Edit]AutoLocate=0");
  // Nor does a value read: a stray carriage return within a line is left out as well.
  dir.Write("b.ini", "[DataFile]\nFileName=\r \nTitle=a\rb\r\n");
  EXPECT_EQ(IniFile(dir.File("b.ini")).GetString("DataFile", "FileName", "none"), "");
  EXPECT_EQ(IniFile(dir.File("b.ini")).GetString("DataFile", "Title", "none"), "ab");
  EXPECT_TRUE(back.GetBool("Edit", "AutoLocate", true));
}

// A font name cut at its byte limit can end in a space, a file name can too: every value reads
// back as it was set, and a value another program put in quotes reads without them.
TEST(IniFile, ValuesKeepTheSpacesAtTheirEndsAndTheirQuotes) {
  TempDir dir;
  const std::string values[] = {"ＭＳ ", " a", "\tb\t", "  ", "\"q\"", "\"", "\"x", "a \"b\" c"};
  IniFile ini(dir.File("a.ini"));
  for (std::size_t i = 0; i < std::size(values); ++i) {
    ini.SetString("S", std::to_string(i), values[i]);
  }
  ini.Save();
  IniFile back(dir.File("a.ini"));
  for (std::size_t i = 0; i < std::size(values); ++i) {
    EXPECT_EQ(back.GetString("S", std::to_string(i), "none"), values[i]) << i;
  }
  dir.Write("b.ini", "[Printer]\nFont = \"IPAGothic \" \n");
  EXPECT_EQ(IniFile(dir.File("b.ini")).GetString("Printer", "Font", ""), "IPAGothic ");
}

TEST(IniFile, Cp932FileIsReadAsCp932AndBomKept) {
  TempDir dir;
  dir.Write("sjis.ini", "[Printer]\nFont=\x82\x6C\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4E\n");
  EXPECT_EQ(IniFile(dir.File("sjis.ini")).GetString("Printer", "Font", ""), "ＭＳ ゴシック");

  dir.Write("bom.ini", "\xEF\xBB\xBF[Printer]\nFont=明朝\n");
  IniFile bom(dir.File("bom.ini"));
  EXPECT_EQ(bom.GetString("printer", "font", ""), "明朝");
  bom.Save();
  EXPECT_EQ(dir.Read("bom.ini"), "\xEF\xBB\xBF[Printer]\nFont=明朝\n");
}

// One value that is not UTF-8 (a path named in another encoding) neither garbles the other
// lines nor joins the next line to its own.
TEST(IniFile, OneLineThatIsNotUtf8LeavesTheOthers) {
  TempDir dir;
  dir.Write("a.ini", "[DataFile]\nFileName=/a/\x86\n[Printer]\nFont=ＭＳ ゴシック\n");
  IniFile ini(dir.File("a.ini"));
  EXPECT_EQ(ini.GetString("Printer", "Font", ""), "ＭＳ ゴシック");
  EXPECT_TRUE(ini.GetString("DataFile", "FileName", "").starts_with("/a/"));
}

// Every lookup and every change finds its line, however long the file; how fast is a
// benchmark's matter, not a test's.
TEST(IniFile, KeysOfAVeryLongFileAreFoundAndChanged) {
  TempDir dir;
  std::string text = "[Edit]\nTenKeys=1\n";
  for (int i = 0; i < 20000; ++i) {
    text += "[Other" + std::to_string(i) + "]\n";
    for (int k = 0; k < 9; ++k) text += "Key" + std::to_string(k) + "=" + std::to_string(i) + "\n";
  }
  dir.Write("a.ini", text + "[EDIT]\nTenKeys=0\nASDFKeys=1\n");
  IniFile ini(dir.File("a.ini"));
  for (int i = 0; i < 100; ++i) {
    const int found = ini.GetInt("Other" + std::to_string(i * 199), "Key8", 0);
    ini.SetInt("Window" + std::to_string(i % 20), std::to_string(i), found);
  }
  EXPECT_TRUE(ini.GetBool("edit", "tenkeys", false));
  EXPECT_TRUE(ini.GetBool("Edit", "ASDFKeys", false));
  ini.Save();
  EXPECT_EQ(IniFile(dir.File("a.ini")).GetInt("Window19", "99", 0), 99 * 199);
}

TEST(IniFile, UnreadableOrUnreplaceableFileThrows) {
  TempDir dir;
  IniFile ini(dir.File("Kumo.Ini"));
  ini.SetBool("Edit", "TenKeys", true);
  std::filesystem::create_directory(dir.File("Kumo.Ini"));
  dir.Write("Kumo.Ini/inside", "x");
  EXPECT_THROW(IniFile(dir.File("Kumo.Ini")), FileError);
  EXPECT_THROW(ini.Save(), FileError);
  EXPECT_EQ(dir.Read("Kumo.Ini/inside"), "x");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Dir()), {}), 1);
  EXPECT_THROW(IniFile(dir.File("none/Kumo.Ini")).Save(), FileError);
}

}  // namespace
}  // namespace kumo
