// The teachers overview: the weeks of one subject's or one grade's teachers, one under the
// other, each row as the edit table shows its line.
#pragma once

#include <QWidget>
#include <vector>

#include "document/ClashMarks.h"
#include "document/DocumentChange.h"
#include "platform/StringGrid.h"

namespace kumo {

class TKumData;
struct Options;
class WindowCommands;

class TfrmTeachers : public QWidget, public DocumentObserver {
 public:
  TfrmTeachers(TKumData& doc, Options& options, WindowCommands& windows);

  // Lists the lines the display settings choose and fills every row; nothing while hidden.
  void RenewAll();
  void DocumentChanged(const DocumentChange& change) override;

  StringGrid& Grid() { return *sgrTeachers_; }

  std::vector<int> ListedLines;  // the line of each data row, in row order

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildLocalMenu();
  bool Listed(const TeacherLine& line) const;
  // Data row k (from 0) from its line.
  void WriteRow(int k);
  // The marks of the classes taught twice, and the cells whose mark came or went repainted.
  void ShowClashMarks();
  // A click in the grid renews every row.
  void sgrTeachersClick();
  void sgrTeachersDrawCell(Canvas& canvas, int col, int row, const QRect& rect, CellState state);
  void pmnViewSetClick();

  TKumData& doc_;
  Options& options_;
  WindowCommands& windows_;
  StringGrid* sgrTeachers_ = nullptr;
  ClashMarks clashes_;
};

}  // namespace kumo
