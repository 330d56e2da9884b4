#include "views/KumoTe.h"

#include "document/KumoHead.h"
#include "document/Options.h"
#include "document/PieceLabel.h"
#include "platform/DocText.h"
#include "platform/StringGrid.h"
#include "platform/WeekGrid.h"

namespace kumo {

TfrmTeacher::TfrmTeacher(TKumData& doc, Options& options)
    : TfrmOneWeek(doc, options,
                  {.Name = "frmTeacher",
                   .Caption = "教師時間割",
                   .Size = {143, 177},
                   .HelpContext = 5,
                   .GridName = "sgrTeacher",
                   .Hint = "教師を変更する"},
                  {}) {}

int TfrmTeacher::ShownCount() const {
  return doc_.LineCount();
}

// A line left past the last one by a cut shows as an empty line without a name.
void TfrmTeacher::RenewView() {
  FitGrid();
  const TKumData& doc = doc_;
  if (ShownLine == 0) {
    SetTitle(QString(), 0);
    ClearPeriods();
    return;
  }
  const bool inUse = doc.IsLineInUse(ShownLine);
  const TeacherLine line = inUse ? doc.Line(ShownLine) : TeacherLine{};
  SetTitle(FromDocText(line.Name.View()) + QStringLiteral("先生時間割"),
           PieceColor(options_, line.Grade));
  for (int p = 1; p <= PeriodCount; ++p) {
    const PeriodCell& cell = line.Cells[p];
    SetPeriodText(p, cell.IsEmpty() ? QStringLiteral("  ") : FromDocText(PieceLabel(doc, cell)));
  }
  Grid().viewport()->update();
}

std::optional<TfrmOneWeek::PeriodLook> TfrmTeacher::LookOf(int period) const {
  const TKumData& doc = doc_;
  if (!doc.IsLineInUse(ShownLine)) return std::nullopt;
  return PeriodLook{PieceColor(options_, doc.Cell(ShownLine, period).Kind), ShownLine, true};
}

void TfrmTeacher::DocumentChanged(const DocumentChange& change) {
  const bool lineChanged = doc_.IsLineInUse(ShownLine) && change.LineChanged(ShownLine);
  if (change.All || change.Lines || change.Subjects || lineChanged) RenewView();
}

}  // namespace kumo
