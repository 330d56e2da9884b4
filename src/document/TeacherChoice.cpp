#include "document/TeacherChoice.h"

#include <algorithm>
#include <string>

namespace kumo {

std::vector<int> OfferedLines(const TKumData& doc, int period) {
  std::vector<int> lines;
  for (int n = 1; n <= doc.LineCount(); ++n) lines.push_back(n);
  std::stable_partition(lines.begin(), lines.end(),
                        [&](int n) { return doc.Cell(n, period).IsEmpty(); });
  return lines;
}

bool NumberBegins(int line, std::string_view digits) {
  return !digits.empty() && std::to_string(line).starts_with(digits);
}

std::optional<int> LineMeant(std::string_view digits, int lineCount) {
  if (digits.empty() || digits.size() > 3 || digits.front() == '0' ||
      !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return std::nullopt;
  }
  const int line = std::stoi(std::string(digits));
  if (line > lineCount || line * 10 <= lineCount) return std::nullopt;
  return line;
}

}  // namespace kumo
