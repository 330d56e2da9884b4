// The one input file of a fuzz target: the readers under test take a path, not bytes.
#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

namespace kumo::fuzz {

// In $TMPDIR (else /tmp), one per process, so that parallel jobs do not share it and a run can
// keep it in memory.
inline std::string InputPath(const char* stem) {
  return (std::filesystem::temp_directory_path() / (stem + std::to_string(::getpid()))).string();
}

// False when the file cannot be written; the input is then skipped.
inline bool WriteInput(const std::string& path, const std::uint8_t* data, std::size_t size) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  std::fwrite(data, 1, size, f);
  std::fclose(f);
  return true;
}

}  // namespace kumo::fuzz
