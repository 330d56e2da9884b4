#include "base/FileStamp.h"

#include <chrono>
#include <filesystem>
#include <system_error>

#include "base/FileError.h"
#include "base/SysFile.h"
#include "base/SystemCalls.h"

namespace kumo {
namespace {

// Far beyond any file the program writes; a larger one counts as unreadable.
constexpr std::size_t MaxStampedBytes = 64 << 20;

}  // namespace

std::uint64_t CheckSum(std::string_view bytes) {
  std::uint64_t sum = 14695981039346656037ULL;
  for (char c : bytes) {
    sum ^= static_cast<unsigned char>(c);
    sum *= 1099511628211ULL;
  }
  return sum;
}

FileStamp StampOf(const std::string& path) {
  FileStamp stamp;
  std::error_code ec;
  const auto modified = std::filesystem::last_write_time(PathOf(path), ec);
  if (ec) return stamp;
  std::string bytes;
  try {
    bytes = ReadFileBytes(path, MaxStampedBytes);
  } catch (const FileError&) {
    return stamp;
  }
  stamp.Exists = true;
  stamp.Size = bytes.size();
  stamp.Sum = CheckSum(bytes);
  const auto utc = std::chrono::file_clock::to_sys(modified);
  stamp.ModifiedMs =
      std::chrono::duration_cast<std::chrono::milliseconds>(utc.time_since_epoch()).count();
  return stamp;
}

}  // namespace kumo
