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
    Set(dir_.Dir());
  }
  ~DataHome() { Set(""); }
  DataHome(const DataHome&) = delete;
  DataHome& operator=(const DataHome&) = delete;

  // How many copies of old bytes wait for their saves; the hidden file a copy's own save was
  // cut short in is none.
  long Copies() const {
    std::error_code ec;
    long copies = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir_.File("kumo/saving"), ec)) {
      copies += entry.path().extension() == ".old";
    }
    return copies;
  }

 private:
  // The variable each system names the user's data folder by; empty unsets it.
  static void Set(const std::string& dir) {
#ifdef _WIN32
    ::_putenv_s("LOCALAPPDATA", dir.c_str());
#else
    if (dir.empty()) {
      ::unsetenv("XDG_DATA_HOME");
    } else {
      ::setenv("XDG_DATA_HOME", dir.c_str(), 1);
    }
#endif
  }

  TempDir dir_;
};

}  // namespace kumo::test
