#include "base/SysFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <random>

#include "base/FileError.h"
#include "base/InPlaceSave.h"
#include "base/SysIo.h"

#ifdef _WIN32
#include <direct.h>
#include <windows.h>
#else
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kumo {
namespace {

[[noreturn]] void Fail(const char* what, const std::string& path, int err) {
  FailFile(what, path, err);
}

[[noreturn]] void FailTooLarge(const std::string& path, unsigned long long size,
                               std::size_t maxBytes) {
  throw FileError("\"" + path + "\" を読み込めません。\nファイルが大きすぎます（" +
                  std::to_string(size) + " バイト、読み込めるのは " + std::to_string(maxBytes) +
                  " バイトまで）。");
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

#ifdef _WIN32
std::string ReadFileBytes(const std::string& path, std::size_t maxBytes) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) Fail("開けません", path, errno);
  std::string bytes;
  char chunk[65536];
  std::size_t n = 0;
  while (bytes.size() <= maxBytes && (n = std::fread(chunk, 1, sizeof chunk, f)) > 0) {
    bytes.append(chunk, n);
  }
  int err = std::ferror(f) ? errno : 0;
  std::fclose(f);
  if (err) Fail("読み込めません", path, err);
  if (bytes.size() > maxBytes) {
    std::error_code ec;
    FailTooLarge(path, std::filesystem::file_size(path, ec), maxBytes);
  }
  return bytes;
}

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

constexpr int LinkHopLimit = 40;

[[noreturn]] void FailNotRegular(const char* what, const std::string& path) {
  throw FileError("\"" + path + "\" を" + what + "。\n通常のファイルではありません。");
}

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
        Fail("書き込めません", path, err);
      }
      if (err == ENOENT && IsDirectory(DirectoryOf(target))) return target;
      if (err != ENOENT && err != ENOTDIR && err != ELOOP) Fail("書き込めません", path, err);
      FailNoLinkTarget(path);
    }
    if (!S_ISLNK(st.st_mode)) return target;
    if (hops == LinkHopLimit) FailNoLinkTarget(path);
    std::string link(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 255) + 1, '\0');
    ssize_t n = ::readlink(target.c_str(), link.data(), link.size());
    if (n < 0) Fail("書き込めません", path, errno);
    if (static_cast<std::size_t>(n) == link.size()) Fail("書き込めません", path, ENAMETOOLONG);
    link.resize(static_cast<std::size_t>(n));
    // A relative link names its file from the link's own directory.
    std::string dir = DirectoryOf(target);
    target = link.starts_with('/') || dir.empty() ? link : dir + "/" + link;
  }
}

constexpr int TempNameTries = 100;

// The hidden name the new bytes wait under before the rename: the file's own, numbered where a
// file of that name is there already (left by a save cut short, or anybody's own). A save removes
// only the file it made itself. A name near the system's limit leaves no room for the ending,
// and its start stands for it.
std::string TempName(const std::string& folder, const std::string& name, int k) {
  return folder + "/." + name.substr(0, 200) + ".kumo-save" +
         (k == 0 ? std::string() : "-" + std::to_string(k));
}

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
  if (fd < 0) Fail("開けません", path, errno);
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    const int err = errno;
    ::close(fd);
    Fail("読み込めません", path, err);
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
  if (err) Fail("読み込めません", path, err);
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
  if (exists && ::access(target.c_str(), W_OK) != 0) Fail("書き込めません", path, errno);
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
    temp = TempName(folder, name, k);
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0 && (errno != EEXIST || k == TempNameTries)) createErr = errno;
  }
  if (fd < 0) {
    if (!OnlyWritableInPlace(dir, target, createErr)) Fail("書き込めません", path, createErr);
    RewriteInPlace(path, target, bytes);
    return;
  }
  bool named = !unnamed;
  auto abandon = [&](int err) {
    if (fd >= 0) ::close(fd);
    if (named) ::unlink(temp.c_str());
    Fail("書き込めません", path, err);
  };
  if (::fchmod(fd, mode) != 0) abandon(errno);
  if (int err = WriteAllAt(fd, bytes, 0)) abandon(err);
  if (::fsync(fd) != 0) abandon(errno);
  if (unnamed) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    for (int k = 0; !named; ++k) {
      temp = TempName(folder, name, k);
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
    Fail("置き換えられません", path, err);
  }
  int dfd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dfd >= 0) {
    ::fsync(dfd);  // the rename itself reaches the disk
    ::close(dfd);
  }
}
#endif

ScratchFile::ScratchFile(std::string_view ending) {
  std::error_code ec;
  const std::filesystem::path folder = std::filesystem::temp_directory_path(ec);
  if (ec) Fail("作成できません", "一時フォルダ", ec.value());
  std::random_device random;
  // An exclusive create, so that no other process's file is ever taken over.
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string path =
        (folder / ("kumo-" + std::to_string(random()) + std::string(ending))).string();
    if (std::FILE* f = std::fopen(path.c_str(), "wbx")) {
      std::fclose(f);
      path_ = path;
      return;
    }
    if (errno != EEXIST) Fail("作成できません", path, errno);
  }
  Fail("作成できません", folder.string(), EEXIST);
}

ScratchFile::~ScratchFile() {
  std::remove(path_.c_str());
}

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

std::string InstalledDataDirectory(const std::string& programDir) {
  return AbsolutePath(programDir + "../share/kumo") + Separator;
}

std::string ShippedFile(const std::string& programDir, const std::string& relative) {
  const auto exists = [](const std::string& path) {
    std::error_code ec;
    return std::filesystem::exists(std::filesystem::path(std::u8string(path.begin(), path.end())),
                                   ec);
  };
  const std::string inBuildTree = programDir + relative;
  const std::string installed = InstalledDataDirectory(programDir) + relative;
  return exists(inBuildTree) || !exists(installed) ? inBuildTree : installed;
}

std::string AbsolutePath(const std::string& path) {
  const std::u8string absolute =
      std::filesystem::absolute(std::filesystem::path(std::u8string(path.begin(), path.end())))
          .lexically_normal()
          .u8string();
  return {absolute.begin(), absolute.end()};
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
