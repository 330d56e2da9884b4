// The document's CP932 texts as the windows show them.
#pragma once

#include <QString>
#include <string_view>

#include "document/KumoHead.h"

namespace kumo {

QString FromDocText(std::string_view cp932);

// What a cell shows for a piece: the class label (the grade shows by colour only), the
// one-character subject name or the symbol; nothing for an empty cell.
std::string_view PieceLabel(const TKumData& doc, const PeriodCell& piece);

}  // namespace kumo
