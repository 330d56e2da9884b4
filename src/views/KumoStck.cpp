#include "views/KumoStck.h"

#include <QEvent>
#include <QScrollBar>

#include "document/KumoHead.h"
#include "document/Options.h"
#include "document/PeriodName.h"
#include "document/PieceLabel.h"
#include "platform/DocText.h"
#include "platform/StringGrid.h"
#include "platform/WeekGrid.h"

namespace kumo {

constexpr int HelpContext = 9;
constexpr ColorRef PositionColor = Rgb(255, 0, 0);

TfrmStack::TfrmStack(TKumData& doc, Options& options)
    : StackWindow("sgrStack", {{"No", 28}, {"名前", 40}, {"時限", 28}, {"前", 16}, {"後", 16}},
                  HelpContext),
      DocumentObserver(doc),
      doc_(doc),
      options_(options) {
  setObjectName("frmStack");
  setWindowTitle(QStringLiteral("スタック"));
  resize(168, 268);
  // The rows follow the thumb while it is dragged through a long history.
  Grid().verticalScrollBar()->setTracking(true);
  Grid().RowText = [this](int col, int row) { return StackText(col, row); };
}

void TfrmStack::RenewStack() {
  ShowStackRow(0);
  // The texts and colours may have changed with the lines or the settings.
  Grid().viewport()->update();
}

void TfrmStack::ShowStackRow(int a) {
  const TKumData& doc = doc_;
  Grid().SetRowCount(doc.HistoryEnd() + 1);
  if (a >= 1 && a < doc.HistoryEnd()) Grid().RepaintRow(a);
  ClearStackTail();
  SelectRow(doc.HistoryPos());
  RepaintCell(0, markedRow_);
  markedRow_ = doc.HistoryPos();
  RepaintCell(0, markedRow_);
}

// Steps recorded after some were undone leave the rows of those beyond the new end.
void TfrmStack::ClearStackTail() {
  Grid().RepaintRow(doc_.HistoryEnd());
}

void TfrmStack::DocumentChanged(const DocumentChange& change) {
  const TKumData& doc = doc_;
  if (change.All || change.Lines || change.Subjects) {
    RenewStack();
  } else if (change.History) {
    Grid().SetRowCount(doc.HistoryEnd() + 1);
    if (change.Forgotten != 0) {
      // The oldest steps were forgotten: every row shows the step after the one it showed.
      Grid().viewport()->update();
    } else {
      for (int a = change.FirstEntry; a != 0 && a < doc.HistoryEnd(); ++a) Grid().RepaintRow(a);
    }
    // However far a walk went, only the position moved: its selection and its red number.
    ShowStackRow(doc.HistoryPos() - 1);
  }
}

QString TfrmStack::StackText(int col, int row) const {
  const TKumData& doc = doc_;
  if (row < 1 || row >= doc.HistoryEnd()) return {};
  const HistoryEntry& e = doc.History(row);
  switch (col) {
    case 0:
      return RowNumber(row);
    case 1:
      return doc.IsLineInUse(e.Line) ? FromDocText(doc.Line(e.Line).Name.View()) : QString();
    case 2:
      return FromDocText(PeriodName(e.Period));
    case 3:
      return FromDocText(PieceLabel(doc, e.Hand));
    default:
      return FromDocText(PieceLabel(doc, e.Cell));
  }
}

void TfrmStack::ClearStack() {
  doc_.ClearHistory();
}

std::optional<ColorRef> TfrmStack::TextColor(int col, int row) const {
  const TKumData& doc = doc_;
  if (col == 0) return row == doc.HistoryPos() ? std::optional(PositionColor) : std::nullopt;
  if (row < 1 || row >= doc.HistoryEnd()) return std::nullopt;
  const HistoryEntry& e = doc.History(row);
  switch (col) {
    case 1:
      if (!doc.IsLineInUse(e.Line)) return std::nullopt;
      return PieceColor(options_, doc.Line(e.Line).Grade);
    case 3:
      return PieceColor(options_, e.Hand.Kind);
    case 4:
      return PieceColor(options_, e.Cell.Kind);
    default:
      return std::nullopt;
  }
}

void TfrmStack::changeEvent(QEvent* event) {
  StackWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) RenewStack();
}

}  // namespace kumo
