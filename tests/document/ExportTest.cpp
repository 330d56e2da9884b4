// The teacher and class exports, whole files compared with the bytes a spreadsheet expects, and
// the workbooks read back by an independent reader.
#include <cstdio>
#include <functional>

#include "base/FileError.h"
#include "document/DocFixture.h"
#include "document/Export.h"
#include "support/ExportBytes.h"

namespace kumo::test {
namespace {

// A teacher row: the four header fields, then the 30 periods given from period 1 on.
std::string TeacherRow(const std::string& header, std::vector<std::string> periods) {
  periods.resize(PeriodCount);
  std::string row = header;
  for (const std::string& p : periods) row += "\t" + p;
  return row + "\n";
}

class ExportTest : public DocTest {
 protected:
  std::string Teachers() { return ExportText(TeacherTable(doc, options)); }
  std::string Classes() { return ExportText(ClassTable(doc, classes, options)); }
  // The class display type as the environment dialog's OK leaves it.
  void SetClassType(int type) {
    options.ViewClassType = type;
    DeriveOptions(options);
    doc.MakeClassLabels();
  }
  TClassLines classes{doc};
};

TEST_F(ExportTest, EmptyDocumentsGiveTheHeadingsAndAnEmptyClassFile) {
  EXPECT_EQ(Teachers(), Bytes(Headings));
  EXPECT_EQ(Classes(), "");
  // Lines without homerooms make no classes either.
  doc.AddLine(Line(1, 0, "山田", 1));
  EXPECT_EQ(Classes(), "");
}

TEST_F(ExportTest, TeacherRowsUnderEveryStyle) {
  struct Case {
    const char* what;
    int style;
    int classType;
    const char* homeroom;
    const char* ownGrade;    // grade 1 class 2 in period 1
    const char* otherGrade;  // grade 2 class 3 in period 2
  };
  for (const Case& c : {
           Case{"1②", 0, 0, "1２", "1２", "2３"},
           Case{"1② circled", 0, 1, "1②", "1②", "2③"},
           Case{"1② letters", 0, 2, "1Ｂ", "1Ｂ", "2Ｃ"},
           Case{" ②", 1, 0, "２", "２", "2３"},
           Case{"1-2", 2, 0, "1-2", "1-2", "2-3"},
           Case{"1-B", 2, 2, "1-B", "1-B", "2-C"},
       }) {
    SCOPED_TRACE(c.what);
    doc.Clear();
    options.TeachersKind = c.style;
    SetClassType(c.classType);
    doc.AddLine(Line(1, 2, "山田", 1));
    doc.AddLine(Line(1, 0, "鈴木", 3));  // no homeroom
    doc.AddLine(Line(0, 4, "佐藤", 5));  // a homeroom number without a grade is none
    Put(1, 1, Piece(KindGrade1, 2));
    Put(1, 2, Piece(KindGrade2, 3));
    Put(1, 7, Piece(KindSubject, 13));
    Put(1, 30, Piece(KindSymbol, 2));
    const std::string expected =
        Headings +
        TeacherRow(
            std::string("国\t山田\t") + c.homeroom + "\t 2",
            {c.ownGrade, c.otherGrade, "", "", "", "", "学 ", "", "", "", "", "", "", "", "",
             "",         "",           "", "", "", "", "",    "", "", "", "", "", "", "", "× "}) +
        TeacherRow("数\t鈴木\t\t 0", {}) + TeacherRow("英\t佐藤\t\t 0", {});
    EXPECT_EQ(Teachers(), Bytes(expected));
  }
}

TEST_F(ExportTest, LessonCountsAreTwoCharactersWide) {
  struct Case {
    int lessons;
    const char* field;
  };
  for (const Case& c : {Case{0, " 0"}, Case{5, " 5"}, Case{12, "12"}}) {
    doc.Clear();
    doc.AddLine(Line(0, 0, "", 2));
    std::vector<std::string> periods;
    for (int p = 1; p <= c.lessons; ++p) {
      Put(1, p, Piece(KindGrade3, 1));
      periods.push_back("3１");
    }
    EXPECT_EQ(Teachers(), Bytes(Headings + TeacherRow(std::string("社\t\t\t") + c.field, periods)))
        << c.lessons;
  }
}

// Names come from files, which may hold any byte: each stays one field on its own row.
TEST_F(ExportTest, ControlCharactersInNamesBecomeSpaces) {
  doc.AddLine(Line(0, 0, "a\tb\r\nc", 2));
  EXPECT_EQ(Teachers(), Bytes(Headings + TeacherRow("社\ta b  c\t\t 0", {})));
}

// Class 1-1's homeroom teacher (line 1) and a teacher of another subject (line 2).
TEST_F(ExportTest, ClassBlocksTakeEachPeriodsSubjectByTheClassRule) {
  doc.AddLine(Line(1, 1, "山田", 1));
  doc.AddLine(Line(0, 0, "鈴木", 3));
  doc.AddLine(Line(1, 2, "佐藤", 4));
  Put(1, 1, Piece(KindSubject, 13));  // 学活 in the homeroom line wins over ...
  Put(2, 1, Piece(KindGrade1, 1));    // ... a lesson of line 2 in the same period
  Put(2, 2, Piece(KindGrade1, 1));    // 数, the teacher's subject
  Put(2, 8, {KindGrade1, 1, 5, 0});   // a lesson with its own subject, 英
  Put(1, 30, Piece(KindGrade1, 1));   // the homeroom teacher's own lesson, 国
  Put(3, 3, Piece(KindGrade1, 1));    // another class's homeroom teacher, 理
  const std::string block1 =
      "    １年１組時間割\n"
      "\t月\t火\t水\t木\t金\n"
      "１\t学\t\t\t\t\n"
      "２\t数\t英\t\t\t\n"
      "３\t理\t\t\t\t\n"
      "４\t\t\t\t\t\n"
      "５\t\t\t\t\t\n"
      "６\t\t\t\t\t国\n"
      "\n";
  const std::string block2 =
      "    １年２組時間割\n"
      "\t月\t火\t水\t木\t金\n"
      "１\t\t\t\t\t\n"
      "２\t\t\t\t\t\n"
      "３\t\t\t\t\t\n"
      "４\t\t\t\t\t\n"
      "５\t\t\t\t\t\n"
      "６\t\t\t\t\t\n"
      "\n";
  EXPECT_EQ(Classes(), Bytes(block1 + block2));

  // The title names the class by its letter label only when the display type is letters.
  SetClassType(2);
  EXPECT_EQ(Classes().substr(0, Bytes(block1).size()),
            Bytes("    １年Ａ組時間割\n" + block1.substr(block1.find('\n') + 1)));
  EXPECT_NE(Classes().find(Bytes("    １年Ｂ組時間割\n")), std::string::npos);
  SetClassType(1);
  EXPECT_NE(Classes().find(Bytes("    １年２組時間割\n")), std::string::npos);
}

TEST_F(ExportTest, WorkbookNamesAreKnownByTheirEnding) {
  for (const char* name : {"a.xlsx", "A.XLSX", "/tmp/x.Xlsx"}) EXPECT_TRUE(IsWorkbookName(name));
  for (const char* name : {"a.txt", "xlsx", "a.xlsx.txt", "a.xls", ""}) {
    EXPECT_FALSE(IsWorkbookName(name)) << name;
  }
}

// An export that cannot be written is reported with its path, as every file failure is.
TEST_F(ExportTest, AnExportThatCannotBeWrittenNamesItsFile) {
  for (const std::string& path : {Path("folder"), Path("missing/out.txt"), Path("folder.xlsx")}) {
    std::filesystem::create_directories(Path("folder"));
    std::filesystem::create_directories(Path("folder.xlsx"));
    try {
      WriteExport(doc, classes, options, ExportKind::Teachers, path);
      ADD_FAILURE() << "written: " << path;
    } catch (const FileError& e) {
      EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
    }
  }
}

// A school of three grades of three classes: a homeroom teacher each, five teachers without a
// class, every class taught by a different teacher in each period, 道徳 and 学活 in the homeroom
// lines, a symbol and a lesson with a subject of its own.
void BuildSchool(TKumData& doc) {
  const char* names[] = {"山田", "鈴木", "佐藤", "高橋", "田中", "伊藤", "渡辺",
                         "中村", "小林", "加藤", "吉田", "山本", "松本", "井上"};
  constexpr int Teachers = 14;
  TeacherLine lines[Teachers]{};
  for (int n = 0; n < Teachers; ++n) {
    TeacherLine& line = lines[n];
    line.Grade = static_cast<Byte>(n < 9 ? n / 3 + 1 : 0);
    line.Homeroom = static_cast<Byte>(n < 9 ? n % 3 + 1 : 0);
    line.Subject = static_cast<Byte>(n % 10 + 1);
    line.Name.Assign(Cp932Literal(names[n]));
  }
  for (int p = 1; p <= PeriodCount; ++p) {
    if (p == 24 || p == 30) continue;
    for (int k = 0; k < 9; ++k) {
      if ((k + p) % 11 == 0) continue;  // a free period now and then
      lines[(k + p) % Teachers].Cells[p] = {static_cast<Byte>(k / 3 + 1),
                                            static_cast<Byte>(k % 3 + 1), 0, 0};
    }
  }
  for (int n = 0; n < 9; ++n) {
    lines[n].Cells[24] = {KindSubject, 14, 0, 0};
    lines[n].Cells[30] = {KindSubject, 13, 0, 0};
  }
  lines[11].Cells[24] = {KindSymbol, 3, 0, Counted};
  lines[3].Cells[2].LessonSubject = 19;
  for (const TeacherLine& line : lines) doc.AddLine(line);
}

// The workbook as dump_xlsx.py reads it back.
std::string ReadBack(const std::string& book) {
  const std::string command = std::string(KUMO_PYTHON) + " '" + KUMO_DUMP_XLSX + "' '" + book + "'";
  std::FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return "cannot run " + command;
  std::string out;
  char buffer[4096];
  while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, n);
  EXPECT_EQ(pclose(pipe), 0) << command << " (needs python3-openpyxl)";
  return out;
}

// In a workbook each day's fields of the teachers' first row are one cell across the day.
std::string JoinDayNames(std::string row) {
  for (const std::string day : {"月", "火", "水", "木", "金"}) {
    const std::string fields = "\t\t\t" + day + "\t曜\t\t";
    row.replace(row.find(fields), fields.size(), "\t" + day + "曜\t\t\t\t\t");
  }
  return row;
}

// The text export as the reader gives the workbook back: UTF-8, trailing empty cells and rows
// left off.
std::string AsReadBack(const std::string& header, const std::string& text, bool dayNames) {
  std::vector<std::string> rows;
  const std::string utf8 = Cp932ToUtf8(text);
  for (std::size_t at = 0; at < utf8.size();) {
    const std::size_t end = utf8.find("\r\n", at);
    std::string row = utf8.substr(at, end - at);
    if (dayNames && rows.empty()) row = JoinDayNames(row);
    row.erase(row.find_last_not_of('\t') + 1);
    rows.push_back(row);
    at = end + 2;
  }
  while (!rows.empty() && rows.back().empty()) rows.pop_back();
  std::string out = header + "\r\n";
  for (const std::string& row : rows) out += row + "\r\n";
  return out;
}

// Every cell as the text has it, the days' names across their days, on the paper and in the
// printing font of the settings (a Windows face by the face the system has for it).
TEST_F(ExportTest, WorkbooksHoldTheCellsOfTheText) {
#ifdef _WIN32
  GTEST_SKIP() << "the independent reader, Python with openpyxl, is a program of the build "
                  "system, which the Windows build cannot start";
#endif
  BuildSchool(doc);
  options.TeachersKind = 1;
  struct Case {
    ExportKind kind;
    int paper;
    std::string font;
    std::string header;
  };
  for (const Case& c :
       {Case{ExportKind::Teachers, 0, "ＭＳ ゴシック",
             "教師時間割\tA3\t14\t9,15,21,27,33\tE1:J1,K1:P1,Q1:V1,W1:AB1,AC1:AH1\t9\tIPAGothic"},
        Case{ExportKind::Classes, 1, "IPAMincho",
             "クラス時間割\tNone\t0\t1,2,3,4,5\t\t12\tIPAMincho"},
        Case{ExportKind::Classes, 2, "ＭＳ 明朝",
             "クラス時間割\tNone\t0\t1,2,3,4,5\t\t8\tIPAMincho"}}) {
    const bool teachers = c.kind == ExportKind::Teachers;
    options.PaperSize = c.paper;
    options.PrintFontName = c.font;
    const std::string text =
        ExportText(teachers ? TeacherTable(doc, options) : ClassTable(doc, classes, options));
    const std::string book = Path(teachers ? "teachers.xlsx" : "classes.XLSX");
    WriteExport(doc, classes, options, c.kind, book);
    EXPECT_EQ(ReadAll(book).substr(0, 2), "PK");
    EXPECT_EQ(ReadBack(book), AsReadBack(c.header, text, teachers)) << c.font;
  }
}

}  // namespace
}  // namespace kumo::test
