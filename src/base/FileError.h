// The one exception of the system: a file could not be opened, read, written or replaced.
#pragma once

#include <stdexcept>
#include <string>

namespace kumo {

class FileError : public std::runtime_error {
 public:
  // message: the system's text (UTF-8), already naming the file.
  explicit FileError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace kumo
