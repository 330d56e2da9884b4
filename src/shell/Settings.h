// The settings file: window places, options, colours, the printing font and the last
// timetable. Read once when the main window is first shown, written once when it closes.
#pragma once

#include <string>

namespace kumo {

class KumoApp;

// "Kumo.Ini" in the program's directory when that directory is writable or already holds the
// file; otherwise in the user's configuration directory ($XDG_CONFIG_HOME/kumo/).
std::string SettingsPath(const std::string& programDir);

// Missing file or keys give the defaults; an unreadable file is reported and gives them too.
void LoadSettings(KumoApp& app);
// Writes every key in a fixed order, keeping the file's other lines; a failure is reported and
// leaves the old file as it was.
void SaveSettings(KumoApp& app);

}  // namespace kumo
