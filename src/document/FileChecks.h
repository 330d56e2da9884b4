// Checks of the values a timetable or subject file brings in: every value that sizes a block or
// indexes a table or a line must fit the document, whatever the file holds.
#pragma once

#include <optional>
#include <string>

#include "document/KumoHead.h"

namespace kumo {

// The first impossible value found: what it is (for the user, in Japanese) and its value.
struct BadValue {
  std::string What;
  int Value;
};
using Finding = std::optional<BadValue>;

// "<what> の値 <value> が正しくありません。"
std::string BadValueText(const BadValue& bad);
// "<file> は壊れています。..." naming the value.
std::string CorruptFileMessage(const std::string& path, const BadValue& bad);

Finding CheckLine(const TeacherLine& line, int n);
// The number of history entries sizes a block of the file.
Finding CheckHistoryEnd(int end);
// Undo data: a file with damaged undo data opens without it.
bool HistoryPosFits(int pos, int end);
// A recorded step must name a line in use.
Finding CheckHistoryEntry(const HistoryEntry& e, int k, int lineCount);
// The record of entry e, step k: it may only say what a step could have done.
Finding CheckStepRecord(const StepRecord& r, const HistoryEntry& e, int k, int lineCount);
Finding CheckHoldingCount(int count);
// The piece of the hand (held == 0) or of held piece k: its kind and number. Its lesson subject
// is checked alone, since a bad one can be cleared and the lesson kept.
Finding CheckHeldPiece(const HeldPiece& p, int held);
Finding CheckHeldSubject(const HeldPiece& p, int held);
// A held piece comes from a cell of a line in use; 0 marks an origin not known.
bool OriginFits(const HeldPiece& p, int lineCount);
Finding CheckTitle(const Text<20>& title);
Finding CheckComment(const Text<40>& comment);
Finding CheckTable(const SubjectTable1& t);
Finding CheckTable(const SubjectTable2& t);
Finding CheckTable(const SubjectTable4& t);
Finding CheckTable(const SymbolTable& t);
Finding CheckTable(const MeaningTable& t);

}  // namespace kumo
