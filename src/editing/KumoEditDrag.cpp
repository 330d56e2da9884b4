// The edit table's mouse drags: a piece dragged along its line is lifted and put down where it
// is dropped, and an entry dragged from a palette goes in where it is dropped.
#include "document/KumoHead.h"
#include "document/Options.h"
#include "editing/KumoEdit.h"
#include "platform/PaletteDrag.h"

namespace kumo {

void TfrmEdit::BuildDrags() {
  sgrEdit_->OnDragStart = [this](int col, int row) {
    const TKumData& doc = doc_;
    const int line = LineOfRow(row);
    const int period = PeriodOfCol(col);
    return options_.DragPieces && doc.Hand().Piece.IsEmpty() && doc.OnTimetable(line, period) &&
           !doc.Cell(line, period).IsEmpty();
  };
  // The lift comes with the first move, so that the tints show while the piece is dragged.
  sgrEdit_->OnDragOver = [this](int col, int) {
    const TKumData& doc = doc_;
    if (doc.Hand().Piece.IsEmpty()) sgrEditDblClick();
    if (doc.Hand().Piece.IsEmpty()) return false;
    sgrEdit_->SetCurrent(col, RowOfLine(doc.Hand().FromLine));
    return true;
  };
  sgrEdit_->OnDrop = [this](int col, int) {
    const TKumData& doc = doc_;
    if (doc.Hand().Piece.IsEmpty()) return;
    sgrEdit_->SetCurrent(col, RowOfLine(doc.Hand().FromLine));
    sgrEditDblClick();
  };
  sgrEdit_->AcceptDataDrops();
  sgrEdit_->OnDataDrop = [this](int col, int row, const QMimeData& data, bool drop) {
    const std::optional<PaletteEntry> entry = EntryOf(data);
    if (!entry || !drop) return entry.has_value();
    EnterDropped(*entry, col, row);
    return true;
  };
}

// As the palette's double click enters it, at the cell dropped on; a carried piece keeps the
// cursor on its line.
void TfrmEdit::EnterDropped(const PaletteEntry& entry, int col, int row) {
  TKumData& doc = doc_;
  sgrEdit_->SetCurrent(col, row);
  KeepHandOnLine();
  if (entry.Palette == PaletteEntry::From::ClassPalette) {
    doc.EnterClass(entry.First, entry.Second, options_.AutoLocate);
  } else {
    doc.EnterSubject(entry.First, entry.Second);
  }
  FocusTable();
}

}  // namespace kumo
