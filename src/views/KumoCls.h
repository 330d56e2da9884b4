// The classes overview: the weeks of the classes of the chosen grades, one class a row, each
// period with the subject the class has then.
#pragma once

#include <QWidget>

#include "document/DocumentChange.h"
#include "platform/StringGrid.h"

namespace kumo {

class TKumData;
class TClassLines;
struct Options;
class WindowCommands;

class TfrmClasses : public QWidget, public DocumentObserver {
 public:
  TfrmClasses(TKumData& doc, TClassLines& classes, Options& options, WindowCommands& windows);

  // Lists the classes of the ticked grades in the class index and fills every row; nothing
  // while hidden.
  void RenewAll();
  // Refills the row of the class, if it is listed.
  void RenewClass(int grade, int classNo);
  void DocumentChanged(const DocumentChange& change) override;

  StringGrid& Grid() { return *sgrClasses_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildLocalMenu();
  // Data row k (from 1) from the visible class k of the index.
  void FillRow(int k);
  // A click in the grid renews every row.
  void sgrClassesClick();
  void sgrClassesDrawCell(Canvas& canvas, int col, int row, const QRect& rect);
  void pmnSetViewClick();

  TKumData& doc_;
  TClassLines& classes_;
  Options& options_;
  WindowCommands& windows_;
  StringGrid* sgrClasses_ = nullptr;
};

}  // namespace kumo
