// The largest timetable: 100 lines with every period filled, 60 classes, 4990 recorded steps,
// italic and bold display on, every grade ticked in the classes overview, every window shown
// offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QWidget>
#include <memory>

#include "editing/KumoEdit.h"
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
    doc.SetCursor(50, 15);
    app_->classes.BuildClassList();
    app_->classes.UpdateAllClasses();
    app_->frmKumo->EnableDocumentCommands();
    for (QWidget* window : std::initializer_list<QWidget*>{
             app_->frmEdit.get(), app_->frmTeachers.get(), app_->frmClasses.get(),
             app_->frmTeacher.get(), app_->frmClass.get(), app_->frmStack.get(),
             app_->frmHoldingStack.get(), app_->frmPickCharge.get(), app_->frmPickS.get()}) {
      window->show();
    }
    app_->frmEdit->resize(1000, 800);
    app_->frmKumo->RefreshAllViews();
    QApplication::processEvents();
  }

  KumoApp& App() { return *app_; }

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

// One piece lifted and put back, with the renewals of both moves and the repaint after them.
void LiftAndPutBack(KumoApp& app) {
  app.doc.CurLine = 50;
  app.doc.CurPeriod = 15;
  app.frmEdit->SyncGridCursor();
  app.frmEdit->sgrEditDblClick();
  app.frmEdit->sgrEditDblClick();
  QApplication::processEvents();
}

void BM_PieceMove(benchmark::State& state) {
  KumoApp& app = Table().App();
  TKumData& doc = app.doc;
  const std::uint16_t pos = doc.HistoryPos;
  for (auto _ : state) {
    LiftAndPutBack(app);
    doc.HistoryPos = doc.HistoryEnd = pos;  // the history keeps its length
  }
}
BENCHMARK(BM_PieceMove)->Unit(benchmark::kMillisecond);

// Piece moves with the aids at work (aids:1): a class lifted, carried one period along its line
// under the tints, and put back, with the checks window open; aids:0 makes the same moves with
// the tints off and the checks window closed. "per move" is the CPU time of one of the two
// moves; its median should stay within 1.5 ms.
void BM_PieceMoveWithAids(benchmark::State& state) {
  KumoApp& app = Table().App();
  TKumData& doc = app.doc;
  const bool aids = state.range(0) != 0;
  app.frmChecks->setVisible(aids);
  app.options.ShowPlaces = aids;
  QApplication::processEvents();
  const std::uint16_t pos = doc.HistoryPos;
  for (auto _ : state) {
    for (const int period : {5, 6, 5}) {
      doc.CurLine = 50;
      doc.CurPeriod = static_cast<Byte>(period);
      app.frmEdit->SyncGridCursor();
      if (period != 6) app.frmEdit->sgrEditDblClick();
      QApplication::processEvents();
    }
    doc.HistoryPos = doc.HistoryEnd = pos;
  }
  state.counters["per move"] =
      benchmark::Counter(2.0 * static_cast<double>(state.iterations()),
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  app.frmChecks->hide();
  app.options.ShowPlaces = true;
}
BENCHMARK(BM_PieceMoveWithAids)
    ->Unit(benchmark::kMillisecond)
    ->ArgName("aids")
    ->Arg(0)
    ->Arg(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_RedrawTable(benchmark::State& state) {
  KumoApp& app = Table().App();
  for (auto _ : state) {
    app.frmEdit->RedrawTable();
    app.frmEdit->EditGrid().viewport()->repaint();
  }
}
BENCHMARK(BM_RedrawTable)->Unit(benchmark::kMillisecond);

// Every view renewed whole and repainted, as after the settings changed.
void BM_RefreshAllViews(benchmark::State& state) {
  KumoApp& app = Table().App();
  for (auto _ : state) {
    app.frmKumo->RefreshAllViews();
    QApplication::processEvents();
  }
}
BENCHMARK(BM_RefreshAllViews)->Unit(benchmark::kMillisecond);

// Every step undone, the views following once per display frame, and the last picture painted.
void BM_HomeOverTheWholeHistory(benchmark::State& state) {
  KumoApp& app = Table().App();
  TKumData& doc = app.doc;
  for (auto _ : state) {
    app.frmKumo->mnuEditHomeClick();
    QApplication::processEvents();
    state.PauseTiming();
    if (doc.HistoryPos != 1) state.SkipWithError("the walk stopped before the start");
    // The steps only put pieces back where they were: redoing them is the same as this.
    doc.HistoryPos = doc.HistoryEnd;
    app.frmKumo->RefreshAllViews();
    QApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_HomeOverTheWholeHistory)->Unit(benchmark::kMillisecond)->Iterations(3);

// BM_PieceMove with the history full: each move forgets the oldest step, the entries move down
// and so do the history window's rows. Last, since it leaves the history changed.
void BM_PieceMoveAtTheLimit(benchmark::State& state) {
  KumoApp& app = Table().App();
  TKumData& doc = app.doc;
  doc.SetCursor(50, 15);
  while (doc.HistoryPos < MaxHistory) doc.MovePiece({});
  QApplication::processEvents();
  for (auto _ : state) LiftAndPutBack(app);
}
BENCHMARK(BM_PieceMoveAtTheLimit)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kumo

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  kumo::InstallFontSubstitutions();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  kumo::TableHolder().reset();
  return 0;
}
