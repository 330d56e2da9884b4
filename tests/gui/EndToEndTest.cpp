// A new user's first timetable, through the windows only: New, three teachers in the line
// header editor, classes from the palette, one piece move, Save As, reopen; then every byte of
// the saved file where the file layout puts it.
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <cstring>

#include "base/Cp932.h"
#include "base/SysFile.h"
#include "document/StepBlock.h"
#include "editing/KumoEdit.h"
#include "editing/KumoLh.h"
#include "gui/AppFixture.h"
#include "platform/RadioGroup.h"
#include "platform/StringGrid.h"
#include "views/KumoChrg.h"

namespace kumo::test {
namespace {

struct Teacher {
  int grade;
  int subject;
  const char* name;
  int homeroom;
};
constexpr Teacher Teachers[] = {{1, 1, "山田", 1}, {1, 2, "佐藤", 2}, {2, 3, "鈴木", 1}};

class EndToEndTest : public AppTest {
 protected:
  template <class T = QPushButton>
  T* Editor(const char* name) {
    auto* control = app_->frmLineHead->findChild<T*>(QString::fromUtf8(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
  }
  void AddTeacher(const Teacher& t) {
    Editor<RadioGroup>("rgrGrade")->Button(t.grade)->click();
    Editor<QListWidget>("lbxSubject")->setCurrentRow(t.subject);
    Editor<QLineEdit>("edtName")->setText(QString::fromUtf8(t.name));
    Editor<QListWidget>("lbxCharge")->setCurrentRow(t.homeroom);
    platform_.Expect(Answer::Ok);
    Editor("btnAdd")->click();
  }
  // Puts the edit table's cursor on (line, period), as a click on the cell does.
  void Cursor(int line, int period) { app_->frmEdit->EditGrid().SetCurrent(period + 3, line + 1); }
  void EnterClass(int grade, int classNo, int line, int period) {
    Cursor(line, period);
    app_->frmPickCharge->Grid().SetCurrent(classNo, grade - 1);
    app_->frmPickCharge->sgrPickChargeDblClick();
  }
};

// The bytes of a record, for comparison with the file.
template <class T>
std::string Raw(const T& record) {
  return std::string(reinterpret_cast<const char*>(&record), sizeof(T));
}

TEST_F(EndToEndTest, ANewTimetableIsSavedWhereTheFileLayoutPutsEveryByte) {
  Start();
  Trigger("mnuFileNew");
  ASSERT_TRUE(app_->frmLineHead->isVisible());
  for (const Teacher& t : Teachers) AddTeacher(t);
  app_->frmLineHead->close();
  ASSERT_EQ(app_->doc.LineCount(), 3);

  Trigger("mnuViewPickCharge");
  ASSERT_EQ(app_->frmPickCharge->Grid().ColCount(), 3);
  EnterClass(1, 1, 1, 1);
  EnterClass(1, 2, 2, 2);
  EnterClass(2, 1, 3, 3);
  // Monday's first lesson of line 1 goes to Tuesday's first.
  Cursor(1, 1);
  app_->frmEdit->sgrEditDblClick();
  Cursor(1, 7);
  app_->frmEdit->sgrEditDblClick();
  EXPECT_EQ(platform_.Beeps(), 0);

  const std::string path = dir_.File("school.kmt");
  platform_.ExpectSave(path);
  Trigger("mnuFileSaveAs");
  EXPECT_FALSE(app_->doc.Modified());
  EXPECT_EQ(Caption(), "Kumo - school");
  platform_.ExpectOpen(path);
  Trigger("mnuFileOpen");
  EXPECT_EQ(app_->doc.LineCount(), 3);
  EXPECT_EQ(app_->doc.Cell(1, 7).Item, 1);
  EXPECT_EQ(app_->doc.HistoryPos(), 6);

  const std::string file = ReadFileBytes(path, 1 << 20);
  constexpr int lines = 3;
  constexpr int history = 6;  // five steps and the slot after them
  constexpr int holding = 1;
  // The layout, then the records of the five steps.
  ASSERT_EQ(file.size(),
            4193u + 135 * lines + 10 * history + 6 * holding + StepBlockSize(history - 1));
  auto at = [&](std::size_t offset, std::size_t size) { return file.substr(offset, size); };
  auto byte = [&](std::size_t offset) { return static_cast<int>(static_cast<Byte>(file[offset])); };

  EXPECT_EQ(byte(0), lines);
  for (int n = 1; n <= lines; ++n) {
    const Teacher& t = Teachers[n - 1];
    const std::size_t line = 1 + 135 * (n - 1);
    EXPECT_EQ(byte(line), t.grade) << n;
    EXPECT_EQ(byte(line + 1), t.subject) << n;
    const std::string name = Cp932Literal(t.name);
    EXPECT_EQ(byte(line + 2), static_cast<int>(name.size())) << n;
    EXPECT_EQ(at(line + 3, name.size()), name) << n;
    EXPECT_EQ(at(line + 3 + name.size(), 10 - name.size()), std::string(10 - name.size(), '\0'));
    EXPECT_EQ(byte(line + 13), t.homeroom) << n;
    EXPECT_EQ(byte(line + 14), 0) << n;
  }
  auto cell = [&](int n, int p) { return at(1 + 135 * (n - 1) + 15 + 4 * (p - 1), 4); };
  EXPECT_EQ(cell(1, 1), std::string(4, '\0'));  // moved away
  EXPECT_EQ(cell(1, 7), std::string("\x01\x01\x00\x00", 4));
  EXPECT_EQ(cell(2, 2), std::string("\x01\x02\x00\x00", 4));
  EXPECT_EQ(cell(3, 3), std::string("\x02\x01\x00\x00", 4));
  int pieces = 0;
  for (int n = 1; n <= lines; ++n) {
    for (int p = 1; p <= PeriodCount; ++p) pieces += cell(n, p) != std::string(4, '\0');
  }
  EXPECT_EQ(pieces, 3);

  const std::size_t counts = 1 + 135 * lines;
  EXPECT_EQ(at(counts, 4), std::string("\x06\x00\x06\x00", 4));  // HistoryPos, HistoryEnd
  const HistoryEntry steps[] = {
      {1, 1, {1, 1, 0, 0}, {}},  // class 1-1 entered
      {2, 2, {1, 2, 0, 0}, {}},
      {3, 3, {2, 1, 0, 0}, {}},
      {1, 1, {}, {1, 1, 0, 0}},  // lifted into the hand
      {1, 7, {1, 1, 0, 0}, {}},  // put down
      {},
  };
  for (int k = 0; k < history; ++k) {
    EXPECT_EQ(at(counts + 4 + 10 * k, 10), Raw(steps[k])) << "history entry " << k + 1;
  }
  const std::size_t a = 5 + 135 * lines + 10 * history;
  EXPECT_EQ(byte(a), holding);
  // The hand is empty again; it still names where its last piece was lifted.
  EXPECT_EQ(at(a + 1, 6), std::string("\0\0\0\0\x01\x01", 6));
  EXPECT_EQ(at(a + 7, 6), std::string(6, '\0'));
  const std::size_t b = a + 7 + 6 * holding;
  EXPECT_EQ(byte(b), 1);                            // CurLine
  EXPECT_EQ(byte(b + 1), 7);                        // CurPeriod
  EXPECT_EQ(at(b + 2, 21), std::string(21, '\0'));  // no title
  EXPECT_EQ(at(b + 23, 41), std::string(41, '\0'));
  EXPECT_EQ(at(b + 64, 303), Raw(DefaultSubjectNames1()));
  EXPECT_EQ(at(b + 367, 505), Raw(DefaultSubjectNames2()));
  EXPECT_EQ(at(b + 872, 909), Raw(DefaultSubjectNames4()));
  EXPECT_EQ(at(b + 1781, 300), Raw(DefaultSymbols()));
  EXPECT_EQ(at(b + 2081, 2100), Raw(DefaultSymbolMeanings()));
  EXPECT_EQ(at(b + 4181, 8), "KUMOSTEP");
}

}  // namespace
}  // namespace kumo::test
