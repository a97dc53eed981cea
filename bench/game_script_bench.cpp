// Generating the game script: every dialect, growing with the demo count.
#include <benchmark/benchmark.h>

#include "bench/sample_demos.h"
#include "games/game_kind.h"
#include "games/game_script.h"

namespace kavrin {
namespace {

void BM_BuildGameScript(benchmark::State& state, GameKind kind) {
  const std::vector<std::string> demos = SampleDemoPaths(static_cast<size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(BuildGameScript(kind, demos));
  state.SetComplexityN(state.range(0));
}

// 100 is what a save writes; 10 and 1000 show the growth around it.
#define KAVRIN_SCRIPT_BENCH(name, kind) \
  BENCHMARK_CAPTURE(BM_BuildGameScript, name, kind)->Arg(10)->Arg(100)->Arg(1000)->Complexity(benchmark::oN)

KAVRIN_SCRIPT_BENCH(Quake, Quake);
KAVRIN_SCRIPT_BENCH(Quake2, Quake2);
KAVRIN_SCRIPT_BENCH(Hl, Hl);
KAVRIN_SCRIPT_BENCH(Quake3, Quake3);
KAVRIN_SCRIPT_BENCH(SinHeretic2, SinHeretic2);
KAVRIN_SCRIPT_BENCH(Q2pro, Q2pro);

}  // namespace
}  // namespace kavrin
