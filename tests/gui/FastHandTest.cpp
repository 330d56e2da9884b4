// The faster hand in the running program: the history keys, Delete, a class typed at the
// cursor, the chooser of subjects and symbols, the wheel, the right click, drag and drop.
#include <QCheckBox>
#include <QPushButton>
#include <QTest>

#include "editing/SubjectChooser.h"
#include "gui/EditTableFixture.h"
#include "output/KumoEnv.h"
#include "platform/PaletteDrag.h"
#include "views/KumoChrg.h"
#include "views/KumoPicS.h"
#include "views/KumoTes.h"

namespace kumo::test {
namespace {

class FastHand : public EditTableTest {
 protected:
  void MouseAt(QEvent::Type type, int col, int row, Qt::MouseButtons held) {
    const QPoint pos = Grid().CellRect(col, row).center();
    QMouseEvent event(type, pos, Grid().viewport()->mapToGlobal(pos), Qt::LeftButton, held,
                      Qt::NoModifier);
    QApplication::sendEvent(Grid().viewport(), &event);
  }
  void Drop(const PaletteEntry& entry, int line, int period) {
    std::unique_ptr<QMimeData> data(EntryData(entry));
    const QPoint pos = Grid().CellRect(ColOfPeriod(period), RowOfLine(line)).center();
    // As the desktop sends them: the drop goes where the drag was let in.
    QDragEnterEvent enter(pos, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Grid().viewport(), &enter);
    QDropEvent drop(pos, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Grid().viewport(), &drop);
  }
  void Wheel(StringGrid& grid, QPoint delta, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    const QPointF pos(grid.viewport()->rect().center());
    QWheelEvent event(pos, grid.viewport()->mapToGlobal(pos), {}, delta, Qt::NoButton, modifiers,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(grid.viewport(), &event);
  }
  // Twenty lines, each a homeroom of its own grade-1 class.
  void ManyLines() {
    for (int n = 1; n <= 20; ++n) AddLine("T", 1, n);
    Refresh();
  }
};

TEST_F(FastHand, CtrlZStepsBackAndCtrlYOrCtrlShiftZForward) {
  FourTeachers();
  Put(1, 1, ClassPiece(1, 1));
  Refresh();
  MoveAt(1, 1);
  MoveAt(1, 2);
  ASSERT_EQ(Doc().HistoryPos, 3);
  Edit().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&Edit()));
  QTest::keyClick(&Grid(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Doc().HistoryPos, 2);
  EXPECT_EQ(Doc().Hand.Piece.Item, 1);
  QTest::keyClick(&Grid(), Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(Doc().HistoryPos, 3);
  QTest::keyClick(&Grid(), Qt::Key_Z, Qt::ControlModifier);
  QTest::keyClick(&Grid(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(Doc().HistoryPos, 3);
  EXPECT_EQ(Doc().Cell(1, 2).Item, 1);
}

TEST_F(FastHand, DeleteErasesTheCellAtOnceAndBackSpaceARangeAfterTheQuestion) {
  FourTeachers();
  Put(1, 1, ClassPiece(1, 1));
  Put(1, 2, ClassPiece(1, 2));
  Put(2, 2, SubjectPiece(3));
  Refresh();
  Cursor(1, 1);
  Key(Qt::Key_Delete);
  EXPECT_TRUE(Doc().Cell(1, 1).IsEmpty());
  EXPECT_TRUE(platform_.Boxes().empty());
  EXPECT_EQ(Text(ColOfPeriod(1), RowOfLine(1)), "");

  Grid().SetSelection({ColOfPeriod(1), RowOfLine(1), ColOfPeriod(2), RowOfLine(2)});
  platform_.Expect(Answer::Ok);
  Key(Qt::Key_Backspace);
  EXPECT_EQ(OnlyBox().Text, "選択範囲を消去します。よろしいか");
  EXPECT_TRUE(Doc().Cell(1, 2).IsEmpty());
  EXPECT_TRUE(Doc().Cell(2, 2).IsEmpty());
}

TEST_F(FastHand, ATypedClassGoesInAsThePaletteEntersItAndTheCursorGoesOn) {
  FourTeachers();
  Put(2, 3, ClassPiece(1, 2));
  Refresh();
  Cursor(1, 1);
  Key(Qt::Key_1, Qt::NoModifier, "1");
  EXPECT_TRUE(Edit().WhyLine().text().contains(QStringLiteral("１年")));
  EXPECT_TRUE(Doc().Cell(1, 1).IsEmpty());
  Key(Qt::Key_2, Qt::NoModifier, "2");
  EXPECT_EQ(Doc().Cell(1, 1), ClassPiece(1, 2));
  EXPECT_EQ(Doc().HistoryPos, 2);
  EXPECT_EQ(Doc().CurPeriod, 2);
  EXPECT_EQ(Grid().Col(), ColOfPeriod(2));
  EXPECT_FALSE(Edit().WhyLine().text().contains(QStringLiteral("１年")));

  // Escape drops the grade: "2" then begins a grade of its own.
  Key(Qt::Key_1, Qt::NoModifier, "1");
  Key(Qt::Key_Escape);
  Key(Qt::Key_2, Qt::NoModifier, "2");
  EXPECT_TRUE(Doc().Cell(1, 2).IsEmpty());
  Key(Qt::Key_Escape);

  // A clash beeps and takes the cursor to the other teacher, who stays there.
  Cursor(1, 3);
  platform_.Reset();
  Key(Qt::Key_1, Qt::NoModifier, "1");
  Key(Qt::Key_2, Qt::NoModifier, "２");  // full width, as the input method sends it
  EXPECT_EQ(Doc().Cell(1, 3), ClassPiece(1, 2));
  EXPECT_EQ(platform_.Beeps(), 1);
  EXPECT_EQ(Doc().CurLine, 2);
  EXPECT_EQ(Doc().CurPeriod, 3);
}

TEST_F(FastHand, TheKeypadAndASDFKeepTheirMeaningWhenOn) {
  FourTeachers();
  Refresh();
  app_->options.TenKeys = true;
  app_->options.ASDFKeys = true;
  app_->options.ViewClassType = 2;
  DeriveOptions(app_->options);
  Cursor(1, 1);
  Keypad('1');
  Keypad('4');  // the grade would be 1, the class 4: both are keypad commands instead
  EXPECT_TRUE(Doc().Cell(1, 1).IsEmpty());
  Key(Qt::Key_1, Qt::NoModifier, "1");
  Key(Qt::Key_A, Qt::NoModifier, "a");  // the head of the history, not class 1-A
  EXPECT_TRUE(Doc().Cell(1, 1).IsEmpty());
  Key(Qt::Key_B, Qt::NoModifier, "b");
  EXPECT_EQ(Doc().Cell(1, 1), ClassPiece(1, 2));
}

TEST_F(FastHand, TheSlashChooserNarrowsAndEntersAsThePaletteDoes) {
  FourTeachers();
  Refresh();
  Cursor(1, 4);
  Key(Qt::Key_Slash, Qt::NoModifier, "/");
  SubjectChooser& chooser = Edit().Chooser();
  ASSERT_TRUE(chooser.isVisible());
  const int all = chooser.ChoiceCount();
  chooser.Narrow(FromDocText(Doc().SubjectNames1[3].View()));
  EXPECT_LT(chooser.ChoiceCount(), all);
  EXPECT_GE(chooser.ChoiceCount(), 1);
  chooser.Choose();
  EXPECT_FALSE(chooser.isVisible());
  EXPECT_EQ(Doc().Cell(1, 4), SubjectPiece(3));
  EXPECT_EQ(Doc().CurPeriod, 5);
}

// One lift as the piece leaves its cell, with the tints showing, and one put-down where it is
// dropped; a drop on another line stays on the piece's own.
TEST_F(FastHand, DraggingAPieceAlongItsLineIsOneLiftAndOnePutDown) {
  FourTeachers();
  Put(1, 1, ClassPiece(1, 1));
  Refresh();
  MouseAt(QEvent::MouseButtonPress, ColOfPeriod(1), RowOfLine(1), Qt::LeftButton);
  MouseAt(QEvent::MouseMove, ColOfPeriod(2), RowOfLine(1), Qt::LeftButton);
  EXPECT_EQ(Doc().Hand.Piece, ClassPiece(1, 1));
  EXPECT_EQ(Edit().Places().Line, 1);
  EXPECT_EQ(Grid().Selection(),
            (GridRect{ColOfPeriod(2), RowOfLine(1), ColOfPeriod(2), RowOfLine(1)}));
  MouseAt(QEvent::MouseMove, ColOfPeriod(4), RowOfLine(3), Qt::LeftButton);
  MouseAt(QEvent::MouseButtonRelease, ColOfPeriod(4), RowOfLine(3), Qt::NoButton);
  EXPECT_TRUE(Doc().Hand.Piece.IsEmpty());
  EXPECT_EQ(Doc().Cell(1, 4), ClassPiece(1, 1));
  EXPECT_TRUE(Doc().Cell(3, 4).IsEmpty());
  EXPECT_EQ(Doc().HistoryPos, 3);

  // With the option off a drag selects a range, as ever.
  app_->options.DragPieces = false;
  MouseAt(QEvent::MouseButtonPress, ColOfPeriod(4), RowOfLine(1), Qt::LeftButton);
  MouseAt(QEvent::MouseMove, ColOfPeriod(6), RowOfLine(2), Qt::LeftButton);
  MouseAt(QEvent::MouseButtonRelease, ColOfPeriod(6), RowOfLine(2), Qt::NoButton);
  EXPECT_EQ(Grid().Selection(),
            (GridRect{ColOfPeriod(4), RowOfLine(1), ColOfPeriod(6), RowOfLine(2)}));
  EXPECT_EQ(Doc().HistoryPos, 3);
}

TEST_F(FastHand, APaletteEntryDroppedOnACellGoesInThere) {
  FourTeachers();
  Refresh();
  std::unique_ptr<QMimeData> fromClasses(app_->frmPickCharge->Grid().DragData(2, 0));
  ASSERT_TRUE(fromClasses);
  EXPECT_EQ(EntryOf(*fromClasses), (PaletteEntry{PaletteEntry::From::ClassPalette, 1, 2}));
  std::unique_ptr<QMimeData> fromSubjects(app_->frmPickS->Grid().DragData(3, 0));
  EXPECT_EQ(EntryOf(*fromSubjects), (PaletteEntry{PaletteEntry::From::SubjectPalette, 0, 3}));

  Drop(*EntryOf(*fromClasses), 2, 5);
  EXPECT_EQ(Doc().Cell(2, 5), ClassPiece(1, 2));
  Drop(*EntryOf(*fromSubjects), 3, 7);
  EXPECT_EQ(Doc().Cell(3, 7), SubjectPiece(3));
  EXPECT_EQ(Doc().HistoryPos, 3);
  QMimeData foreign;
  foreign.setText(QStringLiteral("1 2 3"));
  EXPECT_FALSE(EntryOf(foreign));
}

TEST_F(FastHand, TheWheelScrollsEveryGridAndLeavesTheCursor) {
  ManyLines();
  Edit().resize(300, 150);
  Edit().show();
  Cursor(1, 1);
  Wheel(Grid(), {0, -120});
  EXPECT_GT(Grid().TopRow(), HeaderRows);
  EXPECT_EQ(Doc().CurLine, 1);
  Wheel(Grid(), {0, 120});
  EXPECT_EQ(Grid().TopRow(), HeaderRows);
  Wheel(Grid(), {0, -120}, Qt::ShiftModifier);
  EXPECT_GT(Grid().LeftCol(), HeaderCols);
  // Also without scroll bars, and in the palettes.
  Edit().SetScrollBars(GridScrollBars::None);
  Wheel(Grid(), {0, -120});
  EXPECT_GT(Grid().TopRow(), HeaderRows);
  StringGrid& picks = app_->frmPickS->Grid();
  app_->frmPickS->show();
  Wheel(picks, {-120, 0});
  EXPECT_GT(picks.LeftCol(), 1);
}

TEST_F(FastHand, ARightClickSelectsItsCellButKeepsARangeAndACarriedPiecesLine) {
  FourTeachers();
  Put(1, 1, ClassPiece(1, 1));
  Refresh();
  auto rightPress = [&](int line, int period) {
    const QPoint pos = Grid().CellRect(ColOfPeriod(period), RowOfLine(line)).center();
    QMouseEvent press(QEvent::MouseButtonPress, pos, Grid().viewport()->mapToGlobal(pos),
                      Qt::RightButton, Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(Grid().viewport(), &press);
  };
  rightPress(3, 5);
  EXPECT_EQ(Doc().CurLine, 3);
  EXPECT_EQ(Doc().CurPeriod, 5);
  Grid().SetSelection({ColOfPeriod(1), RowOfLine(1), ColOfPeriod(3), RowOfLine(2)});
  rightPress(2, 2);
  EXPECT_FALSE(Grid().Selection().SingleCell());

  MoveAt(1, 1);
  rightPress(3, 6);
  emit Grid().customContextMenuRequested(Grid().CellRect(ColOfPeriod(6), RowOfLine(3)).center());
  Edit().LocalMenu().hide();
  EXPECT_EQ(Doc().CurLine, 1);
  EXPECT_EQ(Doc().CurPeriod, 6);
}

// The mark stays on both lines until the clash is resolved, in the edit table and the teachers
// overview; the option off draws none.
TEST_F(FastHand, ClassesTaughtTwiceAreMarkedWhereTheyAre) {
  FourTeachers();
  Put(2, 3, ClassPiece(1, 2));
  Refresh();
  app_->options.AutoLocate = false;
  Trigger("mnuViewTeachers");
  StringGrid& teachers = app_->frmTeachers->Grid();
  Cursor(1, 3);
  Key(Qt::Key_1, Qt::NoModifier, "1");
  Key(Qt::Key_2, Qt::NoModifier, "2");
  const QColor mark(213, 94, 0);
  auto marked = [&](StringGrid& grid, int row, int period) {
    return PixelAt(Render(grid), grid, ColOfPeriod(period), row, 0, 0) == mark;
  };
  const int row2 = RowOfLine(2);
  const int teachersRow2 =
      HeaderRows + static_cast<int>(std::find(app_->frmTeachers->ListedLines.begin(),
                                              app_->frmTeachers->ListedLines.end(), 2) -
                                    app_->frmTeachers->ListedLines.begin());
  EXPECT_TRUE(marked(Grid(), RowOfLine(1), 3));
  EXPECT_TRUE(marked(Grid(), row2, 3));
  EXPECT_FALSE(marked(Grid(), row2, 4));
  EXPECT_TRUE(marked(teachers, teachersRow2, 3));
  app_->options.MarkClashes = false;
  Doc().NotifyAllChanged();
  EXPECT_FALSE(marked(Grid(), row2, 3));
  EXPECT_FALSE(marked(teachers, teachersRow2, 3));
  app_->options.MarkClashes = true;
  Doc().NotifyAllChanged();
  Cursor(1, 3);
  Key(Qt::Key_Delete);
  EXPECT_FALSE(marked(Grid(), row2, 3));
  EXPECT_FALSE(marked(teachers, teachersRow2, 3));
}

TEST_F(FastHand, ClassesShowTheirGradeAndThePresetColoursAreTakenOnOk) {
  FourTeachers();
  Put(1, 1, ClassPiece(2, 1));
  Refresh();
  TdlgEnvironment& dialog = *app_->dlgEnvironment;
  platform_.ExpectDialog([&](QDialog&) {
    dialog.findChild<QCheckBox*>("cbxGradeLabels")->click();
    dialog.findChild<QPushButton*>("btnSafeColors")->click();
    return QDialog::Accepted;
  });
  Trigger("mnuToolEnv");
  EXPECT_TRUE(app_->options.GradeLabels);
  EXPECT_EQ(Text(ColOfPeriod(1), RowOfLine(1)), "2-1");
  EXPECT_GT(Grid().ColWidth(ColOfPeriod(1)), 16);
  EXPECT_EQ(Edit().ViewGrid().ColWidth(ColOfPeriod(1)), Grid().ColWidth(ColOfPeriod(1)));
  EXPECT_EQ(app_->options.PieceColors[1], Rgb(0, 114, 178));
  EXPECT_NE(app_->options.PieceColors[1], app_->options.PieceColors[2]);
}

}  // namespace
}  // namespace kumo::test
