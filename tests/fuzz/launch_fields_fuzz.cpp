// Any launch file gives clean dialog fields, and what we write reads back.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "games/argument_line.h"
#include "files/exe_path.h"
#include "games/game_table.h"
#include "settings/launch_file.h"
#include "files/text_mode.h"

namespace kavrin {
namespace {

bool IsTrimmed(const std::string& text) {
  return text.empty() || (text.front() != ' ' && text.front() != '\t' && text.back() != ' ' &&
                          text.back() != '\t');
}

// A mod the engines take as one word.
bool IsPlainMod(const std::string& mod) { return mod.find_first_of(std::string(" \t\r\n\0", 5)) == std::string::npos; }

void CheckAnyFile(const std::string& disk) {
  const LaunchFields fields = ReadLaunchFields(disk);
  Require(IsCleanLine(fields.exePath) && IsCleanLine(fields.modDir), "fields carry no line ends or NULs");
  Require(IsTrimmed(fields.modDir), "the mod comes back without surrounding blanks");
}

void CheckAnyArgumentLine(const std::string& line, const GameFamily& family) {
  const std::string mod = ModFromArgumentLine(line, family);
  Require(IsTrimmed(mod), "the mod of any argument line is trimmed");
  Require(mod.empty() || line.find(mod) != std::string::npos, "the mod is taken from the line");
}

void CheckRoundTrip(const std::string& directory, const std::string& name, const std::string& mod) {
  const std::string exePath = directory + "\\" + name;
  if (!IsCleanLine(exePath) || !IsPlainMod(mod)) return;
  const LaunchFields fields = ReadLaunchFields(ToDiskText(BuildLaunchFileText(exePath, mod)));
  Require(fields.exePath == ExeDirectory(exePath) + LowerCase(ExeName(exePath)),
          "the executable path reads back with its name lowercased");
  Require(fields.modDir == mod, "the mod we wrote reads back");
}

}  // namespace
}  // namespace kavrin

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kavrin;
  CheckAnyFile(std::string(reinterpret_cast<const char*>(data), size));

  FuzzedDataProvider provider(data, size);
  const std::string directory = provider.ConsumeRandomLengthString(300);
  const std::string mod = provider.ConsumeRandomLengthString(300);
  const auto known = KnownExecutables();
  const size_t pick = provider.ConsumeIntegralInRange<size_t>(0, known.size());
  // Past the table: a name of the fuzzer's own, kind Other unless it hits one.
  const std::string name = pick < known.size() ? std::string(known[pick].name) : provider.ConsumeRemainingBytesAsString();
  CheckAnyArgumentLine(mod, EngineOfExe(name).family);
  CheckRoundTrip(directory, name, mod);
  return 0;
}
