// Saves the two configurations of the kill test in turn until it is killed.
//   kavrin_save_loop FOLDER [save|in-place|chain]
// Writes one byte to stdout once the first save is complete. "in-place"
// writes each file over itself instead of saving: the broken writer that the
// kill test must be able to catch. "chain" saves the QuakeWorld pair.
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "save_pair.h"
#include "settings/demo_list_file.h"
#include "games/game_kind.h"
#include "games/game_script.h"
#include "settings/launch_file.h"
#include "files/text_mode.h"

namespace kavrin {
namespace {

// Stops a loop whose killer is gone: no save outlives its test.
constexpr int kMostSaves = 20000;

void WriteInPlace(const std::string& path, const std::string& bytes) {
  if (std::FILE* file = std::fopen(path.c_str(), "wb")) {
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
  }
}

void SaveInPlace(const SaveRequest& request, const std::string& baseFolder) {
  WriteInPlace(request.launchFilePath, ToDiskText(BuildLaunchFileText(request.exePath, request.modDir)));
  WriteInPlace(request.demoListFilePath, ToDiskText(BuildDemoListText(request.demos)));
  WriteInPlace(baseFolder + kGameScriptName, ToDiskText(BuildGameScript(Quake2, request.demos)));
}

}  // namespace
}  // namespace kavrin

int main(int argc, char** argv) {
  using namespace kavrin;
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s FOLDER [in-place]\n", argv[0]);
    return 2;
  }
  const std::string folder = argv[1];
  const bool inPlace = argc > 2 && std::strcmp(argv[2], "in-place") == 0;
  const bool chain = argc > 2 && std::strcmp(argv[2], "chain") == 0;
  const SaveRequest requests[] = {PairRequest(folder, 0, chain), PairRequest(folder, 1, chain)};
  const pid_t parent = getppid();

  for (int save = 0; save < kMostSaves && getppid() == parent; ++save) {
    const SaveRequest& request = requests[(save + 1) % 2];
    if (inPlace) {
      SaveInPlace(request, PairBaseFolder(folder));
    } else if (SaveConfiguration(request).status != SaveStatus::Saved) {
      return 1;
    }
    if (save == 0) {
      std::fputc('r', stdout);
      std::fflush(stdout);
    }
  }
  return 0;
}
