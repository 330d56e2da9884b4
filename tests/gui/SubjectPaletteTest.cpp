// The subject and symbol palette wired to the edit table, the overviews and the subject files:
// entry into the cursor cell or a selected range, the table editors, the file commands.
#include <QDialog>
#include <QLineEdit>

#include <QGuiApplication>

#include <QScreen>

#include <QLabel>

#include "EditTableFixture.h"
#include "base/Cp932.h"
#include "base/SysFile.h"
#include "editing/KumoMic.h"
#include "platform/WindowFrame.h"
#include "views/KumoCls.h"
#include "views/KumoEdS.h"
#include "views/KumoEdSi.h"
#include "views/KumoPicS.h"

namespace kumo::test {
namespace {

class SubjectPalette : public EditTableTest {
 protected:
  void SetUp() override {
    EditTableTest::SetUp();
    NewSchool();
    Palette().show();
    platform_.Reset();
  }
  TfrmPickS& Palette() { return *app_->frmPickS; }
  void Pick(int row, int item) {
    Palette().Grid().SetCurrent(item, row);
    Palette().sgrPicksDblClick();
  }
  void Select(int firstLine, int firstPeriod, int lastLine, int lastPeriod) {
    Grid().SetSelection({ColOfPeriod(firstPeriod), RowOfLine(firstLine), ColOfPeriod(lastPeriod),
                         RowOfLine(lastLine)});
  }
  // Plays the user's part in the next table editor: the texts typed, then OK or Cancel.
  void EditWith(std::vector<std::pair<const char*, const char*>> typed, bool ok) {
    platform_.ExpectDialog([typed, ok](QDialog& dialog) {
      for (const auto& [name, text] : typed) {
        dialog.findChild<QLineEdit*>(name)->setText(QString::fromUtf8(text));
      }
      return ok ? QDialog::Accepted : QDialog::Rejected;
    });
  }
  std::string PaletteText(int col, int row) {
    return Palette().Grid().Cells(col, row).toStdString();
  }
};

TEST_F(SubjectPalette, EntersIntoTheCursorCellAndTheViewsFollow) {
  Put(1, 2, ClassPiece(1, 1, Linked));
  app_->options.ClassesGrade = {true, false, false};
  Refresh();
  Trigger("mnuViewClasses");
  Cursor(2, 1);
  Pick(0, 3);  // 数
  EXPECT_EQ(Doc().Cell(2, 1), SubjectPiece(3));
  EXPECT_EQ(Text(ColOfPeriod(1), RowOfLine(2)), "数");
  EXPECT_TRUE(Doc().Modified());

  // The lesson gets its own subject, keeping class, flags and place; the classes overview shows
  // it for that class and period.
  platform_.Expect(Answer::Yes);
  platform_.Expect(Answer::Yes);  // the link mark, asked by the move
  Cursor(1, 2);
  Pick(0, 19);
  EXPECT_EQ(Doc().Cell(1, 2), (PeriodCell{KindGrade1, 1, 19, Linked}));
  const std::string shown = FromDocText(Doc().SubjectNames1()[19].View()).toStdString();
  EXPECT_EQ(app_->frmClasses->Grid().Cells(ColOfPeriod(2), 2).toStdString(), shown);
  EXPECT_EQ(Doc().HistoryPos(), 4);
}

TEST_F(SubjectPalette, ARangeIsFilledInRowOrderAndTheCursorEndsBottomRight) {
  Select(1, 2, 2, 4);
  platform_.Expect(Answer::Yes);
  Pick(1, 1);  // ×
  for (int line : {1, 2}) {
    for (int p = 2; p <= 4; ++p) EXPECT_EQ(Doc().Cell(line, p).Kind, KindSymbol) << line << p;
  }
  EXPECT_EQ(Doc().HistoryPos(), 7);
  EXPECT_EQ(Doc().History(4).Line, 2) << "row by row";
  EXPECT_EQ(Doc().CurLine(), 2);
  EXPECT_EQ(Doc().CurPeriod(), 4);
  EXPECT_EQ(Grid().Col(), ColOfPeriod(4));
  EXPECT_EQ(Grid().Row(), RowOfLine(2));

  platform_.Reset();
  Select(3, 1, 3, 2);
  platform_.Expect(Answer::Cancel);
  Pick(0, 1);
  EXPECT_TRUE(Doc().Cell(3, 1).IsEmpty());
  EXPECT_EQ(platform_.Boxes().size(), 1u);
}

// Opened beside a palette at the bottom of the screen, both table editors come up whole on it;
// like the lesson details, each is its designed size or what its Japanese text needs.
TEST_F(SubjectPalette, TheTableEditorsComeUpWholeOnTheScreenAndHoldTheirText) {
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  SetOuterBounds(Palette(), {screen.left() + 10, screen.bottom() + 1 - 78, 381, 78});
  for (int row : {0, 1}) {
    Palette().Grid().SetCurrent(3, row);
    EditWith({}, false);
    Palette().pmnEditClick();
  }
  ASSERT_EQ(platform_.Dialogs().size(), 2u);
  for (QDialog* dialog : platform_.Dialogs()) {
    const Bounds b = OuterBounds(*dialog);
    EXPECT_TRUE(screen.contains(QRect(b.Left, b.Top, b.Width, b.Height))) << b.Left << "," << b.Top;
  }
  const std::pair<QDialog*, QSize> designed[] = {{app_->dlgEditS.get(), {251, 134}},
                                                 {app_->dlgEditSi.get(), {258, 136}},
                                                 {app_->dlgMicro.get(), {317, 240}}};
  for (const auto& [dialog, size] : designed) {
    EXPECT_EQ(dialog->size(), size.expandedTo(dialog->minimumSizeHint()));
    dialog->show();
    for (const QLabel* label : dialog->findChildren<QLabel*>()) {
      EXPECT_LE(label->minimumSizeHint().width(), label->width()) << label->text().toStdString();
    }
    dialog->hide();
  }
}

TEST_F(SubjectPalette, TheTableEditorsStoreWholeCharactersWithinTheirWidths) {
  Unchanged();
  Palette().move(100, 80);
  Palette().Grid().SetCurrent(21, 0);
  EditWith({{"edtStr1", "情報"}, {"edtStr2", "情報"}, {"edtStr4", "情報処理"}}, true);
  Palette().pmnEditClick();
  ASSERT_EQ(platform_.Dialogs().size(), 1u);
  const Bounds dialog = OuterBounds(*platform_.Dialogs()[0]);
  EXPECT_EQ(QPoint(dialog.Left, dialog.Top), QPoint(148, 128));
  EXPECT_EQ(Doc().SubjectNames1()[21].View(), Cp932Literal("情"));
  EXPECT_EQ(Doc().SubjectNames4()[21].View(), Cp932Literal("情報処理"));
  EXPECT_EQ(PaletteText(21, 0), "情");
  Palette().pmnViewClick();
  EXPECT_EQ(PaletteText(21, 0), "情報");
  EXPECT_EQ(Palette().Letters, 2);
  EXPECT_FALSE(Doc().Modified()) << "the tables are no part of the timetable's changes";

  Palette().Grid().SetCurrent(22, 1);
  EditWith({{"edtSi", "＠"}, {"edtAcc", "行事"}}, false);
  Palette().pmnEditClick();
  EXPECT_TRUE(Doc().Symbols()[22].Empty()) << "cancelled";
  EditWith({{"edtSi", "＠"}, {"edtAcc", "行事"}}, true);
  Palette().pmnEditClick();
  EXPECT_EQ(PaletteText(22, 1), "＠");
  EXPECT_EQ(Doc().SymbolMeanings()[22].View(), Cp932Literal("行事"));

  Palette().pmnInitClick();
  EXPECT_EQ(PaletteText(21, 0), "");
  EXPECT_EQ(PaletteText(22, 1), "");
  EXPECT_TRUE(Doc().SymbolMeanings()[1].Empty());
}

TEST_F(SubjectPalette, SubjectFilesRoundTripAndAFailedLoadChangesNothing) {
  Doc().SetSymbol(30, Cp932Literal("◆"), Cp932Literal("特別"));
  const std::string saved = dir_.File("school.kms");
  platform_.ExpectSave(saved);
  Palette().pmnSaveClick();
  EXPECT_EQ(platform_.SaveRequests().at(0).Filter, "Kumo教科記号ファイル|*.kms");
  EXPECT_EQ(Doc().SubjectFileName(), saved);
  const std::string bytes = ReadFileBytes(saved, 1 << 20);

  Palette().pmnInitClick();
  platform_.ExpectOpen(saved);
  Palette().pmnLoadClick();
  EXPECT_EQ(platform_.OpenRequests().at(0).InitialDir, DirectoryOf(saved));
  EXPECT_EQ(PaletteText(30, 1), "◆");
  platform_.ExpectSave(dir_.File("again.kms"));
  Palette().pmnSaveClick();
  EXPECT_EQ(ReadFileBytes(dir_.File("again.kms"), 1 << 20), bytes);

  // A short file is refused with the error box and leaves the tables and the name alone.
  WriteFileAtomically(dir_.File("short.kms"), bytes.substr(0, 100));
  platform_.ExpectOpen(dir_.File("short.kms"));
  platform_.ExpectErrorBox();
  Palette().pmnLoadClick();
  EXPECT_EQ(platform_.ErrorBoxes().size(), 1u);
  EXPECT_EQ(Doc().SubjectFileName(), dir_.File("again.kms"));
  EXPECT_EQ(PaletteText(30, 1), "◆");
}

}  // namespace
}  // namespace kumo::test
