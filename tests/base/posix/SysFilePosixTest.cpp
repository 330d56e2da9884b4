// The file services where only POSIX systems have what is tested: links, permission bits,
// FIFOs, processes killed mid-save and file size limits. Windows runs the rest of SysFile's
// tests.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <functional>

#include "base/FileError.h"
#include "base/FileTestHelpers.h"
#include "base/SysFile.h"
#include "base/TempDir.h"
#include "base/posix/ChildProcess.h"

namespace kumo {
namespace {

using test::Entries;
using test::ErrorOf;
using test::RunAsOrdinaryUser;
using test::Spawn;
using test::TempDir;
namespace fs = std::filesystem;

TEST(SysFile, SaveThroughALinkReplacesTheFileItNames) {
  TempDir dir;
  dir.Write("real.kmt", "old");
  std::filesystem::create_symlink(dir.File("real.kmt"), dir.File("link.kmt"));
  WriteFileAtomically(dir.File("link.kmt"), "new");
  EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link.kmt")));
  EXPECT_EQ(dir.Read("real.kmt"), "new");
}

TEST(SysFile, WriteProtectedFileIsNotReplaced) {
  TempDir dir;
  dir.Write("locked.kmt", "kept");
  std::filesystem::permissions(dir.File("locked.kmt"), std::filesystem::perms::owner_read);
  // Root may write any file.
  const int code = RunAsOrdinaryUser(dir, [&] {
    return ErrorOf([&] { WriteFileAtomically(dir.File("locked.kmt"), "new"); }) == "no error";
  });
  EXPECT_EQ(code, 0) << "the save went through, or the child could not become an ordinary user";
  EXPECT_EQ(dir.Read("locked.kmt"), "kept");
  EXPECT_EQ(Entries(dir), 1);
}

TEST(SysFile, FolderThatRefusesNewFilesGetsTheFileRewrittenInPlace) {
  TempDir dir;
  dir.Write("real.kmt", std::string(64, 'o'));
  std::filesystem::create_symlink(dir.File("real.kmt"), dir.File("link.kmt"));
  std::filesystem::permissions(dir.File("real.kmt"), static_cast<std::filesystem::perms>(0666));
  std::filesystem::permissions(dir.Dir(), static_cast<std::filesystem::perms>(0555));
  std::string bytes("new\0bytes", 9);
  TempDir data;  // the user's own data folder, where the old bytes wait meanwhile
  std::filesystem::permissions(data.Dir(), std::filesystem::perms::all);
  // Root may create files in any folder.
  const int code = RunAsOrdinaryUser(dir, [&] {
    ::setenv("XDG_DATA_HOME", data.Dir().c_str(), 1);
    const std::string error = ErrorOf([&] { WriteFileAtomically(dir.File("link.kmt"), bytes); });
    std::fprintf(stderr, "%s\n", error.c_str());
    return error != "no error";
  });
  ASSERT_EQ(code, 0) << "the save failed, or the child could not become an ordinary user";
  EXPECT_EQ(dir.Read("real.kmt"), bytes);
  EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link.kmt")));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Dir()), {}), 2);
  EXPECT_TRUE(fs::is_empty(data.File("kumo/saving"))) << "the old bytes' copy outlived the save";
}

TEST(SysFile, KilledSavesLeaveTheFileWholeAndAtMostOneHiddenFile) {
  TempDir dir;
  const std::string target = dir.File("t.kmt");
  const std::string versions[] = {std::string(4 << 20, 'a'), std::string(4 << 20, 'b')};
  WriteFileAtomically(target, versions[0]);
  for (int ms : {1, 4, 12, 30, 70}) {
    pid_t pid = Spawn([&] {
      for (int i = 1;; ++i) WriteFileAtomically(target, versions[i % 2]);
      return 0;
    });
    ::usleep(static_cast<useconds_t>(ms) * 1000);
    ::kill(pid, SIGKILL);
    int status = 0;
    ::waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the saving child stopped on its own";
    for (const auto& entry : fs::directory_iterator(dir.Dir())) {
      const std::string name = entry.path().filename().string();
      EXPECT_TRUE(name == "t.kmt" || name.starts_with(".t.kmt.kumo-save")) << name;
    }
    std::string bytes = dir.Read("t.kmt");
    EXPECT_TRUE(bytes == versions[0] || bytes == versions[1]) << "torn after " << ms << " ms";
  }
  // A save removes only the file it made itself: a hidden file of the name it would take, and
  // another of a name earlier versions used, may be anybody's.
  for (const auto& entry : fs::directory_iterator(dir.Dir())) {
    if (entry.path().filename() != "t.kmt") fs::remove(entry.path());
  }
  dir.Write(".t.kmt.kumo-save", "somebody's");
  dir.Write(".kumo-Ab3xYz", "somebody else's");
  WriteFileAtomically(target, "last");
  EXPECT_EQ(dir.Read("t.kmt"), "last");
  EXPECT_EQ(dir.Read(".t.kmt.kumo-save"), "somebody's");
  EXPECT_EQ(dir.Read(".kumo-Ab3xYz"), "somebody else's");
  EXPECT_EQ(Entries(dir), 3);
}

TEST(SysFile, FileSizeLimitFailsTheSave) {
  TempDir dir;
  dir.Write("t.kmt", "old");
  pid_t pid = Spawn([&] {
    const rlimit limit{4096, 4096};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    std::string error =
        ErrorOf([&] { WriteFileAtomically(dir.File("t.kmt"), std::string(1 << 16, 'n')); });
    struct sigaction now {};
    ::sigaction(SIGXFSZ, nullptr, &now);
    return error != "no error" && now.sa_handler == SIG_DFL ? 10 : 1;
  });
  int status = 0;
  ::waitpid(pid, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 10) << "wait status " << status;
  EXPECT_EQ(dir.Read("t.kmt"), "old");
  EXPECT_EQ(Entries(dir), 1);
}

TEST(SysFile, WhatIsNotAPlainFileIsRefusedAndNeverReplaced) {
  TempDir dir;
  ASSERT_EQ(::mkfifo(dir.File("fifo.kmt").c_str(), 0666), 0);
  fs::create_directory(dir.File("dir.kmt"));
  fs::create_symlink("b.kmt", dir.File("a.kmt"));
  fs::create_symlink("a.kmt", dir.File("b.kmt"));
  fs::create_symlink("gone/x.kmt", dir.File("nowhere.kmt"));
  const std::string notFile = "通常のファイルではありません", noTarget = "リンク先がありません";
  const std::string cannotOpen = "を開けません";
  ::alarm(10);  // opening a FIFO for reading waits for a writer that never comes
  for (const auto& [name, onRead, onSave] : {std::tuple{"fifo.kmt", notFile, notFile},
                                             {"dir.kmt", notFile, notFile},
                                             {"a.kmt", cannotOpen, noTarget},
                                             {"nowhere.kmt", cannotOpen, noTarget}}) {
    const std::string file = dir.File(name);
    std::string error = ErrorOf([&] { ReadFileBytes(file, 10); });
    EXPECT_NE(error.find(onRead), std::string::npos) << error;
    error = ErrorOf([&] { WriteFileAtomically(file, "x"); });
    EXPECT_NE(error.find(onSave), std::string::npos) << error;
  }
  ::alarm(0);
  // A link without its file gets it created, named from the link's folder.
  fs::create_symlink("dir.kmt/new.kmt", dir.File("link.kmt"));
  WriteFileAtomically(dir.File("link.kmt"), "new");
  EXPECT_EQ(dir.Read("dir.kmt/new.kmt"), "new");
  for (const char* name : {"a.kmt", "b.kmt", "nowhere.kmt", "link.kmt"}) {
    EXPECT_TRUE(fs::is_symlink(dir.File(name))) << name;
  }
  EXPECT_TRUE(fs::is_fifo(dir.File("fifo.kmt")));
}

}  // namespace
}  // namespace kumo
