// What the grids show for a piece.
#pragma once

#include <string>
#include <string_view>

#include "document/KumoHead.h"

namespace kumo {

// What a cell shows for a piece: the class label (the grade shows by colour only), the
// one-character subject name or the symbol; nothing for an empty cell.
std::string_view PieceLabel(const TKumData& doc, const PeriodCell& piece);
// The label as the grids show it under the options: with the grade option on, a class as the
// teacher list prints it, the circled label after its grade ("1②") or grade and number joined
// by a dash ("1-2", "1-B").
std::string ShownPieceLabel(const TKumData& doc, const Options& options, const PeriodCell& piece);

}  // namespace kumo
