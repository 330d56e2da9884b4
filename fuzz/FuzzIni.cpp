// Feeds arbitrary bytes to the settings file reader: whatever the file holds, every key reads
// as a value or its default, and a key written back reads back as written, after a save too.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "FuzzInput.h"
#include "base/FileError.h"
#include "base/IniFile.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string path = kumo::fuzz::InputPath("kumo-fuzz-ini-");
  if (!kumo::fuzz::WriteInput(path, data, size)) return 0;
  try {
    kumo::IniFile ini(path);
    ini.GetString("DataFile", "FileName", "NewTable.kmt");
    ini.GetInt("MainWindow", "Top", 0);
    ini.GetBool("Edit", "AutoLocate", true);
    // A value made of the input's own bytes stays on its one line.
    std::string value(reinterpret_cast<const char*>(data), size < 16 ? size : 16);
    ini.SetString("DataFile", "FileName", value + "|");
    ini.SetInt("MainWindow", "Top", -7);
    ini.SetBool("Edit", "AutoLocate", false);
    Check(ini.GetInt("MainWindow", "Top", 0) == -7);
    Check(!ini.GetBool("Edit", "AutoLocate", true));
    Check(ini.GetString("DataFile", "FileName", "").ends_with('|'));
    ini.Save();
    kumo::IniFile back(path);
    Check(back.GetInt("MainWindow", "Top", 0) == -7);
    Check(!back.GetBool("Edit", "AutoLocate", true));
  } catch (const kumo::FileError&) {
  }
  return 0;
}
