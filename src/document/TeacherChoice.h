// Choosing the teacher of a period in a class's own week: the lines offered, the free ones
// first, and the line a typed number can only mean.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "document/KumoHead.h"

namespace kumo {

// Every line in use, those with nothing in the period first, each part in line order.
std::vector<int> OfferedLines(const TKumData& doc, int period);
// Whether the line's number begins with the digits typed.
bool NumberBegins(int line, std::string_view digits);
// The line the digits name when no other line's number begins with them, so that nothing more
// need be typed; none while a longer number may still be meant or no line has the number.
std::optional<int> LineMeant(std::string_view digits, int lineCount);

}  // namespace kumo
