#include "app/launch_command.h"

#include <gtest/gtest.h>

namespace kavrin {
namespace {

TEST(LaunchCommand, ReadsDirectoryFileAndParametersWithBlanksKept) {
  const struct {
    std::string disk;
    LaunchCommand command;
  } rows[] = {
      {"c:\\games\\quake2\\\r\nquake2.exe\r\n+exec Scrnsave.cfg ",
       {"c:\\games\\quake2\\", "quake2.exe", "+exec Scrnsave.cfg "}},
      {"C:\\Quake\\\r\nglquake.exe\r\n-game ctf +exec Scrnsave.cfg \r\n",
       {"C:\\Quake\\", "glquake.exe", "-game ctf +exec Scrnsave.cfg "}},
      {"\r\nquake2.exe\r\n+exec Scrnsave.cfg ", {"", "quake2.exe", "+exec Scrnsave.cfg "}},
      {"c:\\g\\\nhl.exe\n", {"c:\\g\\", "hl.exe", ""}},
      {"c:\\g\\\r\nhl.exe\r\nline 3\r\nline 4 is ignored\r\n", {"c:\\g\\", "hl.exe", "line 3"}},
  };
  for (const auto& row : rows) {
    const std::optional<LaunchCommand> command = ReadLaunchCommand(row.disk);
    ASSERT_TRUE(command.has_value()) << row.disk;
    EXPECT_EQ(command->directory, row.command.directory);
    EXPECT_EQ(command->file, row.command.file);
    EXPECT_EQ(command->parameters, row.command.parameters);
  }
}

TEST(LaunchCommand, LongLinesStayInTheirOwnValue) {
  const std::string directory = "c:\\" + std::string(250, 'd') + "\\";
  const std::optional<LaunchCommand> command =
      ReadLaunchCommand(directory + "\r\nquake2.exe\r\n+exec Scrnsave.cfg ");
  ASSERT_TRUE(command.has_value());
  EXPECT_EQ(command->directory, directory);
  EXPECT_EQ(command->file, "quake2.exe");
}

TEST(LaunchCommand, NothingToLaunchWithoutAFileOrAnExecutableName) {
  const std::optional<std::string> inputs[] = {
      std::nullopt, std::string(), std::string("c:\\games\\\r\n"), std::string("c:\\games\\\r\n\r\n+exec x"),
      std::string("\r\n\r\n\r\n"),
  };
  for (const auto& input : inputs) EXPECT_FALSE(ReadLaunchCommand(input).has_value()) << input.value_or("<none>");
}

}  // namespace
}  // namespace kavrin
