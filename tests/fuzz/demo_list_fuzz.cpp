// Any demo list file: bounded, clean entries; what we write reads back.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "settings/demo_list_file.h"
#include "files/text_mode.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kavrin;
  FuzzedDataProvider provider(data, size);
  const size_t maxEntries = provider.ConsumeIntegralInRange<size_t>(0, kMaxDemos);
  const std::string disk = provider.ConsumeRemainingBytesAsString();

  const std::vector<std::string> entries = ReadDemoList(disk, maxEntries);
  Require(entries.size() <= maxEntries, "no more entries than asked for");
  for (const std::string& entry : entries) {
    Require(entry.size() >= 2, "entries are at least two characters long");
    Require(IsCleanLine(entry), "entries carry no line ends or NULs");
  }

  // Saving the entries and reading them back changes nothing.
  const std::vector<std::string> again = ReadDemoList(ToDiskText(BuildDemoListText(entries)), kMaxDemos);
  Require(again == entries, "a saved list reads back whole and in order");
  return 0;
}
