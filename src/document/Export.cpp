#include "document/Export.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "base/Cp932.h"
#include "base/SysFile.h"
#include "document/Changes.h"
#include "document/ClassWeek.h"
#include "document/FontFaces.h"
#include "document/FullWidth.h"
#include "document/PieceLabel.h"
#include "document/TeacherListText.h"

namespace kumo {
namespace {

constexpr int HeaderColumns = 4;  // subject, name, homeroom, lesson count
std::string CellText(const TKumData& doc, const Options& options, const TeacherLine& line,
                     const PeriodCell& cell) {
  if (cell.IsClass())
    return ClassPieceText(doc.ClassLabels(), options, line, cell, OwnGrade::Omitted);
  if (cell.IsEmpty()) return {};
  // Subject and symbol pieces keep the space that follows them.
  return std::string(PieceLabel(doc, cell)) + " ";
}

ExportRow TeacherRow(const TKumData& doc, const Options& options, int n) {
  const TeacherLine& line = doc.Line(n);
  ExportRow row;
  row.Fields.reserve(HeaderColumns + PeriodCount);
  row.Fields.push_back({std::string(PieceLabel(doc, {KindSubject, line.Subject, 0, 0}))});
  row.Fields.push_back({std::string(line.Name.View())});
  row.Fields.push_back({HomeroomText(doc.ClassLabels(), options, line)});
  const int count = doc.LessonCount(n);
  char countText[8];
  std::snprintf(countText, sizeof countText, "%2d", count);
  row.Fields.push_back({countText, count});
  for (int p = 1; p <= PeriodCount; ++p) {
    row.Fields.push_back({CellText(doc, options, line, line.Cells[p])});
  }
  return row;
}

std::vector<DayColumns> TeacherDays() {
  std::vector<DayColumns> days;
  for (int d = 0; d < DayCount; ++d) {
    const int first = HeaderColumns + d * PeriodsPerDay;
    days.push_back({first, first + PeriodsPerDay - 1});
  }
  return days;
}

}  // namespace

ExportTable TeacherTable(const TKumData& doc, const Options& options) {
  ExportTable table{"教師時間割", 2, true, TeacherDays(), {}};
  // The day name and "曜" stand over the third and fourth lessons of each day; the row ends
  // with one field more than the others.
  ExportRow days;
  days.DayNames = true;
  days.Fields.resize(HeaderColumns);
  for (int d = 0; d < DayCount; ++d) {
    for (int k = 1; k <= PeriodsPerDay; ++k) {
      std::string text = k == 3 ? std::string(DayName(d)) : k == 4 ? Cp932Literal("曜") : "";
      days.Fields.push_back({std::move(text)});
    }
  }
  days.Fields.push_back({});
  table.Rows.push_back(std::move(days));

  ExportRow lessons;
  for (const char* caption : {"教", "名前", "担", "時"})
    lessons.Fields.push_back({Cp932Literal(caption)});
  for (int p = 1; p <= PeriodCount; ++p) {
    lessons.Fields.push_back({ToFullWidth(std::to_string(LessonOf(p)))});
  }
  table.Rows.push_back(std::move(lessons));

  for (int n = 1; n <= doc.LineCount(); ++n) table.Rows.push_back(TeacherRow(doc, options, n));
  return table;
}

ExportTable ClassTable(const TKumData& doc, const TClassLines& classes, const Options& options) {
  // A day is one column here.
  ExportTable table{"クラス時間割", 0, false, {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}}, {}};
  for (int c = 1; c <= classes.UsedEntries(); ++c) {
    const ClassEntry& entry = classes.Entries[c];
    table.Rows.push_back({{{"    " + ClassTitle(doc, options, entry)}}, false});
    ExportRow days;
    days.Fields.push_back({});
    for (int d = 0; d < DayCount; ++d) days.Fields.push_back({std::string(DayName(d))});
    table.Rows.push_back(std::move(days));
    for (int lesson = 1; lesson <= PeriodsPerDay; ++lesson) {
      ExportRow row;
      row.Fields.push_back({ToFullWidth(std::to_string(lesson))});
      for (int d = 0; d < DayCount; ++d) {
        const ClassPeriod at = ClassSubjectAt(doc, entry, d * PeriodsPerDay + lesson);
        row.Fields.push_back(
            {at.Found() ? std::string(doc.SubjectNames1()[at.Subject].View()) : std::string()});
      }
      table.Rows.push_back(std::move(row));
    }
    table.Rows.push_back({{}, false});
  }
  return table;
}

std::string ExportText(const ExportTable& table) {
  std::string text;
  for (const ExportRow& row : table.Rows) {
    for (std::size_t i = 0; i < row.Fields.size(); ++i) {
      if (i > 0) text += '\t';
      // A tab or a line break in a file's name or subject would start another field or row.
      for (char c : row.Fields[i].Text) text += static_cast<unsigned char>(c) < 0x20 ? ' ' : c;
    }
    text += "\r\n";
  }
  return text;
}

bool IsWorkbookName(const std::string& path) {
  constexpr std::string_view Ending = ".xlsx";
  if (path.size() < Ending.size()) return false;
  return std::equal(Ending.begin(), Ending.end(), path.end() - Ending.size(), [](char a, char b) {
    return a == std::tolower(static_cast<unsigned char>(b));
  });
}

WorkbookPage PageOf(const Options& options) {
  return {options.PaperSize, SystemFace(options.PrintFontName)};
}

void WriteExport(const TKumData& doc, const TClassLines& classes, const Options& options,
                 ExportKind kind, const std::string& path) {
  const ExportTable table = kind == ExportKind::Teachers  ? TeacherTable(doc, options)
                            : kind == ExportKind::Classes ? ClassTable(doc, classes, options)
                                                          : NoticeTable(FindNotices(doc));
  WriteFileAtomically(
      path, IsWorkbookName(path) ? WorkbookBytes(table, PageOf(options), path) : ExportText(table));
}

}  // namespace kumo
