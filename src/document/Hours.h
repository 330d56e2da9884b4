// The week's hours: per class and subject by the classes overview's rule, with the counts that
// stand out from the other classes of the grade marked, and per line and day.
#pragma once

#include <array>
#include <vector>

#include "document/KumoHead.h"

namespace kumo {

struct ClassHoursRow {
  int Entry;                // the class index entry
  std::vector<int> Counts;  // per subject of ClassHours::Subjects
  // How far each count is from the grade's most common count of the subject; 0 for none.
  std::vector<int> Off;
  int Total;
};

struct ClassHours {
  std::vector<int> Subjects;  // the subjects some class has, ascending
  std::vector<ClassHoursRow> Rows;
};

// Every period a class has a subject in counts, the homeroom teacher's subject pieces (学活,
// 道徳 …) included. A grade whose classes share no single most common count of a subject marks
// none of them for it.
ClassHours CountClassHours(const TKumData& doc, const TClassLines& classes);

struct LineHoursRow {
  int Line;
  std::array<int, DayCount> Days;
  int Week;
};

// Each line's lesson hours (`LessonCount`'s rule) per day and week.
std::vector<LineHoursRow> CountLineHours(const TKumData& doc);

}  // namespace kumo
