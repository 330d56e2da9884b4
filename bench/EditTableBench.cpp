// The largest timetable: 100 lines with every period filled, 60 classes, 4990 recorded steps,
// italic and bold display on, every grade ticked in the classes overview, every window shown
// offscreen (the checks window among them), so that every change repaints what a user would see.
//
// With KUMO_BENCH_ITERATIONS set, every benchmark runs exactly that many iterations once, so that
// bench/count can divide callgrind's instruction count by it.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QWidget>
#include <cstdlib>
#include <memory>

#include "editing/KumoEdit.h"
#include "output/KumoPrn.h"
#include "platform/Fonts.h"
#include "platform/QtPlatform.h"
#include "shell/KumoApp.h"
#include "shell/KumoMain.h"
#include "views/KumoChk.h"
#include "views/KumoChrg.h"
#include "views/KumoCl.h"
#include "views/KumoCls.h"
#include "views/KumoHlSt.h"
#include "views/KumoPicS.h"
#include "views/KumoStck.h"
#include "views/KumoTe.h"
#include "views/KumoTes.h"

namespace kumo {
namespace {

constexpr int Steps = 4990;
// Both lines are listed in the teachers overview, and the class in the classes overview.
constexpr int ClassLine = 10;  // class 1-16 there
constexpr int ClassPeriod = 5;
constexpr int SubjectLine = 65;  // a subject piece there
constexpr int SubjectPeriod = 15;

// Every piece appears once per period, so that no move clashes: 60 classes and 40 subjects.
PeriodCell PieceAt(int line, int period) {
  const int k = (line + period) % MaxLines;
  if (k < 60) return {static_cast<Byte>(k / 20 + 1), static_cast<Byte>(k % 20 + 1), 0, 0};
  return {KindSubject, static_cast<Byte>(k - 59), 0, Counted};
}

class LargestTimetable {
 public:
  LargestTimetable() {
    app_ = std::make_unique<KumoApp>(platform_, std::nullopt);
    app_->ProgramDir = QDir(settingsDir_.path()).filePath("").toStdString();
    app_->frmKumo->show();  // the start-up, with its settings in a scratch directory
    TKumData& doc = app_->doc;
    Options& options = app_->options;
    options.OnStackView = true;
    options.CountedView = true;
    options.ClassesGrade = {true, true, true};
    options.TeachersGroup = 1;  // the teachers of grade 1
    for (int n = 1; n <= MaxLines; ++n) {
      TeacherLine line{};
      // Twenty homeroom teachers in each grade, then forty more teachers.
      line.Grade = static_cast<Byte>(n <= 60 ? (n - 1) / 20 + 1 : n % 4);
      line.Homeroom = static_cast<Byte>(n <= 60 ? (n - 1) % 20 + 1 : 0);
      line.Subject = static_cast<Byte>(n % 10 + 1);
      std::string name = "T";
      name += std::to_string(n);
      line.Name.Assign(name);
      for (int p = 1; p <= PeriodCount; ++p) line.Cells[p] = PieceAt(n, p);
      doc.AddLine(line);
    }
    // Pieces lifted and put back all over the table, as a long session leaves the history.
    for (int k = 0; k < Steps / 2; ++k) {
      doc.SetCursor(k % MaxLines + 1, k / MaxLines % PeriodCount + 1);
      doc.MovePiece({});
      doc.MovePiece({});
    }
    doc.SetCursor(SubjectLine, SubjectPeriod);
    app_->classes.BuildClassList();
    app_->classes.UpdateAllClasses();
    app_->frmKumo->EnableDocumentCommands();
    for (QWidget* window : std::initializer_list<QWidget*>{
             app_->frmEdit.get(), app_->frmTeachers.get(), app_->frmClasses.get(),
             app_->frmTeacher.get(), app_->frmClass.get(), app_->frmStack.get(),
             app_->frmHoldingStack.get(), app_->frmPickCharge.get(), app_->frmPickS.get(),
             app_->frmChecks.get()}) {
      window->show();
    }
    app_->frmEdit->resize(1000, 800);
    app_->frmKumo->RefreshAllViews();
    QApplication::processEvents();
  }

  KumoApp& App() { return *app_; }

  // The cursor to (line, period) as the user's click puts it there, the views following.
  void PutCursor(int line, int period) {
    TKumData& doc = app_->doc;
    doc.SetCursor(line, period);
    QApplication::processEvents();
  }

  // One piece move at the cursor with the renewals and the repaint after it. Every second move
  // puts the piece back where it was lifted, and both are undone.
  void Move() {
    TKumData& doc = app_->doc;
    const bool lifting = doc.Hand().Piece.IsEmpty();
    app_->frmEdit->sgrEditDblClick();
    QApplication::processEvents();
    if (!lifting) BackToTheStart();
  }

  // The lift and the put-down undone: the next lift drops them, so that the history keeps its
  // length and never fills up.
  void BackToTheStart() {
    app_->doc.StepBack();
    app_->doc.StepBack();
    QApplication::processEvents();
  }

  // The piece in hand put back, after a benchmark that stopped half-way through a move.
  void EndMove() {
    if (!app_->doc.Hand().Piece.IsEmpty()) Move();
  }

