#include "base/InPlaceSave.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <tuple>

#include "base/FileError.h"
#include "base/FileStamp.h"
#include "base/SysFile.h"
#include "base/SysIo.h"

#ifndef _WIN32
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kumo {

#ifdef _WIN32
// The folder always takes the temporary file there, so no file is rewritten in place.
std::optional<std::string> InterruptedSaveCopy(const std::string&) {
  return std::nullopt;
}
void DropSaveCopy(const std::string&) {}
#else
namespace {

// The copy: this line, the file's own path, the new bytes' length and check sum, the old bytes.
constexpr std::string_view CopyMark = "kumo-save-copy 1\n";
// Far beyond any file of the program; keeps a stray copy out of memory.
constexpr std::size_t MaxCopiedBytes = 64 << 20;

std::string Hex(std::uint64_t value) {
  static constexpr char Digits[] = "0123456789abcdef";
  std::string text(16, '0');
  for (int i = 15; i >= 0; --i, value >>= 4) text[static_cast<std::size_t>(i)] = Digits[value & 15];
  return text;
}

// The file itself, whatever link or relative name leads to it; nothing when it is missing.
std::optional<std::string> RealPath(const std::string& path) {
  char* real = ::realpath(path.c_str(), nullptr);
  if (real == nullptr) return std::nullopt;
  std::string result(real);
  std::free(real);
  return result;
}

std::string CopyPathFor(const std::string& real) {
  return SaveCopyDirectory() + Hex(CheckSum(real)) + ".old";
}

struct Copy {
  std::uint64_t NewSize = 0;
  std::uint64_t NewSum = 0;
  std::string Old;
};

std::string CopyBytes(const std::string& real, std::string_view bytes, std::string_view old) {
  std::string copy(CopyMark);
  copy += real + "\n" + std::to_string(bytes.size()) + " " + Hex(CheckSum(bytes)) + "\n";
  copy += old;
  return copy;
}

// The copy kept for the file, when there is one and it is whole.
std::optional<Copy> ReadCopy(const std::string& copyPath, const std::string& real) {
  if (::access(copyPath.c_str(), F_OK) != 0) return std::nullopt;
  std::string bytes;
  try {
    bytes = ReadFileBytes(copyPath, MaxCopiedBytes + 4096);
  } catch (const FileError&) {
    return std::nullopt;
  }
  std::string_view rest(bytes);
  const std::string head = std::string(CopyMark) + real + "\n";
  if (!rest.starts_with(head)) return std::nullopt;
  rest.remove_prefix(head.size());
  const std::size_t end = rest.find('\n');
  const std::size_t space = rest.find(' ');
  if (end == std::string_view::npos || space > end) return std::nullopt;
  Copy copy;
  try {
    copy.NewSize = std::stoull(std::string(rest.substr(0, space)));
    copy.NewSum = std::stoull(std::string(rest.substr(space + 1, end - space - 1)), nullptr, 16);
  } catch (const std::exception&) {
    return std::nullopt;
  }
  copy.Old = rest.substr(end + 1);
  return copy;
}

}  // namespace

std::string SaveCopyDirectory() {
  std::string data;
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg != nullptr && xdg[0] == '/') {
    data = xdg;
  } else if (const char* home = std::getenv("HOME"); home != nullptr && home[0] != '\0') {
    data = std::string(home) + "/.local/share";
  } else if (const passwd* user = ::getpwuid(::getuid()); user != nullptr) {
    data = std::string(user->pw_dir) + "/.local/share";
  }
  return data + "/kumo/saving/";
}

std::optional<std::string> InterruptedSaveCopy(const std::string& path) {
  const auto real = RealPath(path);
  if (!real) return std::nullopt;
  const std::string copyPath = CopyPathFor(*real);
  auto copy = ReadCopy(copyPath, *real);
  if (!copy) return std::nullopt;
  std::string now;
  try {
    now = ReadFileBytes(*real, MaxCopiedBytes);
  } catch (const FileError&) {
    return std::nullopt;  // the open that follows names the reason; the copy waits
  }
  if (now == copy->Old || (now.size() == copy->NewSize && CheckSum(now) == copy->NewSum)) {
    ::unlink(copyPath.c_str());
    return std::nullopt;
  }
  return std::move(copy->Old);
}

void DropSaveCopy(const std::string& path) {
  if (const auto real = RealPath(path)) ::unlink(CopyPathFor(*real).c_str());
}

std::string KeepSaveCopy(const std::string& path, std::string_view bytes) {
  const std::string real = RealPath(path).value_or(path);
  // A file an earlier rewrite left torn keeps the copy of the last whole bytes it had.
  std::string old;
  if (auto kept = InterruptedSaveCopy(real)) {
    old = std::move(*kept);
  } else {
    old = ReadFileBytes(path, MaxCopiedBytes);
  }
  try {
    std::error_code ec;
    std::filesystem::create_directories(SaveCopyDirectory(), ec);
    WriteFileAtomically(CopyPathFor(real), CopyBytes(real, bytes, old));
  } catch (const FileError& e) {
    throw FileError("\"" + path + "\" を書き込めません。\n保存前の内容の控えを作れません。\n" +
                    e.what());
  }
  return old;
}

void RewriteInPlace(const std::string& path, const std::string& target, std::string_view bytes) {
  const std::string old = KeepSaveCopy(path, bytes);
  const std::string copyPath = CopyPathFor(RealPath(target).value_or(target));
  const auto giveUp = [&](int fd, int err) {
    if (fd >= 0) ::close(fd);
    ::unlink(copyPath.c_str());
    FailFile("書き込めません", path, err);
  };
  const int fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) giveUp(fd, errno);
  const FileSizeSignalIgnored quiet;
  struct stat before {};
  if (::fstat(fd, &before) != 0) giveUp(fd, errno);
  // A file system that cannot reserve space says so; the copy still covers a failed write there.
  int err = bytes.empty() ? 0 : ::posix_fallocate(fd, 0, static_cast<off_t>(bytes.size()));
  if (err == EOPNOTSUPP || err == ENOSYS || err == EINVAL) err = 0;
  if (err != 0) {
    // No byte has changed; what the reservation may have added is given back.
    std::ignore = ::ftruncate(fd, before.st_size);
    giveUp(fd, err);
  }
  err = WriteAllAt(fd, bytes, 0);
  if (err == 0 && ::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0) err = errno;
  if (err == 0 && ::fsync(fd) != 0) err = errno;
  if (err != 0) {
    const bool restored = WriteAllAt(fd, old, 0) == 0 &&
                          ::ftruncate(fd, static_cast<off_t>(old.size())) == 0 && ::fsync(fd) == 0;
    if (restored) giveUp(fd, err);
    ::close(fd);
    throw FileError("\"" + path + "\" を書き込めません。\n" + ReasonText(err) +
                    "。\n保存前の内容は \"" + copyPath + "\" に残してあります。");
  }
  if (::close(fd) != 0) {
    // The bytes were synced; the next open tells from the copy whether they are whole.
    FailFile("書き込めません", path, errno);
  }
  ::unlink(copyPath.c_str());
}
#endif

}  // namespace kumo
