// The single class timetable: one class's week as a table.
#pragma once

#include "document/Records.h"
#include "views/KumoOneWeek.h"

namespace kumo {

struct ClassEntry;
class TClassLines;
class TeacherChooser;
class Platform;

class TfrmClass : public TfrmOneWeek {
 public:
  TfrmClass(TKumData& doc, TClassLines& classes, Options& options, Platform& platform);

  // Lays the grid out for Letters, then rewrites title and cells.
  void RenewView() override;
  // The shown class stays the same class when the class list is rebuilt.
  void DocumentChanged(const DocumentChange& change) override;
  // "表示(&V)": one-character and two-character subject names in turn.
  void pmnViewClick();
  // "先生を選んで入力": the chooser of teachers at the current period, as the key / opens it.
  void pmnTeacherClick();
  TeacherChooser& Chooser() { return *chooser_; }

  int ShownClass = 0;  // class index entry; 0: none
  int Letters = 1;     // 1: one-character subject names; otherwise two

 protected:
  std::optional<PeriodLook> LookOf(int period) const override;
  int& Shown() override { return ShownClass; }
  int ShownCount() const override;
  // Delete and BackSpace erase the class's lesson in the current period, as the edit table's
  // Delete does.
  void GridKeyDown(int& key) override;

 private:
  // The entry ShownClass names; none for 0 or a number past the index.
  const ClassEntry* ShownEntry() const;
  void LayOut();
  // Typing into the week: a teacher's number or / opens the chooser of teachers, Enter goes on
  // to the next period.
  void GridKeyPress(QChar ch);
  void OpenChooser(const QString& typed);
  // The class into the chosen teacher's line at the current period, as the class palette enters
  // it; the current cell goes on to the next period unless a refusal or a clash kept it.
  void TeacherChosen(int line);
  void NextPeriod();

  TClassLines& classes_;
  Platform& platform_;
  // The class last shown, to find it again in a rebuilt index.
  Byte shownGrade_ = 0;
  Byte shownClassNo_ = 0;
  TeacherChooser* chooser_ = nullptr;
};

}  // namespace kumo
