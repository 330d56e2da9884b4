// The sample school a new user meets on the first start.
#pragma once

#include <optional>
#include <string>

namespace kumo {

// The user's own copy of the sample school in documentsDir (made from the one shipped beside
// the program, or installed under ../share/kumo/sample, when there is none yet), so that
// saving never writes over the shipped file. Nothing when no sample ships or it cannot be
// copied: the sample is a convenience, not a reason for an error.
std::optional<std::string> SampleSchool(const std::string& programDir,
                                        const std::string& documentsDir);

}  // namespace kumo
