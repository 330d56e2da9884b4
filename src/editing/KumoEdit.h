// The edit table window: the timetable's teacher lines as a grid, where pieces are moved, with
// the week of the class in view and the clashing line in a summary strip below.
#pragma once

#include <QWidget>
#include <functional>
#include <string>

#include "document/ClashMarks.h"
#include "document/DocumentChange.h"
#include "document/HandPlaces.h"
#include "document/Records.h"
#include "document/TypedClass.h"
#include "platform/StringGrid.h"
#include "platform/TextLine.h"
#include "platform/WeekGrid.h"

class QAction;
class QMenu;

namespace kumo {

class MainCommands;
class TClassLines;
class TKumData;
struct Options;
class Platform;
class TableCommands;
class WindowCommands;
class SubjectChooser;
struct PaletteEntry;

class TfrmEdit : public QWidget, public DocumentObserver {
 public:
  TfrmEdit(TKumData& doc, TClassLines& classes, Options& options, Platform& platform,
           MainCommands& main, WindowCommands& windows);

  // The renewals: the whole table, one cell with its line's lesson count, the hand, the grid's
  // current cell from the document cursor, the class row and the clash row.
  void RedrawTable();
  void RedrawCell(int line, int period);
  void ShowHand();
  void SyncGridCursor();
  void ShowClassRow();
  void ShowClashRow();
  void DocumentChanged(const DocumentChange& change) override;
  // The piece move at the document cursor, with the user's options for clashes.
  void sgrEditDblClick();
  void SetScrollBars(GridScrollBars bars);

  // The grid's selection, which Erase, Fill and the lesson details walk, and its lines and
  // periods.
  GridRect Selection() const { return sgrEdit_->Selection(); }
  CellRange SelectedCells() const;
  StringGrid& EditGrid() { return *sgrEdit_; }
  StringGrid& ViewGrid() { return *sgrView_; }
  // The line under the table that says why the last beep sounded.
  TextLine& WhyLine() { return *lblWhy_; }
  // Says on that line what a command did (UTF-8), until the timetable next changes.
  void Tell(const std::string& done);
  // Where the class in hand can go, as the table tints it.
  const HandPlaces& Places() const { return places_; }
  // Gives the keyboard to the edit grid, as the history commands do when they end.
  void FocusTable();
  // Runs an entry at the cursor; when it went in there, the cursor goes on to the next period.
  void EnterAndGoOn(const std::function<bool()>& enter);
  SubjectChooser& Chooser() { return *chooser_; }

  // Sets the popup items' captions and availability from the selection.
  void LocalMenuPopup();
  QMenu& LocalMenu() { return *LocalMenu_; }

  Byte ViewGrade = 0;    // grade of the class in view, or the kind of the piece that decided it
  Byte ViewClassNo = 0;  // class number of the class in view
  Byte ViewEntry = 0;    // its class index entry; 0: none
  Byte ClashLine = 0;    // the line copied into the clash row

 protected:
  void showEvent(QShowEvent* event) override;
  // The window has no close button and the user cannot close it.
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildGrids();
  void BuildLocalMenu();
  void BuildDrags();
  void EnterDropped(const PaletteEntry& entry, int col, int row);
  QAction* AddMenuItem(const char* name, const char* caption, void (TfrmEdit::*handler)());
  void WriteHeaders();
  void WriteLine(int line);
  void WriteLessonCount(int line);
  void RepaintCell(StringGrid& grid, int col, int row);
  // The summary grid's columns under the edit grid's, whatever the scroll bars take.
  void AlignSummary();
  bool eventFilter(QObject* watched, QEvent* event) override;

  void sgrEditClick();
  void sgrEditMouseUp(Qt::MouseButton button);
  // A carried piece stays on its own line: the cursor keeps only the period it was moved to.
  void KeepHandOnLine();
  void sgrEditKeyDown(int& key, Qt::KeyboardModifiers modifiers);
  void sgrEditKeyPress(QChar ch);
  // Typing: Escape, BackSpace and Delete (true when taken), and the characters of a class or
  // the chooser's key.
  bool TypingKey(int key, Qt::KeyboardModifiers modifiers);
  void TypeKey(char16_t ch);
  void sgrEditDrawCell(Canvas& canvas, int col, int row, const QRect& rect, CellState state);
  void sgrViewDrawCell(Canvas& canvas, int col, int row, const QRect& rect, CellState state);

  // The timetabler's aids: the tints of the hand's line and the line that says why it beeped.
  void RenewAids(const DocumentChange& change);
  void ShowWhyLine();
  void ShowPlaces();
  void ShowClashMarks();
  void RepaintPeriods(int line);
  // The tint's brush, or the cursor's colour framed in the tint, and its mark.
  ColorRef PlaceBrush(PlaceTint tint) const;
  void DrawPlaceMark(Canvas& canvas, const QRect& rect, PlaceTint tint, bool cursor) const;

  void pmnHomeRoomStateClick();
  void pmnClassClick();
  void pmnTeacherClick();
  void pmnEraceClick();
  void pmnFillClick();
  void pmnLineHeadClick();
  void pmnColumExchangeClick();
  void pmnSelfTeachingClick();
  void pmnStackClearClick();
  void pmnClearHoldingClick();

  TKumData& doc_;
  TClassLines& classes_;
  Options& options_;
  Platform& platform_;
  MainCommands& main_;
  WindowCommands& windows_;
  StringGrid* sgrEdit_ = nullptr;
  StringGrid* sgrView_ = nullptr;
  QWidget* Panel1_ = nullptr;  // the summary's strip
  QWidget* Panel2_ = nullptr;
  QMenu* LocalMenu_ = nullptr;
  QAction* pmnHomeRoomState_ = nullptr;
  QAction* pmnClass_ = nullptr;
  QAction* pmnErace_ = nullptr;
  QAction* pmnFill_ = nullptr;
  QAction* pmnLineHead_ = nullptr;
  QAction* pmnSelfTeaching_ = nullptr;
  TextLine* lblWhy_ = nullptr;
  SubjectChooser* chooser_ = nullptr;
  TypedClass typed_;  // the class being typed at the cursor
  HandPlaces places_;
  ClashMarks clashes_;
  Refusal lastRefusal_;
  int shownClash_ = 0;  // the line the clash row copies; 0: none
  std::string told_;    // what a command did, said while no refusal is
  // While the grid's cursor follows the document's, its click moves nothing.
  bool followingDocument_ = false;
};

}  // namespace kumo
