// Tests that need a process of their own: a body run in a child, and a body run by an ordinary
// user, which root's tests (CI runs as root) need wherever permissions are what is tested.
#pragma once

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "base/TempDir.h"

namespace kumo::test {

// Forks a child that runs body and exits with what it returns, or 2 when it throws.
template <class Body>
pid_t Spawn(Body body) {
  pid_t pid = ::fork();
  if (pid != 0) return pid;
  int code = 2;
  try {
    code = body();
  } catch (...) {
  }
  ::_exit(code);
}

// The user root becomes: nobody, who owns nothing and is in no group.
constexpr uid_t OrdinaryUser = 65534;
constexpr int CannotBecomeTheUser = 77;

// Runs body in a child as an ordinary user who owns dir and everything in it, as the user who
// made them would: root hands them to nobody and gives root up. Returns body's exit code, or
// CannotBecomeTheUser, or -1 for a child that did not exit.
template <class Body>
int RunAsOrdinaryUser(const TempDir& dir, Body body) {
  if (::geteuid() == 0) {
    namespace fs = std::filesystem;
    auto own = [](const fs::path& p) { return ::lchown(p.c_str(), OrdinaryUser, OrdinaryUser); };
    own(dir.Dir());
    for (const fs::directory_entry& e : fs::recursive_directory_iterator(dir.Dir())) own(e.path());
  }
  pid_t pid = Spawn([&] {
    if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(OrdinaryUser) != 0 ||
                             ::setuid(OrdinaryUser) != 0)) {
      return CannotBecomeTheUser;
    }
    // A folder above the test's own that the user may not pass leaves nothing to test.
    if (::access(dir.Dir().c_str(), X_OK) != 0) return CannotBecomeTheUser;
    return static_cast<int>(body());
  });
  int status = 0;
  if (::waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

}  // namespace kumo::test
