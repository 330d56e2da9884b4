// What a document operation changed, in the document's own terms, and the observers that are
// told about it. Each operation tells its observers once, when it ends; a walk through the
// history tells them once per batch of steps.
#pragma once

#include <bitset>

#include "document/Records.h"
#include "document/Refusal.h"

namespace kumo {

class TKumData;

struct DocumentChange {
  std::bitset<MaxLines * PeriodCount> Cells;  // cells whose piece changed
  std::bitset<MaxLines + 1> CellLines;        // the lines and periods of those cells
  std::bitset<PeriodCount + 1> CellPeriods;
  std::bitset<3 * MaxClassNo> Classes;  // classes whose pieces came into or left a cell
  bool Hand = false;                    // the piece in hand or its origin
  bool Holding = false;                 // the holding stack
  bool History = false;                 // entries, position or end of the history
  int FirstEntry = 0;                   // the first history entry written; 0: none
  int Forgotten = 0;  // oldest steps forgotten at the history's limit: the entries moved down
  bool Cursor = false;
  bool Lines = false;     // lines added, inserted, cut or their headers changed
  bool Subjects = false;  // the subject and symbol tables, or the file they are kept in
  bool Modified = false;  // the changed mark turned
  bool FileName = false;  // the timetable's file name
  bool Title = false;     // the title or the comment
  bool All = false;       // everything: a document replaced, or shown anew after the settings
  Refusal Refused;        // the last refusal or clash the operation beeped for

  static int CellIndex(int line, int period) { return (line - 1) * PeriodCount + (period - 1); }
  static int ClassIndex(int grade, int classNo) { return (grade - 1) * MaxClassNo + (classNo - 1); }
  bool Cell(int line, int period) const { return Cells[CellIndex(line, period)]; }
  // Whether any cell changed: asked of every notice, and cheaper of the lines than of the cells.
  bool AnyCell() const { return CellLines.any(); }
  bool LineChanged(int line) const { return CellLines[line]; }
  bool PeriodChanged(int period) const { return CellPeriods[period]; }
  bool Class(int grade, int classNo) const { return Classes[ClassIndex(grade, classNo)]; }
  bool Any() const {
    return AnyCell() || Classes.any() || Hand || Holding || History || Cursor || Lines ||
           Subjects || Modified || FileName || Title || All || Refused.Kind != RefusalKind::None;
  }
};

// Subscribes while it lives; told of every change, in the order the observers were made.
class DocumentObserver {
 public:
  explicit DocumentObserver(TKumData& doc);
  virtual ~DocumentObserver();
  DocumentObserver(const DocumentObserver&) = delete;
  DocumentObserver& operator=(const DocumentObserver&) = delete;

  virtual void DocumentChanged(const DocumentChange& change) = 0;

 private:
  TKumData& observed_;
};

}  // namespace kumo
