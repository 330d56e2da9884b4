// What tells whether a file changed since the program read or wrote it: its size, its time of
// change and a check sum of its bytes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kumo {

// A 64-bit check sum of the bytes (FNV-1a): tells two versions of a file apart.
std::uint64_t CheckSum(std::string_view bytes);

struct FileStamp {
  bool Exists = false;
  std::uint64_t Size = 0;
  std::uint64_t Sum = 0;
  std::int64_t ModifiedMs = 0;  // milliseconds since 1970, UTC

  // The same bytes: a file written again unchanged, or touched, has not changed. The time is
  // only told to the user.
  bool SameBytes(const FileStamp& other) const {
    return Exists == other.Exists && Size == other.Size && Sum == other.Sum;
  }
};

// The file's stamp now; a file that is missing or cannot be read has none (Exists false).
FileStamp StampOf(const std::string& path);

}  // namespace kumo
