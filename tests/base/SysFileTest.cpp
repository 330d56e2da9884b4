#include "base/SysFile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/FileError.h"
#include "base/FileTestHelpers.h"
#include "base/TempDir.h"

namespace kumo {
namespace {

using test::Entries;
using test::TempDir;

TEST(SysFile, AtomicWriteReplacesWholeAndLeavesNoTemporary) {
  TempDir dir;
  dir.Write("t.kmt", std::string(5000, 'o'));
  std::string bytes("new\0bytes", 9);
  WriteFileAtomically(dir.File("t.kmt"), bytes);
  EXPECT_EQ(dir.Read("t.kmt"), bytes);
  EXPECT_EQ(ReadFileBytes(dir.File("t.kmt"), 9), bytes);
  EXPECT_THROW(ReadFileBytes(dir.File("t.kmt"), 8), FileError);
  EXPECT_EQ(Entries(dir), 1);
}

TEST(SysFile, FailuresThrowFileErrorNamingTheFile) {
  TempDir dir;
  try {
    ReadFileBytes(dir.File("missing.kmt"), 10);
    FAIL() << "no error";
  } catch (const FileError& e) {
    EXPECT_NE(std::string(e.what()).find("missing.kmt"), std::string::npos);
  }
  EXPECT_THROW(WriteFileAtomically(dir.File("no/dir/t.kmt"), "x"), FileError);
}

// A name outside ASCII reaches the system whole (as UTF-16 where the system takes that).
TEST(SysFile, AJapaneseFileNameIsWrittenReadAndReplaced) {
  TempDir dir;
  const std::string name = dir.Dir() + "時間割 前期.kmt";  // UTF-8, as the program names files
  WriteFileAtomically(name, "old");
  WriteFileAtomically(name, "new");
  EXPECT_EQ(ReadFileBytes(name, 3), "new");
  EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(dir.Dir()) / u8"時間割 前期.kmt"));
  EXPECT_EQ(Entries(dir), 1);
}

TEST(SysFile, PathParts) {
  EXPECT_EQ(DirectoryOf("/home/a/t.kmt"), "/home/a");
  EXPECT_EQ(DirectoryOf("t.kmt"), "");
  EXPECT_EQ(FileNameOf("/home/a/t.kmt"), "t.kmt");
  EXPECT_TRUE(ProgramDirectory().ends_with('/') || ProgramDirectory().ends_with('\\'));
}

}  // namespace
}  // namespace kumo
