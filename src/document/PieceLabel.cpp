#include "document/PieceLabel.h"

namespace kumo {

std::string_view PieceLabel(const TKumData& doc, const PeriodCell& piece) {
  if (piece.IsClass() && piece.Item <= MaxClassNo) return doc.ClassLabels[piece.Item].View();
  if (piece.Kind == KindSubject && piece.Item <= MaxSubject) {
    return doc.SubjectNames1[piece.Item].View();
  }
  if (piece.Kind == KindSymbol && piece.Item >= 1 && piece.Item <= MaxSymbol) {
    return doc.Symbols[piece.Item].View();
  }
  return {};
}

}  // namespace kumo
