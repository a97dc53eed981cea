#include "settings/pak_file.h"

#include <gtest/gtest.h>

#include "fake_disk.h"

namespace kavrin {
namespace {

using testing::MakePak;

class PakBytes : public FileParts {
 public:
  explicit PakBytes(std::string bytes) : bytes_(std::move(bytes)) {}
  std::optional<std::string> Read(uint32_t offset, uint32_t length) const override {
    ++reads;
    if (offset > bytes_.size()) return std::string();
    return bytes_.substr(offset, length);
  }
  mutable int reads = 0;

 private:
  std::string bytes_;
};

std::string LittleEndian(uint32_t value) {
  return {static_cast<char>(value), static_cast<char>(value >> 8), static_cast<char>(value >> 16),
          static_cast<char>(value >> 24)};
}

TEST(PakFile, FindsAFileByItsDirectoryAndSaysWhenItCannot) {
  const std::string rc = "exec default.cfg\nstartdemos demo1\n";
  const std::string pak = MakePak({{"maps/e1m1.bsp", std::string(300, 'b')}, {"quake.rc", rc}});
  const std::string name55(55, 'q');
  const struct {
    const char* name;
    std::string bytes;
    std::optional<std::string> found;
  } rows[] = {
      {"a pak holding it", pak, rc},
      {"a pak without it", MakePak({{"quake.rcx", rc}, {"progs/quake.rc", rc}}), std::nullopt},
      {"an empty pak", MakePak({}), std::nullopt},
      {"a name of 55 characters, the longest", MakePak({{name55, rc}}), std::nullopt},
      {"no pak at all", "PAKC" + pak.substr(4), std::nullopt},
      {"shorter than a header", "PACK", std::nullopt},
      {"cut short in its directory", pak.substr(0, pak.size() - 10), std::nullopt},
      {"a directory pointing past the end", "PACK" + LittleEndian(100000) + LittleEndian(64), std::nullopt},
      {"more files than the engine takes", "PACK" + LittleEndian(12) + LittleEndian(2049 * 64), std::nullopt},
  };
  for (const auto& row : rows) {
    const PakBytes bytes(row.bytes);
    EXPECT_EQ(ReadFromPak(bytes, "quake.rc", 4096), row.found) << row.name;
    EXPECT_LE(bytes.reads, 3) << row.name;
  }
  EXPECT_EQ(ReadFromPak(PakBytes(MakePak({{name55, rc}})), name55, 4096), rc);
  EXPECT_EQ(ReadFromPak(PakBytes(pak), "quake.rc", 5), rc.substr(0, 5));
}

}  // namespace
}  // namespace kavrin
