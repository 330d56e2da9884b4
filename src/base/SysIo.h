// The system's reasons in the user's own words.
#pragma once

#include <string>
#include <string_view>

namespace kumo {

// The system's reason for the error number, in Japanese for the reasons a user meets with
// files; the system's own text for any other.
std::string ReasonText(int err);

// Throws FileError: "\"path\" を<what>。\n<reason>".
[[noreturn]] void FailFile(const char* what, const std::string& path, int err);

}  // namespace kumo
