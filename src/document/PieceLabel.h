// What the grids show for a piece.
#pragma once

#include <string_view>

#include "document/KumoHead.h"

namespace kumo {

// What a cell shows for a piece: the class label (the grade shows by colour only), the
// one-character subject name or the symbol; nothing for an empty cell.
std::string_view PieceLabel(const TKumData& doc, const PeriodCell& piece);

}  // namespace kumo
