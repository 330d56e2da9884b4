// The raw writes every save goes through on POSIX systems.
#pragma once

#include <signal.h>

#include <string_view>

namespace kumo {

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

}  // namespace kumo
