// The class input palette: its grid from the class counts, the grade colours, and the entry of
// a class into the cursor cell with its refusals, history step and clash handling.
#include <QAction>
#include <QImage>

#include "gui/AppFixture.h"
#include "platform/StringGrid.h"
#include "views/KumoChrg.h"

namespace kumo::test {
namespace {

class PickChargeTest : public AppTest {
 protected:
  // A school with the given class counts for grades 1..3: one homeroom line per class, in
  // order, and one line without a class at the end.
  void StartSchool(std::initializer_list<int> counts) {
    Start();
    Trigger("mnuFileNew");
    app_->frmLineHead->close();
    TKumData& doc = app_->doc;
    int grade = 0;
    for (int count : counts) {
      ++grade;
      for (int c = 1; c <= count; ++c) {
        TeacherLine line{};
        line.Grade = static_cast<Byte>(grade);
        line.Homeroom = static_cast<Byte>(c);
        doc.AddLine(line);
      }
    }
    doc.AddLine(TeacherLine{});
    app_->classes.BuildClassList();
    app_->frmKumo->RefreshAllViews();
    Palette().show();
  }
  TfrmPickCharge& Palette() { return *app_->frmPickCharge; }
  StringGrid& Grid() { return Palette().Grid(); }
  // Double-clicks class (grade, classNo) with the cursor at (line, period).
  void Enter(int grade, int classNo, int line, int period) {
    app_->doc.SetCursor(line, period);
    Grid().SetCurrent(classNo, grade - 1);
    Palette().sgrPickChargeDblClick();
  }
  std::string Text(int col, int row) { return Grid().Cells(col, row).toStdString(); }
};

TEST_F(PickChargeTest, GridHasAColumnPerClassOfTheLargestGrade) {
  StartSchool({5, 4, 6});
  ASSERT_EQ(Grid().ColCount(), 7);
  EXPECT_EQ(Grid().RowCount(), 3);
  EXPECT_EQ(Grid().ColWidth(0), 68);
  EXPECT_EQ(Text(0, 0), "１年クラス");
  EXPECT_EQ(Text(0, 2), "３年クラス");
  EXPECT_EQ(Text(5, 0), "５");
  EXPECT_EQ(Text(6, 0), "");
  EXPECT_EQ(Text(4, 1), "４");
  EXPECT_EQ(Text(5, 1), "");
  EXPECT_EQ(Text(6, 2), "６");
  EXPECT_EQ(Grid().toolTip(), "ダブルクリックで入力");

  // Fewer classes after a renewal leave no stale labels behind.
  test::EditLine(app_->doc, 5,
                 [&](TeacherLine& l) { l.Homeroom = 1; });  // grade 1 keeps four classes
  test::EditLine(app_->doc, 15, [&](TeacherLine& l) { l.Homeroom = 1; });  // grade 3 keeps five
  Palette().RenewView();
  EXPECT_EQ(Grid().ColCount(), 6);
  EXPECT_EQ(Text(5, 0), "");
  EXPECT_EQ(Text(5, 2), "５");
}

TEST_F(PickChargeTest, LabelsFollowTheClassDisplayType) {
  StartSchool({2, 0, 0});
  app_->options.LetterLabels = true;
  app_->doc.MakeClassLabels();
  Palette().RenewView();
  EXPECT_EQ(Text(1, 0), "Ａ");
  EXPECT_EQ(Text(2, 0), "Ｂ");
}

TEST_F(PickChargeTest, WithoutClassesTheGridHasOneEmptyColumnAndEveryEntryBeeps) {
  StartSchool({0, 0, 0});
  EXPECT_EQ(Grid().ColCount(), 2);
  for (int row = 0; row < 3; ++row) EXPECT_EQ(Text(1, row), "");
  Enter(1, 1, 1, 1);
  EXPECT_EQ(platform_.Beeps(), 1);
  EXPECT_TRUE(app_->doc.Cell(1, 1).IsEmpty());
  EXPECT_EQ(app_->doc.HistoryEnd(), 1);
}

// The class goes in with the user's clash option; the history and the class index follow.
TEST_F(PickChargeTest, ADoubleClickEntersTheClassAtTheTimetablesCursor) {
  StartSchool({2, 0, 0});
  EXPECT_EQ(Grid().Col(), 1) << "the cursor starts on grade 1's first class";
  EXPECT_EQ(Grid().Row(), 0);
  TKumData& doc = app_->doc;
  test::Put(doc, 2, 5, {KindGrade1, 2, 0, 0});
  app_->options.AutoLocate = false;
  Enter(1, 2, 1, 5);
  EXPECT_EQ(doc.Cell(1, 5).Item, 2);
  EXPECT_EQ(platform_.Beeps(), 1);
  EXPECT_EQ(doc.CurLine(), 1);
  EXPECT_TRUE(Action("mnuEditBack")->isEnabled());
  const int entry = app_->classes.FindClass(1, 2);
  ASSERT_NE(entry, 0);
  EXPECT_EQ(app_->classes.Entries[entry].PeriodLines[5], 1);
}

TEST_F(PickChargeTest, EveryTextOfARowIsDrawnInItsGradeColour) {
  StartSchool({1, 1, 1});
  app_->options.PieceColors[1] = Rgb(255, 0, 0);
  app_->options.PieceColors[2] = Rgb(0, 160, 0);
  app_->options.PieceColors[3] = Rgb(0, 0, 255);
  Grid().resize(200, 60);
  const QImage image = Grid().grab().toImage();
  // Whether some pixel of a cell is strongly in one channel only.
  auto tinted = [&](int col, int row, int channel) {
    const QRect rect = Grid().CellRect(col, row);
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
      for (int x = rect.left(); x <= rect.right(); ++x) {
        const QColor c = image.pixelColor(x * image.width() / Grid().width(),
                                          y * image.height() / Grid().height());
        const int values[] = {c.red(), c.green(), c.blue()};
        if (values[channel] > 120 && values[(channel + 1) % 3] < 90 &&
            values[(channel + 2) % 3] < 90) {
          return true;
        }
      }
    }
    return false;
  };
  for (int row = 0; row < 3; ++row) {
    EXPECT_TRUE(tinted(0, row, row)) << "caption of row " << row;
    EXPECT_FALSE(tinted(0, row, (row + 1) % 3)) << "caption of row " << row;
  }
  EXPECT_TRUE(tinted(1, 2, 2));
}

TEST_F(PickChargeTest, TheMenuEntersAndCloses) {
  StartSchool({1, 0, 0});
  auto* enter = Palette().findChild<QAction*>("mnuClass");
  auto* close = Palette().findChild<QAction*>("mnuClose");
  ASSERT_NE(enter, nullptr);
  ASSERT_NE(close, nullptr);
  EXPECT_EQ(enter->text(), "入力(&I)");
  app_->doc.SetCursor(1, 2);
  Grid().SetCurrent(1, 0);
  enter->trigger();
  EXPECT_EQ(app_->doc.Cell(1, 2).Kind, KindGrade1);
  close->trigger();
  EXPECT_FALSE(Palette().isVisible());
}

}  // namespace
}  // namespace kumo::test
