// The step records as a block after the last table of the timetable file. Readers of the plain
// layout stop before it; a file without it simply has no records.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "document/Records.h"

namespace kumo {

constexpr std::string_view StepBlockMagic = "KUMOSTEP";
constexpr std::size_t StepBlockSize(int count) {
  return StepBlockMagic.size() + 1 + 2 + sizeof(StepRecord) * count + 4;
}

// covered: the bytes of the file that the records go with (the history, the hand and the
// holding stack). The check sum covers them too: a file changed there by another program that
// kept the block has a damaged block.
std::string StepBlock(const StepRecord* records, int count, std::string_view covered);

enum class StepBlockRead { Absent, Taken, Damaged };
// Reads count records from the bytes after the last table into out. Bytes that do not start
// with the block's mark are no block; a block of another version, count or check sum is
// damaged.
StepBlockRead ReadStepBlock(std::string_view rest, int count, std::string_view covered,
                            StepRecord* out);

}  // namespace kumo
