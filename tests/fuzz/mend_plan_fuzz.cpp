// Any list of demos for any known engine, over a disk of the fuzzer's
// making: each copy the mend plans gets a name the engine plays whole, and
// never takes another file's place.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "../unit/fake_disk.h"
#include "fuzz_check.h"
#include "files/exe_path.h"
#include "games/mend_plan.h"

namespace kavrin {
namespace {

// Fewer than the longest list, more than any engine's limit on it.
constexpr size_t kMostDemos = 40;

// A file name: anything but a separator.
std::string FileName(FuzzedDataProvider& provider) {
  std::string name = provider.ConsumeRandomLengthString(80);
  for (char& c : name) c = c == '\\' || c == '/' ? '_' : c;
  return name;
}

// `name` with each character the engine breaks made "_" and `suffix`
// before its extension: where the planner may look first.
std::string LikelyCopyName(std::string name, const GameEngine& engine, const std::string& suffix) {
  const std::string breaking = std::string(engine.splitChars).append(engine.cutChars);
  for (char& c : name) c = breaking.find(c) != std::string::npos ? '_' : c;
  return name.insert(std::min(name.rfind('.'), name.size()), suffix);
}

void CheckPlan(const ChosenGame& game, const std::vector<std::string>& demos, const testing::FakeDisk& disk) {
  const MendPlan plan = PlanMend(game, demos, CheckPlay(game, demos, disk), disk);
  const GameEngine& engine = *game.engine;
  const std::string breaking = std::string(engine.splitChars).append(engine.cutChars);
  Require(plan.copies.size() <= demos.size(), "no more copies than entries");
  for (size_t i = 0; i < plan.copies.size(); ++i) {
    const std::string& to = plan.copies[i];
    if (to.empty()) continue;
    const std::string name = to.substr(to.rfind('\\') + 1);
    Require(name.find_first_of(breaking) == std::string::npos, "a copy's name holds no character the engine breaks at");
    Require(engine.maxNameLength == 0 || name.size() <= engine.maxNameLength, "a copy's name fits the engine's limit");
    Require(!disk.Exists(to) || disk.SameBytes(demos[i], to), "a copy never takes the place of other bytes");
    for (size_t j = 0; j < i; ++j) {
      Require(LowerCase(plan.copies[j]) != LowerCase(to), "no two entries are copied into one file");
    }
  }
}

}  // namespace
}  // namespace kavrin

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kavrin;
  FuzzedDataProvider provider(data, size);
  const auto known = KnownExecutables();
  const char* exe = known[provider.ConsumeIntegralInRange<size_t>(0, known.size() - 1)].name;
  const ChosenGame game = ChooseGame(std::string("C:\\g\\") + exe, provider.ConsumeBool() ? "mod" : "", "C:\\appdata");
  testing::FakeDisk disk;
  disk.Folder(game.Folder(game.Family().baseFolder));
  const std::vector<std::string> searched = DemoSearchFolders(game);
  // Each demo lies outside the game or where it looks, and files of like
  // names may already stand where the copies go.
  std::vector<std::string> demos;
  while (demos.size() < kMostDemos && provider.remaining_bytes() > 0) {
    const std::string name = FileName(provider);
    const size_t place = provider.ConsumeIntegralInRange<size_t>(0, searched.size());
    demos.push_back(JoinPath(place < searched.size() ? searched[place] : "C:\\downloads", name));
    disk.File(demos.back(), provider.ConsumeRandomLengthString(4));
    for (int taken = provider.ConsumeIntegralInRange(0, 3); taken > 0; --taken) {
      const std::string suffix = taken == 1 ? "" : "_" + std::to_string(taken);
      disk.File(JoinPath(DemoHome(game), LikelyCopyName(name, *game.engine, suffix)),
                provider.ConsumeRandomLengthString(4));
    }
  }
  CheckPlan(game, demos, disk);
  return 0;
}
