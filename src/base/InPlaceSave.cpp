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
#include "base/SystemCalls.h"

namespace kumo {
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
  std::error_code ec;
  const std::filesystem::path real = std::filesystem::canonical(PathOf(path), ec);
  if (ec) return std::nullopt;
  return Utf8Of(real);
}

void Remove(const std::string& path) {
  std::error_code ec;
  std::filesystem::remove(PathOf(path), ec);
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
  std::error_code ec;
  if (!std::filesystem::exists(PathOf(copyPath), ec)) return std::nullopt;
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
  return UserDataDirectory() + "kumo" + Separator + "saving" + Separator;
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
    Remove(copyPath);
    return std::nullopt;
  }
  return std::move(copy->Old);
}

void DropSaveCopy(const std::string& path) {
  if (const auto real = RealPath(path)) Remove(CopyPathFor(*real));
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
    std::filesystem::create_directories(PathOf(SaveCopyDirectory()), ec);
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
  bool untouched = false;
  const int err = RewriteFileBytes(target, bytes, untouched);
  if (err == 0) {
    Remove(copyPath);
    return;
  }
  // A write that failed part way puts the old bytes back; only where even that fails does the
  // copy stay, and the next open takes it back.
  bool unused = false;
  if (untouched || RewriteFileBytes(target, old, unused) == 0) {
    Remove(copyPath);
    FailFile("書き込めません", path, err);
  }
  throw FileError("\"" + path + "\" を書き込めません。\n" + ReasonText(err) +
                  "。\n保存前の内容は \"" + copyPath + "\" に残してあります。");
}

}  // namespace kumo
