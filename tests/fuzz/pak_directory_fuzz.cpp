// Any bytes as a pak file: the reader answers without reading outside the
// file, and what it finds lies inside it.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "games/pak_file.h"

namespace kavrin {
namespace {

// One file, "pak", of the fuzzer's bytes.
class PakBytes : public PathQuestions {
 public:
  explicit PakBytes(const std::string& bytes) : bytes_(bytes) {}
  bool Exists(const std::string&) const override { return true; }
  bool CanEnter(const std::string&) const override { return false; }
  bool HoldsMatch(const std::string&, const std::string&) const override { return false; }
  bool SameBytes(const std::string&, const std::string&) const override { return false; }
  std::optional<uint64_t> FileSize(const std::string&) const override { return bytes_.size(); }
  std::optional<std::string> ReadPart(const std::string&, uint32_t offset, uint32_t length) const override {
    if (offset > bytes_.size()) return std::string();
    return bytes_.substr(offset, length);
  }

 private:
  const std::string& bytes_;
};

}  // namespace
}  // namespace kavrin

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kavrin;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::optional<std::string> script = ReadFromPak(PakBytes(bytes), "pak", "quake.rc", 4096);
  Require(!script || script->size() <= 4096, "no more than asked for");
  Require(!script || bytes.find(*script) != std::string::npos, "the file found lies inside the pak");
  return 0;
}
