// The lock that tells other programs a timetable is open: who holds it, a lock left by a program
// that ended, and a folder that takes no lock file.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDateTime>
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

int ExitCode(pid_t pid) {
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(FileLockTest, ASecondLockSaysWhoHoldsTheFileAndAnEndedProgramsLockIsTakenOver) {
  TempDir dir;
  dir.Write("t.kmt", "x");
  const std::string file = dir.File("t.kmt");
  const std::string lockFile = dir.File(".t.kmt.kumo-lock");
  QtPlatform platform;
  {
    const FileLockTry first = platform.LockOpenFile(file);
    ASSERT_NE(first.Lock, nullptr);
    EXPECT_TRUE(fs::exists(lockFile));
    const FileLockTry second = platform.LockOpenFile(file);
    EXPECT_EQ(second.Lock, nullptr);
    ASSERT_TRUE(second.HeldBy.has_value());
    EXPECT_EQ(second.HeldBy->Process, QCoreApplication::applicationPid());
    EXPECT_EQ(second.HeldBy->Host, QSysInfo::machineHostName().toStdString());
    EXPECT_TRUE(QDateTime::fromString(QString::fromStdString(second.HeldBy->Since),
                                      QStringLiteral("yyyy/MM/dd hh:mm"))
                    .isValid())
        << second.HeldBy->Since;
  }
  EXPECT_FALSE(fs::exists(lockFile)) << "the lock outlived its timetable";
  // A program that ends without releasing its lock leaves the file behind.
  const pid_t pid = ::fork();
  if (pid == 0) {
    QLockFile left(QString::fromStdString(lockFile));
    ::_exit(left.tryLock(0) ? 0 : 1);
  }
  ASSERT_EQ(ExitCode(pid), 0);
  ASSERT_TRUE(fs::exists(lockFile));
  const FileLockTry taken = platform.LockOpenFile(file);
  EXPECT_NE(taken.Lock, nullptr);
  EXPECT_FALSE(taken.HeldBy.has_value());
}

// Where the folder takes no new file the lock goes to the user's runtime folder. Root may
// create files anywhere, so the lock is taken by a child that has given root up.
TEST(FileLockTest, AFolderThatTakesNoNewFileGetsTheLockInTheRuntimeFolder) {
  TempDir dir;
  TempDir runtime;
  dir.Write("t.kmt", "x");
  fs::permissions(dir.Dir(), static_cast<fs::perms>(0555));
  fs::permissions(runtime.Dir(), fs::perms::owner_all);
  const bool root = ::geteuid() == 0;
  ASSERT_TRUE(!root || ::chown(runtime.Dir().c_str(), 65534, 65534) == 0);
  QtPlatform platform;
  const pid_t pid = ::fork();
  if (pid == 0) {
    if (root && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(3);
    ::setenv("XDG_RUNTIME_DIR", runtime.Dir().c_str(), 1);
    const FileLockTry first = platform.LockOpenFile(dir.File("t.kmt"));
    const FileLockTry second = platform.LockOpenFile(dir.File("t.kmt"));
    long inRuntime = std::distance(fs::directory_iterator(runtime.Dir()), {});
    ::_exit(first.Lock && second.HeldBy && inRuntime == 1 ? 0 : 1);
  }
  EXPECT_EQ(ExitCode(pid), 0);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.Dir()), {}), 1);
}

}  // namespace
}  // namespace kumo
