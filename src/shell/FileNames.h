// Path pieces for captions and for the timetable's own extension, and what a path may be.
#pragma once

#include <string>

namespace kumo {

// The file name without its directory and extension: "/a/plan.kmt" gives "plan".
std::string BareName(const std::string& path);

// The path with the extension of its file name replaced by ext (".kmt"), or ext appended when
// the name has none.
std::string WithExtension(const std::string& path, const std::string& ext);

// Whether the system could name a file so: not empty, no longer than the longest path it takes,
// and without characters no path may hold.
bool CanBePath(const std::string& path);

}  // namespace kumo
