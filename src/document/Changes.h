// What changed against the timetable the document is compared with, cell by cell, and the
// notices that tell each teacher and each class their changed periods.
#pragma once

#include <string>
#include <vector>

#include "document/Export.h"
#include "document/KumoHead.h"

namespace kumo {

struct CellChange {
  int Line;                    // the document's line; 0 for a line cut since
  const TeacherLine* OldLine;  // its counterpart; null for a line added since
  int Period;
  PeriodCell Before;
  PeriodCell After;
};

// Line by line, period by period; the lessons of the lines cut since last.
std::vector<CellChange> FindChanges(const TKumData& doc);

// Whether the document's cell holds another lesson than its counterpart; false when the
// document is compared with nothing.
bool CellChanged(const TKumData& doc, int line, int period);

// Whether the class has another lesson in the period than it had, or another teacher for it.
bool ClassChanged(const TKumData& doc, int grade, int classNo, int period);

struct NoticeRow {
  int Period;
  std::string Before;  // UTF-8: "１－２ 数学", "数学 田中", "空き"
  std::string After;
};

struct Notice {
  std::string Title;  // UTF-8: the teacher's name, or the class "１－２"
  bool ForClass = false;
  std::vector<NoticeRow> Rows;  // by period
  int Line = 0;                 // the teacher's line; 0 for a line cut since, or a class
  PeriodCell Class{};           // the class's piece, for a class
};

// The teachers in line order, then the classes by grade and number; only those with a change.
std::vector<Notice> FindNotices(const TKumData& doc);

// The notices as rows for the text and the workbook: per notice its title, then one row per
// changed period (period, before, after), then an empty row.
ExportTable NoticeTable(const std::vector<Notice>& notices);

}  // namespace kumo
