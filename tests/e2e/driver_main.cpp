// The end-to-end driver: lists the scenarios or runs one of them.
//
//   e2e_driver list          one scenario name per line
//   e2e_driver run NAME      runs it on a reset prefix; prints
//                            "PASS NAME" or "FAIL NAME: reason"
//   e2e_driver prepare NAME  for a scenario with a preparing step: resets
//                            the prefix and prepares it; `run` then runs it
//                            on the prefix as prepared
//
// The suite script calls it once per scenario, so a scenario that hangs or
// crashes cannot take the others with it.
#include <cstdio>
#include <cstring>
#include <exception>

#include "e2e_fixture.h"
#include "scenarios.h"

namespace kavrin {
namespace {

std::vector<Scenario> AllScenarios() {
  std::vector<Scenario> all;
  for (auto area : {CommandLineScenarios, SettingsFileScenarios, GameKindScenarios, MendScenarios, DialogScenarios,
                     BadFileScenarios, KilledSaveScenarios, ReadOnlyRootScenarios}) {
    for (Scenario& scenario : area()) all.push_back(std::move(scenario));
  }
  return all;
}

int ListScenarios() {
  for (const Scenario& scenario : AllScenarios()) std::printf("%s\n", scenario.name.c_str());
  return 0;
}

// Runs one step; a failure is printed, a success only when `pass` is set.
int RunStep(const Scenario& scenario, const std::function<void()>& step, bool pass) {
  std::string failure;
  try {
    step();
  } catch (const std::exception& error) {
    failure = error.what();
  }
  if (failure.empty()) {
    if (pass) std::printf("PASS %s\n", scenario.name.c_str());
    return 0;
  }
  std::printf("FAIL %s: %s\n", scenario.name.c_str(), failure.c_str());
  return 1;
}

int RunScenario(const Scenario& scenario) {
  if (scenario.prepare) return RunStep(scenario, [&] { UsePrefix(); scenario.run(); }, true);
  return RunStep(scenario, [&] { ResetPrefix(); scenario.run(); }, true);
}

int PrepareScenario(const Scenario& scenario) {
  return RunStep(scenario, [&] {
    ResetPrefix();
    if (scenario.prepare) scenario.prepare();
  }, false);
}

int ForNamed(const char* name, int (*action)(const Scenario&)) {
  for (const Scenario& scenario : AllScenarios()) {
    if (scenario.name == name) return action(scenario);
  }
  std::printf("FAIL %s: no such scenario\n", name);
  return 1;
}

}  // namespace
}  // namespace kavrin

int main(int argc, char** argv) {
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  if (argc == 2 && std::strcmp(argv[1], "list") == 0) return kavrin::ListScenarios();
  if (argc == 3 && std::strcmp(argv[1], "run") == 0) return kavrin::ForNamed(argv[2], kavrin::RunScenario);
  if (argc == 3 && std::strcmp(argv[1], "prepare") == 0) return kavrin::ForNamed(argv[2], kavrin::PrepareScenario);
  std::fprintf(stderr, "usage: e2e_driver list | run NAME | prepare NAME\n");
  return 2;
}
