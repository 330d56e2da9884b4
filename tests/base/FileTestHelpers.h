// Small helpers of the file services' tests.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "base/FileError.h"
#include "base/TempDir.h"

namespace kumo::test {

// The number of entries in the folder.
inline long Entries(const TempDir& dir) {
  return std::distance(std::filesystem::directory_iterator(dir.Dir()), {});
}

// The message of the FileError that f throws, or "no error".
inline std::string ErrorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const FileError& e) {
    return e.what();
  }
  return "no error";
}

}  // namespace kumo::test
