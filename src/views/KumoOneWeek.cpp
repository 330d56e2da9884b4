#include "views/KumoOneWeek.h"

#include <QLabel>
#include <string>

#include "document/FullWidth.h"
#include "document/KumoHead.h"
#include "document/Options.h"
#include "platform/DocText.h"
#include "platform/Fonts.h"
#include "platform/SpinButton.h"
#include "platform/StringGrid.h"
#include "platform/ToolMenu.h"
#include "platform/WeekGrid.h"
#include "platform/WindowKinds.h"

namespace kumo {
namespace {

constexpr int CellSize = 16;
constexpr int TitleLeft = 16;
constexpr int TitleTop = 4;
constexpr int GridTop = 22;
constexpr int GridSize = 122;
constexpr int SpinLeft = 106;
constexpr int SpinTop = 107;
constexpr int SpinWidth = 16;
constexpr int SpinHeight = 33;

// Days across, the lessons of a day down.
constexpr int PeriodAt(int col, int row) {
  return PeriodsPerDay * (col - 1) + row;
}

}  // namespace

TfrmOneWeek::TfrmOneWeek(TKumData& doc, Options& options, const Design& design,
                         std::initializer_list<ToolCommand> commands)
    : QWidget(nullptr, CloseOnlyWindow), DocumentObserver(doc), doc_(doc), options_(options) {
  setObjectName(QString::fromUtf8(design.Name));
  setWindowTitle(QString::fromUtf8(design.Caption));
  setFont(GothicFont(12));
  setProperty("HelpContext", design.HelpContext);
  resize(design.Size);

  lblTitle_ = new QLabel(this);
  lblTitle_->setObjectName(QStringLiteral("lblTitle"));
  lblTitle_->move(TitleLeft, TitleTop);

  grid_ = new StringGrid(this);
  grid_->setObjectName(QString::fromUtf8(design.GridName));
  grid_->setGeometry(0, GridTop, GridSize, GridSize);
  grid_->SetColCount(DayCount + 1);
  grid_->SetRowCount(PeriodsPerDay + 1);
  grid_->SetFixedCols(1);
  grid_->SetFixedRows(1);
  grid_->SetDefaultColWidth(CellSize);
  grid_->SetDefaultRowHeight(CellSize);
  grid_->SetScrollBars(GridScrollBars::None);
  grid_->SetRangeSelect(false);
  for (int day = 0; day < DayCount; ++day) grid_->SetCells(day + 1, 0, FromDocText(DayName(day)));
  for (int k = 1; k <= PeriodsPerDay; ++k) {
    grid_->SetCells(0, k, FromDocText(ToFullWidth(std::to_string(k))));
  }
  grid_->OnClick = [this] { RenewView(); };
  grid_->OnKeyDown = [this](int& key, Qt::KeyboardModifiers modifiers) {
    if (!modifiers.testFlag(Qt::ControlModifier)) {
      GridKeyDown(key);
      return;
    }
    if (key == Qt::Key_PageDown) spbSelectDownClick();
    if (key == Qt::Key_PageUp) spbSelectUpClick();
    if (key == Qt::Key_PageDown || key == Qt::Key_PageUp) key = 0;
  };
  grid_->SetPaleSelection(true);
  grid_->OnDrawCell = [this](Canvas& canvas, int col, int row, const QRect& rect, CellState) {
    DrawCell(canvas, col, row, rect);
  };

  // Made after the grid, so that it lies over the grid's corner.
  spbSelect_ = new SpinButton(this);
  spbSelect_->setObjectName(QStringLiteral("spbSelect"));
  spbSelect_->setGeometry(SpinLeft, SpinTop, SpinWidth, SpinHeight);
  spbSelect_->setToolTip(QString::fromUtf8(design.Hint));
  spbSelect_->OnUpClick = [this] { spbSelectUpClick(); };
  spbSelect_->OnDownClick = [this] { spbSelectDownClick(); };

  AddToolMenu(*this, design.HelpContext, commands);
}

void TfrmOneWeek::ShowOne(int shown) {
  Shown() = shown;
  RenewView();
}

void TfrmOneWeek::FitGrid() {
  grid_->setGeometry(0, GridTop, grid_->Zoomed(GridSize), grid_->Zoomed(GridSize));
  spbSelect_->move(grid_->Zoomed(SpinLeft), GridTop + grid_->Zoomed(SpinTop - GridTop));
}

void TfrmOneWeek::SetTitle(const QString& text, ColorRef color) {
  QPalette palette = lblTitle_->palette();
  palette.setColor(QPalette::WindowText, ToQColor(color));
  lblTitle_->setPalette(palette);
  lblTitle_->setText(text);
  lblTitle_->adjustSize();
}

void TfrmOneWeek::SetPeriodText(int period, const QString& text) {
  grid_->SetCells(DayOf(period) + 1, LessonOf(period), text);
}

void TfrmOneWeek::ClearPeriods() {
  for (int p = 1; p <= PeriodCount; ++p) SetPeriodText(p, QString());
}

void TfrmOneWeek::spbSelectDownClick() {
  if (Shown() >= ShownCount()) return;
  ++Shown();
  RenewView();
}

void TfrmOneWeek::spbSelectUpClick() {
  if (Shown() <= 1) return;
  --Shown();
  RenewView();
}

int TfrmOneWeek::CurrentPeriod() const {
  return PeriodAt(grid_->Col(), grid_->Row());
}

void TfrmOneWeek::GoToPeriod(int period) {
  grid_->SetCurrent(DayOf(period) + 1, LessonOf(period));
}

void TfrmOneWeek::DrawCell(Canvas& canvas, int col, int row, const QRect& rect) {
  const int period = PeriodAt(col, row);
  const std::optional<PeriodLook> look =
      col >= 1 && row >= 1 ? LookOf(period) : std::optional<PeriodLook>();
  if (look) {
    canvas.SetFontColor(look->Color);
    if (look->Line != 0) {
      const TKumData& doc = doc_;
      if (doc.Cell(look->Line, period).Has(Locked)) {
        canvas.SetBrushColor(LockedGrey);
        canvas.FillRect(rect);
      }
      SetPieceStyle(canvas, doc, options_, look->Line, period, look->Bold);
    }
  }
  WriteCellText(canvas, rect, grid_->Cells(col, row));
}

}  // namespace kumo
