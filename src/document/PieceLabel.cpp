#include "document/PieceLabel.h"

#include "document/TeacherListText.h"

namespace kumo {

std::string_view PieceLabel(const TKumData& doc, const PeriodCell& piece) {
  if (piece.IsClass() && piece.Item <= MaxClassNo) return doc.ClassLabels()[piece.Item].View();
  if (piece.Kind == KindSubject && piece.Item <= MaxSubject) {
    return doc.SubjectNames1()[piece.Item].View();
  }
  if (piece.Kind == KindSymbol && piece.Item >= 1 && piece.Item <= MaxSymbol) {
    return doc.Symbols()[piece.Item].View();
  }
  return {};
}

std::string ShownPieceLabel(const TKumData& doc, const Options& options, const PeriodCell& piece) {
  if (!options.GradeLabels || !piece.IsClass() || piece.Item > MaxClassNo) {
    return std::string(PieceLabel(doc, piece));
  }
  if (options.CircledLabels) {
    return std::to_string(piece.Kind) + std::string(doc.ClassLabels()[piece.Item].View());
  }
  return DashedClassName(options, piece.Kind, piece.Item);
}

}  // namespace kumo
