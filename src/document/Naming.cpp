#include "document/Naming.h"

#include "base/Cp932.h"
#include "document/FullWidth.h"
#include "document/PeriodName.h"
#include "document/PieceLabel.h"

namespace kumo {

std::string ClassName(const TKumData& doc, int grade, int classNo) {
  const std::string label =
      classNo >= 0 && classNo <= MaxClassNo ? Cp932ToUtf8(doc.ClassLabels()[classNo].View()) : "";
  return Cp932ToUtf8(ToFullWidth(std::to_string(grade))) + "－" + label;
}

std::string LineName(const TKumData& doc, int line) {
  if (!doc.IsLineInUse(line)) return {};
  const std::string name = Cp932ToUtf8(doc.Line(line).Name.View());
  return name.empty() ? Cp932ToUtf8(ToFullWidth(std::to_string(line))) + "行目" : name;
}

std::string PieceName(const TKumData& doc, const PeriodCell& piece) {
  if (piece.IsClass()) return ClassName(doc, piece.Kind, piece.Item);
  if (piece.Kind == KindSubject && piece.Item <= MaxSubject) {
    return Cp932ToUtf8(doc.SubjectNames2()[piece.Item].View());
  }
  return Cp932ToUtf8(PieceLabel(doc, piece));  // a symbol as itself
}

std::string PeriodText(int period) {
  return Cp932ToUtf8(PeriodName(period));
}

std::string HeldPieceText(const TKumData& doc, const HeldPiece& held) {
  std::string text = PieceName(doc, held.Piece);
  if (doc.OnTimetable(held.FromLine, held.FromPeriod)) {
    text += "（" + LineName(doc, held.FromLine) + " " + PeriodText(held.FromPeriod) + " から）";
  }
  return text;
}

}  // namespace kumo
