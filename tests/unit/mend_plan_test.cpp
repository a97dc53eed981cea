#include "games/mend_plan.h"

#include <gtest/gtest.h>

#include "fake_disk.h"

namespace kavrin {
namespace {

using Paths = std::vector<std::string>;
using testing::FakeDisk;
using testing::MakePak;

const std::string kIdRc = "exec default.cfg\nexec config.cfg\nexec autoexec.cfg\nstuffcmds\nstartdemos demo1\n";

// A Quake folder with id's pak0 and demos a.dem and b.dem in id1.
FakeDisk Quake() {
  FakeDisk disk;
  disk.File("C:\\q\\id1\\pak0.pak", MakePak({{"quake.rc", kIdRc}})).File("C:\\q\\id1\\a.dem", "a");
  return disk.File("C:\\q\\id1\\b.dem", "b");
}

TEST(MendPlan, OneRowPerRule) {
  const std::string longName(70, 'n');
  const struct {
    const char* name;
    const char* exe;
    const char* mod;
    Paths demos;
    FakeDisk disk;
    MendPlan plan;
  } rows[] = {
      {"Quake without a mod gets a loop folder",
       "C:\\q\\glquake.exe", "", {"C:\\q\\id1\\a.dem", "C:\\q\\id1\\b.dem"}, Quake(),
       {"Make the loop folder kavrin", {"C:\\q\\kavrin"}, "C:\\q\\kavrin\\quake.rc", "kavrin", {}}},
      {"a loop folder already there is named",
       "C:\\q\\glquake.exe", "", {"C:\\q\\id1\\a.dem"}, Quake().File("C:\\q\\kavrin\\quake.rc", "stuffcmds\n"),
       {"Use the loop folder kavrin", {}, "", "kavrin", {}}},
      {"a mod without quake.rc gets one",
       "C:\\q\\quakespasm.exe", "ctf", {"C:\\q\\id1\\a.dem"}, Quake().Folder("C:\\q\\ctf"),
       {"Give ctf a loop quake.rc", {}, "C:\\q\\ctf\\quake.rc", "", {}}},
      {"a mod's own quake.rc that starts demos is left to the player",
       "C:\\q\\glquake.exe", "ctf", {"C:\\q\\id1\\a.dem"}, Quake().File("C:\\q\\ctf\\quake.rc", kIdRc),
       {}},
      {"a mod folder that does not exist is not made",
       "C:\\q\\glquake.exe", "ctf", {"C:\\q\\id1\\a.dem"}, Quake(), {}},
      {"a demo outside the game goes into a new demos folder",
       "C:\\q2\\quake2.exe", "", {"C:\\dl\\x.dm2"}, FakeDisk({"C:\\q2\\baseq2"}).File("C:\\dl\\x.dm2", "x"),
       {"Copy 1 demo to baseq2\\demos", {"C:\\q2\\baseq2\\demos"}, "", "", {"C:\\q2\\baseq2\\demos\\x.dm2"}}},
      {"into the mod's, with a blank made _",
       "C:\\q3\\quake3.exe", "osp", {"C:\\dl\\my demo.dm_68"},
       FakeDisk({"C:\\q3\\baseq3", "C:\\q3\\osp\\demos"}).File("C:\\dl\\my demo.dm_68", "m"),
       {"Copy 1 demo to osp\\demos", {}, "", "", {"C:\\q3\\osp\\demos\\my_demo.dm_68"}}},
      {"names the engine cuts or breaks get names it takes",
       "C:\\q2\\quake2.exe", "", {"C:\\q2\\baseq2\\demos\\duel+1.dm2", "C:\\q2\\baseq2\\demos\\a$b.dm2"},
       FakeDisk().File("C:\\q2\\baseq2\\demos\\duel+1.dm2", "d").File("C:\\q2\\baseq2\\demos\\a$b.dm2", "e"),
       {"Copy 2 demos to baseq2\\demos", {}, "", "",
        {"C:\\q2\\baseq2\\demos\\duel_1.dm2", "C:\\q2\\baseq2\\demos\\a_b.dm2"}}},
      {"a long name is shortened before its extension",
       "C:\\hl\\hl.exe", "", {"C:\\hl\\valve\\cstrike_match1.dem", "C:\\dl\\" + longName + ".dem"},
       FakeDisk().File("C:\\hl\\valve\\cstrike_match1.dem", "c").File("C:\\dl\\" + longName + ".dem", "l"),
       {"Copy 2 demos to valve", {}, "", "", {"C:\\hl\\valve\\cstrike_mat.dem", "C:\\hl\\valve\\nnnnnnnnnnn.dem"}}},
      {"a name taken by other bytes gets a number, the same bytes are used as they are",
       "C:\\hl\\hl.exe", "", {"C:\\dl\\a b.dem", "C:\\dl2\\a b.dem", "C:\\dl\\cstrike_match1.dem"},
       FakeDisk()
           .File("C:\\dl\\a b.dem", "new")
           .File("C:\\dl2\\a b.dem", "newer")
           .File("C:\\dl\\cstrike_match1.dem", "same")
           .File("C:\\hl\\valve\\A_B.DEM", "old")
           .File("C:\\hl\\valve\\cstrike_mat.dem", "same")
           .File("C:\\hl\\valve\\a_b_2.dem", "other"),
       {"Copy 3 demos to valve", {}, "", "",
        {"C:\\hl\\valve\\a_b_3.dem", "C:\\hl\\valve\\a_b_4.dem", "C:\\hl\\valve\\cstrike_mat.dem"}}},
      {"none where the extension alone is longer than the engine takes",
       "C:\\hl\\hl.exe", "", {"C:\\dl\\x.sixteen_letters"},
       FakeDisk({"C:\\hl\\valve"}).File("C:\\dl\\x.sixteen_letters", "x"),
       {}},
      {"none past the engine's limit, of the wrong kind, gone, or a folder",
       "C:\\q2\\quake2.exe", "", {"C:\\dl\\a.dem", "C:\\dl\\gone.dm2", "C:\\dl\\folder.dm2"},
       FakeDisk({"C:\\q2\\baseq2"}).Folder("C:\\dl\\folder.dm2").File("C:\\dl\\a.dem", "a"),
       {}},
      {"QuakeWorld: a path too long is copied where the client's demos live; a missing one is not",
       "C:\\ez\\ezquake.exe", "", {"C:\\" + std::string(260, 'p') + "\\e.qwd", "C:\\gone\\m.qwd"},
       FakeDisk({"C:\\ez\\qw"}).File("C:\\" + std::string(260, 'p') + "\\e.qwd", "e"),
       {"Copy 1 demo to qw\\demos", {"C:\\ez\\qw\\demos"}, "", "", {"C:\\ez\\qw\\demos\\e.qwd", ""}}},
      {"nothing to mend",
       "C:\\q2\\quake2.exe", "", {"C:\\q2\\baseq2\\demos\\x.dm2"}, FakeDisk().File("C:\\q2\\baseq2\\demos\\x.dm2", "x"),
       {}},
  };
  for (const auto& row : rows) {
    const ChosenGame game = ChooseGame(row.exe, row.mod, "");
    const MendPlan plan = PlanMend(game, row.demos, CheckPlay(game, row.demos, row.disk), row.disk);
    EXPECT_EQ(plan.caption, row.plan.caption) << row.name;
    EXPECT_EQ(plan.folders, row.plan.folders) << row.name;
    EXPECT_EQ(plan.script, row.plan.script) << row.name;
    EXPECT_EQ(plan.mod, row.plan.mod) << row.name;
    EXPECT_EQ(plan.copies, row.plan.copies) << row.name;
  }
}

TEST(MendPlan, NineQuakeDemosCopyOnlyTheEightThatPlay) {
  Paths demos;
  FakeDisk disk = Quake().File("C:\\q\\kavrin\\quake.rc", "stuffcmds\n");
  for (int i = 1; i <= 9; ++i) {
    demos.push_back("C:\\dl\\" + std::to_string(i) + ".dem");
    disk.File(demos.back(), std::to_string(i));
  }
  const ChosenGame game = ChooseGame("C:\\q\\glquake.exe", "kavrin", "");
  const MendPlan plan = PlanMend(game, demos, CheckPlay(game, demos, disk), disk);
  EXPECT_EQ(plan.caption, "Copy 8 demos to kavrin");
  EXPECT_EQ(plan.copies[7], "C:\\q\\kavrin\\8.dem");
  EXPECT_EQ(plan.copies[8], "");
}

}  // namespace
}  // namespace kavrin
