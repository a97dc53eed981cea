#include "settings/launch_file.h"

#include <gtest/gtest.h>

#include "games/argument_line.h"
#include "files/text_mode.h"

namespace kavrin {
namespace {

TEST(LaunchFile, WritesDirectoryLowercasedNameAndTheArgumentLineOfTheKind) {
  const struct {
    std::string exePath, mod, disk;
    std::vector<std::string> demos = {};
  } rows[] = {
      {"c:\\games\\quake2\\quake2.exe", "", "c:\\games\\quake2\\\r\nquake2.exe\r\n+exec Scrnsave.cfg "},
      {"c:\\games\\quake2\\QUAKE2.EXE", "ctf",
       "c:\\games\\quake2\\\r\nquake2.exe\r\n+exec Scrnsave.cfg +set game ctf"},
      {"C:\\Quake\\GLQUAKE.EXE", "ctf", "C:\\Quake\\\r\nglquake.exe\r\n-game ctf +exec Scrnsave.cfg \r\n"},
      {"C:\\Quake\\winquake", "", "C:\\Quake\\\r\nwinquake\r\n+exec Scrnsave.cfg \r\n"},
      {"c:\\hl\\hl.exe", "ctf", "c:\\hl\\\r\nhl.exe\r\n-toconsole -game ctf +exec Scrnsave.cfg "},
      {"c:\\hl\\HL.exe", "", "c:\\hl\\\r\nhl.exe\r\n-toconsole +exec Scrnsave.cfg "},
      {"c:\\hl\\hl.exe", " ctf ", "c:\\hl\\\r\nhl.exe\r\n-toconsole -game ctf +exec Scrnsave.cfg "},
      {"C:\\Quake\\glquake.exe", "  ", "C:\\Quake\\\r\nglquake.exe\r\n+exec Scrnsave.cfg \r\n"},
      {"d:\\q2\\q2pro64.exe", "ctf", "d:\\q2\\\r\nq2pro64.exe\r\n+exec Scrnsave.cfg +set game ctf"},
      {"d:\\q3\\quake3.exe", "baseq3x", "d:\\q3\\\r\nquake3.exe\r\n+exec Scrnsave.cfg +set fs_game baseq3x"},
      {"d:\\q3\\ioquake3.x86_64.exe", "osp",
       "d:\\q3\\\r\nioquake3.x86_64.exe\r\n+exec Scrnsave.cfg +set fs_game osp"},
      {"d:\\q3\\Quake3e.x64.exe", "", "d:\\q3\\\r\nquake3e.x64.exe\r\n+exec Scrnsave.cfg "},
      {"C:\\Quake\\QuakeSpasm.exe", "kavrin", "C:\\Quake\\\r\nquakespasm.exe\r\n-game kavrin +exec Scrnsave.cfg \r\n"},
      {"C:\\Quake\\vkquake.exe", "", "C:\\Quake\\\r\nvkquake.exe\r\n+exec Scrnsave.cfg \r\n"},
      {"d:\\q2\\yquake2.exe", "ctf", "d:\\q2\\\r\nyquake2.exe\r\n+exec Scrnsave.cfg +set game ctf"},
      {"d:\\sin\\SIN.EXE", "", "d:\\sin\\\r\nsin.exe\r\n+exec Scrnsave.cfg "},
      {"d:\\h2\\heretic2.exe", "x", "d:\\h2\\\r\nheretic2.exe\r\n+exec Scrnsave.cfg +set game x"},
      {"d:\\other\\Game.exe", "m", "d:\\other\\\r\ngame.exe\r\n+exec Scrnsave.cfg +set game m"},
      {"quake2.exe", "", "\r\nquake2.exe\r\n+exec Scrnsave.cfg "},
      {"", "", "\r\n\r\n+exec Scrnsave.cfg "},
      // A QuakeWorld client starts with the first demo, where it may stand there.
      {"C:\\ezquake\\ezquake.exe", "ktx", "C:\\ezquake\\\r\nezquake.exe\r\n\"C:/d d/a.mvd\" -game ktx +exec Scrnsave.cfg ",
       {"C:\\d d\\a.mvd", "C:\\d\\b.qwd"}},
      {"C:\\ezquake\\ezquake.exe", "", "C:\\ezquake\\\r\nezquake.exe\r\n+exec Scrnsave.cfg ", {"C:\\d\\a+b.mvd"}},
      {"C:\\fte\\fteqw.exe", "", "C:\\fte\\\r\nfteqw.exe\r\n+exec Scrnsave.cfg ", {"C:\\d\\a.mvd"}},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(ToDiskText(BuildLaunchFileText(row.exePath, row.mod, row.demos)), row.disk) << row.exePath;
  }
}

TEST(LaunchFile, CutsALongExecutableNameBeforeClassifyingIt) {
  const std::string name = std::string(100, 'a') + "quake2.exe";
  EXPECT_EQ(BuildLaunchFileText("c:\\g\\" + name, ""), "c:\\g\\\n" + std::string(100, 'a') + "\n+exec Scrnsave.cfg ");
}

TEST(LaunchFile, ReadsBackWhatWasWrittenForEveryKind) {
  const struct {
    std::string exePath, mod, expectedPath;
  } rows[] = {
      {"C:\\Quake\\GLQUAKE.EXE", "ctf", "C:\\Quake\\glquake.exe"},
      {"C:\\Quake\\winquake", "", "C:\\Quake\\winquake"},
      {"c:\\games\\quake2\\quake2.exe", "ctf", "c:\\games\\quake2\\quake2.exe"},
      {"c:\\games\\quake2\\quake2.exe", "", "c:\\games\\quake2\\quake2.exe"},
      {"c:\\hl\\hl.exe", "cstrike", "c:\\hl\\hl.exe"},
      {"c:\\hl\\hl.exe", "", "c:\\hl\\hl.exe"},
      {"d:\\q3\\Quake3.exe", "osp", "d:\\q3\\quake3.exe"},
      {"d:\\q3\\ioquake3.exe", "osp", "d:\\q3\\ioquake3.exe"},
      {"c:\\q\\darkplaces.exe", "kavrin", "c:\\q\\darkplaces.exe"},
      {"d:\\h2\\heretic2.exe", "my mod", "d:\\h2\\heretic2.exe"},
      {"c:\\other\\doom.exe", "ctf", "c:\\other\\doom.exe"},
      {"c:\\my games\\q\\GLQuake.exe", "game", "c:\\my games\\q\\glquake.exe"},
      {"doom.exe", "", "doom.exe"},
  };
  for (const auto& row : rows) {
    const LaunchFields fields = ReadLaunchFields(ToDiskText(BuildLaunchFileText(row.exePath, row.mod)));
    EXPECT_EQ(fields.exePath, row.expectedPath) << row.exePath;
    EXPECT_EQ(fields.modDir, row.mod) << row.exePath;
  }
}

// A switch counts only in its place, so no mod reads as one, nor a demo
// that leads the line.
TEST(LaunchFile, EveryModWithoutABlankReadsBackForEveryExecutable) {
  const std::vector<std::string> demos = {"C:\\x -game y\\a -game b -toconsole.qwd"};
  for (const KnownExecutable& known : KnownExecutables()) {
    for (const char* mod : {"x-game", "the-game", "fs_game", "game", "-game", "+set", "-toconsole", "+exec"}) {
      const std::string exePath = std::string("c:\\g\\") + known.name;
      EXPECT_EQ(ReadLaunchFields(ToDiskText(BuildLaunchFileText(exePath, mod, demos))).modDir, mod) << exePath;
    }
  }
}

TEST(LaunchFile, ModSurvivesRepeatedSaveAndReopen) {
  std::string exePath = "C:\\Quake\\glquake.exe";
  std::string mod = "ctf";
  for (int cycle = 0; cycle < 5; ++cycle) {
    const LaunchFields fields = ReadLaunchFields(ToDiskText(BuildLaunchFileText(exePath, mod)));
    exePath = fields.exePath;
    mod = fields.modDir;
  }
  EXPECT_EQ(mod, "ctf");
  EXPECT_EQ(BuildArgumentLine(EngineOfExe("glquake.exe").family, mod), "-game ctf +exec Scrnsave.cfg \n");
}

// Earlier versions' lines, and blanks that piled up around the mod.
TEST(LaunchFile, ReadsTheLinesEarlierVersionsWrote) {
  const struct {
    const char* exeName;
    const char* line3;
    const char* mod;
  } rows[] = {
      {"glquake.exe", "-game ctf    +exec Scrnsave.cfg ", "ctf"},
      {"glquake.exe", "-game   ctf +exec Scrnsave.cfg ", "ctf"},
      {"glquake.exe", "-game  +exec Scrnsave.cfg ", ""},
      {"hl.exe", "-toconsole +set game ctf   +exec Scrnsave.cfg ", "ctf"},
      {"hl.exe", "-toconsole +set game  +exec Scrnsave.cfg ", ""},
      {"hl.exe", "-toconsole +set game -game +exec Scrnsave.cfg ", "-game"},
      {"quake2.exe", "+exec Scrnsave.cfg +set game ctf  ", "ctf"},
      {"quake3.exe", "+exec Scrnsave.cfg +set fs_game osp", "osp"},
      {"quake3.exe", "+exec Scrnsave.cfg +set game osp", "osp"},
      {"quake3.exe", "+exec Scrnsave.cfg +set game fs_game", "fs_game"},
      {"quake3.exe", "+exec Scrnsave.cfg +set fs_game ", ""},
      // Names that were of no known game when the line was written.
      {"winquake.exe", "+exec Scrnsave.cfg +set game ctf", "ctf"},
      {"quakespasm.exe", "+exec Scrnsave.cfg +set game ctf", "ctf"},
      {"quake2.exe", "+exec Scrnsave.cfg ", ""},
      {"quake2.exe", "", ""},
      {"quake2.exe", "garbage without markers", ""},
      {"quake2.exe", "+exec", ""},
      {"hl.exe", "game", ""},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(ModFromArgumentLine(row.line3, EngineOfExe(row.exeName).family), row.mod) << row.line3;
  }
}

TEST(LaunchFile, ReadsFieldsFromShortAndOddFiles) {
  const struct {
    std::string disk, exePath, mod;
  } rows[] = {
      {"", "", ""},
      {"c:\\g\\\r\n", "c:\\g\\", ""},
      {"c:\\g\\\r\nquake2.exe", "c:\\g\\quake2.exe", ""},
      {"c:\\g\\\nhl.exe\n-toconsole +set game tfc +exec Scrnsave.cfg ", "c:\\g\\hl.exe", "tfc"},
      {"\r\nquake2.exe\r\n", "quake2.exe", ""},
      {"\r\n\r\n\r\n", "", ""},
  };
  for (const auto& row : rows) {
    const LaunchFields fields = ReadLaunchFields(row.disk);
    EXPECT_EQ(fields.exePath, row.exePath);
    EXPECT_EQ(fields.modDir, row.mod);
  }
}

TEST(LaunchFile, ALongDirectoryLineIsReadWhole) {
  const std::string directory = "c:\\" + std::string(300, 'd') + "\\";
  const LaunchFields fields = ReadLaunchFields(ToDiskText(BuildLaunchFileText(directory + "quake2.exe", "ctf")));
  EXPECT_EQ(fields.exePath, directory + "quake2.exe");
  EXPECT_EQ(fields.modDir, "ctf");
}

}  // namespace
}  // namespace kavrin
