// Where the class in hand can go: each period of its line judged by what putting it down there
// would do, from the class index, so that the edit table can tint the line as the hand moves.
#pragma once

#include "document/KumoHead.h"

namespace kumo {

// What putting the class in hand down in a period of its line would do.
enum class PlaceTint : Byte {
  // Drawn as ever: a locked cell, or no class in hand.
  None,
  // The class is free then, and the piece there, if any, is free where the hand came from.
  Good,
  // The class is free then, but the piece it displaces would clash where the hand came from,
  // or the class already has the lesson's subject that day, not as a continuous pair.
  Careful,
  // Another line already teaches the class then, or its homeroom teacher holds 学活 or 道徳.
  Clash,
  // A symbol (×, ★ …) blocks the period: the teacher is not free then.
  Symbol,
};

struct HandPlaces {
  int Line = 0;  // the hand's line; 0 while the hand holds no class
  Indexed<PlaceTint, 1, PeriodCount> Tints{};

  PlaceTint At(int line, int period) const {
    return line == Line && line != 0 && period >= 1 && period <= PeriodCount ? Tints[period]
                                                                             : PlaceTint::None;
  }
  bool operator==(const HandPlaces& other) const;
};

HandPlaces FindHandPlaces(const TKumData& doc, const TClassLines& classes);

}  // namespace kumo
