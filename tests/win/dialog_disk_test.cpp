// The dialog's questions of the disk: what it learns of a network path it
// keeps until it forgets, a local path it asks each time.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/unit/temp_dir.h"
#include "ui/dialog_disk.h"

namespace kavrin {
namespace {

using testing::TempDir;
using testing::WriteBytes;

TEST(DialogDisk, KeepsWhatItLearnsOfANetworkPathUntilItForgets) {
  TempDir dir;
  const std::string local = dir / "demo.dm2";
  // The same file, named as a network path is: beginning with two backslashes.
  const std::string network = "\\\\?\\" + local;
  const struct {
    const char* what;
    std::string path;
    bool forget;
    bool existsAfterRemoval;
  } rows[] = {
      {"a local path, asked again", local, false, false},
      {"a network path, answered from what was kept", network, false, true},
      {"a network path after Forget, asked again", network, true, false},
  };
  for (const auto& row : rows) {
    DialogDisk disk;
    WriteBytes(local, "demo");
    ASSERT_TRUE(disk.Exists(row.path)) << row.what;
    ASSERT_TRUE(std::filesystem::remove(local)) << row.what;
    if (row.forget) disk.Forget();
    EXPECT_EQ(disk.Exists(row.path), row.existsAfterRemoval) << row.what;
  }
}

}  // namespace
}  // namespace kavrin
