// The single teacher timetable: one teacher line as a week table.
#pragma once

#include "views/KumoOneWeek.h"

namespace kumo {

class TfrmTeacher : public TfrmOneWeek {
 public:
  TfrmTeacher(TKumData& doc, Options& options);

  void RenewView() override;
  void DocumentChanged(const DocumentChange& change) override;

  int ShownLine = 0;  // 0: none

 protected:
  std::optional<PeriodLook> LookOf(int period) const override;
  int& Shown() override { return ShownLine; }
  int ShownCount() const override;
};

}  // namespace kumo
