// The timetable document and the class index derived from it.
#pragma once

#include <algorithm>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "document/AppliedIndex.h"
#include "document/Baseline.h"
#include "document/ClassLabels.h"
#include "document/DocumentChange.h"
#include "document/Options.h"
#include "document/Prompter.h"
#include "document/Records.h"

namespace kumo {

class ImageReader;
struct BadValue;

using SubjectTable1 = Indexed<Text<2>, 0, MaxSubject>;
using SubjectTable2 = Indexed<Text<4>, 0, MaxSubject>;
using SubjectTable4 = Indexed<Text<8>, 0, MaxSubject>;
using SymbolTable = Indexed<Text<2>, 1, MaxSymbol>;
using MeaningTable = Indexed<Text<20>, 1, MaxSymbol>;

// The constant tables a document starts from (CP932 texts).
const SubjectTable1& DefaultSubjectNames1();
const SubjectTable2& DefaultSubjectNames2();
const SubjectTable4& DefaultSubjectNames4();
const SymbolTable& DefaultSymbols();
const MeaningTable& DefaultSymbolMeanings();
// 月 .. 金, day 0..4.
std::string_view DayName(int day);

constexpr std::string_view NewTableName = "NewTable.kmt";
constexpr std::string_view DefaultSubjectFileName = "Kumo2.kms";

// How a piece move treats marked pieces and clashes: the user's options for a move made by
// hand, fixed values for the commands that move pieces in batches.
struct MoveChoices {
  bool Checks = true;            // refuse locked pieces and ask about marked ones
  bool FollowClash = true;       // after a clash the cursor goes to the clashing line
  bool ExchangeOnClash = false;  // and lifts the clashing piece at once (only when it follows)
  bool ReturnHeld = true;        // a put-down without a clash takes the piece put aside last
  bool TellClash = true;         // a clash beeps and is told with the notice
};

// One piece of a chain put down on its own line: from where it was lifted to a new period.
struct ChainMove {
  Byte Line;
  Byte From;
  Byte To;
  PeriodCell Piece;
  bool operator==(const ChainMove&) const = default;
};

// A range of the timetable: lines first..last, periods first..last.
struct CellRange {
  int FirstLine;
  int LastLine;
  int FirstPeriod;
  int LastPeriod;
};

class TKumData {
 public:
  TKumData(const Options& options, Prompter& prompter);
  TKumData(const TKumData&) = delete;
  TKumData& operator=(const TKumData&) = delete;

  // What the document holds; every change goes through the operations below.
  Byte LineCount() const { return lineCount_; }
  const TeacherLine& Line(int line) const { return lines_[line]; }
  std::span<const TeacherLine> LinesInUse() const { return {lines_.Items, lineCount_}; }
  const PeriodCell& Cell(int line, int period) const { return lines_[line].Cells[period]; }
  Byte CurLine() const { return curLine_; }
  Byte CurPeriod() const { return curPeriod_; }
  const PeriodCell& CursorCell() const { return Cell(curLine_, curPeriod_); }
  const HeldPiece& Hand() const { return hand_; }
  // The holding stack: pieces 1 .. HoldingCount() - 1, the last one put aside on top.
  Byte HoldingCount() const { return holdingCount_; }
  const HeldPiece& Held(int k) const { return holding_[k]; }
  // The history: entries 1 .. HistoryEnd() - 1, those before HistoryPos() applied.
  std::uint16_t HistoryPos() const { return historyPos_; }
  std::uint16_t HistoryEnd() const { return historyEnd_; }
  const HistoryEntry& History(int k) const { return history_[k]; }
  // Beside each history entry: what its step did to its cell, the hand and the holding stack.
  const StepRecord& Step(int k) const { return steps_[k]; }
  const ClassLabelTable& ClassLabels() const { return classLabels_; }
  // UTF-8 paths, as the system names files.
  const std::string& FileName() const { return fileName_; }
  const std::string& SubjectFileName() const { return subjectFileName_; }
  const Text<20>& Title() const { return title_; }
  const Text<40>& Comment() const { return comment_; }
  bool Modified() const { return modified_; }
  const SubjectTable1& SubjectNames1() const { return subjectNames1_; }
  const SubjectTable2& SubjectNames2() const { return subjectNames2_; }
  const SubjectTable4& SubjectNames4() const { return subjectNames4_; }
  const SymbolTable& Symbols() const { return symbols_; }
  const MeaningTable& SymbolMeanings() const { return symbolMeanings_; }
  // What the timetable is compared with to show its changes: as opened or last saved, or the
  // lines of another file while the user compares with one.
  const Baseline& Other() const { return other_; }
  const Baseline& Compared() const { return other_.Kept ? other_ : saved_; }

