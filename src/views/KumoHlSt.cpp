#include "views/KumoHlSt.h"

#include <algorithm>

#include "document/KumoHead.h"
#include "document/Options.h"
#include "document/PeriodName.h"
#include "platform/DocText.h"
#include "platform/StringGrid.h"
#include "platform/WeekGrid.h"

namespace kumo {

constexpr int HelpContext = 10;

TfrmHoldingStack::TfrmHoldingStack(TKumData& doc, Options& options)
    : StackWindow("sgrHoldingStack", {{"No", 28}, {"ク", 16}, {"教師", 40}, {"時限", 28}},
                  HelpContext),
      DocumentObserver(doc),
      doc_(doc),
      options_(options) {
  setObjectName("frmHoldingStack");
  setWindowTitle(QStringLiteral("保持クラス"));
  resize(142, 158);
}

void TfrmHoldingStack::RenewHolding() {
  ShowHoldingRow(0);
  for (int b = 1; b < doc_.HoldingCount(); ++b) ShowHoldingRow(b);
}

void TfrmHoldingStack::ShowHoldingRow(int a) {
  const TKumData& doc = doc_;
  const int rows = std::max(doc.HoldingCount() + 1, 2);
  Grid().SetRowCount(rows);
  if (a >= 1 && a < doc.HoldingCount()) {
    const HeldPiece& held = doc.Held(a);
    const Byte item = held.Piece.Item;
    // A piece whose origin is not known shows no teacher and no period.
    const bool known = doc.IsLineInUse(held.FromLine);
    WriteRow(a, {item <= MaxClassNo ? FromDocText(doc.ClassLabels()[item].View()) : QString(),
                 known ? FromDocText(doc.Line(held.FromLine).Name.View()) : QString(),
                 known ? FromDocText(PeriodName(held.FromPeriod)) : QString()});
    Grid().RepaintRow(a);
  }
  // A piece taken into the hand leaves its row behind the new tail.
  EmptyRow(rows - 1);
  SelectRow(doc.HoldingCount());
}

void TfrmHoldingStack::DocumentChanged(const DocumentChange& change) {
  if (change.All || change.Lines || change.Holding || change.Hand) RenewHolding();
}

void TfrmHoldingStack::ClearStack() {
  doc_.ClearHolding();
}

std::optional<ColorRef> TfrmHoldingStack::TextColor(int col, int row) const {
  const TKumData& doc = doc_;
  if (row < 1 || row >= doc.HoldingCount()) return std::nullopt;
  const HeldPiece& held = doc.Held(row);
  if (col == 1) return PieceColor(options_, held.Piece.Kind);
  if (col == 2 && doc.IsLineInUse(held.FromLine)) {
    return PieceColor(options_, doc.Line(held.FromLine).Grade);
  }
  return std::nullopt;
}

}  // namespace kumo
