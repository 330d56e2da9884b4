// The settings file: window places, options, colours, the printing font and the last
// timetable. Read once when the main window is first shown, written once when it closes.
#pragma once

#include <string>

#include "document/Options.h"

namespace kumo {

class KumoApp;

// The folder of the user's own settings file: the platform's configuration folder for the
// program ($XDG_CONFIG_HOME/kumo/ on Linux), with its trailing separator.
std::string UserSettingsDirectory();

// The files the settings are kept in. "Kumo.Ini" in the program's directory when the user may
// write it (or create it there) and the program is not installed: then that file alone. Otherwise
// that file, when there is one, holds the defaults (an administrator's, or a folder the user may
// not write) and the user's own file in UserSettingsDirectory() holds his changes.
struct SettingsFiles {
  std::string Defaults;  // read first and never written; empty for none
  std::string Own;       // read over the defaults, and the one file written
};
SettingsFiles SettingsPlace(const std::string& programDir);
// Whether any settings file has been written yet: false on the program's first start.
bool SettingsExist(const std::string& programDir);

// Missing files or keys give the defaults; an unreadable file is reported and gives them too.
// Window places and sizes are kept within reach on the screens. Returns the timetable that was
// open at the last exit (NewTableName for none).
std::string LoadSettings(KumoApp& app, const Options& defaults = Options());
// The defaults of the program's first start, when it opens the sample: the overviews show it,
// the classes of every grade and the teachers of the first grade.
Options FirstStartDefaults();
// The options alone, as the settings files hold them, for work done without the windows.
// Throws FileError when a file exists but cannot be read.
Options StoredOptions(const std::string& programDir);
// Writes every key in a fixed order into the own file, keeping its other lines; a failure is
// reported and leaves the old file as it was.
void SaveSettings(KumoApp& app);

}  // namespace kumo
