// What a timetabler must still fix: clashes, a subject twice in a day, continuous lessons split
// apart, class periods without a lesson, and pieces not yet put down. One pass over the lines
// and one over the class index.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "document/KumoHead.h"

namespace kumo {

// In the order the list shows them: the class periods without a lesson, often many and not
// always a fault, last.
enum class CheckKind : Byte { Clash, SameSubject, SplitContinuous, Unplaced, EmptyPeriod };
constexpr int CheckKindCount = 5;

struct CheckItem {
  CheckKind Kind;
  int Line;  // where the edit table's cursor goes to fix it; 0: nowhere
  int Period;
  std::string Text;  // UTF-8
};

// In the order of the kinds, each kind in the order of the timetable.
std::vector<CheckItem> FindChecks(const TKumData& doc, const TClassLines& classes);

// The heading of a kind and what to do about its items (UTF-8).
struct CheckKindText {
  const char* Name;
  const char* Advice;
};
const CheckKindText& TextOf(CheckKind kind);

}  // namespace kumo
