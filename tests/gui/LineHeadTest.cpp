// The line header editor: its fields, the append/insert/change/cut commands with their
// questions, the cut buffer across closing, the history rule for cut and insert, and the
// stay-on-top state at each question.
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QWindow>
#include <cstring>
#include <vector>

#include "base/Cp932.h"
#include "editing/KumoEdit.h"
#include "editing/KumoLh.h"
#include "gui/AppFixture.h"
#include "platform/QtPlatform.h"
#include "platform/RadioGroup.h"
#include "platform/StringGrid.h"
#include "views/KumoChrg.h"

namespace kumo::test {
namespace {

bool SameLine(const TeacherLine& a, const TeacherLine& b) {
  return std::memcmp(&a, &b, sizeof(TeacherLine)) == 0;
}

class LineHeadTest : public AppTest {
 protected:
  // Starts on a timetable of grade-1 lines: line k teaches class 1-k in period k.
  void OpenPlan(int lines) { Start(WritePlan("plan.kmt", {.lines = lines})); }

  TfrmLineHead& Editor() { return *app_->frmLineHead; }
  template <class T = QPushButton>
  T* Control(const char* name) {
    auto* control = Editor().findChild<T*>(QString::fromUtf8(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
  }
  bool On(const char* name) { return Control<QWidget>(name)->isEnabled(); }
  // Clicks a button whose questions get the answers given, in order.
  void Press(const char* name, std::initializer_list<Answer> answers) {
    for (Answer answer : answers) platform_.Expect(answer);
    Control(name)->click();
  }
  void SetFields(int grade, int subject, const QString& name, int homeroom) {
    Control<RadioGroup>("rgrGrade")->SetItemIndex(grade);
    Control<QListWidget>("lbxSubject")->setCurrentRow(subject);
    Control<QLineEdit>("edtName")->setText(name);
    Control<QListWidget>("lbxCharge")->setCurrentRow(homeroom);
  }
  // The edit table's piece move, lifting at one period of the line and putting down at another.
  void MovePiece(int line, int from, int to) {
    app_->doc.SetCursor(line, from);
    app_->frmEdit->sgrEditDblClick();
    app_->doc.SetCursor(line, to);
    app_->frmEdit->sgrEditDblClick();
  }
  void CutLine(int line) {
    app_->doc.SetCursor(static_cast<Byte>(line), app_->doc.CurPeriod());
    Press("btnDel", {Answer::Yes});
  }
  std::vector<std::string> Texts() {
    std::vector<std::string> texts;
    for (const ShownBox& box : platform_.Boxes()) texts.push_back(box.Text);
    return texts;
  }
};

TEST_F(LineHeadTest, ShowingLoadsTheCurrentLineAndDisablesTheMainWindowUntilClosed) {
  OpenPlan(3);
  test::EditLine(app_->doc, 2, [&](TeacherLine& l) { l.Subject = 5; });
  app_->doc.SetCursor(2, app_->doc.CurPeriod());
  Editor().show();

  EXPECT_FALSE(app_->frmKumo->isEnabled());
  EXPECT_EQ(Control<RadioGroup>("rgrGrade")->ItemIndex(), 1);
  EXPECT_EQ(Control<QListWidget>("lbxSubject")->currentRow(), 5);
  EXPECT_EQ(Control<QLineEdit>("edtName")->text(), "T2");
  EXPECT_EQ(Control<QListWidget>("lbxCharge")->currentRow(), 2);
  EXPECT_EQ(Control<QListWidget>("lbxSubject")->count(), 101);
  EXPECT_EQ(Control<QListWidget>("lbxCharge")->count(), 21);
  EXPECT_EQ(Control<QListWidget>("lbxCharge")->item(2)->text(), "２");
  EXPECT_EQ(Editor().size(), QSize(322, 185));
  EXPECT_EQ(Control("btnDel")->toolTip(), "現在行を切り取ってバッファへ");

  // "取込" takes over whichever line the edit table has moved to.
  app_->doc.SetCursor(3, app_->doc.CurPeriod());
  Control("btnRenew")->click();
  EXPECT_EQ(Control<QLineEdit>("edtName")->text(), "T3");

  Editor().close();
  EXPECT_TRUE(app_->frmKumo->isEnabled());
  EXPECT_FALSE(Editor().isVisible());
}

TEST_F(LineHeadTest, NewShowsTheEditorOverTheEmptyTimetable) {
  Start();
  Trigger("mnuFileNew");
  ASSERT_TRUE(Editor().isVisible());
  EXPECT_EQ(app_->doc.LineCount(), 0);
  EXPECT_EQ(Control<QLineEdit>("edtName")->text(), "");
  EXPECT_TRUE(On("btnAdd"));
  EXPECT_TRUE(On("btnDel"));
  EXPECT_TRUE(On("btnInsert"));
}

TEST_F(LineHeadTest, ANewHomeroomIsAClassAtOnceAndACutOneIsGone) {
  Start();
  Trigger("mnuFileNew");
  SetFields(1, 1, QStringLiteral("山田"), 2);
  Press("btnAdd", {Answer::Ok});
  const int entry = app_->classes.FindClass(1, 2);
  ASSERT_NE(entry, 0);
  EXPECT_EQ(app_->classes.Entries[entry].HomeroomLine, 1);
  EXPECT_EQ(app_->frmPickCharge->Grid().Cells(2, 0), "２");

  Press("btnDel", {Answer::Yes});
  EXPECT_EQ(app_->classes.FindClass(1, 2), 0);
  EXPECT_EQ(app_->frmPickCharge->Grid().Cells(2, 0), "");
}

TEST_F(LineHeadTest, AppendWithoutGradeStoresNoHomeroomWhileInsertAndChangeKeepIt) {
  OpenPlan(2);
  app_->doc.SetCursor(1, app_->doc.CurPeriod());
  Editor().show();
  SetFields(0, 3, QStringLiteral("山田"), 2);

  Press("btnAdd", {Answer::Ok});
  ASSERT_EQ(app_->doc.LineCount(), 3);
  const TeacherLine& added = app_->doc.Line(3);
  EXPECT_EQ(added.Grade, 0);
  EXPECT_EQ(added.Subject, 3);
  EXPECT_EQ(added.Name.View(), Cp932Literal("山田"));
  EXPECT_EQ(added.Homeroom, 0);
  EXPECT_EQ(app_->doc.CurLine(), 3);  // the cursor goes to the new last line

  app_->doc.SetCursor(1, app_->doc.CurPeriod());
  Press("btnInsert", {Answer::Ok});
  ASSERT_EQ(app_->doc.LineCount(), 4);
  EXPECT_EQ(app_->doc.Line(1).Homeroom, 2);
  EXPECT_EQ(app_->doc.Line(2).Name.View(), "T1");
  EXPECT_EQ(app_->doc.CurLine(), 1);

  // Change rewrites the header only; the line's lessons stay.
  app_->doc.SetCursor(2, app_->doc.CurPeriod());
  Press("btnChange", {Answer::Ok});
  EXPECT_EQ(app_->doc.Line(2).Homeroom, 2);
  EXPECT_EQ(app_->doc.Line(2).Name.View(), Cp932Literal("山田"));
  EXPECT_EQ(app_->doc.Line(2).Cells[1].Kind, KindGrade1);
  EXPECT_EQ(Texts(), (std::vector<std::string>{"１行追加します。よろしいですか",
                                               "１行を挿入します。よろしいですか",
                                               "今の行を変更します。よろしいですか"}));
  for (const ShownBox& box : platform_.Boxes()) {
    EXPECT_EQ(box.Type, BoxType::Confirmation);
    EXPECT_EQ(box.Buttons, Buttons::OkCancel);
  }
}

TEST_F(LineHeadTest, CancelledQuestionsChangeNothing) {
  OpenPlan(2);
  Editor().show();
  SetFields(1, 1, QStringLiteral("新"), 3);
  app_->doc.SaveAs(app_->doc.FileName());
  Press("btnAdd", {Answer::Cancel});
  Press("btnInsert", {Answer::Cancel});
  Press("btnChange", {Answer::Cancel});
  Press("btnDel", {Answer::No});
  EXPECT_EQ(app_->doc.LineCount(), 2);
  EXPECT_EQ(app_->doc.Line(1).Name.View(), "T1");
  EXPECT_FALSE(Editor().BufferFull());
  EXPECT_FALSE(app_->doc.Modified());
}

// The name holds ten bytes: a character typed past them is refused at once, not cut off later.
TEST_F(LineHeadTest, TheNameTakesNoMoreThanTheTimetableStores) {
  OpenPlan(1);
  Editor().show();
  auto* name = Control<QLineEdit>("edtName");
  EXPECT_EQ(name->maxLength(), 6);
  auto type = [&](const QString& text) {
    name->clear();
    for (QChar c : text) {
      QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
      QApplication::sendEvent(name, &key);
    }
  };
  type(QStringLiteral("山田太郎先生"));
  EXPECT_EQ(name->text(), QStringLiteral("山田太郎先"));
  type(QStringLiteral("a山田太郎先"));
  EXPECT_EQ(name->text(), QStringLiteral("a山田太郎"));
  Press("btnChange", {Answer::Ok});
  EXPECT_EQ(app_->doc.Line(1).Name.View(), Cp932Literal("a山田太郎"));
  Control("btnRenew")->click();
  EXPECT_EQ(name->text(), QStringLiteral("a山田太郎"));
}

TEST_F(LineHeadTest, AnUneditedNameKeepsItsBytesWhenTheOtherFieldsChange) {
  OpenPlan(1);
  const std::string nec = "\x87\x90";  // ≒ in the NEC row: re-encoding would give 0x81 0xE0
  test::EditLine(app_->doc, 1, [&](TeacherLine& l) { l.Name.Assign(nec); });
  Editor().show();
  Control<QListWidget>("lbxSubject")->setCurrentRow(5);
  Press("btnChange", {Answer::Ok});
  EXPECT_EQ(app_->doc.Line(1).Subject, 5);
  EXPECT_EQ(app_->doc.Line(1).Name.View(), nec);
  Press("btnAdd", {Answer::Ok});
  EXPECT_EQ(app_->doc.Line(2).Name.View(), nec);
}

TEST_F(LineHeadTest, ANameTheTimetableCannotHoldIsRefusedBeforeAnyQuestion) {
  OpenPlan(1);
  Editor().show();
  SetFields(1, 0, QStringLiteral("김"), 1);
  Press("btnAdd", {Answer::Ok});
  Press("btnChange", {Answer::Ok});

  ASSERT_EQ(platform_.Boxes().size(), 2u);
  for (const ShownBox& box : platform_.Boxes()) {
    EXPECT_EQ(box.Type, BoxType::Error);
    EXPECT_NE(box.Text.find("김"), std::string::npos) << box.Text;
  }
  EXPECT_EQ(app_->doc.LineCount(), 1);
  EXPECT_EQ(app_->doc.Line(1).Name.View(), "T1");
}

TEST_F(LineHeadTest, CuttingLineThreeOfFiveAndInsertingItFirstMovesItWithItsLessons) {
  OpenPlan(5);
  const auto lines = app_->doc.LinesInUse();
  const std::vector<TeacherLine> before(lines.begin(), lines.end());
  app_->doc.SetCursor(3, app_->doc.CurPeriod());
  Editor().show();

  Press("btnDel", {Answer::Yes});
  const ShownBox cut = platform_.Boxes().back();
  EXPECT_EQ(cut.Type, BoxType::Warning);
  EXPECT_EQ(cut.Buttons, Buttons::YesNoCancel);
  EXPECT_EQ(cut.Text, "現在の行を切り取ります。よろしいか");
  ASSERT_EQ(app_->doc.LineCount(), 4);
  EXPECT_TRUE(Editor().BufferFull());
  EXPECT_TRUE(SameLine(Editor().LineBuffer(), before[2]));
  for (const char* name :
       {"rgrGrade", "lbxSubject", "edtName", "lbxCharge", "btnRenew", "btnChange", "btnDel"}) {
    EXPECT_FALSE(On(name)) << name;
  }
  EXPECT_TRUE(On("btnInsert"));
  EXPECT_TRUE(On("btnAdd"));

  // The fields are not what goes in while a line waits in the buffer.
  SetFields(0, 0, QStringLiteral("別"), 0);
  app_->doc.SetCursor(1, app_->doc.CurPeriod());
  Press("btnInsert", {Answer::Ok});
  ASSERT_EQ(app_->doc.LineCount(), 5);
  const int from[] = {3, 1, 2, 4, 5};
  for (int n = 1; n <= 5; ++n) {
    EXPECT_TRUE(SameLine(app_->doc.Line(n), before[from[n - 1] - 1])) << "line " << n;
  }
  EXPECT_FALSE(Editor().BufferFull());
  EXPECT_TRUE(On("edtName"));
  EXPECT_TRUE(On("btnDel"));
}

TEST_F(LineHeadTest, TheOnlyLineCutAndInsertedAgainTakesTheCursorWithIt) {
  OpenPlan(1);
  Editor().show();
  CutLine(1);
  ASSERT_EQ(app_->doc.LineCount(), 0);
  // With the cursor on no line the palette has nowhere to put a class.
  StringGrid& palette = app_->frmPickCharge->Grid();
  app_->doc.SetCursor(app_->doc.CurLine(), 9);
  palette.SetCurrent(1, 0);
  app_->frmPickCharge->sgrPickChargeDblClick();
  EXPECT_EQ(platform_.Beeps(), 1);

  Press("btnInsert", {Answer::Ok});
  ASSERT_EQ(app_->doc.LineCount(), 1);
  EXPECT_EQ(app_->doc.CurLine(), 1);
  EXPECT_EQ(app_->frmEdit->EditGrid().Row(), 2);
  app_->frmPickCharge->sgrPickChargeDblClick();
  EXPECT_EQ(platform_.Beeps(), 1);
  EXPECT_EQ(app_->doc.Cell(1, 9).Kind, KindGrade1);
}

TEST_F(LineHeadTest, CuttingWithoutLinesAsksAndChangesNothing) {
  Start();
  Trigger("mnuFileNew");
  Press("btnDel", {Answer::Yes});
  EXPECT_FALSE(Editor().BufferFull());
  EXPECT_TRUE(On("edtName"));
  EXPECT_EQ(app_->doc.LineCount(), 0);
}

TEST_F(LineHeadTest, AFullBufferIsAskedAboutOnClosingAndSurvivesIt) {
  OpenPlan(3);
  const TeacherLine second = app_->doc.Line(2);
  Editor().show();
  CutLine(2);
  platform_.Reset();

  platform_.Expect(Answer::No);
  Editor().close();
  EXPECT_TRUE(Editor().isVisible());
  EXPECT_FALSE(app_->frmKumo->isEnabled());
  const ShownBox box = OnlyBox();
  EXPECT_EQ(box.Type, BoxType::Warning);
  EXPECT_EQ(box.Buttons, Buttons::YesNoCancel);
  EXPECT_EQ(box.Text, "切り取った行がバッファに残っています。閉じてよろしいですか");

  platform_.Expect(Answer::Yes);
  Editor().close();
  EXPECT_FALSE(Editor().isVisible());
  EXPECT_TRUE(app_->frmKumo->isEnabled());

  Editor().show();
  EXPECT_TRUE(Editor().BufferFull());
  EXPECT_FALSE(On("edtName"));
  EXPECT_FALSE(On("btnChange"));
  Press("btnAdd", {Answer::Ok});
  ASSERT_EQ(app_->doc.LineCount(), 3);
  EXPECT_TRUE(SameLine(app_->doc.Line(3), second));
  EXPECT_FALSE(Editor().BufferFull());
}

TEST_F(LineHeadTest, ClearEmptiesTheFieldsAndTheBufferOnlyOnYes) {
  OpenPlan(2);
  Editor().show();
  CutLine(1);

  Press("btnClear", {Answer::No});
  EXPECT_TRUE(Editor().BufferFull());
  EXPECT_EQ(Control<QLineEdit>("edtName")->text(), "");
  EXPECT_EQ(Control<RadioGroup>("rgrGrade")->ItemIndex(), 0);

  Press("btnClear", {Answer::Yes});
  EXPECT_EQ(platform_.Boxes().back().Text,
            "切り取った行がバッファに残っています。消去してよろしいですか");
  EXPECT_FALSE(Editor().BufferFull());
  EXPECT_TRUE(On("edtName"));
  EXPECT_TRUE(On("btnDel"));
  EXPECT_EQ(app_->doc.LineCount(), 1);  // the cut line is gone for good
}

TEST_F(LineHeadTest, AHundredLinesRefuseAppendAndKeepTheBufferedLine) {
  OpenPlan(1);
  TKumData& doc = app_->doc;
  for (int n = 2; n <= MaxLines; ++n) doc.AddLine(doc.Line(1));
  Editor().show();

  Press("btnAdd", {Answer::Ok, Answer::Ok});  // the question, then the document's refusal
  EXPECT_EQ(doc.LineCount(), MaxLines);
  EXPECT_EQ(Texts().back(), "行を追加できません");

  // A cut line that cannot go back in stays in the buffer.
  doc.SetCursor(50, doc.CurPeriod());
  Press("btnDel", {Answer::Yes});
  doc.AddLine(doc.Line(1));
  const TeacherLine buffered = Editor().LineBuffer();
  Press("btnAdd", {Answer::Ok, Answer::Ok});
  Press("btnInsert", {Answer::Ok, Answer::Ok});
  EXPECT_EQ(Texts().back(), "行を挿入できません");
  EXPECT_EQ(doc.LineCount(), MaxLines);
  EXPECT_TRUE(Editor().BufferFull());
  EXPECT_TRUE(SameLine(Editor().LineBuffer(), buffered));
}

TEST_F(LineHeadTest, CutAndInsertWaitForAnEmptyHistory) {
  OpenPlan(3);
  MovePiece(1, 1, 7);
  ASSERT_GT(app_->doc.HistoryEnd(), 1) << "the piece move records its steps";
  Editor().show();
  EXPECT_FALSE(On("btnDel"));
  EXPECT_FALSE(On("btnInsert"));
  EXPECT_TRUE(On("btnAdd"));

  Press("btnStackClear", {Answer::Cancel});
  EXPECT_FALSE(On("btnDel"));
  EXPECT_FALSE(On("btnInsert"));

  Press("btnStackClear", {Answer::Ok});
  EXPECT_EQ(app_->doc.HistoryEnd(), 1);
  EXPECT_TRUE(On("btnDel"));
  EXPECT_TRUE(On("btnInsert"));
}

TEST_F(LineHeadTest, APieceMovedWhileTheEditorIsOpenBlocksCutAndInsertWhenPressed) {
  OpenPlan(3);
  Editor().show();
  ASSERT_TRUE(On("btnDel"));
  MovePiece(2, 2, 8);
  ASSERT_GT(app_->doc.HistoryEnd(), 1);
  platform_.Reset();

  // The refused press also shows both disabled.
  Control("btnDel")->click();
  EXPECT_TRUE(platform_.Boxes().empty());
  EXPECT_EQ(platform_.Beeps(), 1);
  EXPECT_EQ(app_->doc.LineCount(), 3);
  EXPECT_EQ(app_->doc.Line(2).Cells[8].Item, 2);  // the history still names the right line
  EXPECT_FALSE(On("btnDel"));
  EXPECT_FALSE(On("btnInsert"));

  Press("btnStackClear", {Answer::Ok});
  MovePiece(2, 8, 9);
  platform_.Reset();
  Control("btnInsert")->click();
  EXPECT_TRUE(platform_.Boxes().empty());
  EXPECT_EQ(platform_.Beeps(), 1);
  EXPECT_EQ(app_->doc.LineCount(), 3);
}

TEST_F(LineHeadTest, QuestionsAreAskedOutOfTheStayOnTopStateExceptClears) {
  OpenPlan(3);
  Editor().show();
  ASSERT_TRUE(platform_.StaysOnTop(Editor()));
  SetFields(1, 0, QStringLiteral("新"), 4);
  Press("btnAdd", {Answer::Ok});
  Press("btnChange", {Answer::Ok});
  Press("btnInsert", {Answer::Ok});
  CutLine(2);
  Press("btnStackClear", {Answer::Cancel});
  platform_.Expect(Answer::No);
  Editor().close();
  EXPECT_EQ(platform_.OnTopAtBoxes(), std::vector<bool>(6, false));
  EXPECT_TRUE(platform_.StaysOnTop(Editor()));

  platform_.Reset();
  Press("btnClear", {Answer::No});
  EXPECT_EQ(platform_.OnTopAtBoxes(), std::vector<bool>{true});
}

TEST_F(LineHeadTest, AClickIntoTheNameEmptiesIt) {
  OpenPlan(1);
  Editor().show();
  auto* name = Control<QLineEdit>("edtName");
  ASSERT_EQ(name->text(), "T1");
  const QPoint at(4, 4);
  QMouseEvent press(QEvent::MouseButtonPress, at, name->mapToGlobal(at), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(name, &press);
  EXPECT_EQ(name->text(), "");
}

// What the editor's questions rely on from the real platform: the state changes on a shown
// window without hiding it, as a new set of window flags would.
TEST(QtPlatformWindowsTest, StayOnTopChangesWithoutHidingTheWindow) {
  QtPlatform platform;
  QWidget window(nullptr, Qt::Window | Qt::WindowStaysOnTopHint);
  window.show();
  platform.SetStayOnTop(window, false);
  EXPECT_TRUE(window.isVisible());
  EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  platform.SetStayOnTop(window, true);
  EXPECT_TRUE(window.isVisible());
  EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_TRUE(window.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
}

}  // namespace
}  // namespace kumo::test
