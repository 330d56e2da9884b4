// Feeds arbitrary timetable files to the text export, under options taken from the first byte:
// whatever a file that opens holds, the text has one line per row and one field per column, so
// that a spreadsheet reads back the rows as they were made.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "FuzzInput.h"
#include "QuietPrompter.h"
#include "base/FileError.h"
#include "document/Export.h"
#include "document/KumoHead.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

// The rows and fields of the text, split where the export joined them; the rows from dataRow on
// have fields fields each, when fields is given.
void CheckText(const kumo::ExportTable& table, std::size_t dataRow, std::size_t fields) {
  const std::string text = kumo::ExportText(table);
  std::size_t at = 0;
  for (std::size_t r = 0; r < table.Rows.size(); ++r) {
    const kumo::ExportRow& row = table.Rows[r];
    const std::size_t end = text.find("\r\n", at);
    Check(end != std::string::npos);
    const std::string_view line = std::string_view(text).substr(at, end - at);
    std::size_t tabs = 0;
    for (char c : line) tabs += c == '\t';
    // A row without fields is an empty line, as a row of one empty field.
    Check(tabs + 1 == std::max<std::size_t>(row.Fields.size(), 1) &&
          line.find_first_of("\r\n") == std::string_view::npos);
    if (r >= dataRow && fields != 0) Check(row.Fields.size() == fields);
    at = end + 2;
  }
  Check(at == text.size());
}

// Class display type, homeroom form and print letters, each of -1 (none chosen) to 2.
void SetOptions(kumo::Options& options, std::uint8_t choice) {
  options.ViewClassType = (choice & 3) - 1;
  options.TeachersKind = ((choice >> 2) & 3) - 1;
  options.ClassLetters = ((choice >> 4) & 3) - 1;
  options.Color = (choice & 0x40) != 0;
  kumo::DeriveOptions(options);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  static const std::string path = kumo::fuzz::InputPath("kumo-fuzz-export-");
  if (!kumo::fuzz::WriteInput(path, data + 1, size - 1)) return 0;

  static kumo::Options options;
  static kumo::fuzz::QuietPrompter user;
  static kumo::TKumData doc(options, user);
  static kumo::TClassLines classes(doc);
  SetOptions(options, data[0]);
  try {
    if (!doc.Open(path)) return 0;
  } catch (const kumo::FileError&) {
    return 0;
  }
  classes.BuildClassList();
  classes.UpdateAllClasses();
  const kumo::ExportTable teachers = kumo::TeacherTable(doc, options);
  Check(teachers.Rows.size() == 2u + doc.LineCount());
  CheckText(teachers, 2, 4 + kumo::PeriodCount);
  const kumo::ExportTable byClass = kumo::ClassTable(doc, classes, options);
  Check(byClass.Rows.size() == 9u * classes.UsedEntries());
  CheckText(byClass, 0, 0);
  return 0;
}
