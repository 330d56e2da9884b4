// What the single teacher timetable and the single class timetable share: a title over a week
// table of days across and periods down, a spin button over the table's lower right corner that
// steps through the teachers or the classes, and a popup menu to close the window or ask for
// help. The windows say what is shown and how each period reads.
#pragma once

#include <QSize>
#include <QString>
#include <QWidget>
#include <optional>

#include "document/Color.h"
#include "document/DocumentChange.h"
#include "platform/ToolMenu.h"

class QLabel;

namespace kumo {

class Canvas;
struct Options;
class SpinButton;
class StringGrid;

class TfrmOneWeek : public QWidget, public DocumentObserver {
 public:
  // Rewrites the title and the cells, whether or not the window is visible.
  virtual void RenewView() = 0;
  // Shows the teacher line or the class index entry shown (0: none) and renews.
  void ShowOne(int shown);

  QLabel& Title() { return *lblTitle_; }
  StringGrid& Grid() { return *grid_; }
  SpinButton& Spin() { return *spbSelect_; }

 protected:
  struct Design {
    const char* Name;  // the window's object name
    const char* Caption;
    QSize Size;
    int HelpContext;
    const char* GridName;
    const char* Hint;  // of the spin button
  };
  // commands: the window's own items at the head of its popup menu.
  TfrmOneWeek(TKumData& doc, Options& options, const Design& design,
              std::initializer_list<ToolCommand> commands);

  // How a period cell draws: its text colour, and the line whose piece there greys a locked
  // cell and sets italic (and bold, when asked) as the edit table does; 0 for no such line.
  struct PeriodLook {
    ColorRef Color = 0;
    int Line = 0;
    bool Bold = false;
  };
  // Nothing while nothing is shown: the grid's own drawing.
  virtual std::optional<PeriodLook> LookOf(int period) const = 0;
  // The spin button steps the shown teacher or class through 1..ShownCount(), with no
  // wrap-around; from none, the lower arrow goes to the first.
  virtual int& Shown() = 0;
  virtual int ShownCount() const = 0;

  // The grid and the spin button beside it take the grid's zoomed size.
  void FitGrid();
  void SetTitle(const QString& text, ColorRef color);
  void SetPeriodText(int period, const QString& text);
  // Empty period cells, for a window that shows nothing.
  void ClearPeriods();
  // The spin button's arrows, also Ctrl+PageDown and Ctrl+PageUp in the grid.
  void spbSelectDownClick();
  void spbSelectUpClick();
  // The grid's keys beyond the class steps; set key to 0 when taken.
  virtual void GridKeyDown(int& /*key*/) {}
  // The period of the grid's current cell, and the current cell moved to a period.
  int CurrentPeriod() const;
  void GoToPeriod(int period);

  TKumData& doc_;
  Options& options_;

 private:
  void DrawCell(Canvas& canvas, int col, int row, const QRect& rect);

  QLabel* lblTitle_ = nullptr;
  StringGrid* grid_ = nullptr;
  SpinButton* spbSelect_ = nullptr;
};

}  // namespace kumo
