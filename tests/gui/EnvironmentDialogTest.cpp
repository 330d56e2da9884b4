// The environment dialog through its real widgets: write-through options, the click rules, the
// colour and font buttons and what OK applies.
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>

#include "base/Cp932.h"
#include "editing/KumoEdit.h"
#include "gui/AppFixture.h"
#include "output/KumoEnv.h"
#include "output/KumoPrn.h"
#include "platform/Canvas.h"
#include "platform/RadioGroup.h"
#include "platform/StringGrid.h"
#include "views/KumoCls.h"
#include "views/KumoTe.h"
#include "views/KumoTes.h"

namespace kumo::test {
namespace {

class EnvironmentTest : public AppTest {
 protected:
  TdlgEnvironment& Dialog() { return *app_->dlgEnvironment; }
  template <class T>
  T* Find(const char* name) {
    auto* widget = Dialog().findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  ColorRef ButtonColor(const char* name) {
    return FromQColor(Find<QPushButton>(name)->palette().color(QPalette::ButtonText));
  }
  // Runs the dialog with the user doing `act`, then pressing OK or Cancel.
  int Run(std::function<void()> act, int result, int page = -1) {
    platform_.ExpectDialog([act = std::move(act), result](QDialog&) {
      act();
      return result;
    });
    return Dialog().RunEnvironmentDialog(page);
  }
  std::vector<std::string> SampleItems() {
    RadioGroup* group = Find<RadioGroup>("rgpTeachers");
    std::vector<std::string> items;
    for (int i = 0; i < group->Count(); ++i)
      items.push_back(group->Button(i)->text().toStdString());
    return items;
  }
};

// Schools run it on small screens: the dialog, OK button and all, fits one of 1024 × 768.
TEST_F(EnvironmentTest, DialogFitsASmallScreen) {
  Start();
  const QSize size = Dialog().sizeHint();
  EXPECT_LE(size.height(), 700);
  EXPECT_LE(size.width(), 1000);
}

TEST_F(EnvironmentTest, InitialControlsAndSubjectList) {
  Start();
  EXPECT_EQ(Dialog().windowTitle().toStdString(), "環境設定");
  auto* tabs = Find<QTabWidget>("tnbEnv");
  ASSERT_EQ(tabs->count(), 3);
  EXPECT_EQ(tabs->tabText(1).toStdString(), "表示");
  EXPECT_TRUE(Find<QCheckBox>("cbxAutoLocate")->isChecked());
  EXPECT_FALSE(Find<QCheckBox>("cbxTenKeys")->isChecked());
  EXPECT_EQ(Find<RadioGroup>("rgpPaperSize")->ItemIndex(), 0);
  EXPECT_EQ(Find<QListWidget>("lbxSubject")->count(), 101);
  EXPECT_EQ(Find<QListWidget>("lbxSubject")->item(1)->text().toStdString(),
            Cp932ToUtf8(app_->doc.SubjectNames1()[1].View()));
}

TEST_F(EnvironmentTest, AutoExchangeLocksAutoLocateAndChangesStayAfterCancel) {
  Start();
  auto* locate = Find<QCheckBox>("cbxAutoLocate");
  auto* exchange = Find<QCheckBox>("cbxAutoExchange");
  Run(
      [&] {
        locate->click();
        EXPECT_FALSE(app_->options.AutoLocate);
        exchange->click();
        EXPECT_TRUE(locate->isChecked());
        EXPECT_FALSE(locate->isEnabled());
        EXPECT_TRUE(app_->options.AutoLocate);
        exchange->click();
        EXPECT_TRUE(locate->isChecked());
        EXPECT_TRUE(locate->isEnabled());
        exchange->click();
        Find<QCheckBox>("cbxTenKeys")->click();
      },
      QDialog::Rejected);
  EXPECT_TRUE(app_->options.AutoExchange);
  EXPECT_TRUE(app_->options.TenKeys);
  EXPECT_FALSE(app_->doc.Modified());
}

TEST_F(EnvironmentTest, StoredOptionsRunTheClickRules) {
  Start();
  app_->options.AutoLocate = false;
  app_->options.AutoExchange = true;
  app_->options.TeachersGroup = 1;
  Dialog().LoadFromOptions();
  EXPECT_TRUE(Find<QCheckBox>("cbxAutoLocate")->isChecked());
  EXPECT_FALSE(Find<QCheckBox>("cbxAutoLocate")->isEnabled());
  EXPECT_TRUE(app_->options.AutoLocate);
  EXPECT_TRUE(Find<RadioGroup>("rgpGrade")->isEnabled());
  EXPECT_FALSE(Find<QListWidget>("lbxSubject")->isEnabled());
  Find<RadioGroup>("rgpViewTeachers")->Button(0)->click();
  EXPECT_FALSE(Find<RadioGroup>("rgpGrade")->isEnabled());
  EXPECT_TRUE(Find<QListWidget>("lbxSubject")->isEnabled());
  EXPECT_EQ(app_->options.TeachersGroup, 0);
}

TEST_F(EnvironmentTest, SampleItemsFollowTheClassDisplayType) {
  Start();
  auto* type = Find<RadioGroup>("rgpViewClassType");
  EXPECT_EQ(SampleItems(), (std::vector<std::string>{"1②", " ②", "1-2"}));
  type->Button(2)->click();
  EXPECT_EQ(SampleItems(), (std::vector<std::string>{"1Ｂ", " Ｂ", "1-B"}));
  type->Button(0)->click();
  EXPECT_EQ(SampleItems(), (std::vector<std::string>{"1②", " ②", "1-2"}));
}

TEST_F(EnvironmentTest, DashStyleIsRefusedWithTenClassesInAGrade) {
  Start(WritePlan("ten.kmt", {.lines = 10}));
  ASSERT_EQ(app_->doc.MaxClassCount(), 10);
  auto* style = Find<RadioGroup>("rgpTeachers");
  style->Button(1)->click();
  platform_.Expect(Answer::Cancel);
  style->Button(2)->click();
  ShownBox box = OnlyBox();
  EXPECT_EQ(box.Type, BoxType::Error);
  EXPECT_EQ(box.Buttons, Buttons::OkCancel);
  EXPECT_EQ(box.Text, "1学年10クラス以上あるときは選択できません");
  EXPECT_EQ(style->ItemIndex(), 0);
  EXPECT_EQ(app_->options.TeachersKind, 0);
}

TEST_F(EnvironmentTest, OkAppliesTitleColoursDerivedValuesAndMarksModified) {
  Start();
  app_->doc.SetCursor(3, app_->doc.CurPeriod());
  platform_.ExpectColor(Rgb(1, 2, 3));
  Run(
      [&] {
        Find<QLineEdit>("edtTitle")->setText("時間割時間割時間割時間");  // 22 bytes
        Find<QLineEdit>("edtComment")->setText("a時間割");
        Find<QPushButton>("btnColorCursor")->click();
        Find<RadioGroup>("rgpViewClassType")->Button(2)->click();
        Find<RadioGroup>("rgpClassLetters")->Button(2)->click();
        Find<QCheckBox>("cbxColor")->click();
      },
      QDialog::Accepted);
  EXPECT_EQ(Cp932ToUtf8(app_->doc.Title().View()), "時間割時間割時間割時");
  EXPECT_EQ(app_->doc.Title().Len, 20);
  EXPECT_EQ(Cp932ToUtf8(app_->doc.Comment().View()), "a時間割");
  EXPECT_EQ(app_->options.CursorColor, Rgb(1, 2, 3));
  EXPECT_TRUE(app_->options.LetterLabels);
  EXPECT_EQ(app_->options.PrintClassLetters, 4);
  EXPECT_TRUE(app_->options.ColorPrinting);
  EXPECT_EQ(app_->frmTeacher->ShownLine, 3);
  EXPECT_TRUE(app_->doc.Modified());
}

TEST_F(EnvironmentTest, OkWithoutChangeStillMarksModifiedAndCancelDoesNot) {
  Start();
  Run([] {}, QDialog::Rejected);
  EXPECT_FALSE(app_->doc.Modified());
  Run([] {}, QDialog::Accepted);
  EXPECT_TRUE(app_->doc.Modified());
}

TEST_F(EnvironmentTest, TitleCp932CannotHoldIsRefusedAndTheDialogStaysOpen) {
  Start();
  auto* title = Find<QLineEdit>("edtTitle");
  platform_.ExpectDialog([&](QDialog&) {
    title->setText("時間😀");
    return QDialog::Accepted;
  });
  platform_.Expect(Answer::Ok);
  platform_.ExpectDialog([&](QDialog&) {
    EXPECT_EQ(title->text().toStdString(), "時間😀");
    EXPECT_FALSE(app_->doc.Modified());
    title->setText("時間");
    return QDialog::Accepted;
  });
  EXPECT_EQ(Dialog().RunEnvironmentDialog(), QDialog::Accepted);
  ShownBox box = OnlyBox();
  EXPECT_EQ(box.Type, BoxType::Error);
  EXPECT_NE(box.Text.find("😀"), std::string::npos);
  EXPECT_EQ(Cp932ToUtf8(app_->doc.Title().View()), "時間");
  EXPECT_TRUE(app_->doc.Modified());
}

// ≒ has two CP932 codes; the one a decode and re-encode does not give back survives an OK
// without an edit, and an edited text is encoded anew.
TEST_F(EnvironmentTest, AnUneditedTitleKeepsItsBytesAndAnEditedOneIsEncoded) {
  Start();
  const std::string nec = "\x87\x90";  // ≒ in the NEC row; the standard code is 0x81 0xE0
  app_->doc.SetTitle(nec, nec);
  Run([] {}, QDialog::Accepted);
  EXPECT_EQ(app_->doc.Title().View(), nec);
  EXPECT_EQ(app_->doc.Comment().View(), nec);
  Run([&] { Find<QLineEdit>("edtComment")->setText("≒A"); }, QDialog::Accepted);
  EXPECT_EQ(app_->doc.Title().View(), nec);
  EXPECT_EQ(app_->doc.Comment().View(),
            "\x81\xE0"
            "A");
}

TEST_F(EnvironmentTest, CancelledColourIsGoneAtTheNextOpening) {
  Start();
  platform_.ExpectColor(Rgb(10, 20, 30));
  Run(
      [&] {
        Find<QPushButton>("btnColorGrade1")->click();
        EXPECT_EQ(ButtonColor("btnColorGrade1"), Rgb(10, 20, 30));
      },
      QDialog::Rejected);
  EXPECT_EQ(app_->options.PieceColors[1], 32768u);
  Run([&] { EXPECT_EQ(ButtonColor("btnColorGrade1"), 32768u); }, QDialog::Rejected);
  platform_.ExpectColor(std::nullopt);  // the colour dialog cancelled
  Run([&] { Find<QPushButton>("btnColorSigniture")->click(); }, QDialog::Accepted);
  EXPECT_EQ(app_->options.PieceColors[5], 255u);
}

// The chosen face is the print font at once, even when the dialog is then cancelled; a long name
// is cut as the settings file keeps it.
TEST_F(EnvironmentTest, ChosenFontIsThePrintFontAtOnce) {
  Start();
  platform_.ExpectFont(QFont("Monospace"));
  Run([&] { Find<QPushButton>("btnSetFont")->click(); }, QDialog::Rejected);
  EXPECT_EQ(app_->options.PrintFontName, "Monospace");
  Run([&] { EXPECT_EQ(Find<QLineEdit>("edtFont")->text(), "Monospace"); }, QDialog::Rejected);

  platform_.ExpectFont(QFont("DejaVu Sans Mono With A Name Far Longer Than Thirty"));
  Run([&] { Find<QPushButton>("btnSetFont")->click(); }, QDialog::Accepted);
  EXPECT_EQ(app_->options.PrintFontName, "DejaVu Sans Mono With A Name F");
}

TEST_F(EnvironmentTest, PageChoiceAndHelpContexts) {
  Start();
  auto* tabs = Find<QTabWidget>("tnbEnv");
  Run([&] { EXPECT_EQ(Dialog().property("HelpContext").toInt(), 312); }, QDialog::Rejected, 1);
  EXPECT_EQ(tabs->currentIndex(), 1);
  Run(
      [&] {
        EXPECT_EQ(tabs->currentIndex(), 1);
        tabs->setCurrentIndex(2);
        EXPECT_EQ(Dialog().property("HelpContext").toInt(), 313);
        tabs->setCurrentIndex(0);
        EXPECT_EQ(Dialog().property("HelpContext").toInt(), 311);
      },
      QDialog::Rejected);
  Run([&] { EXPECT_EQ(tabs->currentIndex(), 2); }, QDialog::Rejected, 2);
}

TEST_F(EnvironmentTest, ScrollBarBoxesSetTheEditTablesScrollBars) {
  Start();
  StringGrid& grid = app_->frmEdit->EditGrid();
  Find<QCheckBox>("cbxHorizontal")->click();
  EXPECT_EQ(grid.verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
  EXPECT_EQ(grid.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  Find<QCheckBox>("cbxVertical")->click();
  EXPECT_EQ(grid.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  EXPECT_FALSE(app_->options.ScrollVertical);
}

}  // namespace
}  // namespace kumo::test
