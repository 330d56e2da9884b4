// The check sum of a timetable file's step records, made right again after a mutation: random
// bytes almost never keep it, and without it the reader drops the records before it checks them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "document/KumoHead.h"
#include "document/StepBlock.h"

namespace kumo::fuzz {

// The sizes after the holding stack: the cursor, the title, the comment and the five tables.
constexpr std::size_t TailSize = 2 + sizeof(Text<20>) + sizeof(Text<40>) + sizeof(SubjectTable1) +
                                 sizeof(SubjectTable2) + sizeof(SubjectTable4) +
                                 sizeof(SymbolTable) + sizeof(MeaningTable);

// Rebuilds the block of step records after the tables, when the file has one, for the undo bytes
// the file holds: the records the block brings keep their bytes, the mark, version, count and
// check sum become those of a sound block. A block that bytes added or taken out before it have
// moved goes back to where the reader looks for it. False when the file has no block, or when
// the sound block would not fit in maxSize bytes.
inline bool ResealStepBlock(std::string& file, std::size_t maxSize) {
  auto byte = [&](std::size_t at) { return at < file.size() ? static_cast<Byte>(file[at]) : 0; };
  const std::size_t undoFrom = 1 + sizeof(TeacherLine) * byte(0);
  const int end = byte(undoFrom + 2) | (byte(undoFrom + 3) << 8);
  if (byte(0) > MaxLines || end < 2 || end > MaxHistory) return false;
  const std::size_t holdingAt = undoFrom + 4 + sizeof(HistoryEntry) * end;
  const std::size_t undoTo = holdingAt + 1 + sizeof(HeldPiece) * (1 + byte(holdingAt));
  const std::size_t blockAt = undoTo + TailSize;
  const std::size_t found = file.rfind(StepBlockMagic);
  const int count = end - 1;
  if (found == std::string::npos || found < undoTo || blockAt + StepBlockSize(count) > maxSize) {
    return false;
  }
  std::vector<StepRecord> records(count);
  const std::size_t recordsAt = found + StepBlockMagic.size() + 3;
  const std::size_t have = file.size() > recordsAt ? file.size() - recordsAt : 0;
  std::memcpy(static_cast<void*>(records.data()), file.data() + std::min(recordsAt, file.size()),
              std::min(have, sizeof(StepRecord) * count));
  file.resize(blockAt);
  file +=
      StepBlock(records.data(), count, std::string_view(file).substr(undoFrom, undoTo - undoFrom));
  return true;
}

}  // namespace kumo::fuzz
