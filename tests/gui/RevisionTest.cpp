// A revision in the running program: the chains page placing the class in hand, the changes
// page and the framed cells after a move and a save, File → 比較..., and the change notices
// printed and exported.
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <filesystem>

#include "base/Cp932.h"
#include "document/Changes.h"
#include "gui/EditTableFixture.h"
#include "platform/TextTable.h"
#include "views/KumoChk.h"

namespace kumo::test {
namespace {

class Revision : public EditTableTest {
 protected:
  TfrmChecks& Checks() {
    Trigger("mnuViewChecks");
    return *app_->frmChecks;
  }
  // The first row of a list that contains text, or -1.
  static int RowWith(TextTable& table, const char* text) {
    const std::vector<TextRow>& rows = table.Rows();
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
      if (rows[r].Cells.value(0).contains(QString::fromUtf8(text))) return r;
    }
    return -1;
  }
  // Opens a timetable written with T1 teaching 1-1 in 月１ and T2 1-2 in 月２.
  void OpenPlan() {
    app_.reset();
    Start(WritePlan("a.kmt"));
    platform_.Reset();
  }
  bool Framed(int line, int period) {
    const QImage image = Render(Grid());
    const QRect rect = Grid().CellRect(ColOfPeriod(period), RowOfLine(line));
    return image.pixelColor(rect.left() + rect.width() / 2, rect.top()) == QColor(136, 34, 170);
  }
  template <class T>
  static T* In(QWidget& window, const char* name) {
    auto* widget = window.findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
};

// T1 carries 1-1; its only free period, 月２, is T2's 1-1, which can step aside to 月５.
TEST_F(Revision, ADoubleClickedChainIsPerformedAndBackWalksItBack) {
  NewSchool();
  for (int p = 2; p <= PeriodCount; ++p) Put(1, p, {KindSymbol, 1, 0, 0});
  for (int p = 1; p <= PeriodCount; ++p) Put(2, p, {KindSymbol, 1, 0, 0});
  Put(1, 1, ClassPiece(1, 1));
  Put(1, 2, {});
  Put(2, 2, ClassPiece(1, 1));
  Put(2, 5, {});
  Refresh();
  TfrmChecks& checks = Checks();
  checks.ShowPage(TfrmChecks::ChainsPage);
  EXPECT_GE(RowWith(checks.ChainRows(), "手に授業の駒がありません"), 0);
  MoveAt(1, 1);
  Doc().SetCursor(1, 2);
  EXPECT_GE(RowWith(checks.ChainRows(), "カーソルの時限（月２）"), 0);
  const int row = RowWith(checks.ChainRows(), "［2手］");
  ASSERT_GE(row, 0);
  const std::uint16_t start = Doc().HistoryPos();

  checks.lvwChainsDblClick(row);
  EXPECT_TRUE(Doc().Hand().Piece.IsEmpty());
  EXPECT_EQ(Doc().Cell(1, 2), ClassPiece(1, 1));
  EXPECT_EQ(Doc().Cell(2, 5), ClassPiece(1, 1));
  EXPECT_EQ(platform_.Beeps(), 0);
  while (Doc().HistoryPos() > start) Trigger("mnuEditBack");
  EXPECT_EQ(Doc().Cell(2, 2), ClassPiece(1, 1));
  EXPECT_TRUE(Doc().Cell(1, 2).IsEmpty());
  EXPECT_TRUE(Doc().Hand().Piece.SamePiece(ClassPiece(1, 1)));
}

TEST_F(Revision, TheChangesAreListedAndFramedUntilTheSave) {
  OpenPlan();
  TfrmChecks& checks = Checks();
  checks.ShowPage(TfrmChecks::ChangesPage);
  EXPECT_GE(RowWith(checks.ChangeRows(), "変更はありません"), 0);
  MoveAt(1, 1);
  MoveAt(1, 7);
  EXPECT_TRUE(Framed(1, 1));
  EXPECT_TRUE(Framed(1, 7));
  EXPECT_FALSE(Framed(2, 2));
  const int row = RowWith(checks.ChangeRows(), "火１：空き → １－１");
  ASSERT_GE(row, 0);
  EXPECT_GE(RowWith(checks.ChangeRows(), "【１－１】"), 0) << "the class's notice too";
  Doc().SetCursor(2, 20);
  checks.lvwChangesDblClick(row);
  EXPECT_EQ(Doc().CurLine(), 1);
  EXPECT_EQ(Doc().CurPeriod(), 7);

  app_->options.ShowChanges = false;
  app_->frmKumo->RefreshAllViews();
  EXPECT_FALSE(Framed(1, 7));
  app_->options.ShowChanges = true;
  app_->frmKumo->RefreshAllViews();
  Trigger("mnuFileSave");
  EXPECT_FALSE(Framed(1, 7));
  EXPECT_GE(RowWith(checks.ChangeRows(), "変更はありません"), 0);
}

// Last term's file had a third teacher, T3, with 1-3 in 月３.
TEST_F(Revision, FileCompareShowsTheChangesAgainstAnotherFile) {
  const std::string other = WritePlan("last.kmt", {3, 0});
  OpenPlan();
  platform_.ExpectOpen(other);
  Trigger("mnuFileCompare");
  TfrmChecks& checks = *app_->frmChecks;
  ASSERT_TRUE(checks.isVisible());
  EXPECT_TRUE(In<QLabel>(checks, "lblCompared")->text().contains("last.kmt"));
  EXPECT_GE(RowWith(checks.ChangeRows(), "【T3】"), 0);
  EXPECT_GE(RowWith(checks.ChangeRows(), "月３：１－３ → 空き"), 0);

  In<QPushButton>(checks, "btnCompareSaved")->click();
  EXPECT_GE(RowWith(checks.ChangeRows(), "変更はありません"), 0) << "as opened";
  EXPECT_FALSE(In<QPushButton>(checks, "btnCompareSaved")->isEnabled());
}

TEST_F(Revision, TheNoticesArePrintedAPageEachAndExported) {
  OpenPlan();
  MoveAt(1, 1);
  MoveAt(1, 7);
  TfrmChecks& checks = Checks();
  checks.ShowPage(TfrmChecks::ChangesPage);
  auto ok = [](QDialog& dialog) {
    In<QDialogButtonBox>(dialog, "")->button(QDialogButtonBox::Ok)->click();
    return dialog.result();
  };
  platform_.ExpectDialog(ok);
  In<QPushButton>(checks, "btnPrintNotices")->click();
  ASSERT_EQ(platform_.Printed().size(), 1u);
  EXPECT_EQ(platform_.Printed()[0].Request.Name, "変更のお知らせ");
  EXPECT_EQ(platform_.Printed()[0].Pages, static_cast<int>(FindNotices(Doc()).size()));
  EXPECT_EQ(static_cast<int>(platform_.Printed()[0].Find(QStringLiteral("変更前")).size()),
            platform_.Printed()[0].Pages);

  const std::string path = dir_.File("notices.txt");
  platform_.ExpectDialog([&](QDialog& dialog) {
    In<QLineEdit>(dialog, "edtFileName")->setText(QString::fromStdString(path));
    return ok(dialog);
  });
  In<QPushButton>(checks, "btnExportNotices")->click();
  EXPECT_NE(dir_.Read("notices.txt").find(Cp932Literal("火１\t空き\t１－１")), std::string::npos);

  // With nothing changed there is nothing to tell, and no empty file is written.
  platform_.Reset();
  while (Doc().StepBack()) {
  }
  ASSERT_TRUE(FindNotices(Doc()).empty());
  platform_.ExpectDialog([&](QDialog& dialog) {
    In<QLineEdit>(dialog, "edtFileName")->setText(QString::fromStdString(dir_.File("none.txt")));
    return ok(dialog);
  });
  platform_.Expect(Answer::Ok);
  In<QPushButton>(checks, "btnExportNotices")->click();
  ASSERT_EQ(platform_.Boxes().size(), 1u);
  EXPECT_FALSE(std::filesystem::exists(dir_.File("none.txt")));
}

}  // namespace
}  // namespace kumo::test
