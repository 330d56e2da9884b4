// The timetable the document is compared with, to show what changed.
#include "document/KumoHead.h"

namespace kumo {

// Every view renews whole: a class that lost a lesson shows the change in a cell whose own
// piece says nothing of it. It happens at an open, a save or a comparison, never per move.
void TKumData::CompareWith(Baseline base) {
  const Batch batch(*this);
  Compared = std::move(base);
  MarkAll();
}

}  // namespace kumo
