#include "editing/SubjectChooser.h"

#include "document/KumoHead.h"
#include "editing/KumoEdit.h"
#include "platform/DocText.h"

namespace kumo {

SubjectChooser::SubjectChooser(TKumData& doc, TfrmEdit& edit)
    : ChooserPopup(&edit, "SubjectChooser"), doc_(doc), edit_(edit) {}

// Subject 0, the blank one, and unnamed entries are never offered, as in the palette.
void SubjectChooser::Fill() {
  const TKumData& doc = doc_;
  for (int k = 1; k <= MaxSubject; ++k) {
    if (doc.SubjectNames1()[k].View().empty()) continue;
    const QString four = FromDocText(doc.SubjectNames4()[k].View());
    AddChoice(FromDocText(doc.SubjectNames1()[k].View()) + "  " + four,
              FromDocText(doc.SubjectNames1()[k].View()) + " " +
                  FromDocText(doc.SubjectNames2()[k].View()) + " " + four,
              QPoint(0, k));
  }
  for (int k = 1; k <= MaxSymbol; ++k) {
    if (doc.Symbols()[k].View().empty()) continue;
    const QString meaning = FromDocText(doc.SymbolMeanings()[k].View());
    AddChoice(FromDocText(doc.Symbols()[k].View()) + "  " + meaning,
              FromDocText(doc.Symbols()[k].View()) + " " + meaning, QPoint(1, k));
  }
}

void SubjectChooser::Open() {
  StringGrid& grid = edit_.EditGrid();
  const QRect cell = grid.CellRect(grid.Col(), grid.Row());
  PopUp(grid.viewport()->mapToGlobal(cell.isEmpty() ? QPoint() : cell.bottomLeft()), QString());
}

void SubjectChooser::Done(const QVariant& chosen) {
  edit_.FocusTable();
  if (!chosen.isValid()) return;
  const QPoint choice = chosen.toPoint();
  if (!edit_.Selection().SingleCell()) {
    doc_.FillRange(edit_.SelectedCells(), choice.x(), choice.y());
    return;
  }
  edit_.EnterAndGoOn([&] { return doc_.EnterSubject(choice.x(), choice.y()); });
}

}  // namespace kumo
