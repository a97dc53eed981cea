#include "games/play_check.h"

#include <gtest/gtest.h>

#include "fake_disk.h"
#include "ui/play_note.h"

namespace kavrin {

bool operator==(const Finding& a, const Finding& b) {
  return a.what == b.what && a.subject == b.subject && a.path == b.path && a.count == b.count &&
         a.limit == b.limit && a.character == b.character && a.endings == b.endings;
}

void PrintTo(const Finding& f, std::ostream* out) {
  *out << "{" << static_cast<int>(f.what) << ", " << f.subject << ", " << f.path << ", " << f.count << ", "
       << f.limit << ", '" << f.character << "', " << f.endings << "}";
}

namespace {

using F = PlayFinding;
using Paths = std::vector<std::string>;
using testing::FakeDisk;
using testing::MakePak;

const Finding kQ2Folder{F::ScriptFolder, "Quake II", "C:\\q2\\baseq2"};
const Finding kQuakeFolder{F::ScriptFolder, "Quake", "C:\\q\\id1"};
const Finding kQ3Folder{F::ScriptFolder, "Quake III", "C:\\q3\\baseq3"};
const std::string kOwnRc = "exec default.cfg\nexec config.cfg\nexec autoexec.cfg\nstuffcmds\n";
const std::string kIdRc = kOwnRc + "startdemos demo1 demo2 demo3\n";

Paths Demos(const Paths& names) {
  Paths paths;
  for (const std::string& name : names) paths.push_back("C:\\picked\\" + name);
  return paths;
}

// A Quake folder with id's pak0 and a mod folder "kavrin" of its own
// quake.rc, holding these demos in id1.
FakeDisk QuakeWithLoopFolder(const Paths& demos) {
  FakeDisk disk;
  disk.File("C:\\q\\id1\\pak0.pak", MakePak({{"quake.rc", kIdRc}})).File("C:\\q\\kavrin\\quake.rc", kOwnRc);
  for (const std::string& demo : demos) disk.File("C:\\q\\id1\\" + demo, demo);
  return disk;
}

TEST(PlayCheck, OneRowPerRule) {
  const struct {
    const char* name;
    struct {
      std::string exePath, modDir;
      Paths demos;
      std::string appData;
    } input;
    FakeDisk disk;
    std::vector<Finding> findings;
  } rows[] = {
      {"no game", {"", "", {}, ""}, FakeDisk(), {{F::NoGame}}},
      {"unknown game", {"C:\\g\\MyGame.exe", "ctf", Demos({"a.dm2"}), ""}, FakeDisk(), {{F::UnknownGame, "MyGame.exe"}}},
      {"all well, mod demos found, paths in another case",
       {"C:\\Q3\\quake3.exe", " osp ", Demos({"a.dm_68", "b.DM_71"}), ""},
       FakeDisk({"c:\\q3\\baseq3", "C:\\q3\\OSP", "C:\\q3\\osp\\demos\\a.dm_68", "C:\\q3\\baseq3\\demos\\b.DM_71"}),
       {{F::ScriptFolder, "Quake III", "C:\\Q3\\baseq3"}, {F::AllWell, "Quake III", "", 2}}},
      {"base folder and mod folder missing",
       {"C:\\q2\\quake2.exe", "ctf", Demos({"a.dm2"}), ""},
       FakeDisk(),
       {kQ2Folder, {F::BaseFolderMissing, "", "C:\\q2\\baseq2"}, {F::ModFolderMissing, "", "C:\\q2\\ctf"},
        {F::DemosNotFound, "a.dm2", "ctf\\demos or baseq2\\demos", 1}}},
      {"a file where the base folder belongs",
       {"C:\\q2\\quake2.exe", "", {}, ""},
       FakeDisk().File("C:\\q2\\baseq2", ""),
       {kQ2Folder, {F::BaseFolderMissing, "", "C:\\q2\\baseq2"}, {F::NoDemos}}},
      {"demos outside the search folders",
       {"C:\\q2\\quake2.exe", "", Demos({"one.dm2", "two.dm2", "three.dm2"}), ""},
       FakeDisk({"C:\\q2\\baseq2\\demos\\one.dm2", "C:\\q2\\baseq2\\two.dm2"}),
       {kQ2Folder, {F::DemosNotFound, "two.dm2", "baseq2\\demos", 2}}},
      {"ioquake3 also searches the player's folder",
       {"C:\\q3\\ioquake3.x86_64.exe", "kavmod", Demos({"a.dm_71"}), "C:\\Users\\p\\AppData\\Roaming"},
       FakeDisk({"C:\\q3\\baseq3", "C:\\Users\\p\\AppData\\Roaming\\Quake3\\kavmod\\demos\\a.dm_71"}),
       {kQ3Folder, {F::AllWell, "Quake III", "", 1}}},
      {"Quake3e does not",
       {"C:\\q3\\quake3e.exe", "", Demos({"a.dm_71"}), "C:\\Users\\p\\AppData\\Roaming"},
       FakeDisk({"C:\\q3\\baseq3", "C:\\Users\\p\\AppData\\Roaming\\Quake3\\baseq3\\demos\\a.dm_71"}),
       {kQ3Folder, {F::DemosNotFound, "a.dm_71", "baseq3\\demos", 1}}},
      {"names the script splits",
       {"C:\\hl\\hl.exe", "", Demos({"my demo.dem", "ok.dem", "a;b.dem"}), ""},
       FakeDisk({"C:\\hl\\valve\\my demo.dem", "C:\\hl\\valve\\ok.dem", "C:\\hl\\valve\\a;b.dem"}),
       {{F::ScriptFolder, "Half-Life", "C:\\hl\\valve"}, {F::NamesSplit, "my demo.dem", "", 2, 0, ' '}}},
      {"Quake's console splits at brackets and quotes",
       {"C:\\q\\quakespasm.exe", "kavrin", Demos({"demo(1).dem", "it's.dem"}), ""},
       QuakeWithLoopFolder({"demo(1).dem", "it's.dem"}),
       {kQuakeFolder, {F::NamesSplit, "demo(1).dem", "", 2, 0, '('}}},
      {"DarkPlaces' does not",
       {"C:\\q\\darkplaces.exe", "kavrin", Demos({"demo(1).dem"}), ""},
       QuakeWithLoopFolder({"demo(1).dem"}),
       {kQuakeFolder, {F::AllWell, "Quake", "", 1}}},
      {"Half-Life's splits at a comma",
       {"C:\\hl\\hl.exe", "", Demos({"a,b.dem"}), ""},
       FakeDisk({"C:\\hl\\valve\\a,b.dem"}),
       {{F::ScriptFolder, "Half-Life", "C:\\hl\\valve"}, {F::NamesSplit, "a,b.dem", "", 1, 0, ','}}},
      {"Quake II cuts at a plus and loads a map",
       {"C:\\q2\\quake2.exe", "", Demos({"duel+1.dm2"}), ""},
       FakeDisk({"C:\\q2\\baseq2\\demos\\duel+1.dm2"}),
       {kQ2Folder, {F::NamesCut, "duel+1.dm2", "", 1, 0, '+'}}},
      {"a ninth Quake demo",
       {"C:\\q\\glquake.exe", "kavrin", Demos({"1.dem", "2.dem", "3.dem", "4.dem", "5.dem", "6.dem", "7.dem",
                                               "8.dem", "9.dem"}),
        ""},
       QuakeWithLoopFolder({"1.dem", "2.dem", "3.dem", "4.dem", "5.dem", "6.dem", "7.dem", "8.dem", "9.dem"}),
       {kQuakeFolder, {F::TooManyDemos, "9.dem", "", 1, 8}}},
      {"a Quake name over 15 characters, in DarkPlaces too, but for a 15-character stem of .dem",
       {"C:\\q\\darkplaces.exe", "kavrin", Demos({"fifteen_chr.dem", "nineteen_chars.dem", "fifteen_chars_b.DEM"}), ""},
       QuakeWithLoopFolder({"fifteen_chr.dem", "nineteen_chars.dem", "fifteen_chars_b.DEM"}),
       {kQuakeFolder, {F::NamesTooLong, "nineteen_chars.dem", "", 1, 15}}},
      {"Half-Life cuts names to 15 characters",
       {"C:\\hl\\hl.exe", "", Demos({"cstrike_match1.dem"}), ""},
       FakeDisk({"C:\\hl\\valve\\cstrike_match1.dem"}),
       {{F::ScriptFolder, "Half-Life", "C:\\hl\\valve"}, {F::NamesTooLong, "cstrike_match1.dem", "", 1, 15}}},
      {"id's Quake II overflows on 64 characters",
       {"C:\\q2\\quake2.exe", "", Demos({std::string(59, 'n') + ".dm2", std::string(60, 'n') + ".dm2"}), ""},
       FakeDisk({"C:\\q2\\baseq2\\demos\\" + std::string(59, 'n') + ".dm2",
                 "C:\\q2\\baseq2\\demos\\" + std::string(60, 'n') + ".dm2"}),
       {kQ2Folder, {F::NamesTooLong, std::string(60, 'n') + ".dm2", "", 1, 63}}},
      {"Quake III names without a protocol",
       {"C:\\q3\\quake3.exe", "", Demos({"five.dm3", "six.dm_", "seven.dm_68"}), ""},
       FakeDisk({"C:\\q3\\baseq3\\demos\\five.dm3", "C:\\q3\\baseq3\\demos\\six.dm_", "C:\\q3\\baseq3\\demos\\seven.dm_68"}),
       {kQ3Folder, {F::NamesWithoutProtocol, "five.dm3", "", 2, 0, 0, ".dm_ and digits"}}},
      {"Quake II names taken for maps",
       {"C:\\q2\\yquake2.exe", "", Demos({"four.dem", "A B.DM2"}), ""},
       FakeDisk({"C:\\q2\\baseq2\\demos\\four.dem", "C:\\q2\\baseq2\\demos\\A B.DM2"}),
       {kQ2Folder, {F::NamesSplit, "A B.DM2", "", 1, 0, ' '}, {F::NamesTakenForMaps, "four.dem", "", 1, 0, 0, ".dm2"}}},
      {"Q2PRO plays gzipped demos, and an MVD ends its ring",
       {"C:\\q2\\q2pro.exe", "", Demos({"a.dm2.gz", "b.mvd2"}), ""},
       FakeDisk({"C:\\q2\\baseq2\\demos\\a.dm2.gz", "C:\\q2\\baseq2\\demos\\b.mvd2"}),
       {kQ2Folder, {F::NamesEndingTheRing, "b.mvd2", "", 1, 0, 0, ".dm2 or .dm2.gz"}}},
      {"an empty demo plays nothing; the copy the game finds first is the one that counts",
       {"C:\\q2\\yquake2.exe", "ctf", Demos({"a.dm2", "b.dm2", "c.dm2"}), ""},
       FakeDisk({"C:\\q2\\baseq2\\demos\\a.dm2", "C:\\q2\\ctf\\demos\\c.dm2"})
           .File("C:\\q2\\ctf\\demos\\a.dm2", "")
           .File("C:\\q2\\baseq2\\demos\\b.dm2", "")
           .File("C:\\q2\\baseq2\\demos\\c.dm2", ""),
       {kQ2Folder, {F::DemosEmpty, "a.dm2", "", 2}}},
      {"under Q2PRO it ends the ring",
       {"C:\\q2\\q2pro.exe", "", Demos({"a.dm2"}), ""},
       FakeDisk().File("C:\\q2\\baseq2\\demos\\a.dm2", ""),
       {kQ2Folder, {F::EmptyDemosEndTheRing, "a.dm2", "", 1}}},
      {"Quake without a mod",
       {"C:\\q\\winquake.exe", "", Demos({"a.dem"}), ""},
       FakeDisk({"C:\\q\\id1\\a.dem"}),
       {kQuakeFolder, {F::NoModWithStartupScript, "quake.rc"}}},
      {"Quake with a mod that lacks quake.rc",
       {"C:\\q\\vkquake.exe", "kavrin", Demos({"a.dem"}), ""},
       FakeDisk({"C:\\q\\kavrin", "C:\\q\\id1\\a.dem"}),
       {kQuakeFolder, {F::ModLacksStartupScript, "quake.rc", "C:\\q\\kavrin"}}},
      {"a mod whose pak holds its own quake.rc",
       {"C:\\q\\glquake.exe", "kavrin", Demos({"a.dem"}), ""},
       FakeDisk({"C:\\q\\id1\\a.dem"}).File("C:\\q\\kavrin\\pak0.pak", MakePak({{"maps/x.bsp", "x"}, {"quake.rc", kOwnRc}})),
       {kQuakeFolder, {F::AllWell, "Quake", "", 1}}},
      {"the mod id1: pak0's quake.rc comes before the loose one",
       {"C:\\q\\glquake.exe", "id1", Demos({"a.dem"}), ""},
       QuakeWithLoopFolder({"a.dem"}).File("C:\\q\\id1\\quake.rc", kOwnRc),
       {kQuakeFolder, {F::NoModWithStartupScript, "quake.rc"}}},
      {"a mod's own quake.rc that starts demos",
       {"C:\\q\\glquake.exe", "kavrin", Demos({"a.dem"}), ""},
       QuakeWithLoopFolder({"a.dem"}).File("C:\\q\\kavrin\\quake.rc", kIdRc),
       {kQuakeFolder, {F::ModScriptStartsDemos, "quake.rc", "C:\\q\\kavrin\\quake.rc"}}},
      {"no demos", {"C:\\q\\glquake.exe", "", {}, ""}, FakeDisk({"C:\\q\\id1"}), {kQuakeFolder, {F::NoDemos}}},
      {"QuakeWorld names each demo by its path: missing ends the loop, a quote, a path too long, .qwz",
       {"C:\\ez\\ezquake.exe", "", {"C:\\d\\a.qwd", "C:\\gone\\b.mvd", "C:\\d\\\"c\".qwd",
                                      "C:\\" + std::string(260, 'p') + "\\e.qwd", "C:\\d\\f.txt", "C:\\d\\g.QWZ"}, ""},
       FakeDisk({"C:\\ez\\qw", "C:\\d\\a.qwd", "C:\\d\\\"c\".qwd", "C:\\d\\f.txt", "C:\\d\\g.QWZ",
                 "C:\\" + std::string(260, 'p') + "\\e.qwd"}),
       {{F::ScriptFolder, "QuakeWorld", "C:\\ez\\qw"}, {F::MissingDemosEndTheRing, "b.mvd", "", 1},
        {F::NamesSplit, "\"c\".qwd", "", 1, 0, '"'}, {F::PathsTooLong, "e.qwd", "", 1, 259},
        {F::DemosNeedDecoder, "g.QWZ", "Qizmo", 1, 0, 0, ".qwz"},
        {F::NamesEndingTheRing, "f.txt", "", 1, 0, 0, ".qwd, .mvd, .dem, .qwz, .gz or .zip"}}},
      {"FTE passes over a missing demo, and an empty one ends its loop",
       {"C:\\fte\\fteqw.exe", "", {"C:\\gone\\a.qwd", "C:\\d\\b.mvd"}, ""},
       FakeDisk({"C:\\fte\\qw"}).File("C:\\d\\b.mvd", ""),
       {{F::ScriptFolder, "QuakeWorld", "C:\\fte\\qw"}, {F::DemosMissing, "a.qwd", "", 1},
        {F::EmptyDemosEndTheRing, "b.mvd", "", 1}}},
      {"QuakeSpasm's command line keeps 255 characters, the game's path in them",
       {"C:\\" + std::string(220, 'q') + "\\quakespasm.exe", "kavrin", Demos({"a.dem"}), ""},
       FakeDisk().File("C:\\" + std::string(220, 'q') + "\\id1\\a.dem", "a")
                 .File("C:\\" + std::string(220, 'q') + "\\kavrin\\quake.rc", kOwnRc),
       {{F::ScriptFolder, "Quake", "C:\\" + std::string(220, 'q') + "\\id1"},
        {F::CommandLineTooLong, "", "", 270, 255}}},
      {"a mod with a blank: the game takes its first word, and never says all is well",
       {"C:\\q2\\yquake2.exe", " my mod ", Demos({"a.dm2"}), ""},
       FakeDisk({"C:\\q2\\baseq2\\demos\\a.dm2", "C:\\q2\\my mod\\demos\\a.dm2"}),
       {kQ2Folder, {F::ModNameSplit, "my mod", "my"}, {F::ModFolderMissing, "", "C:\\q2\\my"}}},
      {"a bare executable name: the folders at the root of the drive, where the save writes",
       {"quake2.exe", "ctf", Demos({"a.dm2", "b.dm2"}), ""},
       FakeDisk({"\\baseq2\\demos\\a.dm2", "baseq2\\demos\\b.dm2", "ctf"}),
       {{F::ScriptFolder, "Quake II", "\\baseq2"}, {F::ModFolderMissing, "", "\\ctf"},
        {F::DemosNotFound, "b.dm2", "\\ctf\\demos or \\baseq2\\demos", 1}}},
  };
  for (const auto& row : rows) {
    const ChosenGame game = ChooseGame(row.input.exePath, row.input.modDir, row.input.appData);
    EXPECT_EQ(CheckPlay(game, row.input.demos, row.disk).findings, row.findings) << row.name;
  }
}

TEST(StartupScript, StartdemosCountsWhereverACommandStarts) {
  const struct {
    const char* script;
    bool startsDemos;
  } rows[] = {
      {"exec default.cfg\nstuffcmds\nstartdemos demo1 demo2\n", true},
      {"  StartDemos demo1", true},
      {"exec x.cfg; startdemos a", true},
      {"exec x.cfg // ;startdemos", true},
      {"echo \"a\nstartdemos b", true},
      {"exec default.cfg\nstuffcmds\n", false},
      {"echo \"x; startdemos a\"", false},
      {"// startdemos a", false},
      {"startdemosx a; exec startdemos", false},
  };
  for (const auto& row : rows) EXPECT_EQ(StartsDemos(row.script), row.startsDemos) << row.script;
}

TEST(PlayCheck, BrowsersOpenWhereTheDemosAre) {
  const FakeDisk disk({"C:\\q2\\", "C:\\q2\\baseq2\\demos\\a.dm2", "C:\\q2\\ctf\\demos", "C:\\q\\id1",
                       "C:\\q\\kavrin\\quake.rc", "C:\\q\\id1\\a.dem",
                       "C:\\Users\\p\\AppData\\Roaming\\Quake3\\baseq3\\demos\\a.dm_68"});
  const std::string appData = "C:\\Users\\p\\AppData\\Roaming";
  auto browse = [&](const char* exe, const char* mod) { return DemoBrowseFolder(ChooseGame(exe, mod, appData), disk); };
  EXPECT_EQ(browse("C:\\q2\\quake2.exe", "ctf"), "C:\\q2\\baseq2\\demos");
  EXPECT_EQ(browse("C:\\q2\\quake2.exe", "dm"), "C:\\q2\\baseq2\\demos");
  EXPECT_EQ(browse("C:\\q\\glquake.exe", "kavrin"), "C:\\q\\id1");
  EXPECT_EQ(browse("C:\\q3\\ioquake3.exe", ""), appData + "\\Quake3\\baseq3\\demos");
  EXPECT_EQ(browse("C:\\q3\\quake3.exe", ""), "");
  EXPECT_EQ(browse("C:\\q2\\mygame.exe", "ctf"), "");
  EXPECT_EQ(ExeBrowseFolder("C:\\q2\\quake2.exe", disk), "C:\\q2\\");
  EXPECT_EQ(ExeBrowseFolder("C:\\nowhere\\quake2.exe", disk), "");
  EXPECT_EQ(ExeBrowseFolder("quake2.exe", disk), "");
}

// The sentences themselves are data; what can go wrong is choosing one
// and filling it in.
TEST(PlayNote, ChoosesTheSentenceAndFillsItIn) {
  const struct {
    Finding finding;
    std::string text;
  } rows[] = {
      {{F::UnknownGame, "mygame.exe"},
       "Kavrin does not know mygame.exe: it will start it but write no script, so no demos play. "
       "README, \"What each game needs\", lists the games it knows."},
      {{F::DemosNotFound, "a.dm2", "baseq2\\demos", 1},
       "a.dm2 will not play: it is not in baseq2\\demos, where the game looks."},
      {{F::DemosNotFound, "a.dm2", "ctf\\demos or baseq2\\demos", 3},
       "3 demos will not play: a.dm2 and 2 more are not in ctf\\demos or baseq2\\demos, where the game looks."},
      {{F::NamesSplit, "demo(1).dem", "", 1, 0, '('},
       "demo(1).dem holds \"(\": the game splits the name there and never plays it."},
      {{F::TooManyDemos, "9.dem", "", 2, 8}, "The game plays at most 8 demos: 9.dem and the 1 after it never play."},
      {{F::EmptyDemosEndTheRing, "a.dm2", "", 1}, "a.dm2 is empty: it plays nothing and ends the loop."},
      {{F::AllWell, "Quake III", "", 1}, "1 demo will play in a loop in Quake III."},
      {{F::NamesEndingTheRing, "b.mvd2", "", 1, 0, 0, ".dm2 or .dm2.gz"},
       "b.mvd2 does not end in .dm2 or .dm2.gz: the loop ends with it."},
      {{F::MissingDemosEndTheRing, "b.mvd", "", 2}, "b.mvd and 1 more do not exist: the loop ends at the first of them."},
      {{F::DemosNeedDecoder, "g.qwz", "Qizmo", 1, 0, 0, ".qwz"},
       "g.qwz is packed (.qwz): the game plays it only where Qizmo, which unpacks it, is installed."},
      {{F::ModNameSplit, "my mod", "my"},
       "The mod name \"my mod\" holds a blank: the game takes only \"my\" as its mod, so the demos in the folder "
       "my mod will not play."},
      {{F::ModFolderMissing, "", "C:\\q\\" + std::string(1000000, 'm')},
       "The mod folder C:\\q\\" + std::string(195, 'm') + "... does not exist."},
  };
  for (const auto& row : rows) EXPECT_EQ(PlayNoteText({row.finding}), row.text);
  EXPECT_EQ(PlayNoteText({kQ2Folder, {F::NoDemos}}),
            "Quake II: the script goes to C:\\q2\\baseq2.\r\nNo demos are chosen yet: browse for them.");
}

}  // namespace
}  // namespace kavrin
