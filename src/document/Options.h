// The editing, display and print options: one live store that every window reads at the moment
// of use and that the environment dialog edits in place.
#pragma once

#include <array>
#include <string>

#include "document/Color.h"

namespace kumo {

struct Options {
  // Edit page.
  bool AutoLocate = true;
  bool AutoExchange = false;
  bool SelfTeaching = false;
  bool OnStackView = false;
  bool CountedView = false;
  bool ASDFKeys = false;
  bool TenKeys = false;
  bool ScrollVertical = true;
  bool ScrollHorizontal = true;
  // The edit table tints the periods of the hand's line by where the class in hand can go.
  bool ShowPlaces = true;
  // The edit table and the overviews frame the cells changed since the timetable was opened or
  // last saved, or against the file compared with.
  bool ShowChanges = true;
  // The edit table and the teachers overview mark every class taught twice in a period.
  bool MarkClashes = true;
  // Dragging a piece in the edit table carries it, instead of selecting a range.
  bool DragPieces = true;

  // Class pieces show their grade on screen too, as the teacher list prints them ("1②", "1-B").
  bool GradeLabels = false;

  // View page. Item indexes; -1 selects nothing.
  int ViewClassType = 0;  // 0 digits, 1 circled, 2 letters
  int TeachersGroup = 0;  // 0 by subject, 1 by grade
  int TeachersSubject = 0;
  int TeachersGrade = 0;  // grade 1..3 as 0..2
  std::array<bool, 3> ClassesGrade{};

  // Print page.
  int TeachersKind = 0;  // "1②", " ②", "1-2"
  bool ClassSmall = true;
  bool ClassLarge = false;
  int PaperSize = 0;     // A4, B4, A3
  int ClassLetters = 0;  // one, two, four characters
  bool Color = false;
  bool CountedPrint = false;

  // Values the controls do not hold.
  std::array<ColorRef, 6> PieceColors{0, 32768, 32896, 8421376, 8388736, 255};
  ColorRef CursorColor = 11184810;
  std::string PrintFontName = "ＭＳ ゴシック";  // UTF-8, at most 30 bytes once encoded

  // Every grid is drawn at this percentage, one of ZoomSteps.
  int Zoom = 100;

  // Derived when the settings are read and when the environment dialog is confirmed.
  bool LetterLabels = false;
  bool CircledLabels = false;
  int PrintClassLetters = 1;
  bool ColorPrinting = false;
};

// The values derived from the options: the class label flags, the print letters and colour
// printing. Run when the settings are read and when the environment dialog is confirmed.
void DeriveOptions(Options& options);

inline constexpr std::array<int, 7> ZoomSteps{75, 90, 100, 125, 150, 175, 200};
// The zoom so many steps larger (negative: smaller) than zoom, within the steps; a zoom between
// steps moves to the neighbouring one.
int SteppedZoom(int zoom, int steps);

}  // namespace kumo
