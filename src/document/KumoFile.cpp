// The timetable file and the subject file: flat images of the document's records.
#include <algorithm>
#include <array>

#include "document/FileChecks.h"
#include "document/FileImage.h"
#include "document/KumoHead.h"
#include "platform/sys/SysFile.h"

namespace kumo {
namespace {

constexpr std::size_t TablesSize = sizeof(SubjectTable1) + sizeof(SubjectTable2) +
                                   sizeof(SubjectTable4) + sizeof(SymbolTable) +
                                   sizeof(MeaningTable);
static_assert(TablesSize == 4117);
constexpr std::size_t LargestTimetableFile =
    1 + sizeof(TeacherLine) * MaxLines + 4 + sizeof(HistoryEntry) * MaxHistory + 1 +
    sizeof(HeldPiece) * (1 + MaxHolding) + 2 + sizeof(Text<20>) + sizeof(Text<40>) + TablesSize;

void ReportCorrupt(TKumData& doc, const std::string& path, const BadValue& bad) {
  doc.Ui().MessageBox(BoxType::Error, Buttons::OkCancel, CorruptFileMessage(path, bad));
}

// HistoryPos and HistoryEnd are taken together: one without the other cannot be checked.
struct HistoryCounts {
  std::array<Byte, 4> Bytes;
  int Pos() const { return Bytes[0] | (Bytes[1] << 8); }
  int End() const { return Bytes[2] | (Bytes[3] << 8); }
};
static_assert(IsRawRecord<HistoryCounts>);

// The five tables at the end of both files.
struct TableSet {
  SubjectTable1 Names1;
  SubjectTable2 Names2;
  SubjectTable4 Names4;
  SymbolTable Symbols;
  MeaningTable Meanings;

  template <class Self, class Visit>
  static void ForEach(Self& self, Visit visit) {
    visit(self.Names1);
    visit(self.Names2);
    visit(self.Names4);
    visit(self.Symbols);
    visit(self.Meanings);
  }
  // The number of whole tables the image holds, read in file order.
  int ReadFrom(ImageReader& in) {
    int got = 0;
    bool ended = false;
    ForEach(*this, [&](auto& table) {
      ended = ended || !in.TryGet(table);
      if (!ended) ++got;
    });
    return got;
  }
  Finding Check(int count) const {
    Finding bad;
    int k = 0;
    ForEach(*this, [&](const auto& table) {
      if (!bad && k++ < count) bad = CheckTable(table);
    });
    return bad;
  }
};

void PutTables(ImageWriter& out, const TKumData& doc) {
  out.Put(doc.SubjectNames1);
  out.Put(doc.SubjectNames2);
  out.Put(doc.SubjectNames4);
  out.Put(doc.Symbols);
  out.Put(doc.SymbolMeanings);
}

// Reads the five tables. The tables read before a file ends early are taken; a damaged table
// leaves all five as they were and is returned.
Finding ReadTables(TKumData& doc, ImageReader& in) {
  TableSet read{};
  int got = read.ReadFrom(in);
  if (auto bad = read.Check(got)) return bad;
  if (got > 0) doc.SubjectNames1 = read.Names1;
  if (got > 1) doc.SubjectNames2 = read.Names2;
  if (got > 2) doc.SubjectNames4 = read.Names4;
  if (got > 3) doc.Symbols = read.Symbols;
  if (got > 4) doc.SymbolMeanings = read.Meanings;
  if (got < 5) in.FailEarlyEnd();
  return std::nullopt;
}

}  // namespace

void TKumData::SaveToFile() {
  ImageWriter out;
  // The counts are kept within the tables by every operation; the clamps only make sure nothing
  // beyond the tables is ever read.
  int lines = std::min<int>(LineCount, MaxLines);
  int steps = std::min<int>(HistoryEnd, MaxHistory);
  int held = std::min<int>(HoldingCount, MaxHolding);
  out.Put(static_cast<Byte>(lines));
  out.PutRecords(Lines.Items, lines);
  out.PutU16(HistoryPos);
  out.PutU16(static_cast<std::uint16_t>(steps));
  out.PutRecords(History.Items, steps);
  out.Put(static_cast<Byte>(held));
  out.Put(Hand);
  out.PutRecords(Holding.Items, held);
  out.Put(CurLine);
  out.Put(CurPeriod);
  out.Put(Title);
  out.Put(Comment);
  PutTables(out, *this);
  WriteFileAtomically(FileName, out.Bytes());
}

bool TKumData::LoadFromFile() {
  Clear();
  ImageReader in(ReadFileBytes(FileName, LargestTimetableFile + 1), FileName);
  // Block by block: the document keeps what was read when the file ends early, and a damaged
  // file leaves the empty document.
  auto refused = [this](const Finding& bad) {
    if (!bad) return false;
    Clear();
    ReportCorrupt(*this, FileName, *bad);
    return true;
  };

  Byte lineCount = 0;
  in.Get(lineCount);
  if (lineCount > MaxLines) {
    prompter_.MessageBox(BoxType::Error, Buttons::OkCancel, "教師数が多すぎます");
    return false;
  }
  LineCount = lineCount;
  in.GetRecords(Lines.Items, LineCount);
  for (int n = 1; n <= LineCount; ++n) {
    if (refused(CheckLine(Lines[n], n))) return false;
  }

  HistoryCounts counts{};
  in.Get(counts);
  if (refused(CheckHistoryCounts(counts.Pos(), counts.End()))) return false;
  HistoryPos = static_cast<std::uint16_t>(counts.Pos());
  HistoryEnd = static_cast<std::uint16_t>(counts.End());
  in.GetRecords(History.Items, HistoryEnd);
  for (int k = 1; k < HistoryEnd; ++k) {
    if (refused(CheckHistoryEntry(History[k], k, LineCount))) return false;
  }

  Byte holdingCount = 0;
  in.Get(holdingCount);
  if (refused(CheckHoldingCount(holdingCount))) return false;
  HoldingCount = holdingCount;
  HeldPiece hand{};
  in.Get(hand);
  if (refused(CheckHeldPiece(hand, 0, LineCount))) return false;
  Hand = hand;
  in.GetRecords(Holding.Items, HoldingCount);
  for (int k = 1; k < HoldingCount; ++k) {
    if (refused(CheckHeldPiece(Holding[k], k, LineCount))) return false;
  }

  // A cursor off the document moves to the nearest cell; a timetable without lines keeps line 1.
  in.Get(CurLine);
  CurLine = static_cast<Byte>(std::clamp<int>(CurLine, 1, std::max<int>(LineCount, 1)));
  in.Get(CurPeriod);
  CurPeriod = static_cast<Byte>(std::clamp<int>(CurPeriod, 1, PeriodCount));

  in.Get(Title);
  if (refused(CheckTitle(Title))) return false;
  in.Get(Comment);
  if (refused(CheckComment(Comment))) return false;
  return !refused(ReadTables(*this, in));
}

void TKumData::SaveSubjects() const {
  ImageWriter out;
  PutTables(out, *this);
  WriteFileAtomically(SubjectFileName, out.Bytes());
}

void TKumData::LoadSubjects() {
  ImageReader in(ReadFileBytes(SubjectFileName, TablesSize + 1), SubjectFileName);
  // A damaged subject file is refused and changes nothing: the timetable is not touched.
  if (auto bad = ReadTables(*this, in)) ReportCorrupt(*this, SubjectFileName, *bad);
}

}  // namespace kumo
