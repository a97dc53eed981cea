#include "games/pak_file.h"

#include <gtest/gtest.h>

#include "fake_disk.h"

namespace kavrin {
namespace {

using testing::FakeDisk;
using testing::MakePak;

// Counts the parts read: the reader reads the header, the directory and
// the one file, never the whole pak.
class CountingDisk : public FakeDisk {
 public:
  std::optional<std::string> ReadPart(const std::string& path, uint32_t offset, uint32_t length) const override {
    ++reads;
    return FakeDisk::ReadPart(path, offset, length);
  }
  mutable int reads = 0;
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
    CountingDisk disk;
    disk.File("C:\\q\\id1\\pak0.pak", row.bytes);
    EXPECT_EQ(ReadFromPak(disk, "C:\\q\\id1\\pak0.pak", "quake.rc", 4096), row.found) << row.name;
    EXPECT_LE(disk.reads, 3) << row.name;
  }
  FakeDisk disk;
  disk.File("C:\\a.pak", MakePak({{name55, rc}})).File("C:\\b.pak", pak);
  EXPECT_EQ(ReadFromPak(disk, "C:\\a.pak", name55, 4096), rc);
  EXPECT_EQ(ReadFromPak(disk, "C:\\b.pak", "quake.rc", 5), rc.substr(0, 5));
  EXPECT_EQ(ReadFromPak(disk, "C:\\missing.pak", "quake.rc", 5), std::nullopt);
}

}  // namespace
}  // namespace kavrin
