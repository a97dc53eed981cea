// Any bytes split into clean lines; the three line-end styles agree.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "files/text_mode.h"

namespace kavrin {
namespace {

size_t CountLineEnds(const std::string& text) {
  size_t count = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))) ++count;
  }
  return count;
}

std::string WithoutCarriageReturns(std::string text) {
  std::string kept;
  for (char c : text) {
    if (c != '\r') kept += c;
  }
  return kept;
}

std::string WithBareCarriageReturns(std::string text) {
  for (char& c : text) {
    if (c == '\n') c = '\r';
  }
  return text;
}

}  // namespace
}  // namespace kavrin

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kavrin;
  const std::string disk(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> lines = SplitDiskLines(disk);

  size_t kept = 0;
  for (const std::string& line : lines) {
    Require(IsCleanLine(line), "lines carry no line ends or NULs");
    kept += line.size();
  }
  const size_t ends = CountLineEnds(disk);
  Require(lines.size() == ends || lines.size() == ends + 1, "one line per line end, plus an unended last one");
  Require(kept <= size, "splitting never adds bytes");

  // Text in memory ("\n" only) splits the same before and after going to disk,
  // and with bare CRs in place of its line feeds.
  const std::string memory = WithoutCarriageReturns(disk);
  const std::vector<std::string> memoryLines = SplitDiskLines(memory);
  Require(SplitDiskLines(ToDiskText(memory)) == memoryLines, "CR LF on disk reads as LF in memory");
  Require(SplitDiskLines(WithBareCarriageReturns(memory)) == memoryLines, "a bare CR ends a line like LF");
  return 0;
}
