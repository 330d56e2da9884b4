#include "base/posix/WriteAll.h"

#include <unistd.h>

#include <cerrno>

namespace kumo {

FileSizeSignalIgnored::FileSizeSignalIgnored() {
  struct sigaction ignore {};
  ignore.sa_handler = SIG_IGN;
  sigemptyset(&ignore.sa_mask);
  ignored_ = ::sigaction(SIGXFSZ, &ignore, &old_) == 0;
}

FileSizeSignalIgnored::~FileSizeSignalIgnored() {
  if (ignored_) ::sigaction(SIGXFSZ, &old_, nullptr);
}

int WriteAllAt(int fd, std::string_view bytes, long long offset) {
  const FileSizeSignalIgnored quiet;
  for (std::size_t done = 0; done < bytes.size();) {
    ssize_t n = ::pwrite(fd, bytes.data() + done, bytes.size() - done,
                         static_cast<off_t>(offset + static_cast<long long>(done)));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return n < 0 ? errno : EIO;
    done += static_cast<std::size_t>(n);
  }
  return 0;
}

}  // namespace kumo
