// The lock that tells other programs a timetable is open: who holds it, a lock left by a program
// that ended, and a folder that takes no lock file.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QLockFile>
#include <QSysInfo>
#include <cstdlib>
#include <filesystem>

#include "base/TempDir.h"
#include "platform/QtPlatform.h"

namespace kumo {
namespace {

using test::TempDir;
namespace fs = std::filesystem;

// Forks a child that runs body, under root as an ordinary user; its exit code.
template <class Body>
int InChild(bool asUser, Body body) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    if (asUser && ::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(3);
    ::_exit(body() ? 0 : 1);
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(FileLockTest, ASecondLockSaysWhoHoldsTheFileAndAnEndedProgramsLockIsTakenOver) {
  TempDir dir;
  dir.Write("t.kmt", "x");
  const std::string file = dir.File("t.kmt"), lockFile = dir.File(".t.kmt.kumo-lock");
  QtPlatform platform;
  {
    const FileLockTry first = platform.LockOpenFile(file);
    ASSERT_NE(first.Lock, nullptr);
    const FileLockTry second = platform.LockOpenFile(file);
    EXPECT_EQ(second.Lock, nullptr);
    ASSERT_TRUE(second.HeldBy.has_value());
    EXPECT_EQ(second.HeldBy->Process, QCoreApplication::applicationPid());
    EXPECT_EQ(second.HeldBy->Host, QSysInfo::machineHostName().toStdString());
    EXPECT_FALSE(second.HeldBy->Since.empty());
  }
  EXPECT_FALSE(fs::exists(lockFile)) << "the lock outlived its timetable";
  // A program that ends without releasing its lock leaves its file behind.
  ASSERT_EQ(
      InChild(false, [&] { return (new QLockFile(QString::fromStdString(lockFile)))->tryLock(0); }),
      0);
  ASSERT_TRUE(fs::exists(lockFile));
  EXPECT_NE(platform.LockOpenFile(file).Lock, nullptr);
}

// Where the folder takes no new file (root may create files anywhere: the child gives it up)
// the lock goes to the user's runtime folder, and holds there as well.
TEST(FileLockTest, AFolderThatTakesNoNewFileGetsTheLockInTheRuntimeFolder) {
  TempDir dir, runtime;
  dir.Write("t.kmt", "x");
  fs::permissions(dir.Dir(), static_cast<fs::perms>(0555));
  fs::permissions(runtime.Dir(), fs::perms::owner_all);
  ASSERT_TRUE(::geteuid() != 0 || ::chown(runtime.Dir().c_str(), 65534, 65534) == 0);
  QtPlatform platform;
  EXPECT_EQ(InChild(true,
                    [&] {
                      ::setenv("XDG_RUNTIME_DIR", runtime.Dir().c_str(), 1);
                      const FileLockTry first = platform.LockOpenFile(dir.File("t.kmt"));
                      const FileLockTry second = platform.LockOpenFile(dir.File("t.kmt"));
                      return first.Lock && second.HeldBy &&
                             std::distance(fs::directory_iterator(runtime.Dir()), {}) == 1;
                    }),
            0);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.Dir()), {}), 1);
}

}  // namespace
}  // namespace kumo