  // Holds back the notices of the operations made while it lives, and tells the observers once
  // when the last batch ends. Every operation is a batch of its own.
  class Batch {
   public:
    explicit Batch(TKumData& doc) : doc_(doc) { ++doc_.batches_; }
    ~Batch() {
      if (--doc_.batches_ == 0) doc_.Notify();
    }
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;

   private:
    TKumData& doc_;
  };
  // Every observer renews whole: after the settings changed how the document shows.
  void NotifyAllChanged();

  // An empty document, unchanged; it keeps its file name, which Open and SaveAs set.
  void Clear();
  // A new timetable: empty, not in a file yet, and changed until it is saved.
  void New();
  // Empty and in no file, unchanged: what a refused opening leaves.
  void CloseFile();
  // The title and comment the prints show; CP932 texts, cut to their fields.
  void SetTitle(std::string_view title, std::string_view comment);
  // The class labels of the class display type, for every view.
  void MakeClassLabels();

  // Line edits. Lines are named by number in the history and in the holding stack: an insert
  // renumbers them, and a cut is refused while the history has entries.
  bool AddLine(const TeacherLine& line);
  bool InsertLine(const TeacherLine& line);
  bool DeleteLine();
  TeacherLine GetCurrentLine() const;
  bool SetCurrentLine(const TeacherLine& line);
  // Splits the cursor's lesson off into a line of its own, for self-study editing.
  bool SplitSelfTeaching();
  // Moves the cursor, as the user does in the edit table or from another window; told only when
  // it moved.
  void SetCursor(int line, int period);

  bool IsLineInUse(int line) const { return line >= 1 && line <= lineCount_; }
  // A cell of a line in use.
  bool OnTimetable(int line, int period) const {
    return IsLineInUse(line) && period >= 1 && period <= PeriodCount;
  }
  bool CursorOnLine() const { return OnTimetable(curLine_, curPeriod_); }

  Byte ClassCount(int grade) const;
  Byte MaxClassCount() const;
  Byte LessonCount(int line) const;
  bool InAppliedHistory(int line, int period, Byte kind, Byte item) const;
  std::optional<int> FindHandClash() const;
  std::optional<int> FindCellClash() const;

  // The piece move at the cursor: lift, put down or exchange, and what follows a clash.
  // False when a check refused it.
  bool MovePiece(const MoveChoices& choices);
  // A chain of put-downs, each an ordinary recorded step: the first puts the piece in hand down,
  // and each later one the piece that the one before displaced or lifted off its clash. Stops,
  // false, at the first move whose piece is not the one in hand.
  bool MoveAlongLine(const std::vector<ChainMove>& moves);
  // The class palette: class (grade, classNo) into the cursor cell. False when refused.
  bool EnterClass(int grade, int classNo, bool followClash);
  // The class's own week: the cursor to the teacher's line at period, and the class in as
  // EnterClass puts it, unless the teacher has another class then. True, with no step, when the
  // class is there already.
  bool EnterClassAt(int line, int period, int grade, int classNo, bool followClash);
  // The subject and symbol palette: subject (row 0) or symbol (row 1) item into the cursor cell;
  // on a lesson a subject becomes its own subject and a symbol replaces it. False when nothing
  // was entered.
  bool EnterSubject(int row, int item);
  // After the user's word, EnterSubject on every cell of the range, row by row; the cursor ends
  // on the range's last cell.
  bool FillRange(const CellRange& range, int row, int item);
  // Lesson details: the flags of the piece in the cursor cell, and flags added to every piece of
  // a range. The piece is lifted and put back, two recorded steps, without questions and
  // without following clashes. Empty cells are left alone.
  bool SetFlags(Byte flags);
  bool AddFlags(const CellRange& range, Byte flags);
  // Column exchange: periods first and second trade places in every line, three moves a line,
  // after the user's word. afterLine runs after each line's notice.
  bool ExchangeColumns(int first, int second, const std::function<void()>& afterLine);
  // The subject and symbol tables. Editing them is not a change of the timetable.
  void SetSubject(int subject, std::string_view names1, std::string_view names2,
                  std::string_view names4);
  void SetSymbol(int symbol, std::string_view text, std::string_view meaning);
  void ResetSubjectTables();
  // Erase: after the user's word, lifts and discards every piece of the range, one recorded
  // step each. False when refused or not confirmed. The Delete key erases a single cell
  // without asking, since Back brings its one piece back.
  bool EraseRange(const CellRange& range, bool ask = true);
  // Discards the piece in hand, a recorded step; the piece put aside last comes into the hand.
  void DropHand();

