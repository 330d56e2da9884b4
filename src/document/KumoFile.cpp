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
  out.Put(doc.SubjectNames1());
  out.Put(doc.SubjectNames2());
  out.Put(doc.SubjectNames4());
  out.Put(doc.Symbols());
  out.Put(doc.SymbolMeanings());
}

}  // namespace

// The tables read before a file ends early are taken.
Finding TKumData::ReadTables(ImageReader& in) {
  TableSet read{};
  int got = read.ReadFrom(in);
  if (auto bad = read.Check(got)) return bad;
  if (got > 0) subjectNames1_ = read.Names1;
  if (got > 1) subjectNames2_ = read.Names2;
  if (got > 2) subjectNames4_ = read.Names4;
  if (got > 3) symbols_ = read.Symbols;
  if (got > 4) symbolMeanings_ = read.Meanings;
  if (got < 5) in.FailEarlyEnd();
  return std::nullopt;
}

void TKumData::SaveAs(const std::string& path) {
  const Batch batch(*this);
  ImageWriter out;
  // The counts are kept within the tables by every operation; the clamps only make sure nothing
  // beyond the tables is ever read.
  int lines = std::min<int>(lineCount_, MaxLines);
  int steps = std::min<int>(historyEnd_, MaxHistory);
  int held = std::min<int>(holdingCount_, MaxHolding);
  out.Put(static_cast<Byte>(lines));
  out.PutRecords(lines_.Items, lines);
  const std::size_t undoFrom = out.Bytes().size();
  out.PutU16(historyPos_);
  out.PutU16(static_cast<std::uint16_t>(steps));
  out.PutRecords(&history_[1], steps);
  out.Put(static_cast<Byte>(held));
  out.Put(hand_);
  out.PutRecords(holding_.Items, held);
  const std::size_t undoTo = out.Bytes().size();
  out.Put(curLine_);
  out.Put(curPeriod_);
  out.Put(title_);
  out.Put(comment_);
  PutTables(out, *this);
  std::string bytes = out.Bytes();
  // Records worked out from a file that had none add nothing: such a file saved unchanged
  // stays as it was.
  const bool known = std::any_of(&steps_[1], &steps_[1] + (steps - 1),
                                 [](const StepRecord& r) { return !r.Inferred(); });
  if (known) {
    bytes += StepBlock(&steps_[1], steps - 1,
                       std::string_view(bytes).substr(undoFrom, undoTo - undoFrom));
  }
  WriteFileAtomically(path, bytes);
  KeepSaved(path);
  SetModified(false);
}

// Until the file was read the document is in no file: one that fails to open leaves no name a
// save could put the empty timetable under.
bool TKumData::Open(std::string path) {
  const Batch batch(*this);
  CloseFile();
  if (!ReadTimetable(path)) return false;
  KeepSaved(path);
  return true;
}

bool TKumData::ReadTimetable(const std::string& path) {
  if (!OfferInterruptedSave(path)) return false;
  ImageReader in(ReadFileBytes(path, LargestTimetableFile), path);
  // Block by block: the document keeps what was read when the file ends early, and a damaged
  // file leaves the empty document. Damaged undo data is mended instead, and named in one
  // message at the end: the timetable opens.
  auto refused = [&](const Finding& bad) {
    if (!bad) return false;
    Clear();
    ReportCorrupt(*this, path, *bad);
    return true;
  };

  Byte lineCount = 0;
  in.Get(lineCount);
  if (lineCount > MaxLines) {
    prompter_.MessageBox(BoxType::Error, Buttons::OkCancel, "教師数が多すぎます");
    return false;
  }
  lineCount_ = lineCount;
  in.GetRecords(lines_.Items, lineCount_);
  for (int n = 1; n <= lineCount_; ++n) {
    if (refused(CheckLine(lines_[n], n))) return false;
  }

  std::vector<std::string> notes;
  const std::size_t undoFrom = in.Offset();
  HistoryCounts counts{};
  in.Get(counts);
  if (refused(CheckHistoryEnd(counts.End()))) return false;
  const int fileEnd = counts.End();
  in.GetRecords(&history_[1], fileEnd);
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
  in.Get(hand_);
  if (heldRefused(hand_, 0)) return false;
  in.GetRecords(holding_.Items, holdingCount);
  for (int k = 1; k < holdingCount; ++k) {
    if (heldRefused(holding_[k], k)) return false;
  }
  holdingCount_ = holdingCount;
  const std::string_view undoBytes = in.ReadSince(undoFrom);

  // A cursor off the document moves to the nearest cell; a timetable without lines keeps line 1.
  in.Get(curLine_);
  curLine_ = static_cast<Byte>(std::clamp<int>(curLine_, 1, std::max<int>(lineCount_, 1)));
  in.Get(curPeriod_);
  curPeriod_ = static_cast<Byte>(std::clamp<int>(curPeriod_, 1, PeriodCount));

  in.Get(title_);
  if (refused(CheckTitle(title_))) return false;
  in.Get(comment_);
  if (refused(CheckComment(comment_))) return false;
  if (refused(ReadTables(in))) return false;

  if (historyEnd_ > 1) ReadSteps(in.Rest(), fileEnd - 1, undoBytes, notes);
  KeepHeldPieces(notes);
  if (!notes.empty()) {
    std::string text = path + " に正しくない値がありました。\n";
    for (const std::string& note : notes) text += note + "\n";
    prompter_.MessageBox(BoxType::Warning, Buttons::OkCancel, text + "時間割は読み込みました。");
    SetModified(true);
  }
  return true;
}

