// The aids in the running program: the tints of the hand's line, the checks window leading the
// cursor to a fault, and the line under the edit table that says why it beeped.
#include <QLabel>

#include "gui/EditTableFixture.h"
#include "platform/TextTable.h"
#include "views/KumoChk.h"

namespace kumo::test {
namespace {

using Aids = EditTableTest;

// T1 carries 1-1 from period 1: period 2 is free, T2 has 1-1 in period 3 (a lesson of another
// subject), the 1-3 of period 4 would clash with T3's in period 1, and period 5 is locked.
TEST_F(Aids, TheHandsLineIsTintedAndMarkedOnlyWhileTheOptionIsOn) {
  FourTeachers();
  Put(1, 1, ClassPiece(1, 1));
  Put(2, 3, {KindGrade1, 1, 5, 0});
  Put(1, 4, ClassPiece(1, 3));
  Put(3, 1, ClassPiece(1, 3));
  Put(1, 5, ClassPiece(1, 2, Locked));
  Refresh();
  MoveAt(1, 1);
  Cursor(1, 6);
  const QColor white(Qt::white);
  const QColor grey(221, 221, 221);
  auto fill = [&](const QImage& image, int line, int period) {
    return PixelAt(image, Grid(), ColOfPeriod(period), RowOfLine(line), 1, 1);
  };
  auto corner = [&](const QImage& image, int period) {
    const QRect rect = Grid().CellRect(ColOfPeriod(period), RowOfLine(1));
    return image.pixelColor(rect.right() - 1, rect.top());
  };
  auto bottom = [&](const QImage& image, int period) {
    const QRect rect = Grid().CellRect(ColOfPeriod(period), RowOfLine(1));
    return image.pixelColor(rect.left() + 8, rect.bottom() - 1);
  };

  const QImage on = Render(Grid());
  const QColor good = fill(on, 1, 2);
  const QColor clash = fill(on, 1, 3);
  const QColor careful = fill(on, 1, 4);
  for (const QColor& tint : {good, clash, careful}) {
    EXPECT_NE(tint, white);
    EXPECT_NE(tint, grey);
  }
  EXPECT_NE(good, clash);
  EXPECT_NE(good, careful);
  EXPECT_NE(clash, careful);
  EXPECT_EQ(fill(on, 1, 5), grey);
  EXPECT_EQ(fill(on, 2, 2), white) << "only the hand's line";
  // Without colour: a corner mark where the displaced piece would clash, a bar for a clash.
  EXPECT_EQ(corner(on, 2), good);
  EXPECT_NE(corner(on, 4), careful);
  EXPECT_EQ(bottom(on, 2), good);
  EXPECT_NE(bottom(on, 3), clash);

  app_->options.ShowPlaces = false;
  app_->frmKumo->RefreshAllViews();
  const QImage off = Render(Grid());
  for (int p : {2, 3, 4}) {
    EXPECT_EQ(fill(off, 1, p), white) << p;
    EXPECT_EQ(corner(off, p), white) << p;
    EXPECT_EQ(bottom(off, p), white) << p;
  }
  EXPECT_EQ(fill(off, 1, 5), grey);

  // Put down, nothing is tinted any more.
  app_->options.ShowPlaces = true;
  app_->frmKumo->RefreshAllViews();
  MoveAt(1, 2);
  EXPECT_EQ(fill(Render(Grid()), 1, 3), white);
}

TEST_F(Aids, AChecksRowLeadsTheCursorToTheFaultAndTheListSaysWhenAllIsFixed) {
  NewSchool();
  Put(1, 3, ClassPiece(1, 2));
  Put(2, 3, ClassPiece(1, 2));
  Refresh();
  Trigger("mnuViewChecks");
  TfrmChecks& checks = *app_->frmChecks;
  ASSERT_TRUE(checks.isVisible());
  const std::vector<TextRow>& rows = checks.CheckRows().Rows();
  const auto firstItem =
      std::find_if(rows.begin(), rows.end(), [](const TextRow& row) { return !row.Heading; });
  ASSERT_NE(firstItem, rows.end());
  Cursor(4, 20);

  checks.lvwChecksDblClick(static_cast<int>(firstItem - rows.begin()));
  EXPECT_EQ(Doc().CurLine(), 1);
  EXPECT_EQ(Doc().CurPeriod(), 3);
  EXPECT_EQ(Grid().Row(), RowOfLine(1));
  EXPECT_EQ(Grid().Col(), ColOfPeriod(3));

  // The clash taken away, to another day; the empty class periods are not faults to fix.
  MoveAt(1, 3);
  MoveAt(1, 9);
  EXPECT_EQ(checks.Summary(), QStringLiteral("時間割に直すところはありません。"));
}

TEST_F(Aids, TheLineUnderTheTableSaysWhyItBeeped) {
  NewSchool();
  Put(1, 1, ClassPiece(1, 2));
  Put(2, 2, ClassPiece(1, 2));
  Refresh();
  app_->options.AutoLocate = false;
  MoveAt(1, 1);
  MoveAt(1, 2);
  EXPECT_EQ(platform_.Beeps(), 1);
  const QString said = Edit().WhyLine().text();
  for (const char* part : {"１－２", "T1", "T2"}) {
    EXPECT_TRUE(said.contains(QString::fromUtf8(part))) << part << " in " << said.toStdString();
  }

  // The next move makes it old news.
  MoveAt(2, 2);
  EXPECT_FALSE(Edit().WhyLine().text().contains(QStringLiteral("T1")));
}

}  // namespace
}  // namespace kumo::test
