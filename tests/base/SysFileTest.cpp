#include "base/SysFile.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "base/FileError.h"
#include "base/TempDir.h"

namespace kumo {
namespace {

using test::TempDir;

TEST(SysFile, AtomicWriteReplacesWholeAndLeavesNoTemporary) {
  TempDir dir;
  dir.Write("t.kmt", std::string(5000, 'o'));
  std::string bytes("new\0bytes", 9);
  WriteFileAtomically(dir.File("t.kmt"), bytes);
  EXPECT_EQ(dir.Read("t.kmt"), bytes);
  EXPECT_EQ(ReadFileBytes(dir.File("t.kmt"), 3), "new");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Dir()), {}), 1);
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

TEST(SysFile, SaveThroughALinkReplacesTheFileItNames) {
  TempDir dir;
  dir.Write("real.kmt", "old");
  std::filesystem::create_symlink(dir.File("real.kmt"), dir.File("link.kmt"));
  WriteFileAtomically(dir.File("link.kmt"), "new");
  EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link.kmt")));
  EXPECT_EQ(dir.Read("real.kmt"), "new");
}

TEST(SysFile, WriteProtectedFileIsNotReplaced) {
  if (::geteuid() == 0) GTEST_SKIP() << "root may write any file";
  TempDir dir;
  dir.Write("locked.kmt", "kept");
  std::filesystem::permissions(dir.File("locked.kmt"), std::filesystem::perms::owner_read);
  EXPECT_THROW(WriteFileAtomically(dir.File("locked.kmt"), "new"), FileError);
  EXPECT_EQ(dir.Read("locked.kmt"), "kept");
}

TEST(SysFile, FolderThatRefusesNewFilesGetsTheFileRewrittenInPlace) {
  TempDir dir;
  dir.Write("real.kmt", std::string(64, 'o'));
  std::filesystem::create_symlink(dir.File("real.kmt"), dir.File("link.kmt"));
  std::filesystem::permissions(dir.File("real.kmt"), static_cast<std::filesystem::perms>(0666));
  std::filesystem::permissions(dir.Dir(), static_cast<std::filesystem::perms>(0555));
  std::string bytes("new\0bytes", 9);
  // Root may create files in any folder, so the save runs in a child that has given root up.
  pid_t pid = ::fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(77);
    if (::access(dir.Dir().c_str(), X_OK) != 0) ::_exit(77);
    try {
      WriteFileAtomically(dir.File("link.kmt"), bytes);
      ::_exit(0);
    } catch (const FileError& e) {
      std::fprintf(stderr, "%s\n", e.what());
      ::_exit(1);
    }
  }
  int status = 0;
  ASSERT_EQ(::waitpid(pid, &status, 0), pid);
  ASSERT_TRUE(WIFEXITED(status));
  if (WEXITSTATUS(status) == 77) GTEST_SKIP() << "no unprivileged user can reach the folder";
  ASSERT_EQ(WEXITSTATUS(status), 0) << "the save failed";
  EXPECT_EQ(dir.Read("real.kmt"), bytes);
  EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link.kmt")));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Dir()), {}), 2);
}

TEST(SysFile, PathParts) {
  EXPECT_EQ(DirectoryOf("/home/a/t.kmt"), "/home/a");
  EXPECT_EQ(DirectoryOf("t.kmt"), "");
  EXPECT_EQ(FileNameOf("/home/a/t.kmt"), "t.kmt");
  EXPECT_EQ(ProgramDirectory().back(), '/');
}

}  // namespace
}  // namespace kumo
