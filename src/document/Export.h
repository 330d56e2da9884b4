// The teacher list and the class timetables as rows of fields: one layout behind the
// tab-separated text and the workbook.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "document/KumoHead.h"
#include "document/Options.h"

namespace kumo {

enum class ExportKind { Teachers, Classes, Notices };

struct ExportField {
  std::string Text;             // CP932, as the text file has it
  std::optional<int> Number{};  // a count, which a workbook keeps as a number
};

struct ExportRow {
  std::vector<ExportField> Fields;
  // A row of the week's grid: its day-end columns are ruled in a workbook, and its texts size
  // the columns. A class title flows over its empty neighbours instead.
  bool Ruled = true;
  // The days' names: in a workbook, the fields of each day are one cell across its columns.
  bool DayNames = false;
};

// The columns of one day, from 0; the last one closes the day.
struct DayColumns {
  int First;
  int Last;
};

struct ExportTable {
  std::string SheetName;   // UTF-8
  int FrozenRows = 0;      // heading rows, kept in view and repeated on every printed page
  bool Landscape = false;  // printed across the page
  std::vector<DayColumns> Days;
  std::vector<ExportRow> Rows;
};

// One row per teacher line after the two heading rows, every period a field of its own.
ExportTable TeacherTable(const TKumData& doc, const Options& options);
// One block per class of the index as it stands: title, days, six lessons, an empty row.
ExportTable ClassTable(const TKumData& doc, const TClassLines& classes, const Options& options);

// The rows as text: fields joined by TAB, every row ended by CR LF, nothing else.
std::string ExportText(const ExportTable& table);
// How a workbook prints: on the paper of the print settings (0 A4, 1 B4, 2 A3), in the
// printing font.
struct WorkbookPage {
  int Paper = 0;
  std::string Font;  // UTF-8, a face the system has
};
// The workbook's page as the options set it.
WorkbookPage PageOf(const Options& options);

// The rows as a one-sheet workbook (xlsx). Throws FileError naming path when it cannot be made.
std::string WorkbookBytes(const ExportTable& table, const WorkbookPage& page,
                          const std::string& path);

// A name ending in ".xlsx", in any case, gets the workbook; every other name the text.
bool IsWorkbookName(const std::string& path);
// Writes the export to path, replacing the file in one step. Throws FileError.
void WriteExport(const TKumData& doc, const TClassLines& classes, const Options& options,
                 ExportKind kind, const std::string& path);

}  // namespace kumo
