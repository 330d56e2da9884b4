// The in-place save where only POSIX systems can test it: a child process killed mid-save and
// a file size limit. The save itself is the same on Windows, through the other system calls.
#include "base/InPlaceSave.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>

#include "base/DataHome.h"
#include "base/FileError.h"
#include "base/SysFile.h"
#include "base/TempDir.h"

namespace kumo {
namespace {

using test::DataHome;
using test::TempDir;
namespace fs = std::filesystem;

// A shared folder: the file may be written, the folder takes no new file.
std::string SharedFile(const TempDir& dir, const std::string& bytes) {
  dir.Write("t.kmt", bytes);
  fs::permissions(dir.File("t.kmt"), static_cast<fs::perms>(0666));
  fs::permissions(dir.Dir(), static_cast<fs::perms>(0555));
  return dir.File("t.kmt");
}

// Forks a child that runs body as an ordinary user (root may create files in any folder, so
// under root the child gives it up) and exits with what body returns, or 10 for a failure
// that names the file size limit.
template <class Body>
pid_t SpawnAsUser(Body body) {
  pid_t pid = ::fork();
  if (pid != 0) return pid;
  int code = 2;
  if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(3);
  try {
    code = body();
  } catch (const FileError& e) {
    const std::string text = e.what();
    std::fprintf(stderr, "%s\n", e.what());
    code = text.find("ファイルの大きさの制限を超えています") != std::string::npos ? 10 : 1;
  }
  ::_exit(code);
}

int ExitCode(pid_t pid) {
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
}

TEST(InPlaceSave, AFullDiskFailsTheSaveWithNothingChanged) {
  TempDir dir;
  DataHome data;
  const std::string old(8192, 'o');
  const std::string file = SharedFile(dir, old);
  // The file size limit stands for the full disk: the reservation meets it before any byte is
  // written, as it meets the disk's end. The error names the file and the reason.
  const pid_t pid = SpawnAsUser([&] {
    const rlimit limit{16384, 16384};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    WriteFileAtomically(file, std::string(65536, 'n'));
    return 0;
  });
  EXPECT_EQ(ExitCode(pid), 10) << "the save did not fail with the reason and the path";
  EXPECT_EQ(dir.Read("t.kmt"), old);
  EXPECT_EQ(data.Copies(), 0);
}

// A child saves two versions in turn and is killed, a hundred times over: the file, or else the
// copy the next open offers back, is always one version whole.
TEST(InPlaceSave, KilledSavesLeaveTheOldOrTheNewBytesWhole) {
  TempDir dir;
  DataHome data;
  const std::string versions[] = {std::string(256 << 10, 'a'),
                                  std::string((256 << 10) + 4097, 'b')};
  const std::string file = SharedFile(dir, versions[0]);
  std::mt19937 rng(20);
  int torn = 0;
  for (int kill = 0; kill < 100; ++kill) {
    int saves[2];
    ASSERT_EQ(::pipe(saves), 0);
    const pid_t pid = SpawnAsUser([&] {
      ::close(saves[0]);
      for (int k = 1;; ++k) {
        WriteFileAtomically(file, versions[k % 2]);
        if (::write(saves[1], "s", 1) != 1) return 4;
      }
      return 0;
    });
    ::close(saves[1]);
    // The kill lands anywhere in the third save: within the time the second took.
    char byte = 0;
    const bool saved = ::read(saves[0], &byte, 1) == 1;
    const auto second = std::chrono::steady_clock::now();
    const bool savedAgain = saved && ::read(saves[0], &byte, 1) == 1;
    const auto took = std::chrono::steady_clock::now() - second;
    ::usleep(std::uniform_int_distribution<useconds_t>(
        0, std::chrono::duration_cast<std::chrono::microseconds>(took).count())(rng));
    ::kill(pid, SIGKILL);
    ASSERT_EQ(ExitCode(pid), -SIGKILL) << "the saving child stopped on its own";
    ::close(saves[0]);
    ASSERT_TRUE(savedAgain) << "the saving child failed";
    const std::string now = dir.Read("t.kmt");
    torn += now != versions[0] && now != versions[1];
    const auto copy = InterruptedSaveCopy(file);
    const std::string& whole = copy ? *copy : now;
    ASSERT_TRUE(whole == versions[0] || whole == versions[1])
        << "kill " << kill << " lost the file: " << whole.size() << " bytes";
  }
  std::printf("%d of 100 kills tore the file; each was offered back whole\n", torn);
  EXPECT_LE(data.Copies(), 1);
}

}  // namespace
}  // namespace kumo
