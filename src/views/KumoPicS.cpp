#include "views/KumoPicS.h"

#include <QEvent>
#include <QVBoxLayout>

#include "base/SysFile.h"
#include "document/KumoHead.h"
#include "document/Options.h"
#include "editing/WindowCommands.h"
#include "platform/DocText.h"
#include "platform/Fonts.h"
#include "platform/PaletteDrag.h"
#include "platform/Platform.h"
#include "platform/StringGrid.h"
#include "platform/ToolMenu.h"
#include "platform/WindowKinds.h"

namespace kumo {
namespace {

constexpr int HelpContext = 8;
constexpr int CaptionWidth = 28;
constexpr int SubjectRow = 0;
constexpr const char* SubjectFilter = "Kumo教科記号ファイル|*.kms";
constexpr const char* SubjectExt = "kms";

}  // namespace

TfrmPickS::TfrmPickS(TKumData& doc, Options& options, Platform& platform, MainCommands& main,
                     TableCommands& table, WindowCommands& windows)
    : QWidget(nullptr, ToolWindow),
      DocumentObserver(doc),
      doc_(doc),
      options_(options),
      platform_(platform),
      main_(main),
      table_(table),
      windows_(windows) {
  setObjectName("frmPickS");
  setWindowTitle(QStringLiteral("教科,記号入力"));
  setFont(GothicFont(12));
  setProperty("HelpContext", HelpContext);
  resize(381, 78);

  sgrPicks_ = new StringGrid(this);
  sgrPicks_->setObjectName("sgrPicks");
  sgrPicks_->setFont(GothicFont(12));
  sgrPicks_->setToolTip(QStringLiteral("ダブルクリックで入力"));
  sgrPicks_->SetRowCount(2);
  sgrPicks_->SetColCount(MaxSubject + 1);
  sgrPicks_->SetFixedRows(0);
  sgrPicks_->SetFixedCols(1);
  sgrPicks_->SetDefaultRowHeight(16);
  sgrPicks_->SetScrollBars(GridScrollBars::Horizontal);
  sgrPicks_->SetRangeSelect(false);
  sgrPicks_->SetPaleSelection(true);
  sgrPicks_->OnDrawCell = [this](Canvas& canvas, int col, int row, const QRect& rect, CellState) {
    sgrPicksDrawCell(canvas, col, row, rect);
  };
  sgrPicks_->OnDblClick = [this] { sgrPicksDblClick(); };
  // Dragged onto the edit table, a subject or symbol goes in where it is dropped.
  sgrPicks_->DragData = [](int col, int row) {
    return EntryData({PaletteEntry::From::SubjectPalette, row, col});
  };
  sgrPicks_->SetCells(0, 0, QStringLiteral("教科"));
  sgrPicks_->SetCells(0, 1, QStringLiteral("記号"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(sgrPicks_);

  AddToolMenu(*this, HelpContext,
              {{"pmnInput", "入力(&I)", [this] { sgrPicksDblClick(); }},
               {"pmnEdit", "編集(&E)", [this] { pmnEditClick(); }},
               {"pmnView", "表示切替(&V)", [this] { pmnViewClick(); }},
               {nullptr, nullptr, nullptr},
               {"pmnLoad", "呼出(&L)", [this] { pmnLoadClick(); }},
               {"pmnSave", "保存(&S)", [this] { pmnSaveClick(); }},
               {"pmnInit", "初期化(&J)", [this] { pmnInitClick(); }}});
  RenewView();
  sgrPicks_->SetCurrent(1, SubjectRow);
}

void TfrmPickS::RenewView() {
  const TKumData& doc = doc_;
  sgrPicks_->SetDefaultColWidth(Letters == 1 ? 15 : 28);
  sgrPicks_->SetColWidth(0, CaptionWidth);
  for (int k = 1; k <= MaxSubject; ++k) {
    sgrPicks_->SetCells(
        k, 0,
        FromDocText(Letters == 1 ? doc.SubjectNames1()[k].View() : doc.SubjectNames2()[k].View()));
    sgrPicks_->SetCells(k, 1, FromDocText(doc.Symbols()[k].View()));
  }
}

void TfrmPickS::DocumentChanged(const DocumentChange& change) {
  if (change.All || change.Subjects) RenewView();
}

void TfrmPickS::sgrPicksDrawCell(Canvas& canvas, int col, int row, const QRect& rect) {
  canvas.SetFontColor(options_.PieceColors[row + KindSubject]);
  canvas.TextOut(rect.left() + 2, rect.top() + 2, sgrPicks_->Cells(col, row));
}

void TfrmPickS::sgrPicksDblClick() {
  const int row = sgrPicks_->Row();
  const int item = sgrPicks_->Col();
  if (table_.SingleCellSelected()) {
    doc_.EnterSubject(row, item);
  } else {
    doc_.FillRange(table_.SelectedCells(), row, item);
  }
  table_.FocusTable();
}

void TfrmPickS::pmnEditClick() {
  const int k = sgrPicks_->Col();
  if (sgrPicks_->Row() == SubjectRow) {
    windows_.EditSubject(k, pos());
  } else {
    windows_.EditSymbol(k, pos());
  }
}

void TfrmPickS::pmnViewClick() {
  Letters = Letters == 1 ? 2 : 1;
  RenewView();
}

std::string TfrmPickS::SubjectFileDir() const {
  const std::string& subjects = doc_.SubjectFileName();
  if (!DirectoryOf(subjects).empty()) return DirectoryOf(subjects);
  return DirectoryOf(AbsolutePath(doc_.FileName()));
}

// A file that cannot be read, or is refused, changes nothing and leaves the name as it was.
void TfrmPickS::pmnLoadClick() {
  TKumData& doc = doc_;
  const std::optional<std::string> path = platform_.OpenFileDialog(
      this, {SubjectFilter, SubjectExt, FileNameOf(doc.SubjectFileName()), SubjectFileDir(), ""});
  if (!path) return;
  main_.Run([&] { doc.LoadSubjects(AbsolutePath(*path)); });
}

void TfrmPickS::pmnSaveClick() {
  TKumData& doc = doc_;
  const std::optional<std::string> path = platform_.SaveFileDialog(
      this, {SubjectFilter, SubjectExt, FileNameOf(doc.SubjectFileName()), SubjectFileDir(), ""});
  if (!path) return;
  main_.Run([&] { doc.SaveSubjects(AbsolutePath(*path)); });
}

void TfrmPickS::pmnInitClick() {
  doc_.ResetSubjectTables();
}

void TfrmPickS::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  RenewView();
}

void TfrmPickS::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) RenewView();
}

}  // namespace kumo
