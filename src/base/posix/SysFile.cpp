#include "base/SysFile.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <tuple>

#include "base/FileError.h"
#include "base/InPlaceSave.h"
#include "base/SysIo.h"
#include "base/SystemCalls.h"
#include "base/posix/WriteAll.h"

namespace kumo {

namespace {

constexpr int LinkHopLimit = 40;

[[noreturn]] void FailNoLinkTarget(const std::string& path) {
  throw FileError("\"" + path + "\" を書き込めません。\nリンク先がありません。");
}

bool IsDirectory(const std::string& dir) {
  struct stat st {};
  return ::stat(dir.empty() ? "." : dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// The file a save replaces: the chain of links is followed to the name at its end, so that the
// file it names gets the new bytes (or is created, for a link that names no file yet) and no
// link is ever replaced by a plain file.
std::string SaveTarget(const std::string& path) {
  std::string target = path;
  for (int hops = 0;; ++hops) {
    struct stat st {};
    if (::lstat(target.c_str(), &st) != 0) {
      int err = errno;
      if (hops == 0) {
        if (err == ENOENT) return target;
        FailFile("書き込めません", path, err);
      }
      if (err == ENOENT && IsDirectory(DirectoryOf(target))) return target;
      if (err != ENOENT && err != ENOTDIR && err != ELOOP) FailFile("書き込めません", path, err);
      FailNoLinkTarget(path);
    }
    if (!S_ISLNK(st.st_mode)) return target;
    if (hops == LinkHopLimit) FailNoLinkTarget(path);
    std::string link(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 255) + 1, '\0');
    ssize_t n = ::readlink(target.c_str(), link.data(), link.size());
    if (n < 0) FailFile("書き込めません", path, errno);
    if (static_cast<std::size_t>(n) == link.size()) FailFile("書き込めません", path, ENAMETOOLONG);
    link.resize(static_cast<std::size_t>(n));
    // A relative link names its file from the link's own directory.
    std::string dir = DirectoryOf(target);
    target = link.starts_with('/') || dir.empty() ? link : dir + "/" + link;
  }
}

constexpr int TempNameTries = 100;

// A shared folder may let the user change a file but not create one beside it; there the file
// can only be rewritten through itself.
bool OnlyWritableInPlace(const std::string& dir, const std::string& target, int createErr) {
  if (createErr != EACCES && createErr != EPERM && createErr != EROFS) return false;
  struct stat st {};
  return ::access(dir.empty() ? "." : dir.c_str(), W_OK) != 0 && ::stat(target.c_str(), &st) == 0 &&
         S_ISREG(st.st_mode) && ::access(target.c_str(), W_OK) == 0;
}

}  // namespace

std::string ReadFileBytes(const std::string& path, std::size_t maxBytes) {
  // Without O_NONBLOCK a FIFO would hold the open until some writer comes.
  int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) FailFile("開けません", path, errno);
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    const int err = errno;
    ::close(fd);
    FailFile("読み込めません", path, err);
  }
  if (!S_ISREG(st.st_mode)) {
    ::close(fd);
    FailNotRegular("読み込めません", path);
  }
  const auto size = static_cast<unsigned long long>(st.st_size);
  if (size > maxBytes) {
    ::close(fd);
    FailTooLarge(path, size, maxBytes);
  }
  int flags = ::fcntl(fd, F_GETFL);
  int err = flags >= 0 && ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == 0 ? 0 : errno;
  // As long as the file is, and one byte more, which tells a file that grew since.
  std::string bytes(static_cast<std::size_t>(size) + 1, '\0');
  std::size_t done = 0;
  while (err == 0) {
    if (done == bytes.size()) {
      if (bytes.size() > maxBytes) break;
      bytes.resize(std::min(bytes.size() * 2, maxBytes + 1));
    }
    ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) err = errno;
    if (n <= 0) break;
    done += static_cast<std::size_t>(n);
  }
  ::close(fd);
  if (err) FailFile("読み込めません", path, err);
  if (done > maxBytes) FailTooLarge(path, done, maxBytes);
  bytes.resize(done);
  return bytes;
}

