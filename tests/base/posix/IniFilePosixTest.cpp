// The settings file where only POSIX systems have what is tested: a folder whose permission bits
// refuse new files, tried by an ordinary user.
#include <gtest/gtest.h>

#include <filesystem>

#include "base/FileError.h"
#include "base/IniFile.h"
#include "base/TempDir.h"
#include "base/posix/ChildProcess.h"

namespace kumo {
namespace {

using test::TempDir;

TEST(IniFile, FailedSaveThrowsAndLeavesTheOldFile) {
  TempDir dir;
  dir.Write("a.ini", "[Edit]\nTenKeys=0\n");
  // A folder that refuses new files but holds a writable file gets the file rewritten in place.
  std::filesystem::permissions(dir.File("a.ini"), std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::remove);
  std::filesystem::permissions(dir.Dir(), std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::remove);
  // Root writes into read-only folders.
  const int code = test::RunAsOrdinaryUser(dir, [&] {
    IniFile ini(dir.File("a.ini"));
    ini.SetBool("Edit", "TenKeys", true);
    try {
      ini.Save();
    } catch (const FileError&) {
      return 0;
    }
    return 1;
  });
  EXPECT_EQ(code, 0) << "the save went through, or the child could not become an ordinary user";
  std::filesystem::permissions(dir.Dir(), std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::add);
  EXPECT_EQ(dir.Read("a.ini"), "[Edit]\nTenKeys=0\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Dir()), {}), 1);
}

}  // namespace
}  // namespace kumo
