// The history and holding windows follow the recorded steps, the walks and the clears.
#include <cstdlib>
#include <vector>

#include <QLabel>

#include "EditTableFixture.h"
#include "views/KumoHlSt.h"
#include "views/KumoStck.h"

namespace kumo::test {
namespace {

using Rows = std::vector<std::vector<std::string>>;

class HistoryWindows : public EditTableTest {
 protected:
  StringGrid& Stack() { return app_->frmStack->Grid(); }
  StringGrid& Holding() { return app_->frmHoldingStack->Grid(); }

  // The rows after the header.
  static Rows Texts(StringGrid& grid) {
    Rows rows;
    for (int r = 1; r < grid.RowCount(); ++r) {
      rows.emplace_back();
      for (int c = 0; c < grid.ColCount(); ++c)
        rows.back().push_back(grid.Cells(c, r).toStdString());
    }
    return rows;
  }
  // Some pixel of the cell is near the colour: its text is drawn in it. Antialiasing mixes the
  // text with the background, but the view colours lie far apart.
  bool Shows(StringGrid& grid, int col, int row, ColorRef color) {
    const QImage image = Render(grid);
    const QColor want = ToQColor(color);
    const QRect rect = grid.CellRect(col, row);
    for (int x = rect.left(); x <= rect.right(); ++x) {
      for (int y = rect.top(); y <= rect.bottom(); ++y) {
        const QColor c = image.pixelColor(x, y);
        const int distance = std::abs(c.red() - want.red()) + std::abs(c.green() - want.green()) +
                             std::abs(c.blue() - want.blue());
        if (distance < 60) return true;
      }
    }
    return false;
  }
  ColorRef ViewColor(int index) const { return app_->options.PieceColors[index]; }