  // The history walk. Back and Forward restore exactly the state before and after the step,
  // hand, origin and holding stack included; false when there is nothing to step or the step
  // is refused (it would lose a piece, or the timetable no longer matches it). At its limit
  // the history forgets its oldest step for each new one.
  bool StepBack();
  bool StepForward();
  void ClearHistory();
  // Discards the piece in hand and the held pieces, one recorded step each, so that Back
  // brings them back and Forward discards them again.
  void ClearHolding();

  // From now on the changes are those against another file's lines; a baseline not kept goes
  // back to the timetable as opened or last saved.
  void CompareWith(Baseline other);

  // Files, named by UTF-8 paths. Failures throw FileError; a refused file is reported through
  // the prompter. The document takes a file's name only once the file was read or written.
  // Open: false when the file was refused or the user cancelled the opening; a failed opening
  // leaves an empty document that is in no file.
  bool Open(std::string path);
  // Written whole or not at all; the timetable is then the one saved, unchanged.
  void SaveAs(const std::string& path);
  void SaveSubjects(const std::string& path);
  // False when the file was refused (reported through the prompter; nothing changed) or the
  // user cancelled.
  bool LoadSubjects(const std::string& path);

  Prompter& Ui() { return prompter_; }

 private:
  friend class DocumentObserver;

  // The cell and the hand as a step found them at the cursor.
  struct StepStart {
    Byte Line;
    Byte Period;
    PeriodCell CellBefore;
    HeldPiece HandBefore;
  };

  StepStart BeginStep() const;
  // Records the step just made on the history, drops the steps that could have been redone and
  // marks the document modified: the one place where steps are recorded. handMid is the piece in
  // hand right after the cell changed.
  void RecordStep(const StepStart& start, const PeriodCell& handMid, Byte move);
  // Makes room at the history's limit: entries move down by one.
  void ForgetOldestStep();
  // Discards the piece in hand, then takes the next held piece: carried on from where it was
  // lifted, or only into the hand.
  void DiscardHand(bool carryOn);

  bool MoveAllowed();
  void MoveAction(const MoveChoices& choices);
  void LiftOrExchange(const MoveChoices& choices);
  void PutDown(const MoveChoices& choices);
  void MoveAgain(const MoveChoices& choices);
  // A piece that stays in its place changes through a lift and a put-back (two steps Back
  // walks through); change edits it in the hand in between. False, after a beep, when the hand
  // is busy.
  bool ChangePlacedPiece(const std::function<void(PeriodCell&)>& change,
                         const MoveChoices& choices);
  // A palette step: the cell gets placed; Back gives the cell its former piece. A class placed
  // where another line teaches it then beeps, and may take the cursor there.
  enum class OnClash { Ignore, Beep, Follow };
  void PlaceAtCursor(const PeriodCell& placed, OnClash onClash);
  // The piece an entry of (kind, item) makes of the cursor cell.
  PeriodCell EnteredPiece(Byte kind, int item) const;
  bool RefuseLocked(const char* text);
  // The range within the lines in use and the week.
  CellRange Clipped(const CellRange& range) const;
  template <class Visit>
  static void ForEachCell(const CellRange& range, Visit visit) {
    for (int n = range.FirstLine; n <= range.LastLine; ++n) {
      for (int p = range.FirstPeriod; p <= range.LastPeriod; ++p) visit(n, p);
    }
  }
  void MoveCursor(int line, int period);
  // The next held piece into the empty hand, the cursor to where it was lifted. True when a
  // piece came.
  bool TakeHeldPiece();
  void HoldPush();
  void HoldPop();
  // Back and Forward refuse a step whose cell no longer holds what the step left or found, or
  // whose piece in hand is neither in the hand nor on the holding stack: a walk never makes a
  // lesson up.
  bool StepFits(const HistoryEntry& e, const PeriodCell& expected, const PeriodCell& inHand,
                const char* refusal, RefusalKind kind);
  // Before a step is undone or redone the hand must hold the piece the step expects there.
  // Records worked out from a file's entries may not know every move of the holding stack: a
  // piece in hand that the step does not expect goes onto it, and the expected piece is taken
  // from it, on top or under pieces put aside since. False, after a beep, when the stack has
  // no room for this and for the step's own pushes.
  bool BringHandTo(const PeriodCell& expected, int pushes);
  void Walked();

