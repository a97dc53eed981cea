#include "save_pair.h"

#include <filesystem>

namespace kavrin {
namespace {

std::string GameFolder(const std::string& folder, bool chain) {
  return folder + (chain ? "/games\\ezquake\\" : "/games\\quake2\\");
}

}  // namespace

SaveRequest PairRequest(const std::string& folder, int which, bool chain) {
  SaveRequest request;
  request.exePath = GameFolder(folder, chain) + (chain ? "ezquake.exe" : "quake2.exe");
  request.modDir = which == 0 ? "ctf" : "";
  request.launchFilePath = folder + "/q2scr.sc2";
  request.demoListFilePath = folder + "/demos.sc2";
  // Long entries make each save take long enough for kills to land inside it.
  const std::string stem = which == 0 ? std::string(150, 'a') : std::string(190, 'b');
  const int count = chain ? (which == 0 ? 24 : 9) : 100;
  const char* extension = chain ? ".qwd" : ".dm2";
  for (int i = 0; i < count; ++i) request.demos.push_back("c:\\demos\\" + std::to_string(i) + stem + extension);
  return request;
}

std::string PairBaseFolder(const std::string& folder, bool chain) {
  return GameFolder(folder, chain) + (chain ? "/qw/" : "/baseq2/");
}

void MakePairGameFolder(const std::string& folder, bool chain) {
  std::filesystem::create_directories(PairBaseFolder(folder, chain));
}

}  // namespace kavrin
