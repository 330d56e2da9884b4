#include "document/Hours.h"

#include <algorithm>
#include <map>
#include <optional>

#include "document/ClassWeek.h"

namespace kumo {
namespace {

// The count most classes share, or none when the top is shared by several counts.
std::optional<int> MostCommon(const std::vector<int>& counts) {
  std::map<int, int> times;
  for (const int c : counts) ++times[c];
  std::optional<int> best;
  int bestTimes = 0;
  bool tie = false;
  for (const auto& [count, n] : times) {
    if (n > bestTimes) {
      best = count;
      bestTimes = n;
      tie = false;
    } else if (n == bestTimes) {
      tie = true;
    }
  }
  return tie ? std::nullopt : best;
}

}  // namespace

ClassHours CountClassHours(const TKumData& doc, const TClassLines& classes) {
  ClassHours hours;
  const int entries = classes.UsedEntries();
  // Counts by entry and subject index.
  std::vector<std::array<int, MaxSubject + 1>> counts(entries);
  std::array<bool, MaxSubject + 1> occurs{};
  for (int k = 1; k <= entries; ++k) {
    for (int p = 1; p <= PeriodCount; ++p) {
      const ClassPeriod at = ClassSubjectAt(doc, classes.Entries[k], p);
      if (!at.Found()) continue;
      ++counts[k - 1][at.Subject];
      occurs[at.Subject] = true;
    }
  }
  for (int s = 0; s <= MaxSubject; ++s) {
    if (occurs[s]) hours.Subjects.push_back(s);
  }
  for (int k = 1; k <= entries; ++k) {
    ClassHoursRow row{k, {}, {}, 0};
    for (const int s : hours.Subjects) {
      row.Counts.push_back(counts[k - 1][s]);
      row.Total += counts[k - 1][s];
    }
    row.Off.assign(hours.Subjects.size(), 0);
    hours.Rows.push_back(std::move(row));
  }
  for (int grade = 1; grade <= 3; ++grade) {
    std::vector<ClassHoursRow*> ofGrade;
    for (ClassHoursRow& row : hours.Rows) {
      if (classes.Entries[row.Entry].Grade == grade) ofGrade.push_back(&row);
    }
    for (std::size_t i = 0; i < hours.Subjects.size(); ++i) {
      std::vector<int> column;
      column.reserve(ofGrade.size());
      for (const ClassHoursRow* row : ofGrade) column.push_back(row->Counts[i]);
      const std::optional<int> common = MostCommon(column);
      if (!common) continue;
      for (ClassHoursRow* row : ofGrade) row->Off[i] = row->Counts[i] - *common;
    }
  }
  return hours;
}

std::vector<LineHoursRow> CountLineHours(const TKumData& doc) {
  std::vector<LineHoursRow> rows;
  for (int n = 1; n <= doc.LineCount(); ++n) {
    LineHoursRow row{n, {}, 0};
    for (int p = 1; p <= PeriodCount; ++p) {
      if (!doc.Cell(n, p).IsLessonHour()) continue;
      ++row.Days[DayOf(p)];
      ++row.Week;
    }
    rows.push_back(row);
  }
  return rows;
}

}  // namespace kumo
