// The chain search for the class in hand at 100 lines: 60 classes each taught once a period, the
// argument's tenths of the other lines' periods free and none of the hand's own, so that no
// direct place exists and the search goes to its full depth.
#include <benchmark/benchmark.h>

#include "document/Chains.h"
#include "document/Options.h"
#include "document/Prompter.h"

namespace kumo {
namespace {

constexpr int HandLine = 10;
constexpr int HandPeriod = 5;

class Silent : public Prompter {
 public:
  Answer MessageBox(BoxType, Buttons, const std::string&) override { return Answer::Ok; }
  void Beep() override {}
};

PeriodCell PieceAt(int line, int period, int freeTenths) {
  if (line != HandLine && (line * 7 + period) % 10 < freeTenths) return {};
  const int k = (line + period) % MaxLines;
  if (k < 60) return {static_cast<Byte>(k / 20 + 1), static_cast<Byte>(k % 20 + 1), 0, 0};
  return {KindSubject, static_cast<Byte>(k - 59), 0, Counted};
}

void BM_FindChains(benchmark::State& state) {
  Options options;
  Silent prompter;
  TKumData doc(options, prompter);
  TClassLines classes(doc);
  for (int n = 1; n <= MaxLines; ++n) {
    TeacherLine line{};
    line.Grade = static_cast<Byte>(n % 3 + 1);
    line.Subject = static_cast<Byte>(n % 9 + 1);
    line.Homeroom = n <= 60 ? static_cast<Byte>(n % 20 + 1) : 0;
    for (int p = 1; p <= PeriodCount; ++p)
      line.Cells[p] = PieceAt(n, p, static_cast<int>(state.range(0)));
    doc.AddLine(line);
  }
  doc.SetCursor(HandLine, HandPeriod);
  doc.MovePiece({});
  std::size_t found = 0;
  for (auto _ : state) {
    const std::vector<Chain> chains = FindChains(doc, classes);
    found = chains.size();
    benchmark::DoNotOptimize(chains.data());
  }
  state.counters["chains"] = static_cast<double>(found);
}
BENCHMARK(BM_FindChains)->Unit(benchmark::kMillisecond)->ArgName("free")->Arg(1)->Arg(5)->Arg(9);

}  // namespace
}  // namespace kumo

BENCHMARK_MAIN();
