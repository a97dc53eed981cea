// The end-to-end driver: lists the scenarios or runs one of them.
//
//   e2e_driver list         one scenario name per line
//   e2e_driver run NAME     runs it on a reset prefix; prints
//                           "PASS NAME" or "FAIL NAME: reason"
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
  for (auto area : {CommandLineScenarios, SettingsFileScenarios, GameKindScenarios, DialogScenarios,
                     BadFileScenarios, KilledSaveScenarios}) {
    for (Scenario& scenario : area()) all.push_back(std::move(scenario));
  }
  return all;
}

int ListScenarios() {
  for (const Scenario& scenario : AllScenarios()) std::printf("%s\n", scenario.name.c_str());
  return 0;
}

int RunScenario(const Scenario& scenario) {
  std::string failure;
  try {
    ResetPrefix();
    scenario.run();
  } catch (const std::exception& error) {
    failure = error.what();
  }
  if (failure.empty()) {
    std::printf("PASS %s\n", scenario.name.c_str());
    return 0;
  }
  std::printf("FAIL %s: %s\n", scenario.name.c_str(), failure.c_str());
  return 1;
}

int RunNamed(const char* name) {
  for (const Scenario& scenario : AllScenarios()) {
    if (scenario.name == name) return RunScenario(scenario);
  }
  std::printf("FAIL %s: no such scenario\n", name);
  return 1;
}

}  // namespace
}  // namespace kavrin

int main(int argc, char** argv) {
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  if (argc == 2 && std::strcmp(argv[1], "list") == 0) return kavrin::ListScenarios();
  if (argc == 3 && std::strcmp(argv[1], "run") == 0) return kavrin::RunNamed(argv[2]);
  std::fprintf(stderr, "usage: e2e_driver list | run NAME\n");
  return 2;
}
