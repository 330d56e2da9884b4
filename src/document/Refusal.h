// Why the document last refused a step or beeped, told with its change notice so that a window
// can say it in words for a user who did not hear the beep or missed the cursor's jump.
#pragma once

#include <string>

#include "document/Records.h"

namespace kumo {

class TKumData;

enum class RefusalKind : Byte {
  None,
  Clash,            // the piece was put where OtherLine has it too
  Locked,           // the cell is locked
  HoldingFull,      // the holding stack had no room
  OldestForgotten,  // the history was full: its oldest step was forgotten
  NothingBack,      // Back at the start of the history
  NothingForward,   // Forward at its end
  BackMismatch,     // the cell or the hand no longer holds what the step left
  ForwardMismatch,
  HandBusy,     // the step needs an empty hand
  NoSuchClass,  // the class is not one of the school's
  Occupied,     // a subject or symbol piece is in the cell
  TeacherBusy,  // the teacher has another class in the period
};

struct Refusal {
  RefusalKind Kind = RefusalKind::None;
  PeriodCell Piece{};
  Byte Line = 0;
  Byte Period = 0;
  Byte OtherLine = 0;
};

// The refusal in words (UTF-8); nothing for none.
std::string DescribeRefusal(const TKumData& doc, const Refusal& refusal);
// The line under the edit table: what was said last (a refusal in words, or what a command
// did), then what the hand and the holding stack hold (UTF-8).
std::string WhyLineText(const TKumData& doc, std::string said);

}  // namespace kumo
