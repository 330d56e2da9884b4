// The user's data folder in a fresh directory for one test; children inherit it, and one that
// has given root up may still write there.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

#include "base/TempDir.h"

namespace kumo::test {

class DataHome {
 public:
  DataHome() {
    std::filesystem::permissions(dir_.Dir(), std::filesystem::perms::all);
    ::setenv("XDG_DATA_HOME", dir_.Dir().c_str(), 1);
  }
  ~DataHome() { ::unsetenv("XDG_DATA_HOME"); }
  DataHome(const DataHome&) = delete;
  DataHome& operator=(const DataHome&) = delete;

  // How many copies of old bytes wait for their saves.
  long Copies() const {
    std::error_code ec;
    return std::distance(std::filesystem::directory_iterator(dir_.File("kumo/saving"), ec), {});
  }

 private:
  TempDir dir_;
};

}  // namespace kumo::test
