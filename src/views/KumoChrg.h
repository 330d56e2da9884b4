// The class input palette: every class of the school, one row per grade; a double click puts
// the class into the cursor cell of the timetable.
#pragma once

#include <QWidget>

#include "document/DocumentChange.h"

namespace kumo {

class TKumData;
struct Options;
class TableCommands;
class StringGrid;
class Canvas;

class TfrmPickCharge : public QWidget, public DocumentObserver {
 public:
  TfrmPickCharge(TKumData& doc, Options& options, TableCommands& table);

  // The grid from the class counts and labels of the document.
  void RenewView();
  // The classes of the school follow the line headers.
  void DocumentChanged(const DocumentChange& change) override;
  // Enters the class under the grid cursor (also the menu's "入力(&I)").
  void sgrPickChargeDblClick();
  // Every text of a row, its caption included, in the colour of its grade.
  void sgrPickChargeDrawCell(Canvas& canvas, int col, int row, const QRect& rect);

  StringGrid& Grid() { return *sgrPickCharge_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void FormCreate();
  void BuildMenu();

  TKumData& doc_;
  Options& options_;
  TableCommands& table_;
  StringGrid* sgrPickCharge_ = nullptr;
};

}  // namespace kumo
