// The small read-only windows that list one of the document's stacks: a string grid filling the
// window, a header row over rows numbered in the first column and an empty tail row, and a popup
// menu to clear the stack, close the window and ask for help.
#pragma once

#include <QString>
#include <QWidget>
#include <initializer_list>
#include <optional>

#include "document/Color.h"

class QMenu;

namespace kumo {

class StringGrid;

struct StackColumn {
  const char* Header;  // UTF-8
  int Width;
};

class StackWindow : public QWidget {
 public:
  // The first column is the row number.
  StackWindow(const char* gridName, std::initializer_list<StackColumn> columns, int helpContext);

  StringGrid& Grid() { return *grid_; }
  QMenu& LocalMenu() { return *menu_; }

 protected:
  // The menu's "クリア(&E)".
  virtual void ClearStack() = 0;
  // The colour a cell's text takes over the grid's own; nothing for the grid's own.
  virtual std::optional<ColorRef> TextColor(int col, int row) const = 0;

  // The text of a row's number.
  static QString RowNumber(int row);
  // The row's number, then the texts of the other columns.
  void WriteRow(int row, std::initializer_list<QString> texts);
  void EmptyRow(int row);
  void SelectRow(int row);
  // The colours follow the document, not the texts: a cell whose text stayed may need painting.
  void RepaintCell(int col, int row);

 private:
  StringGrid* grid_ = nullptr;
  QMenu* menu_ = nullptr;
};

}  // namespace kumo
