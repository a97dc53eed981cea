// Any command line: the mode depends on the one switch character alone.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/switch_parser.h"
#include "fuzz_check.h"

namespace kavrin {
namespace {

// The same switch character in the plainest command line.
SaverMode CanonicalMode(int character) {
  const char line[] = {'k', ' ', '/', static_cast<char>(character), '\0'};
  return ParseSwitch(line).mode;
}

}  // namespace
}  // namespace kavrin

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kavrin;
  // The command line is a C string: it ends at its first NUL.
  const std::string line(reinterpret_cast<const char*>(data), size);
  const SaverSwitch parsed = ParseSwitch(line.c_str());
  const int exitCode = IdleExitCode(parsed);

  Require(parsed.character >= 0 && parsed.character <= 255, "switch character is one unsigned byte");
  if (parsed.mode == SaverMode::NoSwitch) {
    Require(parsed.character == 0 && exitCode == 0, "no switch has no character and exit code 0");
    return 0;
  }
  Require(line.c_str()[0] != '\0', "an empty line has no switch");
  Require(parsed.mode == CanonicalMode(parsed.character), "the mode depends on the switch character alone");
  Require(exitCode == (parsed.mode == SaverMode::Unrecognised ? parsed.character : 0),
          "only an unrecognised switch exits with its code");
  return 0;
}
