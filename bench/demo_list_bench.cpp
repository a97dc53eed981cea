// Writing and reading the demo list, in memory and through a real file.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <random>
#include <string>

#include "bench/sample_demos.h"
#include "settings/demo_list_file.h"
#include "files/file_system.h"
#include "files/text_mode.h"

namespace kavrin {
namespace {

std::string DiskTextOf(size_t count) { return ToDiskText(BuildDemoListText(SampleDemoPaths(count))); }

void BM_WriteDemoList(benchmark::State& state) {
  const std::vector<std::string> demos = SampleDemoPaths(static_cast<size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(ToDiskText(BuildDemoListText(demos)));
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_WriteDemoList)->Arg(10)->Arg(100)->Arg(100000)->Complexity(benchmark::oN);

// No entry limit, so the cost of every line shows.
void BM_ReadDemoList(benchmark::State& state) {
  const std::string disk = DiskTextOf(static_cast<size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(ReadDemoList(disk, SIZE_MAX));
  state.SetComplexityN(state.range(0));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * disk.size()));
}
BENCHMARK(BM_ReadDemoList)->Arg(10)->Arg(100)->Arg(100000)->Complexity(benchmark::oN);

// A save and the next dialog's load: replace the file, then read it back.
void BM_DemoListFileRoundTrip(benchmark::State& state) {
  const std::vector<std::string> demos = SampleDemoPaths(static_cast<size_t>(state.range(0)));
  const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                     ("kavrin-bench-" + std::to_string(std::random_device()()) + ".sc2");
  for (auto _ : state) {
    if (ReplaceFileContent(path.string(), ToDiskText(BuildDemoListText(demos))) != WriteFault::None) {
      state.SkipWithError("cannot write the demo list");
      break;
    }
    benchmark::DoNotOptimize(ReadDemoList(ReadFileBytes(path.string()).value_or(""), kMaxDemos));
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_DemoListFileRoundTrip)->Arg(100);

}  // namespace
}  // namespace kavrin
