#include "document/Changes.h"

#include <algorithm>
#include <map>

#include "base/Cp932.h"
#include "document/Naming.h"

namespace kumo {
namespace {

constexpr const char* NoLesson = "空き";

std::string SubjectName(const TKumData& doc, int subject) {
  return subject >= 1 && subject <= MaxSubject ? Cp932ToUtf8(doc.SubjectNames2()[subject].View())
                                               : std::string();
}

// A class lesson's subject: its own, else its teacher's.
int SubjectOf(const PeriodCell& cell, const TeacherLine& line) {
  return cell.LessonSubject != 0 ? cell.LessonSubject : line.Subject;
}

std::string Joined(const std::string& a, const std::string& b) {
  if (a.empty() || b.empty()) return a + b;
  return a + " " + b;
}

// What a teacher has in a period: "１－２ 数学", a subject or symbol, or "空き".
std::string TeacherText(const TKumData& doc, const PeriodCell& cell, const TeacherLine& line) {
  if (cell.IsEmpty()) return NoLesson;
  if (!cell.IsClass()) return PieceName(doc, cell);
  return Joined(ClassName(doc, cell.Kind, cell.Item), SubjectName(doc, SubjectOf(cell, line)));
}

std::string NameOf(const TeacherLine& line, int number) {
  const std::string name = Cp932ToUtf8(line.Name.View());
  return name.empty() ? std::to_string(number) + "行目" : name;
}

// What a class has in a period among some lines: "数学 田中", or "空き".
template <class Lines>
std::string ClassText(const TKumData& doc, const Lines& lines, const PeriodCell& cls, int period) {
  for (std::size_t k = 0; k < lines.size(); ++k) {
    const TeacherLine& line = *lines[k];
    const PeriodCell& cell = line.Cells[period];
    if (cell.IsClass() && cell.SamePiece(cls)) {
      return Joined(SubjectName(doc, SubjectOf(cell, line)), NameOf(line, static_cast<int>(k + 1)));
    }
  }
  return NoLesson;
}

}  // namespace

bool CellChanged(const TKumData& doc, int line, int period) {
  return doc.Compared().Kept && doc.OnTimetable(line, period) &&
         LessonChanged(doc.Compared().CellOf(line, period), doc.Cell(line, period));
}

bool ClassChanged(const TKumData& doc, int grade, int classNo, int period) {
  const Baseline& base = doc.Compared();
  if (!base.Kept || period < 1 || period > PeriodCount) return false;
  const PeriodCell cls{static_cast<Byte>(grade), static_cast<Byte>(classNo), 0, 0};
  const auto old = std::find_if(base.Lines.begin(), base.Lines.end(), [&](const TeacherLine& l) {
    return l.Cells[period].IsClass() && l.Cells[period].SamePiece(cls);
  });
  int now = 0;
  for (int n = 1; n <= doc.LineCount() && now == 0; ++n) {
    if (doc.Cell(n, period).IsClass() && doc.Cell(n, period).SamePiece(cls)) now = n;
  }
  if ((old == base.Lines.end()) != (now == 0)) return true;
  if (now == 0) return false;
  return base.LineOf(now) != &*old || LessonChanged(old->Cells[period], doc.Cell(now, period));
}

std::vector<CellChange> FindChanges(const TKumData& doc) {
  std::vector<CellChange> changes;
  const Baseline& base = doc.Compared();
  if (!base.Kept) return changes;
  std::vector<bool> matched(base.Lines.size());
  for (int n = 1; n <= doc.LineCount(); ++n) {
    const TeacherLine* old = base.LineOf(n);
    if (old != nullptr) matched[old - base.Lines.data()] = true;
    for (int p = 1; p <= PeriodCount; ++p) {
      const PeriodCell before = base.CellOf(n, p);
      if (LessonChanged(before, doc.Cell(n, p))) {
        changes.push_back({n, old, p, before, doc.Cell(n, p)});
      }
    }
  }
  for (std::size_t k = 0; k < base.Lines.size(); ++k) {
    if (matched[k]) continue;
    for (int p = 1; p <= PeriodCount; ++p) {
      if (!base.Lines[k].Cells[p].IsEmpty()) {
        changes.push_back({0, &base.Lines[k], p, base.Lines[k].Cells[p], {}});
      }
    }
  }
  return changes;
}

std::vector<Notice> FindNotices(const TKumData& doc) {
  const std::vector<CellChange> changes = FindChanges(doc);
  std::vector<Notice> notices;
  // Teachers: the changes come line by line, period by period.
  const TeacherLine* last = nullptr;
  int lastLine = -1;
  for (const CellChange& c : changes) {
    const TeacherLine& now = c.Line != 0 ? doc.Line(c.Line) : *c.OldLine;
    if (c.Line != lastLine || (c.Line == 0 && c.OldLine != last)) {
      const std::string name = c.Line != 0 ? LineName(doc, c.Line) : NameOf(now, 0);
      notices.push_back({name, false, {}, c.Line});
      lastLine = c.Line;
      last = c.OldLine;
    }
    const TeacherLine& was = c.OldLine != nullptr ? *c.OldLine : now;
    notices.back().Rows.push_back(
        {c.Period, TeacherText(doc, c.Before, was), TeacherText(doc, c.After, now)});
  }
  // Classes: each class a change came to or left, compared period by period over all lines.
  std::map<int, PeriodCell> classes;
  for (const CellChange& c : changes) {
    for (const PeriodCell& cell : {c.Before, c.After}) {
      if (cell.IsClass()) classes[cell.Kind * 256 + cell.Item] = {cell.Kind, cell.Item, 0, 0};
    }
  }
  std::vector<const TeacherLine*> oldLines;
  for (const TeacherLine& line : doc.Compared().Lines) oldLines.push_back(&line);
  std::vector<const TeacherLine*> newLines;
  for (int n = 1; n <= doc.LineCount(); ++n) newLines.push_back(&doc.Line(n));
  for (const auto& [key, cls] : classes) {
    Notice notice{ClassName(doc, cls.Kind, cls.Item), true, {}, 0, cls};
    for (int p = 1; p <= PeriodCount; ++p) {
      std::string before = ClassText(doc, oldLines, cls, p);
      std::string after = ClassText(doc, newLines, cls, p);
      if (before != after) notice.Rows.push_back({p, std::move(before), std::move(after)});
    }
    if (!notice.Rows.empty()) notices.push_back(std::move(notice));
  }
  return notices;
}

ExportTable NoticeTable(const std::vector<Notice>& notices) {
  ExportTable table;
  table.SheetName = "変更のお知らせ";
  auto add = [&](std::vector<std::string> texts) {
    ExportRow row;
    row.Ruled = false;
    for (std::string& text : texts)
      row.Fields.push_back({Utf8ToCp932(text).value_or(std::string())});
    table.Rows.push_back(std::move(row));
  };
  for (const Notice& notice : notices) {
    add({notice.Title + "　時間割の変更"});
    add({"時限", "変更前", "変更後"});
    for (const NoticeRow& row : notice.Rows) add({PeriodText(row.Period), row.Before, row.After});
    add({});
  }
  return table;
}

}  // namespace kumo
