// The single class timetable: one class's week as a table.
#pragma once

#include "document/Records.h"
#include "views/KumoOneWeek.h"

namespace kumo {

struct ClassEntry;
class TClassLines;

class TfrmClass : public TfrmOneWeek {
 public:
  TfrmClass(TKumData& doc, TClassLines& classes, Options& options);

  // Lays the grid out for Letters, then rewrites title and cells.
  void RenewView() override;
  // The shown class stays the same class when the class list is rebuilt.
  void DocumentChanged(const DocumentChange& change) override;
  // "表示(&V)": one-character and two-character subject names in turn.
  void pmnViewClick();

  int ShownClass = 0;  // class index entry; 0: none
  int Letters = 1;     // 1: one-character subject names; otherwise two

 protected:
  std::optional<PeriodLook> LookOf(int period) const override;
  int& Shown() override { return ShownClass; }
  int ShownCount() const override;

 private:
  // The entry ShownClass names; none for 0 or a number past the index.
  const ClassEntry* ShownEntry() const;
  void LayOut();

  TClassLines& classes_;
  // The class last shown, to find it again in a rebuilt index.
  Byte shownGrade_ = 0;
  Byte shownClassNo_ = 0;
};

}  // namespace kumo
