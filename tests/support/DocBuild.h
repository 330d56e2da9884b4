// Documents built for tests through the document's own operations: lines edited as the line
// editor edits them, and states only a file reaches written as a file's image and opened.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "document/KumoHead.h"
#include "support/TimetableImage.h"

namespace kumo::test {

// A line changed as the line editor changes it; the cursor stays where it was.
template <class Change>
void EditLine(TKumData& doc, int line, Change change) {
  const int curLine = doc.CurLine(), curPeriod = doc.CurPeriod();
  doc.SetCursor(line, curPeriod);
  TeacherLine l = doc.GetCurrentLine();
  change(l);
  ASSERT_TRUE(doc.SetCurrentLine(l)) << "line " << line << " is not in use";
  doc.SetCursor(curLine, curPeriod);
}

// A piece placed by a line edit: no step, nothing in hand.
inline void Put(TKumData& doc, int line, int period, const PeriodCell& piece) {
  EditLine(doc, line, [&](TeacherLine& l) { l.Cells[period] = piece; });
}

// The document written to path with a change and opened again, unchanged.
template <class Change>
void Reopen(TKumData& doc, const std::string& path, Change change) {
  TimetableImage image = TimetableImage::Of(doc);
  change(image);
  std::ofstream(path, std::ios::binary) << image.Bytes();
  ASSERT_TRUE(doc.Open(path));
}

// A piece put aside on top of the holding stack, as a clash puts one aside.
inline void Hold(TKumData& doc, const std::string& path, const HeldPiece& piece) {
  Reopen(doc, path,
         [&](TimetableImage& image) { image.Holding.insert(image.Holding.begin(), piece); });
}

// The piece in hand, with its origin.
inline void InHand(TKumData& doc, const std::string& path, const HeldPiece& piece) {
  Reopen(doc, path, [&](TimetableImage& image) { image.Hand = piece; });
}

// The timetable changed, as any edit marks it.
inline void MarkChanged(TKumData& doc) {
  doc.SetTitle(doc.Title().View(), doc.Comment().View());
}

}  // namespace kumo::test
