// The system's reasons in the user's own words, and the raw writes every save goes through.
#pragma once

#include <string>
#include <string_view>

#ifndef _WIN32
#include <signal.h>
#endif

namespace kumo {

// The system's reason for the error number, in Japanese for the reasons a user meets with
// files; the system's own text for any other.
std::string ReasonText(int err);

// Throws FileError: "\"path\" を<what>。\n<reason>".
[[noreturn]] void FailFile(const char* what, const std::string& path, int err);

#ifndef _WIN32
// While one lives, a file size limit makes a write fail with EFBIG like any other failure,
// where it would otherwise end the program with SIGXFSZ in the middle of a save.
class FileSizeSignalIgnored {
 public:
  FileSizeSignalIgnored();
  ~FileSizeSignalIgnored();
  FileSizeSignalIgnored(const FileSizeSignalIgnored&) = delete;
  FileSizeSignalIgnored& operator=(const FileSizeSignalIgnored&) = delete;

 private:
  struct sigaction old_ {};
  bool ignored_ = false;
};

// Writes all of bytes from the offset on, going on after short writes. Returns 0 or the
// system's reason.
int WriteAllAt(int fd, std::string_view bytes, long long offset);
#endif

}  // namespace kumo
