// The timetable a document is compared with, to tell what changed: the lines as they were opened
// or last saved, or those of another file, each matched to a line of the document.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "document/Records.h"

namespace kumo {

struct Baseline {
  bool Kept = false;   // none for a timetable never opened or saved
  std::string Source;  // UTF-8: the other file compared with; empty for the document's own
  std::vector<TeacherLine> Lines;
  // Per line of the document: 1 + the index of its line in Lines; 0 for a line added since.
  Indexed<short, 1, MaxLines> Of{};

  // The lines of a document as they stand, each matched to itself.
  static Baseline Snapshot(std::span<const TeacherLine> lines);
  // Another timetable's lines, matched to the document's by the teacher's name: the first line
  // of that name not matched yet; lines without a name by their place.
  static Baseline ByName(std::vector<TeacherLine> lines, std::span<const TeacherLine> current);

  // The document's lines from `at` on moved down by one for a line inserted there, or up by one
  // for the line at `at` cut out; a cut line's old lessons stay compared with nothing.
  void Inserted(int at);
  void Deleted(int at);

  // The document line's counterpart, or nothing.
  const TeacherLine* LineOf(int line) const {
    return Kept && line >= 1 && line <= MaxLines && Of[line] > 0 ? &Lines[Of[line] - 1] : nullptr;
  }
  // The cell compared with the document's (line, period); empty for a line added since.
  PeriodCell CellOf(int line, int period) const {
    const TeacherLine* old = LineOf(line);
    return old != nullptr ? old->Cells[period] : PeriodCell{};
  }
};

// Whether two cells hold different lessons: another piece, or another lesson subject. An empty
// cell's leftovers and a piece's flags are no change of the timetable a teacher must be told.
inline bool LessonChanged(const PeriodCell& a, const PeriodCell& b) {
  if (a.IsEmpty() || b.IsEmpty()) return a.IsEmpty() != b.IsEmpty();
  return !a.SamePiece(b) || a.LessonSubject != b.LessonSubject;
}

}  // namespace kumo
