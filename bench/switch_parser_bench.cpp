// Reading the switch from the command lines the system starts us with.
#include <benchmark/benchmark.h>

#include "app/switch_parser.h"

namespace kavrin {
namespace {

const char* const kCommandLines[] = {
    "C:\\WINDOWS\\SYSTEM32\\KAVRIN~1.SCR /s",
    "\"C:\\Program Files\\Kavrin Screen Saver\\Kavrin.scr\" /c:1234",
    "\"C:\\Program Files\\Kavrin Screen Saver\\Kavrin.scr\" /p 1234",
    "Kavrin.scr",
};

void BM_ParseSwitch(benchmark::State& state) {
  const char* line = kCommandLines[state.range(0)];
  for (auto _ : state) benchmark::DoNotOptimize(ParseSwitch(line));
  state.SetLabel(line);
}
BENCHMARK(BM_ParseSwitch)->DenseRange(0, 3);

}  // namespace
}  // namespace kavrin
