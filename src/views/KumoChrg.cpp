#include "views/KumoChrg.h"

#include <QEvent>
#include <QVBoxLayout>
#include <algorithm>

#include "document/KumoHead.h"
#include "document/Options.h"
#include "editing/WindowCommands.h"
#include "platform/DocText.h"
#include "platform/Fonts.h"
#include "platform/PaletteDrag.h"
#include "platform/StringGrid.h"
#include "platform/ToolMenu.h"
#include "platform/WindowKinds.h"

namespace kumo {
namespace {

constexpr int HelpContext = 7;
constexpr int GradeCount = 3;

}  // namespace

TfrmPickCharge::TfrmPickCharge(TKumData& doc, Options& options, TableCommands& table)
    : QWidget(nullptr, ToolWindow),
      DocumentObserver(doc),
      doc_(doc),
      options_(options),
      table_(table) {
  setObjectName("frmPickCharge");
  setWindowTitle(QStringLiteral("クラス入力"));
  setFont(GothicFont(12));
  setProperty("HelpContext", HelpContext);
  resize(227, 83);

  sgrPickCharge_ = new StringGrid(this);
  sgrPickCharge_->setObjectName("sgrPickCharge");
  sgrPickCharge_->setFont(GothicFont(12));
  sgrPickCharge_->setToolTip(QStringLiteral("ダブルクリックで入力"));
  sgrPickCharge_->SetRowCount(GradeCount);
  sgrPickCharge_->SetColCount(2);
  sgrPickCharge_->SetFixedRows(0);
  sgrPickCharge_->SetFixedCols(1);
  sgrPickCharge_->SetDefaultColWidth(16);
  sgrPickCharge_->SetDefaultRowHeight(16);
  sgrPickCharge_->SetScrollBars(GridScrollBars::None);
  sgrPickCharge_->SetRangeSelect(false);
  sgrPickCharge_->SetPaleSelection(true);
  sgrPickCharge_->OnDrawCell = [this](Canvas& canvas, int col, int row, const QRect& rect,
                                      CellState) { sgrPickChargeDrawCell(canvas, col, row, rect); };
  sgrPickCharge_->OnDblClick = [this] { sgrPickChargeDblClick(); };
  // Dragged onto the edit table, a class goes in where it is dropped.
  sgrPickCharge_->DragData = [](int col, int row) {
    return EntryData({PaletteEntry::From::ClassPalette, row + 1, col});
  };
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(sgrPickCharge_);
  BuildMenu();
  FormCreate();
  sgrPickCharge_->SetCurrent(1, 0);  // grade 1's first class
}

void TfrmPickCharge::DocumentChanged(const DocumentChange& change) {
  if (change.All || change.Lines) RenewView();
}

void TfrmPickCharge::BuildMenu() {
  AddToolMenu(*this, HelpContext, {{"mnuClass", "入力(&I)", [this] { sgrPickChargeDblClick(); }}},
              {.Menu = "LocakMenu", .Close = "mnuClose"});
}

void TfrmPickCharge::FormCreate() {
  sgrPickCharge_->SetColWidth(0, 68);
  sgrPickCharge_->SetCells(0, 0, QStringLiteral("１年クラス"));
  sgrPickCharge_->SetCells(0, 1, QStringLiteral("２年クラス"));
  sgrPickCharge_->SetCells(0, 2, QStringLiteral("３年クラス"));
}

void TfrmPickCharge::RenewView() {
  const TKumData& doc = doc_;
  // Class numbers past the labels cannot be entered: they have no label to show.
  const int classes = std::min<int>(doc.MaxClassCount(), MaxClassNo);
  sgrPickCharge_->SetColCount(std::max(classes, 1) + 1);
  FormCreate();
  for (int grade = 1; grade <= GradeCount; ++grade) {
    const int count = std::min<int>(doc.ClassCount(grade), MaxClassNo);
    for (int c = 1; c < sgrPickCharge_->ColCount(); ++c) {
      sgrPickCharge_->SetCells(c, grade - 1,
                               c <= count ? FromDocText(doc.ClassLabels()[c].View()) : QString());
    }
  }
}

void TfrmPickCharge::sgrPickChargeDrawCell(Canvas& canvas, int col, int row, const QRect& rect) {
  canvas.SetFontColor(options_.PieceColors[row + 1]);
  canvas.TextOut(rect.left() + 2, rect.top() + 2, sgrPickCharge_->Cells(col, row));
}

void TfrmPickCharge::sgrPickChargeDblClick() {
  const int grade = sgrPickCharge_->Row() + 1;
  const int classNo = sgrPickCharge_->Col();
  if (doc_.EnterClass(grade, classNo, options_.AutoLocate)) table_.FocusTable();
}

void TfrmPickCharge::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  RenewView();
}

void TfrmPickCharge::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) RenewView();
}

}  // namespace kumo