void WriteFileAtomically(const std::string& path, std::string_view bytes) {
  const std::string target = SaveTarget(path);
  struct stat old {};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  // A FIFO, a device or a directory of that name is nothing a save may replace.
  if (exists && !S_ISREG(old.st_mode)) FailNotRegular("書き込めません", path);
  // A save does nothing a plain write could not: a write-protected file stays as it is.
  if (exists && ::access(target.c_str(), W_OK) != 0) FailFile("書き込めません", path, errno);
  const std::string dir = DirectoryOf(target);
  const std::string folder = dir.empty() ? std::string(".") : dir;
  const std::string name = FileNameOf(target);
  // The new file gets the old one's permissions, or those a plain create would give.
  mode_t mode;
  if (exists) {
    mode = old.st_mode & 07777;
  } else {
    mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  // The new bytes go to a file without a name where the system has them, so that an interrupted
  // save leaves nothing; it is named only right before the rename, through /proc. Where either
  // is missing, the hidden name is created at once.
  int fd = -1;
  bool unnamed = false;
  int createErr = 0;
#ifdef O_TMPFILE
  if (::access("/proc/self/fd", X_OK) == 0) {
    fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    unnamed = fd >= 0;
    if (fd < 0 && errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) createErr = errno;
  }
#endif
  std::string temp;
  for (int k = 0; fd < 0 && createErr == 0; ++k) {
    temp = SaveTempName(folder, name, k);
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0 && (errno != EEXIST || k == TempNameTries)) createErr = errno;
  }
  if (fd < 0) {
    if (!OnlyWritableInPlace(dir, target, createErr)) FailFile("書き込めません", path, createErr);
    RewriteInPlace(path, target, bytes);
    return;
  }
  bool named = !unnamed;
  auto abandon = [&](int err) {
    if (fd >= 0) ::close(fd);
    if (named) ::unlink(temp.c_str());
    FailFile("書き込めません", path, err);
  };
  if (::fchmod(fd, mode) != 0) abandon(errno);
  if (int err = WriteAllAt(fd, bytes, 0)) abandon(err);
  if (::fsync(fd) != 0) abandon(errno);
  if (unnamed) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    for (int k = 0; !named; ++k) {
      temp = SaveTempName(folder, name, k);
      if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temp.c_str(), AT_SYMLINK_FOLLOW) == 0) {
        named = true;
      } else if (errno != EEXIST || k == TempNameTries) {
        abandon(errno);
      }
    }
  }
  int closed = ::close(fd);
  fd = -1;
  if (closed != 0) abandon(errno);
  if (::rename(temp.c_str(), target.c_str()) != 0) {
    int err = errno;
    ::unlink(temp.c_str());
    FailFile("置き換えられません", path, err);
  }
  int dfd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dfd >= 0) {
    ::fsync(dfd);  // the rename itself reaches the disk
    ::close(dfd);
  }
}
const char Separator = '/';

std::string ExecutableDirectory() {
  std::error_code ec;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string() : DirectoryOf(exe.string());
}

bool CreateNewFile(const std::string& path, int& err) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (fd < 0) {
    err = errno;
    return false;
  }
  ::close(fd);
  return true;
}

std::string UserDataDirectory() {
  std::string data;
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg != nullptr && xdg[0] == '/') {
    data = xdg;
  } else if (const char* home = std::getenv("HOME"); home != nullptr && home[0] != '\0') {
    data = std::string(home) + "/.local/share";
  } else if (const passwd* user = ::getpwuid(::getuid()); user != nullptr) {
    data = std::string(user->pw_dir) + "/.local/share";
  }
  return data + "/";
}

int RewriteFileBytes(const std::string& path, std::string_view bytes, bool& untouched) {
  untouched = false;
  const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) {
    untouched = true;
    return errno;
  }
  const FileSizeSignalIgnored quiet;
  struct stat before {};
  int err = ::fstat(fd, &before) != 0 ? errno : 0;
  // A file system that cannot reserve space says so; the caller's copy still covers a failed
  // write there.
  if (err == 0 && !bytes.empty()) err = ::posix_fallocate(fd, 0, static_cast<off_t>(bytes.size()));
  if (err == EOPNOTSUPP || err == ENOSYS || err == EINVAL) err = 0;
  if (err != 0) {
    // No byte has changed; what the reservation may have added is given back.
    std::ignore = ::ftruncate(fd, before.st_size);
    ::close(fd);
    untouched = true;
    return err;
  }
  err = WriteAllAt(fd, bytes, 0);
  if (err == 0 && ::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0) err = errno;
  if (err == 0 && ::fsync(fd) != 0) err = errno;
  if (::close(fd) != 0 && err == 0) err = errno;
  return err;
}

int ErrnoOf(const std::error_code& ec) {
  return ec.value();
}

}  // namespace kumo