 private:
  QTemporaryDir settingsDir_;
  QtPlatform platform_;
  std::unique_ptr<KumoApp> app_;
};

// Built once for all benchmarks, and gone before the application object.
std::unique_ptr<LargestTimetable>& TableHolder() {
  static std::unique_ptr<LargestTimetable> table;
  return table;
}

LargestTimetable& Table() {
  if (!TableHolder()) TableHolder() = std::make_unique<LargestTimetable>();
  return *TableHolder();
}

// One move of a class piece (a lift or a put-down, in turn) with every view renewed and
// repainted: the tints of where the class can go (tints:1) or not (tints:0), the class and clash
// rows, the class index, both overviews, the history, the holding stack and the checks window.
void BM_ClassMove(benchmark::State& state) {
  LargestTimetable& table = Table();
  Options& options = table.App().options;
  options.ShowPlaces = state.range(0) != 0;
  table.PutCursor(ClassLine, ClassPeriod);
  for (auto _ : state) table.Move();
  table.EndMove();
  options.ShowPlaces = true;
}

// One move of a subject piece, in turn lifted and put down: no tints, no class row, no class
// index to renew.
void BM_SubjectMove(benchmark::State& state) {
  LargestTimetable& table = Table();
  table.PutCursor(SubjectLine, SubjectPeriod);
  for (auto _ : state) table.Move();
  table.EndMove();
}

// One cursor step along the line while a class is carried, under the tints: the class row and
// the clash row follow the cursor.
void BM_CursorWithClassInHand(benchmark::State& state) {
  LargestTimetable& table = Table();
  table.PutCursor(ClassLine, ClassPeriod);
  table.Move();
  int period = ClassPeriod;
  for (auto _ : state) {
    period = period == ClassPeriod ? ClassPeriod + 1 : ClassPeriod;
    table.PutCursor(ClassLine, period);
  }
  table.PutCursor(ClassLine, ClassPeriod);
  table.EndMove();
}

void BM_RedrawTable(benchmark::State& state) {
  KumoApp& app = Table().App();
  for (auto _ : state) {
    app.frmEdit->RedrawTable();
    app.frmEdit->EditGrid().viewport()->repaint();
  }
}

// Every view renewed whole and repainted, as after the settings changed.
void BM_RefreshAllViews(benchmark::State& state) {
  KumoApp& app = Table().App();
  for (auto _ : state) {
    app.frmKumo->RefreshAllViews();
    QApplication::processEvents();
  }
}

// Every step undone, the views following once per display frame, and the last picture painted.
void BM_HomeOverTheWholeHistory(benchmark::State& state) {
  KumoApp& app = Table().App();
  TKumData& doc = app.doc;
  for (auto _ : state) {
    app.frmKumo->mnuEditHomeClick();
    QApplication::processEvents();
    state.PauseTiming();
    if (doc.HistoryPos() != 1) state.SkipWithError("the walk stopped before the start");
    // The steps only put pieces back where they were: redoing them is the same as this.
    app.frmKumo->mnuEditEndClick();
    app.frmKumo->RefreshAllViews();
    QApplication::processEvents();
    state.ResumeTiming();
  }
}

// The teacher list of the largest timetable written to a PDF file, and whatever the views then
// repaint.
void BM_PrintTeacherList(benchmark::State& state) {
  KumoApp& app = Table().App();
  const QTemporaryDir dir;
  const std::string file = QDir(dir.path()).filePath("list.pdf").toStdString();
  for (auto _ : state) {
    PrintPdfFile({TeacherListTask(app.dlgPrintOut->Input(), 1)}, file);
    QApplication::processEvents();
  }
}

// A class move with the history full: each move forgets the oldest step, the entries move down
// and so do the history window's rows. Last, since it leaves the history full.
void BM_ClassMoveAtTheLimit(benchmark::State& state) {
  LargestTimetable& table = Table();
  TKumData& doc = table.App().doc;
  table.PutCursor(ClassLine, ClassPeriod);
  while (doc.HistoryPos() < MaxHistory) doc.MovePiece({});
  table.EndMove();
  for (auto _ : state) {
    table.App().frmEdit->sgrEditDblClick();
    QApplication::processEvents();
  }
  table.EndMove();
}

void RegisterBenchmarks() {
  const char* fixed = std::getenv("KUMO_BENCH_ITERATIONS");
  const int iterations = fixed != nullptr ? std::atoi(fixed) : 0;
  auto add = [iterations](const char* name, void (*run)(benchmark::State&)) {
    benchmark::internal::Benchmark* b = benchmark::RegisterBenchmark(name, run);
    b->Unit(benchmark::kMillisecond);
    if (iterations > 0) b->Iterations(iterations);
    return b;
  };
  add("BM_ClassMove", BM_ClassMove)->ArgName("tints")->Arg(0)->Arg(1);
  add("BM_SubjectMove", BM_SubjectMove);
  add("BM_CursorWithClassInHand", BM_CursorWithClassInHand);
  add("BM_RedrawTable", BM_RedrawTable);
  add("BM_RefreshAllViews", BM_RefreshAllViews);
  // The whole walk is long: a few runs tell enough.
  add("BM_HomeOverTheWholeHistory", BM_HomeOverTheWholeHistory)->Iterations(3);
  add("BM_PrintTeacherList", BM_PrintTeacherList);
  add("BM_ClassMoveAtTheLimit", BM_ClassMoveAtTheLimit);
}

}  // namespace
}  // namespace kumo

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  kumo::InstallFontSubstitutions();
  benchmark::Initialize(&argc, argv);
  kumo::RegisterBenchmarks();
  // Built before the first benchmark, so that no benchmark's count includes it.
  kumo::Table();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  kumo::TableHolder().reset();
  return 0;
}
