// How the checks and the refusals name what they speak of, in UTF-8 for the windows.
#pragma once

#include <string>

#include "document/KumoHead.h"

namespace kumo {

// "１－２": the grade and the class label.
std::string ClassName(const TKumData& doc, int grade, int classNo);
// The teacher's name, or "n行目" for a line without one.
std::string LineName(const TKumData& doc, int line);
// A class by ClassName, a subject by its two-character name, a symbol as itself.
std::string PieceName(const TKumData& doc, const PeriodCell& piece);
// "月１".
std::string PeriodText(int period);
// "１－２（田中 月３ から）": a held piece and where it was lifted.
std::string HeldPieceText(const TKumData& doc, const HeldPiece& held);

}  // namespace kumo
