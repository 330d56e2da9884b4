// The lesson details dialog and the column exchange window, wired to the edit table's cursor
// and selection: what they show, and the steps they leave on the history.
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "EditTableFixture.h"
#include "base/Cp932.h"
#include "editing/KumoCexc.h"
#include "editing/KumoMic.h"

namespace kumo::test {
namespace {

class LessonTools : public EditTableTest {
 protected:
  void SetUp() override {
    EditTableTest::SetUp();
    NewSchool();
  }
  // Plays the user's part in the details dialog: reads what it shows, ticks boxes, answers.
  struct Shown {
    std::string period, teacher, klass, subject;
    bool countedEnabled = false;
  };
  void Details(Shown* shown, std::vector<std::pair<int, bool>> ticks, bool ok) {
    platform_.ExpectDialog([=](QDialog& dialog) {
      auto text = [&](const char* name) {
        return dialog.findChild<QLabel*>(name)->text().toStdString();
      };
      auto box = [&](int k) { return dialog.findChild<QCheckBox*>(QString("cbxState%1").arg(k)); };
      if (shown) {
        *shown = {text("lblPeriod"), text("lblTeacher"), text("lblClass"), text("lblSubject"),
                  box(6)->isEnabled()};
      }
      for (const auto& [k, on] : ticks) box(k)->setChecked(on);
      return ok ? QDialog::Accepted : QDialog::Rejected;
    });
  }
  QAction* DetailsItem() { return Edit().LocalMenu().findChild<QAction*>("pmnHomeRoomState"); }
  void Popup() {
    Edit().LocalMenuPopup();
    DetailsItem()->trigger();
  }
};

TEST_F(LessonTools, DetailsShowTheLessonAndChangeItsFlagsInTwoSteps) {
  app_->options.ViewClassType = 2;  // Ａ,Ｂ,Ｃ…
  app_->options.LetterLabels = true;
  Doc().MakeClassLabels();
  test::EditLine(Doc(), 2, [&](TeacherLine& l) { l.Name.Assign(Cp932Literal("山田")); });
  Put(2, 9, ClassPiece(1, 2, Locked));
  Put(2, 10, SubjectPiece(3));
  Cursor(2, 9);
  Shown shown;
  Details(&shown, {{1, false}}, true);
  Popup();
  EXPECT_EQ(shown.period, "火曜３限");
  EXPECT_EQ(shown.teacher, "山田先生");
  EXPECT_EQ(shown.klass, "１年Ｂ組");
  EXPECT_EQ(shown.subject, FromDocText(Doc().SubjectNames2()[1].View()).toStdString());
  EXPECT_FALSE(shown.countedEnabled) << "a lesson always counts";
  EXPECT_EQ(Doc().Cell(2, 9), ClassPiece(1, 2));
  EXPECT_EQ(Doc().HistoryPos(), 3) << "unlocked by a lift and a put-back";
  EXPECT_TRUE(platform_.Boxes().empty());

  // OK without a change, Cancel with one, and an empty cell: no step at all.
  Details(nullptr, {}, true);
  Popup();
  Details(nullptr, {{4, true}}, false);
  Popup();
  Cursor(2, 11);
  Details(&shown, {{4, true}}, true);
  Popup();
  EXPECT_EQ(Doc().HistoryPos(), 3);
  EXPECT_TRUE(Doc().Cell(2, 11).IsEmpty());
  EXPECT_TRUE(Doc().Hand().Piece.IsEmpty());

  Cursor(2, 10);
  Details(&shown, {{6, true}}, true);
  Popup();
  EXPECT_TRUE(shown.countedEnabled);
  EXPECT_EQ(Doc().Cell(2, 10).Flags, Counted);
}

TEST_F(LessonTools, TheRangeFormAddsFlagsToEveryPieceOfTheSelection) {
  Put(1, 1, ClassPiece(1, 1));
  Put(1, 2, ClassPiece(1, 1, Continuous));
  Put(1, 3, ClassPiece(1, 1, Locked));
  Cursor(1, 1);
  Grid().SetSelection({ColOfPeriod(1), RowOfLine(1), ColOfPeriod(4), RowOfLine(1)});
  Shown shown;
  Details(&shown, {{3, true}}, true);
  Popup();
  EXPECT_EQ(DetailsItem()->text().toStdString(), "属性設定(&S)");
  EXPECT_EQ(shown.period, "選択範囲");
  EXPECT_EQ(Doc().Cell(1, 1).Flags, Continuous);
  EXPECT_EQ(Doc().Cell(1, 2).Flags, Continuous);
  EXPECT_EQ(Doc().Cell(1, 3).Flags, Continuous | Locked);
  EXPECT_EQ(Doc().HistoryPos(), 5);
  EXPECT_TRUE(platform_.Boxes().empty());
}

TEST_F(LessonTools, TheColumnExchangeSwapsTwoPeriodsOutOfTheStayOnTopState) {
  constexpr int Mon3 = 3, Tue1 = 7;
  Put(1, Mon3, ClassPiece(1, 1, Locked));
  Put(1, Tue1, ClassPiece(1, 2));
  Put(2, Tue1, ClassPiece(1, 3));
  Refresh();
  TfrmColumExchange& window = *app_->frmColumExchange;
  Trigger("mnuColumExchange");
  EXPECT_TRUE(window.isVisible());
  Cursor(3, Mon3);
  window.btnCol1Click();
  Cursor(3, Tue1);
  window.btnCol2Click();
  EXPECT_EQ(window.findChild<QLineEdit*>("edtCol1")->text(), "月３限");
  EXPECT_EQ(window.findChild<QLineEdit*>("edtCol2")->text(), "火１限");
  platform_.Expect(Answer::Ok);
  window.btnExchangeClick();
  EXPECT_EQ(platform_.OnTopAtBoxes(), std::vector<bool>{false});
  EXPECT_TRUE(platform_.StaysOnTop(window));
  EXPECT_EQ(Doc().Cell(1, Tue1), ClassPiece(1, 1, Locked));
  EXPECT_EQ(Doc().Cell(2, Mon3), ClassPiece(1, 3));
  EXPECT_EQ(Text(ColOfPeriod(Mon3), RowOfLine(2)), Label(ClassPiece(1, 3)));
  EXPECT_EQ(Doc().HistoryPos(), 1 + 3 + 2);

  // Reopened, the window has forgotten its columns though the labels still show them.
  Trigger("mnuColumExchange");
  window.btnExchangeClick();
  EXPECT_EQ(platform_.Boxes().size(), 1u);
  Trigger("mnuEditHome");
  EXPECT_EQ(Doc().Cell(1, Mon3), ClassPiece(1, 1, Locked));
  EXPECT_TRUE(Doc().Cell(2, Mon3).IsEmpty());
}

}  // namespace
}  // namespace kumo::test
