// kumo --export teachers|classes TIMETABLE OUTPUT: the export without a window, so that a
// school can publish its timetable from a script.
#pragma once

#include <QStringList>
#include <ostream>
#include <string>

namespace kumo {

constexpr char ExportOption[] = "--export";

// arguments: the command line after the program's name. The options come from the settings
// files of programDir, as the export dialog would use them. Returns the exit status: 0 written,
// 1 failed (the reason on err), 2 not a valid export command (the usage on err).
int RunExportCommand(const QStringList& arguments, const std::string& programDir,
                     std::ostream& err);

}  // namespace kumo
