#include "save_pair.h"

#include <filesystem>

namespace kavrin {
namespace {

std::string GameFolder(const std::string& folder) { return folder + "/games\\quake2\\"; }

}  // namespace

SaveRequest PairRequest(const std::string& folder, int which) {
  SaveRequest request;
  request.exePath = GameFolder(folder) + "quake2.exe";
  request.modDir = which == 0 ? "ctf" : "";
  request.launchFilePath = folder + "/q2scr.sc2";
  request.demoListFilePath = folder + "/demos.sc2";
  // Long entries make each save take long enough for kills to land inside it.
  const std::string stem = which == 0 ? std::string(150, 'a') : std::string(190, 'b');
  for (int i = 0; i < 100; ++i) request.demos.push_back("c:\\demos\\" + std::to_string(i) + stem + ".dm2");
  return request;
}

std::string PairScriptPath(const std::string& folder) { return GameFolder(folder) + "/baseq2/Scrnsave.cfg"; }

void MakePairGameFolder(const std::string& folder) {
  std::filesystem::create_directories(GameFolder(folder) + "/baseq2");
}

}  // namespace kavrin
