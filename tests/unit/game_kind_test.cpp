#include "files/exe_path.h"
#include "games/game_kind.h"
#include "games/game_table.h"

#include <gtest/gtest.h>

namespace kavrin {
namespace {

TEST(ExePath, SplitsAtTheLastBackslash) {
  const struct {
    std::string path, directory, name;
  } rows[] = {
      {"c:\\games\\quake2\\quake2.exe", "c:\\games\\quake2\\", "quake2.exe"},
      {"C:\\Quake\\GLQUAKE.EXE", "C:\\Quake\\", "GLQUAKE.EXE"},
      {"quake2.exe", "", "quake2.exe"},
      {"c:\\games\\", "c:\\games\\", ""},
      {"", "", ""},
      {"c:/fwd/slash/hl.exe", "", "c:/fwd/slash/hl.exe"},
      {"\\\\server\\share\\sin.exe", "\\\\server\\share\\", "sin.exe"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(ExeDirectory(row.path), row.directory) << row.path;
    EXPECT_EQ(ExeName(row.path), row.name) << row.path;
  }
}

TEST(ExePath, NamesAreCutToOneHundredCharacters) {
  const std::string longName(150, 'n');
  EXPECT_EQ(ExeName("c:\\dir\\" + longName), std::string(100, 'n'));
  EXPECT_EQ(ExeName(longName), std::string(100, 'n'));
  EXPECT_EQ(ExeName("c:\\" + std::string(100, 'n')), std::string(100, 'n'));
}

TEST(ExePath, ABackslashByteInsideADoubleByteCharacterStillSplits) {
  // 0x95 0x5C is one Shift-JIS character; its second byte is a backslash.
  const std::string path = "c:\\\x95\\game.exe";
  EXPECT_EQ(ExeDirectory(path), "c:\\\x95\\");
  EXPECT_EQ(ExeName(path), "game.exe");
}

TEST(ExePath, PathsAreJoinedAndShownAsExplorerTakesThem) {
  EXPECT_EQ(JoinPath("C:\\q", "id1"), "C:\\q\\id1");
  EXPECT_EQ(JoinPath("C:\\q\\", "id1"), "C:\\q\\id1");
  EXPECT_EQ(JoinPath("C:\\q", ""), "C:\\q");
  EXPECT_EQ(JoinPath("", "id1"), "id1");
  const struct {
    const char* path;
    const char* shown;
  } rows[] = {
      {"C:\\q\\/id1/", "C:\\q\\id1"},
      {"C:\\", "C:\\"},
      {"C:/", "C:\\"},
      {"\\\\server\\share\\\\q2\\", "\\\\server\\share\\q2"},
      {"baseq2", "baseq2"},
      {"", ""},
  };
  for (const auto& row : rows) EXPECT_EQ(DisplayPath(row.path), row.shown) << row.path;
}

TEST(ExePath, LowerCaseTouchesOnlyAsciiLetters) {
  EXPECT_EQ(LowerCase("QUAKE2.EXE"), "quake2.exe");
  EXPECT_EQ(LowerCase("GLQuake.exe"), "glquake.exe");
  EXPECT_EQ(LowerCase("\xC9T\xC9.EXE"), "\xC9t\xC9.exe");
}

TEST(GameKind, ClassifiesTheNameWholeInAnyCase) {
  const struct {
    const char* name;
    GameKind kind;
  } rows[] = {
      {"winquake", Quake},      {"glquake.exe", Quake},       {"quake2.exe", Quake2},
      {"hl.exe", Hl},           {"quake3.exe", Quake3},       {"sin.exe", SinHeretic2},
      {"heretic2.exe", SinHeretic2},
      {"winquake.exe", Quake},  {"quake2", Other},            {"xquake2.exe", Other},
      {"quake2.exe ", Other},   {"", Other},                  {"QUAKE2.EXE", Quake2},
      // Today's source ports, as their releases name them.
      {"QuakeSpasm.exe", Quake},   {"vkQuake.exe", Quake},      {"ironwail.exe", Quake},   {"darkplaces.exe", Quake},
      {"darkplaces-sdl.exe", Quake},
      {"yquake2.exe", Quake2},     {"kmquake2.exe", Quake2},
      {"ioquake3.exe", Quake3},    {"ioquake3.x86.exe", Quake3}, {"ioquake3.x86_64.exe", Quake3},
      {"quake3e.exe", Quake3},     {"quake3e.x64.exe", Quake3},
      {"q2pro.exe", Q2pro},        {"Q2PRO64.EXE", Q2pro},
      // Left out on purpose, and near misses.
      {"q2pro", Other},            {"xash3d.exe", Other},     {"quake_x64_steam.exe", Other},
      {"ioquake3.x86_64", Other},  {"quakespasm", Other},
  };
  for (const auto& row : rows) EXPECT_EQ(EngineOfExe(row.name).family.kind, row.kind) << row.name;
}

}  // namespace
}  // namespace kavrin
