// The file services where Windows has its own way of what is tested: the read-only attribute
// stands for the POSIX permission bits.
#include <gtest/gtest.h>
#include <windows.h>

#include "base/FileTestHelpers.h"
#include "base/SysFile.h"
#include "base/TempDir.h"

namespace kumo {
namespace {

using test::Entries;
using test::ErrorOf;
using test::TempDir;

TEST(SysFile, AReadOnlyFileIsNotReplaced) {
  TempDir dir;
  dir.Write("locked.kmt", "old");
  const std::string file = dir.File("locked.kmt");
  ASSERT_TRUE(SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_NE(ErrorOf([&] { WriteFileAtomically(file, "new"); }).find("locked.kmt"),
            std::string::npos);
  SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(dir.Read("locked.kmt"), "old");
  EXPECT_EQ(Entries(dir), 1);
}

}  // namespace
}  // namespace kumo
