// Kills a process that saves over and over at random moments: afterwards each
// of the three files holds exactly its old or its new bytes.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "../unit/temp_dir.h"
#include "save_pair.h"
#include "settings/demo_list_file.h"
#include "games/demo_chain.h"
#include "games/game_kind.h"
#include "games/game_script.h"
#include "settings/launch_file.h"
#include "files/text_mode.h"

namespace kavrin {
namespace {

using testing::ReadBytes;
using testing::TempDir;

struct ThreeFiles {
  std::string launchFile, demoList, script;
};

ThreeFiles ExpectedFiles(const std::string& folder, int which) {
  const SaveRequest request = PairRequest(folder, which);
  return {ToDiskText(BuildLaunchFileText(request.exePath, request.modDir)),
          ToDiskText(BuildDemoListText(request.demos)), ToDiskText(BuildGameScript(Quake2, request.demos))};
}

ThreeFiles FilesOnDisk(const std::string& folder) {
  const SaveRequest request = PairRequest(folder, 0);
  return {ReadBytes(request.launchFilePath), ReadBytes(request.demoListFilePath),
          ReadBytes(PairBaseFolder(folder) + kGameScriptName)};
}

// Whether the chain that Scrnsave.cfg names is one configuration's whole
// chain, every script of it in place with its bytes.
bool ChainIsWhole(const std::string& folder) {
  const std::string base = PairBaseFolder(folder, true);
  const std::string opening = ReadBytes(base + kGameScriptName);
  const char named = NextChainGeneration(opening) == 'A' ? 'B' : 'A';
  for (int which = 0; which < 2; ++which) {
    const SaveRequest request = PairRequest(folder, which, true);
    bool whole = true;
    for (const ScriptFile& file : BuildDemoChain(EngineOfExe("ezquake.exe"), request.demos, named)) {
      whole = whole && ReadBytes(base + file.name) == ToDiskText(file.text);
    }
    if (whole) return true;
  }
  return false;
}

int RunsWanted() {
  const char* runs = std::getenv("KAVRIN_KILL_RUNS");
  return runs != nullptr && std::atoi(runs) > 0 ? std::atoi(runs) : 200;
}

struct Tally {
  int runs = 0;
  int torn = 0;            // runs that left some file neither old nor new
  int midWrite = 0;        // runs killed with a temporary file still there
  int neverReady = 0;      // runs whose save loop never finished its first save
};

// Starts the save loop, waits until its first save is done, lets it run for
// `delay` and kills it. False when it could not be started or never got ready.
bool KillSaveLoopAfter(const std::string& folder, const char* mode, std::chrono::microseconds delay) {
  int ready[2];
  if (pipe(ready) != 0) return false;
  const pid_t child = fork();
  if (child == 0) {
    dup2(ready[1], STDOUT_FILENO);
    close(ready[0]);
    close(ready[1]);
    execl(KAVRIN_SAVE_LOOP, KAVRIN_SAVE_LOOP, folder.c_str(), mode, static_cast<char*>(nullptr));
    _exit(127);
  }
  close(ready[1]);
  char byte = 0;
  const bool started = child > 0 && read(ready[0], &byte, 1) == 1;
  close(ready[0]);
  if (child <= 0) return false;
  std::this_thread::sleep_for(delay);
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
  return started;
}

bool LeftATemporaryFile(const std::string& folder) {
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    if (entry.path().string().find(".kavrin-new") != std::string::npos) return true;
  }
  return false;
}

Tally KillManyTimes(const char* mode, int runs, unsigned seed) {
  TempDir dir;
  const std::string folder = dir.path();
  const bool chain = std::string(mode) == "chain";
  MakePairGameFolder(folder, chain);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(SaveConfiguration(PairRequest(folder, 0, chain)).status, SaveStatus::Saved);
  // Kills land anywhere in a save, however long this machine takes for one.
  const auto saveTime = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
  const ThreeFiles versions[] = {ExpectedFiles(folder, 0), ExpectedFiles(folder, 1)};

  std::mt19937 random(seed);
  std::uniform_int_distribution<int> delayMicroseconds(0, std::max(3000, static_cast<int>(2 * saveTime.count())));
  Tally tally;
  for (int run = 0; run < runs; ++run) {
    if (!KillSaveLoopAfter(folder, mode, std::chrono::microseconds(delayMicroseconds(random)))) {
      ++tally.neverReady;
    }
    ++tally.runs;
    if (LeftATemporaryFile(folder)) ++tally.midWrite;
    if (chain) {
      if (!ChainIsWhole(folder)) ++tally.torn;
      continue;
    }
    const ThreeFiles now = FilesOnDisk(folder);
    const auto oldOrNew = [&](std::string ThreeFiles::*file) {
      return now.*file == versions[0].*file || now.*file == versions[1].*file;
    };
    if (!oldOrNew(&ThreeFiles::launchFile) || !oldOrNew(&ThreeFiles::demoList) || !oldOrNew(&ThreeFiles::script)) {
      ++tally.torn;
    }
  }
  return tally;
}

unsigned Seed() {
  const unsigned seed = std::random_device{}();
  std::printf("seed %u\n", seed);
  return seed;
}

TEST(KillDuringSave, EveryFileIsWholeOldOrWholeNewAfterEveryKill) {
  const unsigned seed = Seed();
  const Tally tally = KillManyTimes("save", RunsWanted(), seed);
  std::printf("kill test: %d runs, %d killed mid-write, %d torn\n", tally.runs, tally.midWrite, tally.torn);
  EXPECT_EQ(tally.neverReady, 0) << "the save loop did not start; seed " << seed;
  EXPECT_EQ(tally.torn, 0) << "seed " << seed;
}

TEST(KillDuringSave, QuakeWorldsChainIsAlwaysOneWholeChain) {
  const unsigned seed = Seed();
  const Tally tally = KillManyTimes("chain", RunsWanted(), seed);
  std::printf("chain: %d runs, %d killed mid-write, %d torn\n", tally.runs, tally.midWrite, tally.torn);
  EXPECT_EQ(tally.neverReady, 0) << "seed " << seed;
  EXPECT_EQ(tally.torn, 0) << "seed " << seed;
}

// The check above must be able to fail: a writer that truncates each file
// and then fills it is caught within a few dozen kills.
TEST(KillDuringSave, CatchesAWriterThatOverwritesInPlace) {
  const unsigned seed = Seed();
  const Tally tally = KillManyTimes("in-place", 50, seed);
  std::printf("in-place writer: %d runs, %d torn\n", tally.runs, tally.torn);
  EXPECT_EQ(tally.neverReady, 0) << "seed " << seed;
  EXPECT_GT(tally.torn, 0) << "seed " << seed;
}

}  // namespace
}  // namespace kavrin
