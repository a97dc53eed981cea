#include "settings/play_check.h"

#include <gtest/gtest.h>

#include <set>

#include "ui/play_note.h"

namespace kavrin {

bool operator==(const Finding& a, const Finding& b) {
  return a.what == b.what && a.subject == b.subject && a.path == b.path && a.count == b.count && a.limit == b.limit;
}

void PrintTo(const Finding& f, std::ostream* out) {
  *out << "{" << static_cast<int>(f.what) << ", " << f.subject << ", " << f.path << ", " << f.count << ", "
       << f.limit << "}";
}

namespace {

using F = PlayFinding;
using Paths = std::vector<std::string>;

// Holds the paths given and every folder above them.
class FakeDisk : public PathQuestions {
 public:
  explicit FakeDisk(const Paths& paths) {
    for (const std::string& path : paths) {
      paths_.insert(path);
      for (size_t slash = path.find('\\'); slash != std::string::npos; slash = path.find('\\', slash + 1)) {
        paths_.insert(path.substr(0, slash));
      }
    }
  }
  bool Exists(const std::string& path) const override { return paths_.count(path) != 0; }

 private:
  std::set<std::string> paths_;
};

const Finding kQ2Folder{F::ScriptFolder, "Quake II", "C:\\q2\\baseq2"};
const Finding kQuakeFolder{F::ScriptFolder, "Quake", "C:\\q\\id1"};
const Finding kQ3Folder{F::ScriptFolder, "Quake III", "C:\\q3\\baseq3"};

Paths Demos(const Paths& names) {
  Paths paths;
  for (const std::string& name : names) paths.push_back("C:\\picked\\" + name);
  return paths;
}

TEST(PlayCheck, OneRowPerRule) {
  const Paths quakeWithOwnRc = {"C:\\q\\id1", "C:\\q\\kavrin", "C:\\q\\kavrin\\quake.rc"};
  const struct {
    const char* name;
    PlayCheckInput input;
    Paths disk;
    std::vector<Finding> findings;
  } rows[] = {
      {"no game", {"", "", {}, ""}, {}, {{F::NoGame}}},
      {"unknown game", {"C:\\g\\MyGame.exe", "ctf", Demos({"a.dm2"}), ""}, {}, {{F::UnknownGame, "MyGame.exe"}}},
      {"all well, mod demos found",
       {"C:\\q3\\quake3.exe", "osp", Demos({"a.dm_68", "b.DM_71"}), ""},
       {"C:\\q3\\baseq3", "C:\\q3\\osp", "C:\\q3\\osp\\demos\\a.dm_68", "C:\\q3\\baseq3\\demos\\b.DM_71"},
       {kQ3Folder, {F::AllWell, "Quake III", "", 2}}},
      {"base folder and mod folder missing",
       {"C:\\q2\\quake2.exe", "ctf", Demos({"a.dm2"}), ""},
       {},
       {kQ2Folder, {F::BaseFolderMissing, "", "C:\\q2\\baseq2"}, {F::ModFolderMissing, "", "C:\\q2\\ctf"},
        {F::DemosNotFound, "a.dm2", "baseq2\\demos or ctf\\demos", 1}}},
      {"demos outside the search folders",
       {"C:\\q2\\quake2.exe", "", Demos({"one.dm2", "two.dm2", "three.dm2"}), ""},
       {"C:\\q2\\baseq2", "C:\\q2\\baseq2\\demos\\one.dm2", "C:\\q2\\baseq2\\two.dm2"},
       {kQ2Folder, {F::DemosNotFound, "two.dm2", "baseq2\\demos", 2}}},
      {"ioquake3 also searches the player's folder",
       {"C:\\q3\\ioquake3.x86_64.exe", "kavmod", Demos({"a.dm_71"}), "C:\\Users\\p\\AppData\\Roaming"},
       {"C:\\q3\\baseq3", "C:\\Users\\p\\AppData\\Roaming\\Quake3\\kavmod",
        "C:\\Users\\p\\AppData\\Roaming\\Quake3\\kavmod\\demos\\a.dm_71"},
       {kQ3Folder, {F::AllWell, "Quake III", "", 1}}},
      {"Quake3e does not",
       {"C:\\q3\\quake3e.exe", "", Demos({"a.dm_71"}), "C:\\Users\\p\\AppData\\Roaming"},
       {"C:\\q3\\baseq3", "C:\\Users\\p\\AppData\\Roaming\\Quake3\\baseq3\\demos\\a.dm_71"},
       {kQ3Folder, {F::DemosNotFound, "a.dm_71", "baseq3\\demos", 1}}},
      {"names the script splits",
       {"C:\\hl\\hl.exe", "", Demos({"my demo.dem", "ok.dem", "a;b.dem"}), ""},
       {"C:\\hl\\valve", "C:\\hl\\valve\\my demo.dem", "C:\\hl\\valve\\ok.dem", "C:\\hl\\valve\\a;b.dem"},
       {{F::ScriptFolder, "Half-Life", "C:\\hl\\valve"}, {F::UnsafeNames, "my demo.dem", "", 2}}},
      {"a ninth Quake demo",
       {"C:\\q\\glquake.exe", "kavrin", Demos({"1.dem", "2.dem", "3.dem", "4.dem", "5.dem", "6.dem", "7.dem",
                                               "8.dem", "9.dem"}),
        ""},
       [&] {
         Paths disk = quakeWithOwnRc;
         for (int i = 1; i <= 9; ++i) disk.push_back("C:\\q\\id1\\" + std::to_string(i) + ".dem");
         return disk;
       }(),
       {kQuakeFolder, {F::TooManyDemos, "9.dem", "", 1, 8}}},
      {"a Quake name over 15 characters",
       {"C:\\q\\quakespasm.exe", "kavrin", Demos({"fifteen_chr.dem", "sixteen_char.dem"}), ""},
       [&] {
         Paths disk = quakeWithOwnRc;
         disk.push_back("C:\\q\\kavrin\\fifteen_chr.dem");
         disk.push_back("C:\\q\\id1\\sixteen_char.dem");
         return disk;
       }(),
       {kQuakeFolder, {F::NamesTooLong, "sixteen_char.dem", "", 1, 15}}},
      {"Quake III names without a protocol",
       {"C:\\q3\\quake3.exe", "", Demos({"five.dm3", "six.dm_", "seven.dm_68"}), ""},
       {"C:\\q3\\baseq3", "C:\\q3\\baseq3\\demos\\five.dm3", "C:\\q3\\baseq3\\demos\\six.dm_",
        "C:\\q3\\baseq3\\demos\\seven.dm_68"},
       {kQ3Folder, {F::NamesWithoutProtocol, "five.dm3", "", 2}}},
      {"Quake II names taken for maps",
       {"C:\\q2\\yquake2.exe", "", Demos({"four.dem", "A B.DM2"}), ""},
       {"C:\\q2\\baseq2", "C:\\q2\\baseq2\\demos\\four.dem", "C:\\q2\\baseq2\\demos\\A B.DM2"},
       {kQ2Folder, {F::UnsafeNames, "A B.DM2", "", 1}, {F::NamesTakenForMaps, "four.dem", "", 1}}},
      {"Quake without a mod",
       {"C:\\q\\winquake.exe", "", Demos({"a.dem"}), ""},
       {"C:\\q\\id1", "C:\\q\\id1\\a.dem"},
       {kQuakeFolder, {F::NoModWithStartupScript, "quake.rc"}}},
      {"Quake with a mod that lacks quake.rc",
       {"C:\\q\\vkquake.exe", "kavrin", Demos({"a.dem"}), ""},
       {"C:\\q\\id1", "C:\\q\\kavrin", "C:\\q\\id1\\a.dem"},
       {kQuakeFolder, {F::ModLacksStartupScript, "quake.rc", "C:\\q\\kavrin"}}},
      {"no demos", {"C:\\q\\glquake.exe", "", {}, ""}, {"C:\\q\\id1"}, {kQuakeFolder, {F::NoDemos}}},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(CheckPlay(row.input, FakeDisk(row.disk)), row.findings) << row.name;
  }
}

TEST(PlayCheck, BrowsersOpenWhereTheEngineLooks) {
  const FakeDisk disk({"C:\\q2\\", "C:\\q2\\baseq2\\demos", "C:\\q2\\ctf\\demos", "C:\\q\\id1"});
  EXPECT_EQ(DemoBrowseFolder("C:\\q2\\quake2.exe", "ctf", disk), "C:\\q2\\ctf\\demos");
  EXPECT_EQ(DemoBrowseFolder("C:\\q2\\quake2.exe", "dm", disk), "C:\\q2\\baseq2\\demos");
  EXPECT_EQ(DemoBrowseFolder("C:\\q\\glquake.exe", "kavrin", disk), "C:\\q\\id1");
  EXPECT_EQ(DemoBrowseFolder("C:\\q3\\quake3.exe", "", disk), "");
  EXPECT_EQ(DemoBrowseFolder("C:\\q2\\mygame.exe", "ctf", disk), "");
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
      {{F::DemosNotFound, "a.dm2", "baseq2\\demos or ctf\\demos", 3},
       "3 demos will not play: a.dm2 and 2 more are not in baseq2\\demos or ctf\\demos, where the game looks."},
      {{F::TooManyDemos, "9.dem", "", 2, 8}, "The game plays at most 8 demos: 9.dem and the 1 after it never play."},
      {{F::AllWell, "Quake III", "", 1}, "1 demo will play in a loop in Quake III."},
      {{F::ModFolderMissing, "", "C:\\q\\" + std::string(1000000, 'm')},
       "The mod folder C:\\q\\" + std::string(195, 'm') + "... does not exist."},
  };
  for (const auto& row : rows) EXPECT_EQ(PlayNoteText({row.finding}), row.text);
  EXPECT_EQ(PlayNoteText({kQ2Folder, {F::NoDemos}}),
            "Quake II: the script goes to C:\\q2\\baseq2.\r\nNo demos are chosen yet: browse for them.");
}

}  // namespace
}  // namespace kavrin
