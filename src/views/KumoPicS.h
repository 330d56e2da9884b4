// The subject and symbol palette, where the two tables are also edited and filed.
#pragma once

#include <QWidget>

#include "document/DocumentChange.h"

namespace kumo {

class TKumData;
struct Options;
class Platform;
class MainCommands;
class TableCommands;
class WindowCommands;
class StringGrid;
class Canvas;

class TfrmPickS : public QWidget, public DocumentObserver {
 public:
  TfrmPickS(TKumData& doc, Options& options, Platform& platform, MainCommands& main,
            TableCommands& table, WindowCommands& windows);

  // The grid from the document's tables and Letters.
  void RenewView();
  void DocumentChanged(const DocumentChange& change) override;
  // Enters the subject or symbol under the grid cursor into the edit table's cursor cell, or
  // into every cell of its selected range (also the menu's "入力(&I)").
  void sgrPicksDblClick();
  // Subjects in the subject colour, symbols in the symbol colour, captions included.
  void sgrPicksDrawCell(Canvas& canvas, int col, int row, const QRect& rect);
  void pmnEditClick();
  void pmnViewClick();
  void pmnLoadClick();
  void pmnSaveClick();
  void pmnInitClick();

  StringGrid& Grid() { return *sgrPicks_; }

  int Letters = 1;  // 1: one-character subject names; otherwise two

 protected:
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  // The subject file dialogs start where the last subject file was, else beside the timetable.
  std::string SubjectFileDir() const;

  TKumData& doc_;
  Options& options_;
  Platform& platform_;
  MainCommands& main_;
  TableCommands& table_;
  WindowCommands& windows_;
  StringGrid* sgrPicks_ = nullptr;
};

}  // namespace kumo
