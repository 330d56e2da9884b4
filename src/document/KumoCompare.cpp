// The timetable the document is compared with, to show what changed.
#include "document/KumoHead.h"

namespace kumo {

// Every view renews whole: a class that lost a lesson shows the change in a cell whose own
// piece says nothing of it. It happens at an open, a save or a comparison, never per move.
void TKumData::CompareWith(Baseline other) {
  const Batch batch(*this);
  other_ = std::move(other);
  MarkAll();
}

void TKumData::KeepSaved(const std::string& path) {
  const Batch batch(*this);
  saved_ = Baseline::Snapshot(LinesInUse());
  fileName_ = path;
  pending_.FileName = true;
  MarkAll();
}

}  // namespace kumo
