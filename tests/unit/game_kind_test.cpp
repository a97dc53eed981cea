#include "files/exe_path.h"
#include "games/game_kind.h"
#include "games/game_table.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>

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

TEST(GameKind, TheFirstReleasesNamesKeepTheirKinds) {
  const struct {
    const char* name;
    GameKind kind;
  } rows[] = {
      {"winquake", Quake}, {"glquake.exe", Quake},      {"quake2.exe", Quake2},          {"hl.exe", Hl},
      {"quake3.exe", Quake3}, {"sin.exe", SinHeretic2}, {"heretic2.exe", SinHeretic2},
  };
  for (const auto& row : rows) EXPECT_EQ(EngineOfExe(row.name).family.kind, row.kind) << row.name;
}

bool IsListed(const std::string& name) {
  for (const KnownExecutable& known : KnownExecutables()) {
    if (name == known.name) return true;
  }
  return false;
}

// Properties of the whole table rather than each row again: every name is
// stored as it is looked up, found in any case, and only whole.
TEST(GameKind, EveryKnownNameIsFoundWholeInAnyCase) {
  std::set<std::string> seen;
  for (const KnownExecutable& known : KnownExecutables()) {
    const std::string name = known.name;
    EXPECT_EQ(LowerCase(name), name) << "stored in lower case";
    EXPECT_TRUE(seen.insert(name).second) << name << " is listed twice";
    std::string upper = name;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    EXPECT_EQ(&EngineOfExe(upper), &known.engine) << upper;
    EXPECT_NE(known.engine.family.kind, Other) << name;
    const size_t dot = name.rfind('.');
    for (const std::string& nearMiss : {name + " ", " " + name, "x" + name, name.substr(0, dot), name + ".exe"}) {
      if (!IsListed(nearMiss)) {
        EXPECT_EQ(EngineOfExe(nearMiss).family.kind, Other) << nearMiss;
      }
    }
  }
  EXPECT_EQ(EngineOfExe("").family.kind, Other);
}

}  // namespace
}  // namespace kavrin
