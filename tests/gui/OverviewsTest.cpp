// The teachers and classes overviews: what they list, what a class has in each period, how
// they follow the moves, and the looks a fault could hide in.
#include <QDialog>
#include <QTabWidget>
#include <algorithm>
#include <map>

#include "EditTableFixture.h"
#include "views/KumoCls.h"
#include "views/KumoTes.h"

namespace kumo::test {
namespace {

class Overviews : public EditTableTest {
 protected:
  StringGrid& Teachers() { return app_->frmTeachers->Grid(); }
  StringGrid& Classes() { return app_->frmClasses->Grid(); }
  void Show() {
    Trigger("mnuViewTeachers");
    Trigger("mnuViewClasses");
  }
  static std::string At(StringGrid& grid, int col, int row) {
    return grid.Cells(col, row).toStdString();
  }
  static std::string Periods(StringGrid& grid, int row, int first, int last) {
    std::string texts;
    for (int p = first; p <= last; ++p) texts += At(grid, ColOfPeriod(p), row);
    return texts;
  }
  // The overview's rows are the edit table's rows of these lines, or one empty row.
  void ExpectTeacherRows(const std::vector<int>& lines) {
    EXPECT_EQ(app_->frmTeachers->ListedLines, lines);
    const int rows = std::max(static_cast<int>(lines.size()), 1);
    ASSERT_EQ(Teachers().RowCount(), rows + 2);
    for (int k = 0; k < rows; ++k) {
      for (int col = 0; col < WeekCols; ++col) {
        const std::string edit = lines.empty() ? "" : Text(col, RowOfLine(lines[k]));
        EXPECT_EQ(At(Teachers(), col, k + 2), edit) << col;
      }
    }
  }
};

TEST_F(Overviews, TeachersListTheChosenLinesAndFollowEveryLineAMoveChanges) {
  AddLine("A", 1, 0, 9);   // 技
  AddLine("B", 2, 0, 3);   // 数
  AddLine("C", 2, 0, 10);  // 家
  AddLine("D", 0, 0, 3);   // 数, no grade
  Put(2, 1, ClassPiece(2, 1));
  Put(4, 2, ClassPiece(2, 1));
  Refresh();
  Show();
  struct Case {
    int group, subject, grade;
    std::vector<int> lines;
  };
  const Case cases[] = {
      {0, 9, 0, {1, 3}},   // 技 lists 家 as well
      {0, 10, 0, {1, 3}},  // and 家 技
      {1, 0, 1, {2, 3}},   // ２年
      {1, 0, -1, {}},      // no grade chosen: a line of no grade is still not listed
      {0, 3, 0, {2, 4}},   // 数 alone
  };
  for (const Case& c : cases) {
    app_->options.TeachersGroup = c.group;
    app_->options.TeachersSubject = c.subject;
    app_->options.TeachersGrade = c.grade;
    app_->frmTeachers->RenewAll();
    ExpectTeacherRows(c.lines);
  }
  app_->options.AutoExchange = true;
  MoveAt(2, 1);
  MoveAt(2, 2);  // down where D teaches 2-1: the cursor goes to D and lifts its lesson
  ASSERT_EQ(Doc().CurLine(), 4);
  ExpectTeacherRows({2, 4});
}

TEST_F(Overviews, AClassRowShowsWhatTheClassHasEachPeriod) {
  AddLine("T1", 1, 1, 1);  // homeroom of 1-1, 国
  AddLine("T2", 1, 0, 3);  // 数
  AddLine("E", 0, 0, 5);   // 英
  Put(1, 1, ClassPiece(1, 1));
  Put(3, 2, ClassPiece(1, 1));
  Put(3, 3, {KindGrade1, 1, 19, 0});  // a lesson of its own subject, 総
  Put(2, 4, ClassPiece(1, 1));
  Put(3, 4, ClassPiece(1, 1));  // a clash: the upper line's lesson shows
  Put(3, 5, ClassPiece(1, 1));
  Put(1, 7, SubjectPiece(14));
  app_->options.ClassesGrade = {true, false, false};
  Refresh();
  Show();
  Cursor(2, 5);
  ASSERT_TRUE(Doc().EnterClass(1, 1, false));  // the upper line takes 1-1 after the lower one
  MoveAt(1, 7);
  MoveAt(1, 8);  // 道徳 moved in the homeroom teacher's own line

  EXPECT_EQ(Periods(Classes(), 2, 1, 8), "国英総数数　　道");
  EXPECT_EQ(At(Classes(), 1, 2), "T1");
  EXPECT_EQ(At(Classes(), 3, 2), " 5");  // 道徳 is no lesson
}

TEST_F(Overviews, BothClassesOfAnExchangeRenew) {
  FourTeachers();  // all of subject 国
  Put(1, 1, ClassPiece(1, 1));
  Put(1, 2, ClassPiece(1, 2));
  app_->options.ClassesGrade = {true, false, false};
  Refresh();
  Show();
  struct Step {
    int period;
    const char* shown[2];  // periods 1 and 2 of 1-1 and of 1-2
  };
  const Step steps[] = {
      {1, {"　　", "　国"}},  // 1-1 lifted
      {2, {"　国", "　　"}},  // exchanged: 1-1 down, 1-2 into the hand
      {1, {"　国", "国　"}},  // 1-2 down
  };
  for (const Step& step : steps) {
    MoveAt(1, step.period);
    EXPECT_EQ(Periods(Classes(), 2, 1, 2), step.shown[0]);
    EXPECT_EQ(Periods(Classes(), 3, 1, 2), step.shown[1]);
  }
}

TEST_F(Overviews, EveryClassOfTheTickedGradesIsListedOnceShown) {
  for (int grade = 1; grade <= 3; ++grade) {
    for (int c = 1; c <= 7; ++c) {
      AddLine((std::to_string(grade) + "-" + std::to_string(c)).c_str(), grade, c);
    }
  }
  app_->options.ClassesGrade = {true, true, true};
  Refresh();  // nothing renews while the overview is hidden
  app_->frmClasses->show();
  ASSERT_EQ(Classes().RowCount(), 21 + 2);
  EXPECT_EQ(At(Classes(), 1, 22), "3-7");
  app_->options.ClassesGrade = {};
  app_->frmClasses->RenewAll();
  ASSERT_EQ(Classes().RowCount(), 3);
  EXPECT_EQ(At(Classes(), 1, 2), "");
}

TEST_F(Overviews, LockedGreyItalicAndBoldAsEachOverviewDraws) {
  AddLine("T1", 1, 1, 3);
  Put(1, 7, ClassPiece(1, 1, Locked));
  Put(1, 2, {KindSymbol, 3, 0, Counted});
  Put(1, 4, ClassPiece(1, 1, Counted));
  Options& options = app_->options;
  options.OnStackView = options.CountedView = true;
  options.TeachersSubject = 3;
  options.ClassesGrade = {true, false, false};
  Refresh();
  Show();
  // The counted symbol and the counted lesson move on, onto the applied history.
  for (int period : {2, 3, 4, 5}) MoveAt(1, period);
  // The font each cell of row 2 was written in, by grid and column.
  std::map<std::pair<StringGrid*, int>, QFont> fonts;
  for (StringGrid* grid : {&Teachers(), &Classes()}) {
    grid->OnDrawCell = [&fonts, grid, draw = grid->OnDrawCell](Canvas& canvas, int col, int row,
                                                               const QRect& rect, CellState state) {
      draw(canvas, col, row, rect, state);
      if (row == 2) fonts[{grid, col}] = canvas.Font();
    };
  }
  struct Case {
    StringGrid* grid;
    int period;
    bool grey, italic, bold;
  };
  const Case cases[] = {
      {&Teachers(), 7, true, false, false},
      {&Teachers(), 3, false, true, true},
      {&Classes(), 7, true, false, false},
      {&Classes(), 5, false, true, false},  // the classes overview never draws bold
  };
  for (const Case& c : cases) {
    const QImage image = Render(*c.grid);
    const int col = ColOfPeriod(c.period);
    const QFont& font = fonts[{c.grid, col}];
    EXPECT_EQ(PixelAt(image, *c.grid, col, 2, 1, 1),
              c.grey ? QColor(221, 221, 221) : QColor(Qt::white))
        << c.period;
    EXPECT_EQ(font.italic(), c.italic) << c.period;
    EXPECT_EQ(font.bold(), c.bold) << c.period;
  }
}

// Each overview's 表示設定 opens the environment dialog on its display page.
TEST_F(Overviews, DisplaySettingsOpenTheEnvironmentOnItsDisplayPage) {
  NewSchool();
  const std::pair<QWidget*, const char*> items[] = {{app_->frmTeachers.get(), "pmnViewSet"},
                                                    {app_->frmClasses.get(), "pmnSetView"}};
  for (const auto& [window, name] : items) {
    SCOPED_TRACE(name);
    int page = -1;
    platform_.ExpectDialog([&](QDialog& dialog) {
      auto* tabs = dialog.findChild<QTabWidget*>(QStringLiteral("tnbEnv"));
      page = tabs->currentIndex();
      tabs->setCurrentIndex(0);  // so that the next item must turn the page again
      return int{QDialog::Rejected};
    });
    window->findChild<QAction*>(QString::fromUtf8(name))->trigger();
    EXPECT_EQ(page, 1);
  }
}

}  // namespace
}  // namespace kumo::test
