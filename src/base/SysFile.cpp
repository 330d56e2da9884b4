#include "base/SysFile.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "base/FileError.h"

#ifdef _WIN32
#include <direct.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kumo {
namespace {

[[noreturn]] void Fail(const char* what, const std::string& path, int err) {
  throw FileError("\"" + path + "\" を" + what + "。\n" + std::strerror(err));
}

constexpr char Separator =
#ifdef _WIN32
    '\\';
#else
    '/';
#endif

bool IsSeparator(char c) {
  return c == '/' || c == Separator;
}

}  // namespace

std::string EarlyEndMessage(const std::string& path) {
  return "\"" + path + "\" を読み込めません。\nファイルが途中で終わっています。";
}

std::string ReadFileBytes(const std::string& path, std::size_t maxBytes) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) Fail("開けません", path, errno);
  std::string bytes(maxBytes, '\0');
  std::size_t n = std::fread(bytes.data(), 1, maxBytes, f);
  int err = std::ferror(f) ? errno : 0;
  std::fclose(f);
  if (err) Fail("読み込めません", path, err);
  bytes.resize(n);
  return bytes;
}

#ifdef _WIN32
void WriteFileAtomically(const std::string& path, std::string_view bytes) {
  std::string temp = path + ".kumo-tmp";
  std::FILE* f = std::fopen(temp.c_str(), "wb");
  if (!f) Fail("書き込めません", path, errno);
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size() && std::fflush(f) == 0;
  int err = errno;
  ok = (std::fclose(f) == 0) && ok;
  if (!ok) {
    std::remove(temp.c_str());
    Fail("書き込めません", path, err ? err : EIO);
  }
  if (!MoveFileExA(temp.c_str(), path.c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    std::remove(temp.c_str());
    Fail("置き換えられません", path, EACCES);
  }
}
#else
namespace {

// The file a save replaces: a link is followed, so that the file it names gets the new bytes
// and the link stays a link.
std::string SaveTarget(const std::string& path) {
  char* real = ::realpath(path.c_str(), nullptr);
  if (real == nullptr) return path;
  std::string target(real);
  std::free(real);
  return target;
}

// Writes all of bytes, going on after short writes. Returns 0 or the system's reason.
int WriteAll(int fd, std::string_view bytes) {
  for (std::size_t done = 0; done < bytes.size();) {
    ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return n < 0 ? errno : EIO;
    done += static_cast<std::size_t>(n);
  }
  return 0;
}

// A shared folder may let the user change a file but not create one beside it; there the file
// can only be rewritten through itself.
bool OnlyWritableInPlace(const std::string& dir, const std::string& target, int createErr) {
  if (createErr != EACCES && createErr != EPERM && createErr != EROFS) return false;
  struct stat st {};
  return ::access(dir.empty() ? "." : dir.c_str(), W_OK) != 0 && ::stat(target.c_str(), &st) == 0 &&
         S_ISREG(st.st_mode) && ::access(target.c_str(), W_OK) == 0;
}

void WriteInPlace(const std::string& path, const std::string& target, std::string_view bytes) {
  int fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) Fail("書き込めません", path, errno);
  // Cut to length only after the new bytes are down: a failure part way then leaves the old
  // file's length with its tail behind the new bytes, where cutting first would leave an empty
  // or cut-short file.
  int err = WriteAll(fd, bytes);
  if (err == 0 && ::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0) err = errno;
  if (err == 0 && ::fsync(fd) != 0) err = errno;
  if (::close(fd) != 0 && err == 0) err = errno;
  if (err != 0) Fail("書き込めません", path, err);
}

}  // namespace

void WriteFileAtomically(const std::string& path, std::string_view bytes) {
  // A save does nothing a plain write could not: a write-protected file stays as it is.
  if (::access(path.c_str(), F_OK) == 0 && ::access(path.c_str(), W_OK) != 0) {
    Fail("書き込めません", path, errno);
  }
  const std::string target = SaveTarget(path);
  std::string dir = DirectoryOf(target);
  std::string temp = (dir.empty() ? std::string(".") : dir) + "/.kumo-XXXXXX";
  int fd = mkstemp(temp.data());
  if (fd < 0) {
    int err = errno;
    if (!OnlyWritableInPlace(dir, target, err)) Fail("書き込めません", path, err);
    WriteInPlace(path, target, bytes);
    return;
  }
  auto abandon = [&](int err) {
    ::close(fd);
    ::unlink(temp.c_str());
    Fail("書き込めません", path, err);
  };
  // The new file gets the old one's permissions, or those a plain create would give.
  struct stat old {};
  mode_t mode;
  if (::stat(target.c_str(), &old) == 0) {
    mode = old.st_mode & 07777;
  } else {
    mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  if (::fchmod(fd, mode) != 0) abandon(errno);
  if (int err = WriteAll(fd, bytes)) abandon(err);
  if (::fsync(fd) != 0) abandon(errno);
  if (::close(fd) != 0) {
    int err = errno;
    ::unlink(temp.c_str());
    Fail("書き込めません", path, err);
  }
  if (::rename(temp.c_str(), target.c_str()) != 0) {
    int err = errno;
    ::unlink(temp.c_str());
    Fail("置き換えられません", path, err);
  }
  int dfd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY);
  if (dfd >= 0) {
    ::fsync(dfd);  // the rename itself reaches the disk
    ::close(dfd);
  }
}
#endif

std::string ProgramDirectory() {
  std::error_code ec;
#ifdef _WIN32
  char buf[MAX_PATH];
  DWORD n = GetModuleFileNameA(nullptr, buf, MAX_PATH);
  std::filesystem::path exe(std::string(buf, n));
#else
  std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
#endif
  std::string dir = exe.parent_path().string();
  if (dir.empty() || ec) dir = CurrentDirectory();
  if (!IsSeparator(dir.back())) dir += Separator;
  return dir;
}

std::string CurrentDirectory() {
  std::error_code ec;
  std::string dir = std::filesystem::current_path(ec).string();
  return ec ? std::string(".") : dir;
}

void SetCurrentDirectory(const std::string& dir) {
  if (dir.empty()) return;
#ifdef _WIN32
  if (_chdir(dir.c_str()) != 0) Fail("開けません", dir, errno);
#else
  if (::chdir(dir.c_str()) != 0) Fail("開けません", dir, errno);
#endif
}

std::string DirectoryOf(const std::string& path) {
  std::size_t cut = path.find_last_of(Separator == '/' ? "/" : "/\\");
  if (cut == std::string::npos) return {};
  return cut == 0 ? path.substr(0, 1) : path.substr(0, cut);
}

std::string FileNameOf(const std::string& path) {
  std::size_t cut = path.find_last_of(Separator == '/' ? "/" : "/\\");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

}  // namespace kumo
