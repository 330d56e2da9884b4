// The timetable document and the class index derived from it.
#pragma once

#include <algorithm>
#include <optional>
#include <string>

#include "document/AppliedIndex.h"
#include "document/Options.h"
#include "document/Prompter.h"
#include "document/Records.h"

namespace kumo {

class DocumentViews;

using SubjectTable1 = Indexed<Text<2>, 0, MaxSubject>;
using SubjectTable2 = Indexed<Text<4>, 0, MaxSubject>;
using SubjectTable4 = Indexed<Text<8>, 0, MaxSubject>;
using SymbolTable = Indexed<Text<2>, 1, MaxSymbol>;
using MeaningTable = Indexed<Text<20>, 1, MaxSymbol>;
using ClassLabelTable = Indexed<Text<2>, 0, MaxClassNo>;

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

class TKumData {
 public:
  // Field order as the document declares it; the file layout is separate (see KumoFile.cpp).
  Indexed<TeacherLine, 1, MaxLines> Lines{};
  Indexed<HistoryEntry, 1, MaxHistory> History{};
  std::uint16_t HistoryPos{};
  std::uint16_t HistoryEnd{};
  ClassLabelTable ClassLabels{};
  Byte LineCount{};
  Byte CurLine{};
  HeldPiece Hand{};
  Indexed<HeldPiece, 1, MaxHolding> Holding{};
  Byte HoldingCount{};
  std::string FileName{NewTableName};  // UTF-8 path, as the system names files
  std::string SubjectFileName{};       // UTF-8 path
  Byte CurPeriod{};
  Text<20> Title{};
  Text<40> Comment{};
  bool Modified{};
  SubjectTable1 SubjectNames1{};
  SubjectTable2 SubjectNames2{};
  SubjectTable4 SubjectNames4{};
  SymbolTable Symbols{};
  MeaningTable SymbolMeanings{};

  TKumData(const Options& options, Prompter& prompter);
  TKumData(const TKumData&) = delete;
  TKumData& operator=(const TKumData&) = delete;

  // The windows that follow the history; none until the main window sets itself.
  void SetViews(DocumentViews* views) { views_ = views; }

  void Clear();
  void ResetEditState();
  void MakeClassLabels();

  bool AddLine(const TeacherLine& line);
  bool InsertLine(const TeacherLine& line);
  bool DeleteLine();
  TeacherLine GetCurrentLine() const;
  bool SetCurrentLine(const TeacherLine& line);

  PeriodCell& Cell(int line, int period) { return Lines[line].Cells[period]; }
  const PeriodCell& Cell(int line, int period) const { return Lines[line].Cells[period]; }
  PeriodCell& CursorCell() { return Cell(CurLine, CurPeriod); }

  Byte ClassCount(int grade) const;
  Byte MaxClassCount() const;
  Byte LessonCount(int line) const;
  bool InAppliedHistory(int line, int period, Byte kind, Byte item) const;
  std::optional<int> FindHandClash() const;
  std::optional<int> FindCellClash() const;

  // History and holding stack. Back also undoes the holding-stack movements that Forward redoes
  // (a held piece taken into the hand by a put-down, a piece put aside before a lift).
  void PushHistory();
  void StepBack();
  void StepForward();
  void HoldPush();
  void HoldPop();
  void ClearHistory();
  void ClearHolding();

  // Files. Failures throw FileError; a refused file is reported through the prompter.
  void SaveToFile();
  // False when the file was refused (reported through the prompter; the document is empty).
  bool LoadFromFile();
  void SaveSubjects() const;
  void LoadSubjects();

  Prompter& Ui() { return prompter_; }

 private:
  const Options& options_;
  Prompter& prompter_;
  DocumentViews* views_ = nullptr;
  bool labelsBuilt_ = false;  // a circled or letter table has been built since start
  mutable AppliedIndex applied_;

  bool LiftAfterHeldStep(int k) const;
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
constexpr int MaxVisibleClasses = 20;

class TClassLines {
 public:
  Byte EntryCount = 0;
  Indexed<ClassEntry, 1, MaxClassEntries> Entries{};
  Byte VisibleCount = 0;
  Indexed<Byte, 1, MaxVisibleClasses> VisibleEntries{};

  explicit TClassLines(const TKumData& doc) : doc_(doc) {}

  void Clear();
  void BuildClassList();
  void UpdateClass(int entry);
  void UpdateAllClasses();
  int FindClass(int grade, int classNo) const;

 private:
  const TKumData& doc_;

  int UsedEntries() const { return std::min<int>(EntryCount, MaxClassEntries); }
};

}  // namespace kumo
