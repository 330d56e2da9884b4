// The timetable file and the subject file: flat images of the document's records.
#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "base/FileError.h"
#include "base/InPlaceSave.h"
#include "base/SysFile.h"
#include "document/FileChecks.h"
#include "document/FileImage.h"
#include "document/KumoHead.h"
#include "document/StepBlock.h"

namespace kumo {
namespace {

constexpr std::size_t TablesSize = sizeof(SubjectTable1) + sizeof(SubjectTable2) +
                                   sizeof(SubjectTable4) + sizeof(SymbolTable) +
                                   sizeof(MeaningTable);
static_assert(TablesSize == 4117);
constexpr std::size_t LargestTimetableFile =
    1 + sizeof(TeacherLine) * MaxLines + 4 + sizeof(HistoryEntry) * MaxHistory + 1 +
    sizeof(HeldPiece) * (1 + MaxHolding) + 2 + sizeof(Text<20>) + sizeof(Text<40>) + TablesSize +
    StepBlockSize(MaxHistory - 1);

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
  const std::size_t undoFrom = out.Bytes().size();
  out.PutU16(HistoryPos);
  out.PutU16(static_cast<std::uint16_t>(steps));
  out.PutRecords(&History[1], steps);
  out.Put(static_cast<Byte>(held));
  out.Put(Hand);
  out.PutRecords(Holding.Items, held);
  const std::size_t undoTo = out.Bytes().size();
  out.Put(CurLine);
  out.Put(CurPeriod);
  out.Put(Title);
  out.Put(Comment);
  PutTables(out, *this);
  std::string bytes = out.Bytes();
  // Records worked out from a file that had none add nothing: such a file saved unchanged
  // stays as it was.
  const bool known = std::any_of(&Steps[1], &Steps[1] + (steps - 1),
                                 [](const StepRecord& r) { return !r.Inferred(); });
  if (known) {
    bytes += StepBlock(&Steps[1], steps - 1,
                       std::string_view(bytes).substr(undoFrom, undoTo - undoFrom));
  }
  WriteFileAtomically(FileName, bytes);
}

bool TKumData::LoadFromFile() {
  const Batch batch(*this);
  Clear();
  if (!OfferInterruptedSave(FileName)) return false;
  ImageReader in(ReadFileBytes(FileName, LargestTimetableFile), FileName);
  // Block by block: the document keeps what was read when the file ends early, and a damaged
  // file leaves the empty document. Damaged undo data is mended instead, and named in one
  // message at the end: the timetable opens.
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

  std::vector<std::string> notes;
  const std::size_t undoFrom = in.Offset();
  HistoryCounts counts{};
  in.Get(counts);
  if (refused(CheckHistoryEnd(counts.End()))) return false;
  const int fileEnd = counts.End();
  in.GetRecords(&History[1], fileEnd);
  // Whatever stops the reading further on, the history stays one that Back and Forward can
  // walk without losing a piece.
  ReadHistory(counts.Pos(), fileEnd, notes);

  // A held piece keeps its class when its subject is not one of the tables'; mended at once,
  // so that a file ending early leaves none in the document either.
  auto heldRefused = [&](HeldPiece& held, int k) {
    if (refused(CheckHeldPiece(held, k))) return true;
    if (const Finding bad = CheckHeldSubject(held, k)) {
      held.Piece.LessonSubject = 0;
      notes.push_back(BadValueText(*bad) + "教科をクリアしました（駒は残しました）。");
    }
    return false;
  };
  Byte holdingCount = 0;
  in.Get(holdingCount);
  if (refused(CheckHoldingCount(holdingCount))) return false;
  in.Get(Hand);
  if (heldRefused(Hand, 0)) return false;
  in.GetRecords(Holding.Items, holdingCount);
  for (int k = 1; k < holdingCount; ++k) {
    if (heldRefused(Holding[k], k)) return false;
  }
  HoldingCount = holdingCount;
  const std::string_view undoBytes = in.ReadSince(undoFrom);

  // A cursor off the document moves to the nearest cell; a timetable without lines keeps line 1.
  in.Get(CurLine);
  CurLine = static_cast<Byte>(std::clamp<int>(CurLine, 1, std::max<int>(LineCount, 1)));
  in.Get(CurPeriod);
  CurPeriod = static_cast<Byte>(std::clamp<int>(CurPeriod, 1, PeriodCount));

  in.Get(Title);
  if (refused(CheckTitle(Title))) return false;
  in.Get(Comment);
  if (refused(CheckComment(Comment))) return false;
  if (refused(ReadTables(*this, in))) return false;

  if (HistoryEnd > 1) ReadSteps(in.Rest(), fileEnd - 1, undoBytes, notes);
  KeepHeldPieces(notes);
  if (!notes.empty()) {
    std::string text = FileName + " に正しくない値がありました。\n";
    for (const std::string& note : notes) text += note + "\n";
    prompter_.MessageBox(BoxType::Warning, Buttons::OkCancel, text + "時間割は読み込みました。");
    Modified = true;
  }
  return true;
}
void TKumData::SaveSubjects() const {
  ImageWriter out;
  PutTables(out, *this);
  WriteFileAtomically(SubjectFileName, out.Bytes());
}

bool TKumData::LoadSubjects() {
  const Batch batch(*this);
  if (!OfferInterruptedSave(SubjectFileName)) return false;
  // A subject file of another size, or a damaged one, is refused and changes nothing; a longer
  // one is refused naming its size.
  std::string bytes = ReadFileBytes(SubjectFileName, TablesSize);
  if (bytes.size() < TablesSize) throw FileError(EarlyEndMessage(SubjectFileName));
  ImageReader in(std::move(bytes), SubjectFileName);
  if (auto bad = ReadTables(*this, in)) {
    ReportCorrupt(*this, SubjectFileName, *bad);
    return false;
  }
  pending_.Subjects = true;
  return true;
}

bool TKumData::OfferInterruptedSave(const std::string& path) {
  const auto old = InterruptedSaveCopy(path);
  if (!old) return true;
  prompter_.Beep();
  const Answer answer =
      prompter_.MessageBox(BoxType::Warning, Buttons::YesNoCancel,
                           path +
                               " は保存の途中で止まったため、壊れているおそれがあります。\n"
                               "保存する前の内容に戻しますか？（いいえ: 今の内容のまま開きます）");
  if (answer == Answer::Cancel) return false;
  if (answer == Answer::Yes) WriteFileAtomically(path, *old);
  DropSaveCopy(path);
  return true;
}

// The entries before the first bad one are kept; a position the entries cannot have clears them.
void TKumData::ReadHistory(int pos, int end, std::vector<std::string>& notes) {
  if (!HistoryPosFits(pos, end)) {
    notes.push_back(BadValueText({"スタックの位置", pos}) + "スタックをクリアしました。");
    ForgetHistory();
    return;
  }
  HistoryPos = static_cast<std::uint16_t>(pos);
  HistoryEnd = static_cast<std::uint16_t>(end);
  for (int k = 1; k < end; ++k) {
    const Finding bad = CheckHistoryEntry(History[k], k, LineCount);
    if (!bad) continue;
    notes.push_back(BadValueText(*bad) +
                    (k == 1 ? std::string("スタックをクリアしました。")
                            : "スタックは " + std::to_string(k - 1) + " 番までを残しました。"));
    std::fill(&History[k], &History[end] + 1, HistoryEntry{});
    HistoryEnd = static_cast<std::uint16_t>(k);
    HistoryPos = static_cast<std::uint16_t>(std::min(pos, k));
    break;
  }
  InferStepRecords();
}

// The step records after the tables replace those worked out from the entries, unless they
// cannot be trusted: then the records stay worked out, as for a file without them.
void TKumData::ReadSteps(std::string_view rest, int count, std::string_view covered,
                         std::vector<std::string>& notes) {
  switch (ReadStepBlock(rest, count, covered, &Steps[1])) {
    case StepBlockRead::Absent:
      return;
    case StepBlockRead::Taken: {
      bool sound = true;
      for (int k = 1; k < HistoryEnd && sound; ++k) {
        sound = !CheckStepRecord(Steps[k], History[k], k, LineCount);
      }
      if (sound) return;
      break;
    }
    case StepBlockRead::Damaged:
      break;
  }
  InferStepRecords();
  notes.push_back("元に戻すための記録が壊れていたので、スタックの内容から作り直しました。");
}

// Held lessons are never dropped for a bad origin: a held piece forgets it, the piece in hand is
// carried on from the cursor. Empty entries, which hold no lesson, leave the stack.
void TKumData::KeepHeldPieces(std::vector<std::string>& notes) {
  bool sound = true;
  if (!Hand.Piece.IsEmpty() && !OriginFits(Hand, LineCount)) {
    sound = false;
    const bool onLine = IsLineInUse(CurLine);
    Hand.FromLine = onLine ? CurLine : 0;
    Hand.FromPeriod = onLine ? CurPeriod : 0;
  }
  int kept = 0;
  for (int k = 1; k < HoldingCount; ++k) {
    HeldPiece held = Holding[k];
    if (held.Piece.IsEmpty()) continue;
    if (!OriginFits(held, LineCount)) {
      sound = false;
      held.FromLine = held.FromPeriod = 0;
    }
    Holding[++kept] = held;
  }
  if (kept + 1 != HoldingCount) {
    Holding[kept + 1] = Holding[HoldingCount];  // the scratch slot
    HoldingCount = static_cast<Byte>(kept + 1);
  }
  if (!sound) notes.push_back("保持している駒の元の位置をクリアしました。");
}

void TKumData::ForgetHistory() {
  HistoryPos = 1;
  HistoryEnd = 1;
  History = {};
  Steps = {};
  applied_.Invalidate();
}

}  // namespace kumo
