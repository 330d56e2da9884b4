// What a timetable file holds, record by record: documents in states that the operations reach
// only through a file (pieces held, a history made elsewhere, any stored byte) are written as an
// image and opened. Without recorded steps the records are worked out from the entries.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "document/FileImage.h"
#include "document/KumoHead.h"
#include "document/StepBlock.h"

namespace kumo::test {

struct TimetableImage {
  std::vector<TeacherLine> Lines;
  // Entries 1 .. end - 1 and the slot at the end; Pos is the history's position.
  std::vector<HistoryEntry> History{HistoryEntry{}};
  int Pos = 1;
  HeldPiece Hand{};
  // The held pieces, the one put aside last first, and the scratch slot past them.
  std::vector<HeldPiece> Holding{HeldPiece{}};
  // Beside entries 1 .. end - 1; written as the file's step block when one was recorded.
  std::vector<StepRecord> Steps;
  Byte CurLine = 1;
  Byte CurPeriod = 1;
  Text<20> Title{};
  Text<40> Comment{};
  SubjectTable1 Names1 = DefaultSubjectNames1();
  SubjectTable2 Names2 = DefaultSubjectNames2();
  SubjectTable4 Names4 = DefaultSubjectNames4();
  SymbolTable Symbols = DefaultSymbols();
  MeaningTable Meanings = DefaultSymbolMeanings();

  static TimetableImage Of(const TKumData& doc) {
    TimetableImage image;
    image.Lines.assign(doc.LinesInUse().begin(), doc.LinesInUse().end());
    image.History.clear();
    for (int k = 1; k <= doc.HistoryEnd(); ++k) image.History.push_back(doc.History(k));
    image.Pos = doc.HistoryPos();
    image.Hand = doc.Hand();
    image.Holding.clear();
    for (int k = 1; k <= doc.HoldingCount(); ++k) image.Holding.push_back(doc.Held(k));
    for (int k = 1; k < doc.HistoryEnd(); ++k) image.Steps.push_back(doc.Step(k));
    image.CurLine = doc.CurLine();
    image.CurPeriod = doc.CurPeriod();
    image.Title = doc.Title();
    image.Comment = doc.Comment();
    image.Names1 = doc.SubjectNames1();
    image.Names2 = doc.SubjectNames2();
    image.Names4 = doc.SubjectNames4();
    image.Symbols = doc.Symbols();
    image.Meanings = doc.SymbolMeanings();
    return image;
  }

  std::string Bytes() const {
    ImageWriter out;
    out.Put(static_cast<Byte>(Lines.size()));
    out.PutRecords(Lines.data(), static_cast<int>(Lines.size()));
    const std::size_t undoFrom = out.Bytes().size();
    out.PutU16(static_cast<std::uint16_t>(Pos));
    out.PutU16(static_cast<std::uint16_t>(History.size()));
    out.PutRecords(History.data(), static_cast<int>(History.size()));
    out.Put(static_cast<Byte>(Holding.size()));
    out.Put(Hand);
    out.PutRecords(Holding.data(), static_cast<int>(Holding.size()));
    const std::size_t undoTo = out.Bytes().size();
    out.Put(CurLine);
    out.Put(CurPeriod);
    out.Put(Title);
    out.Put(Comment);
    out.Put(Names1);
    out.Put(Names2);
    out.Put(Names4);
    out.Put(Symbols);
    out.Put(Meanings);
    std::string bytes = out.Bytes();
    const bool recorded =
        std::any_of(Steps.begin(), Steps.end(), [](const StepRecord& r) { return !r.Inferred(); });
    if (recorded) {
      bytes += StepBlock(Steps.data(), static_cast<int>(Steps.size()),
                         std::string_view(bytes).substr(undoFrom, undoTo - undoFrom));
    }
    return bytes;
  }
};

}  // namespace kumo::test