void TKumData::SaveSubjects(const std::string& path) {
  const Batch batch(*this);
  ImageWriter out;
  PutTables(out, *this);
  WriteFileAtomically(path, out.Bytes());
  subjectFileName_ = path;
  pending_.Subjects = true;
}

bool TKumData::LoadSubjects(const std::string& path) {
  const Batch batch(*this);
  if (!OfferInterruptedSave(path)) return false;
  // A subject file of another size, or a damaged one, is refused and changes nothing; a longer
  // one is refused naming its size.
  std::string bytes = ReadFileBytes(path, TablesSize);
  if (bytes.size() < TablesSize) throw FileError(EarlyEndMessage(path));
  ImageReader in(std::move(bytes), path);
  if (auto bad = ReadTables(in)) {
    ReportCorrupt(*this, path, *bad);
    return false;
  }
  subjectFileName_ = path;
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
  historyPos_ = static_cast<std::uint16_t>(pos);
  historyEnd_ = static_cast<std::uint16_t>(end);
  for (int k = 1; k < end; ++k) {
    const Finding bad = CheckHistoryEntry(history_[k], k, lineCount_);
    if (!bad) continue;
    notes.push_back(BadValueText(*bad) +
                    (k == 1 ? std::string("スタックをクリアしました。")
                            : "スタックは " + std::to_string(k - 1) + " 番までを残しました。"));
    std::fill(&history_[k], &history_[end] + 1, HistoryEntry{});
    historyEnd_ = static_cast<std::uint16_t>(k);
    historyPos_ = static_cast<std::uint16_t>(std::min(pos, k));
    break;
  }
  InferStepRecords();
}

// The step records after the tables replace those worked out from the entries, unless they
// cannot be trusted: then the records stay worked out, as for a file without them.
void TKumData::ReadSteps(std::string_view rest, int count, std::string_view covered,
                         std::vector<std::string>& notes) {
  switch (ReadStepBlock(rest, count, covered, &steps_[1])) {
    case StepBlockRead::Absent:
      return;
    case StepBlockRead::Taken: {
      bool sound = true;
      for (int k = 1; k < historyEnd_ && sound; ++k) {
        sound = !CheckStepRecord(steps_[k], history_[k], k, lineCount_);
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
  if (!hand_.Piece.IsEmpty() && !OriginFits(hand_, lineCount_)) {
    sound = false;
    const bool onLine = IsLineInUse(curLine_);
    hand_.FromLine = onLine ? curLine_ : 0;
    hand_.FromPeriod = onLine ? curPeriod_ : 0;
  }
  int kept = 0;
  for (int k = 1; k < holdingCount_; ++k) {
    HeldPiece held = holding_[k];
    if (held.Piece.IsEmpty()) continue;
    if (!OriginFits(held, lineCount_)) {
      sound = false;
      held.FromLine = held.FromPeriod = 0;
    }
    holding_[++kept] = held;
  }
  if (kept + 1 != holdingCount_) {
    holding_[kept + 1] = holding_[holdingCount_];  // the scratch slot
    holdingCount_ = static_cast<Byte>(kept + 1);
  }
  if (!sound) notes.push_back("保持している駒の元の位置をクリアしました。");
}

void TKumData::ForgetHistory() {
  historyPos_ = 1;
  historyEnd_ = 1;
  history_ = {};
  steps_ = {};
  applied_.Invalidate();
}

}  // namespace kumo