  // T1 carries class 1-1 from 月２ to 月３, then T2's subject 3 is lifted at 火５.
  Rows ThreeSteps() {
    FourTeachers();
    Put(1, 2, ClassPiece(1, 1));
    Put(2, 11, SubjectPiece(3));
    Refresh();
    app_->frmStack->show();
    MoveAt(1, 2);
    MoveAt(1, 3);
    MoveAt(2, 11);
    const std::string c = Label(ClassPiece(1, 1));
    return {{"   1", "T1", "月２", c, ""},
            {"   2", "T1", "月３", "", c},
            {"   3", "T2", "火５", Label(SubjectPiece(3)), ""},
            {"", "", "", "", ""}};
  }
};

TEST_F(HistoryWindows, RecordedStepsAndBackStepsMoveTheMarkedRow) {
  const Rows steps = ThreeSteps();
  EXPECT_EQ(Texts(Stack()), steps);
  EXPECT_EQ(Stack().Row(), 4);

  Trigger("mnuEditBack");
  Trigger("mnuEditBack");
  EXPECT_EQ(Texts(Stack()), steps);
  EXPECT_EQ(Stack().Row(), 2);
  const ColorRef red = Rgb(255, 0, 0);
  EXPECT_TRUE(Shows(Stack(), 0, 2, red));
  EXPECT_FALSE(Shows(Stack(), 0, 3, red));
  EXPECT_TRUE(Shows(Stack(), 1, 3, ViewColor(1)));  // T2 teaches grade 1
  EXPECT_TRUE(Shows(Stack(), 3, 3, ViewColor(KindSubject)));
  EXPECT_TRUE(Shows(Stack(), 4, 2, ViewColor(1)));

  // A step recorded now drops the undone one after it.
  MoveAt(1, 4);
  EXPECT_EQ(Texts(Stack()),
            (Rows{steps[0], {"   2", "T1", "月４", "", Label(ClassPiece(1, 1))}, steps[3]}));
  EXPECT_EQ(Stack().Row(), 3);
}

TEST_F(HistoryWindows, BatchesOfStepsAndWalksToEitherEndLeaveEveryRowRight) {
  Rows rows = ThreeSteps();
  MoveAt(2, 12);
  // One erase records a step for each piece.
  platform_.Expect(Answer::Ok);
  ASSERT_TRUE(Doc().EraseRange({1, 2, 1, 12}));
  const std::string c = Label(ClassPiece(1, 1));
  const std::string s = Label(SubjectPiece(3));
  rows.pop_back();
  rows.push_back({"   4", "T2", "火６", "", s});
  rows.push_back({"   5", "T1", "月３", c, ""});
  rows.push_back({"   6", "T2", "火６", s, ""});
  rows.push_back({"", "", "", "", ""});
  EXPECT_EQ(Texts(Stack()), rows);
  EXPECT_EQ(Stack().Row(), 7);

  Trigger("mnuEditHome");
  EXPECT_EQ(Texts(Stack()), rows);
  EXPECT_EQ(Stack().Row(), 1);
  Trigger("mnuEditEnd");
  EXPECT_EQ(Texts(Stack()), rows);
  EXPECT_EQ(Stack().Row(), 7);

  // The rows name the teachers as the line headers do now.
  TeacherLine t2 = Doc().Line(2);
  t2.Name.Assign("New");
  Doc().SetCursor(2, 1);
  ASSERT_TRUE(Doc().SetCurrentLine(t2));
  for (int r : {2, 3, 5}) rows[r][1] = "New";
  EXPECT_EQ(Texts(Stack()), rows);
}

// Held pieces, top first, and the rows the holding window shows for them.
struct HoldingCase {
  const char* name;
  std::vector<HeldPiece> held;
  Rows rows;
};

TEST_F(HistoryWindows, HoldingRowsNameOnlyOriginsInTheTimetable) {
  FourTeachers();
  AddLine("T5", 3, 0);
  const std::string c3 = Label(ClassPiece(2, 3));
  const std::string c1 = Label(ClassPiece(1, 1));
  const HoldingCase cases[] = {
      {"nothing held", {}, {{"", "", "", ""}}},
      {"two, the top first",
       {{ClassPiece(1, 1), 1, 30}, {ClassPiece(2, 3), 5, 9}},
       {{"   1", c1, "T1", "金６"}, {"   2", c3, "T5", "火３"}, {"", "", "", ""}}},
      {"origins not known",
       {{ClassPiece(2, 3), 0, 0}, {ClassPiece(2, 3), 0, 0}},
       {{"   1", c3, "", ""}, {"   2", c3, "", ""}, {"", "", "", ""}}},
  };
  for (const HoldingCase& test : cases) {
    SCOPED_TRACE(test.name);
    test::Reopen(Doc(), dir_.File("built.kmt"), [&](TimetableImage& image) {
      image.Holding.assign(test.held.begin(), test.held.end());
      image.Holding.push_back({});
    });
    Refresh();
    EXPECT_EQ(Texts(Holding()), test.rows);
    EXPECT_EQ(Holding().Row(), Holding().RowCount() - 1);
  }

  // Taking the top into the hand leaves no row of it behind.
  test::Reopen(Doc(), dir_.File("built.kmt"), [](TimetableImage& image) {
    image.Holding = {{ClassPiece(1, 1), 1, 30}, {ClassPiece(2, 3), 5, 9}, {}};
  });
  Refresh();
  Doc().DropHand();
  EXPECT_EQ(Texts(Holding()), (Rows{{"   1", c3, "T5", "火３"}, {"", "", "", ""}}));
  EXPECT_TRUE(Shows(Holding(), 1, 1, ViewColor(2)));
  EXPECT_TRUE(Shows(Holding(), 2, 1, ViewColor(3)));
}

TEST_F(HistoryWindows, ClearsAskTheDocumentsQuestions) {
  ThreeSteps();
  MoveAt(2, 12);  // the subject put down: the hand is empty again
  Hold({ClassPiece(2, 3), 4, 9});
  Refresh();

  platform_.Expect(Answer::Ok);
  app_->frmHoldingStack->LocalMenu().findChild<QAction*>("pmnClear")->trigger();
  EXPECT_EQ(OnlyBox().Text, "保持クラスをクリアします。よろしいですか");
  EXPECT_EQ(Texts(Holding()), (Rows{{"", "", "", ""}}));

  platform_.Expect(Answer::Ok);
  app_->frmStack->LocalMenu().findChild<QAction*>("pmnClear")->trigger();
  EXPECT_EQ(OnlyBox().Text, "スタックを初期化します。よろしいですか？");
  EXPECT_EQ(Texts(Stack()), (Rows{{"", "", "", "", ""}}));
}

// At the limit a step forgets the oldest: the rows move up under their numbers, the new step
// takes the last row, and the line under the edit table says why the beep sounded.
TEST_F(HistoryWindows, AtTheLimitTheRowsMoveUpAndTheNewStepTakesTheLast) {
  FourTeachers();
  Put(1, 1, ClassPiece(1, 1));
  test::Reopen(Doc(), dir_.File("built.kmt"), [](TimetableImage& image) {
    image.History.clear();
    for (int k = 1; k < MaxHistory; ++k) {
      image.History.push_back(
          {static_cast<Byte>(1 + k % 4), static_cast<Byte>(1 + k % 30), {}, {}});
    }
    image.History.push_back({});
    image.Pos = MaxHistory;
  });
  Refresh();
  Rows rows = Texts(Stack());
  MoveAt(1, 1);
  for (std::size_t r = 0; r + 2 < rows.size(); ++r)
    rows[r] = {rows[r][0], rows[r + 1][1], rows[r + 1][2], rows[r + 1][3], rows[r + 1][4]};
  rows[MaxHistory - 2] = {"4999", "T1", "月１", Label(ClassPiece(1, 1)), ""};
  EXPECT_EQ(Texts(Stack()), rows);
  EXPECT_EQ(Stack().Row(), MaxHistory);
  EXPECT_EQ(platform_.Beeps(), 1);
  EXPECT_TRUE(Edit().WhyLine().text().contains(QStringLiteral("一番古いステップから消して")));
  MoveAt(1, 2);
  EXPECT_EQ(platform_.Beeps(), 1);
  EXPECT_FALSE(Edit().WhyLine().text().contains(QStringLiteral("一番古い")));
}

}  // namespace
}  // namespace kumo::test
