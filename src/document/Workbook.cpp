// The export as a workbook that spreadsheets open without an import step.
#include <xlsxwriter.h>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <vector>

#include "base/Cp932.h"
#include "base/FileError.h"
#include "base/SysFile.h"
#include "document/Export.h"

namespace kumo {
namespace {

// A workbook of two tables of a few hundred cells stays far below this.
constexpr std::size_t MaxWorkbookBytes = 64 << 20;

// Column widths are in widths of the digit "0"; a full-width character, two CP932 bytes, takes
// a little more than two of them.
double ColumnWidth(std::size_t cp932Bytes) {
  return std::max(2.0, 1.1 * static_cast<double>(cp932Bytes) + 1.0);
}

[[noreturn]] void Fail(const std::string& path, lxw_error error) {
  throw FileError("\"" + path + "\" を書き込めません。\n" + lxw_strerror(error));
}

// Excel's numbers for the papers of the print settings: A4, JIS B4, A3.
constexpr std::uint8_t PaperTypes[] = {9, 12, 8};
// Excel's character set of Japanese faces, so that it takes the face for kana and kanji too.
constexpr std::uint8_t ShiftJisCharset = 128;

lxw_format* AddFormat(lxw_workbook* book, const WorkbookPage& page) {
  lxw_format* format = workbook_add_format(book);
  if (!page.Font.empty()) {
    format_set_font_name(format, page.Font.c_str());
    format_set_font_charset(format, ShiftJisCharset);
  }
  return format;
}

const DayColumns* DayOf(const ExportTable& table, int column) {
  const auto found = std::find_if(table.Days.begin(), table.Days.end(), [column](DayColumns d) {
    return d.First <= column && column <= d.Last;
  });
  return found == table.Days.end() ? nullptr : &*found;
}

}  // namespace

std::string WorkbookBytes(const ExportTable& table, const WorkbookPage& page,
                          const std::string& path) {
  // Everything that may throw happens before the library holds a workbook.
  std::vector<std::vector<std::string>> texts;
  std::vector<std::size_t> widest;
  for (const ExportRow& row : table.Rows) {
    texts.emplace_back();
    for (std::size_t c = 0; c < row.Fields.size(); ++c) {
      texts.back().push_back(Cp932ToUtf8(row.Fields[c].Text));
      if (!row.Ruled || row.DayNames) continue;
      if (widest.size() <= c) widest.resize(c + 1);
      widest[c] = std::max(widest[c], row.Fields[c].Text.size());
    }
  }
  const int lastDayEnd = table.Days.empty() ? -1 : table.Days.back().Last;
  const ScratchFile scratch(".xlsx");

  lxw_workbook* book = workbook_new(scratch.Path().c_str());
  if (book == nullptr) Fail(path, LXW_ERROR_MEMORY_MALLOC_FAILED);
  lxw_worksheet* sheet = workbook_add_worksheet(book, table.SheetName.c_str());
  lxw_format* plain = AddFormat(book, page);
  // The week's grid is centred, so that a count never runs into the class beside it.
  lxw_format* grid = AddFormat(book, page);
  format_set_align(grid, LXW_ALIGN_CENTER);
  lxw_format* dayEnd = AddFormat(book, page);
  format_set_align(dayEnd, LXW_ALIGN_CENTER);
  format_set_right(dayEnd, LXW_BORDER_THIN);
  for (std::size_t r = 0; r < table.Rows.size(); ++r) {
    const ExportRow& row = table.Rows[r];
    const auto rowAt = static_cast<lxw_row_t>(r);
    const int columns =
        std::max<int>(static_cast<int>(row.Fields.size()), row.Ruled ? lastDayEnd + 1 : 0);
    for (int c = 0; c < columns; ++c) {
      const DayColumns* day = row.Ruled ? DayOf(table, c) : nullptr;
      const auto at = static_cast<std::size_t>(c);
      if (row.DayNames && day != nullptr && day->First < day->Last) {
        // The day's fields together, in one cell across the day.
        std::string name;
        for (int k = day->First; k <= day->Last; ++k) {
          if (static_cast<std::size_t>(k) < texts[r].size()) name += texts[r][k];
        }
        worksheet_merge_range(sheet, rowAt, static_cast<lxw_col_t>(day->First), rowAt,
                              static_cast<lxw_col_t>(day->Last), name.c_str(), dayEnd);
        c = day->Last;
        continue;
      }
      const bool closesDay = day != nullptr && day->Last == c;
      lxw_format* format = closesDay ? dayEnd : row.Ruled ? grid : plain;
      const auto colAt = static_cast<lxw_col_t>(c);
      if (at < row.Fields.size() && row.Fields[at].Number) {
        worksheet_write_number(sheet, rowAt, colAt, *row.Fields[at].Number, format);
      } else if (at < row.Fields.size() && !texts[r][at].empty()) {
        worksheet_write_string(sheet, rowAt, colAt, texts[r][at].c_str(), format);
      } else if (closesDay) {
        worksheet_write_blank(sheet, rowAt, colAt, format);
      }
    }
  }
  for (std::size_t c = 0; c < widest.size(); ++c) {
    const auto col = static_cast<lxw_col_t>(c);
    worksheet_set_column(sheet, col, col, ColumnWidth(widest[c]), nullptr);
  }
  // On paper the sheet is one page wide, the heading rows repeated on every page.
  if (page.Paper >= 0 && page.Paper < static_cast<int>(std::size(PaperTypes))) {
    worksheet_set_paper(sheet, PaperTypes[page.Paper]);
  }
  worksheet_fit_to_pages(sheet, 1, 0);
  if (table.Landscape) worksheet_set_landscape(sheet);
  if (table.FrozenRows > 0) {
    const auto headings = static_cast<lxw_row_t>(table.FrozenRows);
    worksheet_freeze_panes(sheet, headings, 0);
    worksheet_repeat_rows(sheet, 0, headings - 1);
  }
  if (const lxw_error error = workbook_close(book); error != LXW_NO_ERROR) Fail(path, error);
  return ReadFileBytes(scratch.Path(), MaxWorkbookBytes);
}

}  // namespace kumo
