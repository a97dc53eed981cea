#include "settings/exe_path.h"
#include "settings/game_kind.h"

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

TEST(ExePath, LowerCaseTouchesOnlyAsciiLetters) {
  EXPECT_EQ(LowerCase("QUAKE2.EXE"), "quake2.exe");
  EXPECT_EQ(LowerCase("GLQuake.exe"), "glquake.exe");
  EXPECT_EQ(LowerCase("\xC9T\xC9.EXE"), "\xC9t\xC9.exe");
}

TEST(GameKind, ClassifiesTheLowercasedNameWhole) {
  const struct {
    const char* name;
    GameKind kind;
  } rows[] = {
      {"winquake", Quake},      {"glquake.exe", Quake},       {"quake2.exe", Quake2},
      {"hl.exe", Hl},           {"quake3.exe", Quake3},       {"sin.exe", SinHeretic2},
      {"heretic2.exe", SinHeretic2},
      {"winquake.exe", Quake},  {"quake2", Other},            {"xquake2.exe", Other},
      {"quake2.exe ", Other},   {"", Other},                  {"QUAKE2.EXE", Other},
  };
  for (const auto& row : rows) EXPECT_EQ(ClassifyExeName(row.name), row.kind) << row.name;
}

TEST(GameKind, EachKindHasItsBaseDirectoryAndScript) {
  const struct {
    GameKind kind;
    const char* suffix;
    bool script;
  } rows[] = {
      {Quake, "/id1/", true},         {Quake2, "/baseq2/", true}, {Hl, "/valve/", true},
      {Quake3, "/baseq3/", true},     {SinHeretic2, "/base/", true}, {Other, "", false},
  };
  for (const auto& row : rows) {
    EXPECT_STREQ(BaseDirectorySuffix(row.kind), row.suffix) << row.kind;
    EXPECT_EQ(HasGameScript(row.kind), row.script) << row.kind;
  }
}

}  // namespace
}  // namespace kavrin
