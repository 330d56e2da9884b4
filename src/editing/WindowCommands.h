// What a window asks of windows outside itself, named for the request. The shell answers each by
// handing it to the window that does it, so no window knows another's class or the application.
#pragma once

#include <QPoint>
#include <functional>
#include <string>

#include "document/KumoHead.h"
#include "platform/StringGrid.h"

namespace kumo {

// The main window's Edit menu commands that the edit table's keys and popup menu run.
enum class EditCommand {
  Back,
  Forward,
  Home,
  End,
  Erase,
  Fill,
  LineHead,
  ColumnExchange,
  ClearStack
};

// The pages of the environment dialog.
enum class EnvironmentPage { Edit, View, Print };

class MainCommands {
 public:
  virtual void RunEditCommand(EditCommand command) = 0;
  // Runs a command; a file failure ends it with the error box. False when it failed.
  virtual bool Run(const std::function<void()>& command) = 0;
  // The main window takes no input while a window runs a loop of its own beside it.
  virtual void EnableMain(bool enabled) = 0;
  virtual bool TimetableOpen() const = 0;

 protected:
  ~MainCommands() = default;
};

// The edit table, as the palettes, the checks and the dialogs reach it.
class TableCommands {
 public:
  // Gives the keyboard back to the edit grid.
  virtual void FocusTable() = 0;
  // Says under the table what a command did (UTF-8).
  virtual void Tell(const std::string& done) = 0;
  virtual bool SingleCellSelected() const = 0;
  virtual CellRange SelectedCells() const = 0;

 protected:
  ~TableCommands() = default;
};

// The other windows a window opens or renews.
class WindowCommands {
 public:
  // The lesson details of the cursor cell, or the flags of the selected range.
  virtual void EditLessonDetails(bool singleCell) = 0;
  // The single timetables show a teacher line or a class index entry (0: none).
  virtual void ShowTeacher(int line) = 0;
  virtual void OpenTeacher(int line) = 0;  // and brings the window up
  virtual void ShowClass(int entry) = 0;
  virtual void OpenEnvironment(EnvironmentPage page) = 0;
  // The change notices, chosen in the print or export dialog, which then runs.
  virtual void PrintNotices() = 0;
  virtual void ExportNotices() = 0;
  // Subject or symbol k of the palette in its editing dialog, opened at origin.
  virtual void EditSubject(int k, QPoint origin) = 0;
  virtual void EditSymbol(int k, QPoint origin) = 0;
  // The large grids take these scroll bars.
  virtual void SetScrollBars(GridScrollBars bars) = 0;

 protected:
  ~WindowCommands() = default;
};

}  // namespace kumo
