// The faster hand in the running program: one wiring test per key and gesture.
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
  void SetUp() override {
    EditTableTest::SetUp();
    FourTeachers();
    Put(1, 1, ClassPiece(1, 1));
    Refresh();
  }
  void Send(QEvent::Type type, int line, int period, Qt::MouseButton button = Qt::LeftButton) {
    const QPoint pos = Grid().CellRect(ColOfPeriod(period), RowOfLine(line)).center();
    QMouseEvent event(type, pos, Grid().viewport()->mapToGlobal(pos), button,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : button, Qt::NoModifier);
    QApplication::sendEvent(Grid().viewport(), &event);
  }
  // As the desktop sends them: the drop goes where the drag was let in.
  void Drop(QMimeData* given, int line, int period) {
    std::unique_ptr<QMimeData> data(given);
    const QPoint pos = Grid().CellRect(ColOfPeriod(period), RowOfLine(line)).center();
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
  void Type(const char* text) {
    for (const char* c = text; *c != 0; ++c) Key(Qt::Key_A, Qt::NoModifier, QString(QChar(*c)));
  }
};

TEST_F(FastHand, CtrlZStepsBackAndCtrlYOrCtrlShiftZForward) {
  MoveAt(1, 1);
  Edit().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&Edit()));
  QTest::keyClick(&Grid(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Doc().HistoryPos(), 1);
  QTest::keyClick(&Grid(), Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(Doc().HistoryPos(), 2);
  QTest::keyClick(&Grid(), Qt::Key_Z, Qt::ControlModifier);
  QTest::keyClick(&Grid(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(Doc().Hand().Piece, ClassPiece(1, 1));
}

TEST_F(FastHand, DeleteErasesTheCellAtOnceAndBackSpaceARangeAfterTheQuestion) {
  Put(2, 2, SubjectPiece(3));
  Cursor(1, 1);
  Key(Qt::Key_Delete);
  EXPECT_TRUE(Doc().Cell(1, 1).IsEmpty());
  EXPECT_TRUE(platform_.Boxes().empty());
  Grid().SetSelection({ColOfPeriod(1), RowOfLine(1), ColOfPeriod(2), RowOfLine(2)});
  platform_.Expect(Answer::Ok);
  Key(Qt::Key_Backspace);
  EXPECT_EQ(OnlyBox().Text, "選択範囲を消去します。よろしいか");
  EXPECT_TRUE(Doc().Cell(2, 2).IsEmpty());
}

// Entered as the palette enters it, clash rule included; the keypad and ASDF keep their meaning.
TEST_F(FastHand, ATypedClassGoesInAndTheCursorGoesOnUnlessAClashLeadsAway) {
  Put(2, 4, ClassPiece(1, 2));
  Refresh();
  Cursor(1, 2);
  Type("1");
  EXPECT_TRUE(Edit().WhyLine().text().contains(QStringLiteral("１年")));
  Key(Qt::Key_Escape);
  Type("32");  // the grade was dropped: 3 begins anew, and grade 3 has no class 2
  EXPECT_TRUE(Doc().Cell(1, 2).IsEmpty());
  Key(Qt::Key_2, Qt::NoModifier, QStringLiteral("１"));  // full width, from the input method
  Type("2");
  EXPECT_EQ(Doc().Cell(1, 2), ClassPiece(1, 2));
  EXPECT_EQ(Doc().CurPeriod(), 3);
  app_->options.TenKeys = app_->options.ASDFKeys = true;
  Keypad('1');  // back: the entry goes
  EXPECT_TRUE(Doc().Cell(1, 2).IsEmpty());
  Type("1s2");  // s is the history's, and the grade stays typed
  EXPECT_EQ(Doc().Cell(1, 2), ClassPiece(1, 2));
  Cursor(1, 4);
  Type("12");
  EXPECT_EQ(Doc().CurLine(), 2);  // the clash took the cursor to the other teacher
  EXPECT_EQ(Doc().CurPeriod(), 4);
}

TEST_F(FastHand, TheSlashChooserNarrowsAndEntersAsThePaletteDoes) {
  Cursor(1, 4);
  Type("/");
  SubjectChooser& chooser = Edit().Chooser();
  ASSERT_TRUE(chooser.isVisible());
  const int all = chooser.ChoiceCount();
  chooser.Narrow(FromDocText(Doc().SubjectNames1()[3].View()));
  EXPECT_LT(chooser.ChoiceCount(), all);
  chooser.Choose();
  EXPECT_FALSE(chooser.isVisible());
  EXPECT_EQ(Doc().Cell(1, 4), SubjectPiece(3));
  EXPECT_EQ(Doc().CurPeriod(), 5);
}

// One lift as the piece leaves its cell, with the tints showing, one put-down on its own line.
TEST_F(FastHand, DraggingAPieceIsOneLiftAndOnePutDownOrARangeWithTheOptionOff) {
  Send(QEvent::MouseButtonPress, 1, 1);
  Send(QEvent::MouseMove, 1, 2);
  EXPECT_EQ(Edit().Places().Line, 1);
  Send(QEvent::MouseMove, 3, 4);
  Send(QEvent::MouseButtonRelease, 3, 4);
  EXPECT_EQ(Doc().Cell(1, 4), ClassPiece(1, 1));
  EXPECT_EQ(Doc().HistoryPos(), 3);
  app_->options.DragPieces = false;
  Send(QEvent::MouseButtonPress, 1, 4);
  Send(QEvent::MouseMove, 2, 6);
  Send(QEvent::MouseButtonRelease, 2, 6);
  EXPECT_EQ(Grid().Selection(),
            (GridRect{ColOfPeriod(4), RowOfLine(1), ColOfPeriod(6), RowOfLine(2)}));
}

TEST_F(FastHand, APaletteEntryDroppedOnACellGoesInThere) {
  Drop(app_->frmPickCharge->Grid().DragData(2, 0), 2, 5);
  EXPECT_EQ(Doc().Cell(2, 5), ClassPiece(1, 2));
  Drop(app_->frmPickS->Grid().DragData(3, 0), 3, 7);
  EXPECT_EQ(Doc().Cell(3, 7), SubjectPiece(3));
  auto* foreign = new QMimeData;
  foreign->setText(QStringLiteral("1 2 3"));
  Drop(foreign, 3, 8);
  EXPECT_TRUE(Doc().Cell(3, 8).IsEmpty());
}

TEST_F(FastHand, TheWheelScrollsWithoutScrollBarsAndLeavesTheCursor) {
  Edit().resize(200, 90);
  Edit().show();
  Edit().SetScrollBars(GridScrollBars::None);
  Wheel(Grid(), {0, -120});
  EXPECT_GT(Grid().TopRow(), HeaderRows);
  Wheel(Grid(), {0, -120}, Qt::ShiftModifier);
  EXPECT_GT(Grid().LeftCol(), HeaderCols);
  EXPECT_EQ(Doc().CurPeriod(), 1);
  app_->frmPickS->show();
  Wheel(app_->frmPickS->Grid(), {-120, 0});
  EXPECT_GT(app_->frmPickS->Grid().LeftCol(), 1);
}

TEST_F(FastHand, ARightClickSelectsItsCellButKeepsARangeAndACarriedPiecesLine) {
  Send(QEvent::MouseButtonPress, 3, 5, Qt::RightButton);
  EXPECT_EQ(Doc().CurLine(), 3);
  Grid().SetSelection({ColOfPeriod(1), RowOfLine(1), ColOfPeriod(3), RowOfLine(2)});
  Send(QEvent::MouseButtonPress, 2, 2, Qt::RightButton);
  EXPECT_FALSE(Grid().Selection().SingleCell());
  MoveAt(1, 1);
  Send(QEvent::MouseButtonPress, 3, 6, Qt::RightButton);
  emit Grid().customContextMenuRequested(Grid().CellRect(ColOfPeriod(6), RowOfLine(3)).center());
  Edit().LocalMenu().hide();
  EXPECT_EQ(Doc().CurLine(), 1);
  EXPECT_EQ(Doc().CurPeriod(), 6);
}

TEST_F(FastHand, ClassesTaughtTwiceAreMarkedInTheTableAndTheOverviewUntilResolved) {
  app_->options.TeachersGroup = 1;  // grade 1: lines 1..3
  Trigger("mnuViewTeachers");
  StringGrid& teachers = app_->frmTeachers->Grid();
  auto marked = [&](StringGrid& grid, int line) {
    return PixelAt(Render(grid), grid, ColOfPeriod(1), RowOfLine(line), 0, 0) == QColor(213, 94, 0);
  };
  app_->options.AutoLocate = false;
  Cursor(2, 1);
  Type("11");
  EXPECT_TRUE(marked(Grid(), 1) && marked(Grid(), 2) && marked(teachers, 1));
  EXPECT_FALSE(marked(Grid(), 3));
  app_->options.MarkClashes = false;
  Doc().NotifyAllChanged();
  EXPECT_FALSE(marked(Grid(), 1) || marked(teachers, 1));
  app_->options.MarkClashes = true;
  Doc().NotifyAllChanged();
  Cursor(2, 1);
  Key(Qt::Key_Delete);
  EXPECT_FALSE(marked(Grid(), 1) || marked(teachers, 1));
}

TEST_F(FastHand, ClassesShowTheirGradeAndThePresetColoursAreTakenOnOk) {
  TdlgEnvironment& dialog = *app_->dlgEnvironment;
  platform_.ExpectDialog([&](QDialog&) {
    dialog.findChild<QCheckBox*>("cbxGradeLabels")->click();
    dialog.findChild<QPushButton*>("btnSafeColors")->click();
    return QDialog::Accepted;
  });
  Trigger("mnuToolEnv");
  EXPECT_EQ(Text(ColOfPeriod(1), RowOfLine(1)), "1-1");
  EXPECT_GT(Grid().ColWidth(ColOfPeriod(1)), 16);
  EXPECT_EQ(Edit().ViewGrid().ColWidth(ColOfPeriod(1)), Grid().ColWidth(ColOfPeriod(1)));
  EXPECT_EQ(app_->options.PieceColors[1], Rgb(0, 114, 178));
}

}  // namespace
}  // namespace kumo::test