  void SetCellAt(int line, int period, const PeriodCell& value);
  // The cell, and its class, are told as changed: its piece, or how it shows.
  void MarkCell(int line, int period);
  void SwapCursorCellWithHand();
  void MarkCursor() { pending_.Cursor = true; }
  void MarkHand() { pending_.Hand = true; }
  void MarkHolding() { pending_.Holding = true; }
  void MarkHistory() { pending_.History = true; }
  void MarkLines() { pending_.Lines = true; }
  void MarkAll() { pending_.All = true; }
  // The changed mark, told when it turns.
  void SetModified(bool modified) {
    if (modified_ != modified) pending_.Modified = true;
    modified_ = modified;
  }
  void MarkClassOf(const PeriodCell& piece);
  // The beep of a refusal or a clash, and the reason told with the notice; Refused alone for a
  // refusal that shows its own box.
  void BeepFor(const Refusal& why) {
    prompter_.Beep();
    Refused(why);
  }
  void Refused(const Refusal& why) { pending_.Refused = why; }
  // The cursor cell, with its piece, for a refusal there.
  Refusal AtCursor(RefusalKind kind, Byte otherLine = 0) const {
    return {kind, CursorCell(), curLine_, curPeriod_, otherLine};
  }
  void Notify();
  // Adds or removes one at line numbers from `from` on, in the history and the held pieces.
  void RenumberLines(int from, int delta);

  // Field order as the document declares it; the file layout is separate (see KumoFile.cpp).
  Indexed<TeacherLine, 1, MaxLines> lines_{};
  SlidingTable<HistoryEntry, MaxHistory> history_{};
  std::uint16_t historyPos_{};
  std::uint16_t historyEnd_{};
  ClassLabelTable classLabels_{};
  Byte lineCount_{};
  Byte curLine_{};
  HeldPiece hand_{};
  Indexed<HeldPiece, 1, MaxHolding> holding_{};
  Byte holdingCount_{};
  std::string fileName_{NewTableName};
  std::string subjectFileName_{};
  Byte curPeriod_{};
  Text<20> title_{};
  Text<40> comment_{};
  bool modified_{};
  SubjectTable1 subjectNames1_{};
  SubjectTable2 subjectNames2_{};
  SubjectTable4 subjectNames4_{};
  SymbolTable symbols_{};
  MeaningTable symbolMeanings_{};
  SlidingTable<StepRecord, MaxHistory> steps_{};
  // Never saved themselves.
  Baseline saved_{};
  Baseline other_{};

  const Options& options_;
  Prompter& prompter_;
  std::vector<DocumentObserver*> observers_;
  DocumentChange pending_;
  int batches_ = 0;
  bool notifying_ = false;
  bool forgettingTold_ = false;  // the limit's beep sounded since the history was last below it
  mutable AppliedIndex applied_;

  // Before a file is read: a file that a save cut short left torn is offered back as it was
  // before that save. False when the user cancelled the opening.
  bool OfferInterruptedSave(const std::string& path);
  // Reading the undo data of a timetable file; what was mended is added to notes.
  void ReadHistory(int pos, int end, std::vector<std::string>& notes);
  void ReadSteps(std::string_view rest, int count, std::string_view covered,
                 std::vector<std::string>& notes);
  void InferStepRecords();
  void KeepHeldPieces(std::vector<std::string>& notes);
  void ForgetHistory();
  // The timetable as it stands is the one opened or saved, named path.
  void KeepSaved(const std::string& path);
  // Reads the timetable file at path into the cleared document.
  bool ReadTimetable(const std::string& path);
  // The five tables of both files; a damaged table leaves all five as they were and is
  // returned.
  std::optional<BadValue> ReadTables(ImageReader& in);

  // Another line with this piece in the cursor period.
  std::optional<int> FindPieceInPeriod(const PeriodCell& piece) const;
};

struct ClassEntry {
  Byte Grade;
  Byte ClassNo;
  Byte HomeroomLine;
  Indexed<Byte, 1, PeriodCount> PeriodLines;
};
static_assert(sizeof(ClassEntry) == 33 && IsRawRecord<ClassEntry>);

constexpr int MaxClassEntries = 60;
// Derived and never saved: room for every class of the index, whichever grades are shown.
constexpr int MaxVisibleClasses = MaxClassEntries;

// Kept up to date by the document's notices: the lines after every line edit, the periods of
// every changed cell.
class TClassLines : public DocumentObserver {
 public:
  Byte EntryCount = 0;
  Indexed<ClassEntry, 1, MaxClassEntries> Entries{};
  Byte VisibleCount = 0;
  Indexed<Byte, 1, MaxVisibleClasses> VisibleEntries{};

  explicit TClassLines(TKumData& doc) : DocumentObserver(doc), doc_(doc) {}

  void DocumentChanged(const DocumentChange& change) override;

  void Clear();
  void BuildClassList();
  void UpdateClass(int entry);
  void UpdateAllClasses();
  int FindClass(int grade, int classNo) const;
  // The entries in use: EntryCount, within the room of the index.
  int UsedEntries() const { return std::min<int>(EntryCount, MaxClassEntries); }

 private:
  const TKumData& doc_;

  // The line teaching each class in period p, from one pass over the lines.
  void UpdatePeriod(int period);
};

}  // namespace kumo
