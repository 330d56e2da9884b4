// The user's data folder pointed at a fresh directory for one test; children inherit it, and a
// child that gives root up may still write it.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "base/TempDir.h"

namespace kumo::test {

class DataHome {
 public:
  DataHome() {
    if (const char* old = std::getenv("XDG_DATA_HOME")) old_ = old;
    std::filesystem::permissions(dir_.Dir(), std::filesystem::perms::all);
    ::setenv("XDG_DATA_HOME", dir_.Dir().c_str(), 1);
  }
  ~DataHome() {
    if (old_) {
      ::setenv("XDG_DATA_HOME", old_->c_str(), 1);
    } else {
      ::unsetenv("XDG_DATA_HOME");
    }
  }
  DataHome(const DataHome&) = delete;
  DataHome& operator=(const DataHome&) = delete;

  // How many copies of old bytes wait for their saves.
  long Copies() const {
    std::error_code ec;
    const std::filesystem::path saving = dir_.File("kumo/saving");
    if (!std::filesystem::exists(saving, ec)) return 0;
    return std::distance(std::filesystem::directory_iterator(saving), {});
  }

 private:
  TempDir dir_;
  std::optional<std::string> old_;
};

}  // namespace kumo::test
