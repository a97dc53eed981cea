#include "games/game_script.h"

#include <gtest/gtest.h>

#include "games/demo_chain.h"
#include "games/game_kind.h"
#include "games/text_template.h"

namespace kavrin {
namespace {

using Paths = std::vector<std::string>;

struct Row {
  GameKind kind;
  std::string script;
};

void ExpectScripts(const Paths& demos, const std::vector<Row>& rows) {
  for (const Row& row : rows) EXPECT_EQ(BuildGameScript(row.kind, demos), row.script) << "kind " << row.kind;
}

TEST(GameScript, TwoDemosInEveryDialect) {
  ExpectScripts({"C:\\demos\\a.dm2", "C:\\demos\\b.dm2"},
                {
                    {Quake, "startdemos a.dm2 b.dm2 "},
                    {Quake2,
                     "alias demo0 \"demomap a.dm2; set nextserver demo1\" \n"
                     "alias demo1 \"demomap b.dm2; set nextserver demo0\" \n"
                     "demo0"},
                    {Hl, "startdemos a.dm2 b.dm2 \ndemos"},
                    {Quake3,
                     "set d0 \"demo a.dm2; set nextdemo vstr d1\" \n"
                     "set d1 \"demo b.dm2; set nextdemo vstr d0\" \n"
                     "vstr d0"},
                    {SinHeretic2,
                     "alias demo0 \"demomap a.dm2; set nextserver demo1\" \n"
                     "alias demo1 \"demomap b.dm2; set nextserver demo0\" \n"
                     "\n"
                     "demo0"},
                    {Q2pro,
                     "alias demo0 \"set nextserver demo1; demo a.dm2\" \n"
                     "alias demo1 \"set nextserver demo0; demo b.dm2\" \n"
                     "demo0"},
                });
}

TEST(GameScript, NoDemosInEveryDialect) {
  ExpectScripts({}, {
                        {Quake, "startdemos "},
                        {Quake2, "demo0"},
                        {Hl, "startdemos \ndemos"},
                        {Quake3, "vstr d0"},
                        {SinHeretic2, "\ndemo0"},
                        {Q2pro, "demo0"},
                    });
}

TEST(GameScript, OneDemoNamesItselfInTheClosedRings) {
  ExpectScripts({"C:\\demos\\a.dm2"},
                {
                    {Quake, "startdemos a.dm2 "},
                    {Quake2, "alias demo0 \"demomap a.dm2; set nextserver demo0\" \ndemo0"},
                    {Hl, "startdemos a.dm2 \ndemos"},
                    {Quake3, "set d0 \"demo a.dm2; set nextdemo vstr d0\" \nvstr d0"},
                    {SinHeretic2, "alias demo0 \"demomap a.dm2; set nextserver demo0\" \n\ndemo0"},
                });
}

TEST(GameScript, OtherGetsTheSinHeretic2Dialect) {
  const Paths demos = {"C:\\demos\\a.dm2"};
  EXPECT_EQ(BuildGameScript(Other, demos), BuildGameScript(SinHeretic2, demos));
  EXPECT_EQ(BuildGameScript(QuakeWorld, demos), BuildGameScript(SinHeretic2, demos));
}

// QuakeWorld's chain: every file the save writes, and the argument line's
// first demo, for the client, the demos and the Scrnsave.cfg there now.
TEST(GameScript, QuakeWorldChainsOneScriptPerDemo) {
  const std::string settings = "tp_triggers 1\ncl_restrictions 0\ncfg_save_onquit 0\n";
  const struct {
    const char* name;
    const char* exe;
    Paths demos;
    std::string current;
    std::vector<std::pair<std::string, std::string>> files;
    std::string leading;
  } rows[] = {
      {"three, the first on the argument line",
       "ezquake.exe",
       {"C:\\demos\\a.qwd", "D:\\my demos\\b;$c.mvd", "\\\\srv\\q\\c.qwd"},
       "",
       {{"ScrnsaveA0.cfg", "alias f_demoend \"exec ScrnsaveA1.cfg\"\nplaydemo \"C:/demos/a.qwd\""},
        {"ScrnsaveA1.cfg", "alias f_demoend \"exec ScrnsaveA2.cfg\"\nplaydemo \"D:/my demos/b;$c.mvd\""},
        {"ScrnsaveA2.cfg", "alias f_demoend \"exec ScrnsaveA0.cfg\"\nplaydemo \"//srv/q/c.qwd\""},
        {"Scrnsave.cfg", settings + "alias f_demoend \"exec ScrnsaveA1.cfg\""}},
       "\"C:/demos/a.qwd\""},
      {"the other generation, while Scrnsave.cfg names this one; a ring of one",
       "EZQUAKE.EXE",
       {"C:\\demos\\a.mvd"},
       "tp_triggers 1\r\nalias f_demoend \"exec ScrnsaveA1.cfg\"",
       {{"ScrnsaveB0.cfg", "alias f_demoend \"exec ScrnsaveB0.cfg\"\nplaydemo \"C:/demos/a.mvd\""},
        {"Scrnsave.cfg", settings + "alias f_demoend \"exec ScrnsaveB0.cfg\""}},
       "\"C:/demos/a.mvd\""},
      {"a first demo whose path the line would run is not first on it; a path with a quote is left out",
       "ezquake.exe",
       {"C:\\d+\\p.qwd", "C:\\d\\\"q\".qwd", "C:\\d\\r.qwd"},
       "",
       {{"ScrnsaveA0.cfg", "alias f_demoend \"exec ScrnsaveA1.cfg\"\nplaydemo \"C:/d+/p.qwd\""},
        {"ScrnsaveA1.cfg", "alias f_demoend \"exec ScrnsaveA0.cfg\"\nplaydemo \"C:/d/r.qwd\""},
        {"Scrnsave.cfg", settings + "alias f_demoend \"exec ScrnsaveA0.cfg\""}},
       "\"C:/d/r.qwd\""},
      {"with none that may stand on the line, the script starts the chain and closes the menu",
       "ezquake.exe",
       {"C:\\d\\a.qwd.gz", "C:\\d\\p+1.mvd"},
       "",
       {{"ScrnsaveA0.cfg", "alias f_demoend \"exec ScrnsaveA1.cfg\"\nplaydemo \"C:/d/a.qwd.gz\""},
        {"ScrnsaveA1.cfg", "alias f_demoend \"exec ScrnsaveA0.cfg\"\nplaydemo \"C:/d/p+1.mvd\""},
        {"Scrnsave.cfg", settings + "exec ScrnsaveA0.cfg\nmenu_main"}},
       ""},
      {"FTE marks a path of the system's, starts from the script and has settings of its own",
       "fteqw64.exe",
       {"C:\\d\\a.qwd"},
       "",
       {{"ScrnsaveA0.cfg", "alias f_demoend \"exec ScrnsaveA0.cfg\"\nplaydemo \"#C:/d/a.qwd\""},
        {"Scrnsave.cfg", "cl_triggers 1\ncfg_save_auto 0\nexec ScrnsaveA0.cfg"}},
       ""},
      {"no demos", "ezquake.exe", {}, "", {{"Scrnsave.cfg", settings.substr(0, settings.size() - 1)}}, ""},
  };
  for (const auto& row : rows) {
    const GameEngine& engine = EngineOfExe(row.exe);
    std::vector<std::pair<std::string, std::string>> files;
    for (const ScriptFile& file : BuildGameScripts(engine, row.demos, row.current)) files.emplace_back(file.name, file.text);
    EXPECT_EQ(files, row.files) << row.name;
    EXPECT_EQ(LeadingDemo(engine, row.demos), row.leading) << row.name;
  }
  // What a save removes after it: the generation the new Scrnsave.cfg no longer names.
  EXPECT_EQ(RetiredScriptName(EngineOfExe("ezquake.exe"), "exec ScrnsaveA1.cfg", 3), "ScrnsaveA3.cfg");
  EXPECT_EQ(RetiredScriptName(EngineOfExe("ezquake.exe"), "", 0), "ScrnsaveB0.cfg");
  EXPECT_EQ(RetiredScriptName(EngineOfExe("quake2.exe"), "", 0), "");
}

TEST(GameScript, OneHundredDemosCloseTheirRings) {
  Paths demos;
  for (int i = 0; i < 100; ++i) demos.push_back("c:\\d\\" + std::to_string(i) + ".dm2");

  const std::string quake2 = BuildGameScript(Quake2, demos);
  EXPECT_NE(quake2.find("alias demo99 \"demomap 99.dm2; set nextserver demo0\" \ndemo0"), std::string::npos);
  EXPECT_EQ(quake2.rfind("\ndemo0"), quake2.size() - 6);
  EXPECT_EQ(quake2.find("demo100"), std::string::npos);

  const std::string quake3 = BuildGameScript(Quake3, demos);
  EXPECT_NE(quake3.find("set d98 \"demo 98.dm2; set nextdemo vstr d99\" \n"), std::string::npos);
  EXPECT_NE(quake3.find("set d99 \"demo 99.dm2; set nextdemo vstr d0\" \nvstr d0"), std::string::npos);

  const std::string sin = BuildGameScript(SinHeretic2, demos);
  EXPECT_NE(sin.find("alias demo99 \"demomap 99.dm2; set nextserver demo0\" \n\ndemo0"), std::string::npos);
  EXPECT_EQ(sin.find("demo100"), std::string::npos);

  const std::vector<ScriptFile> chain = BuildGameScripts(EngineOfExe("ezquake.exe"), demos, "");
  ASSERT_EQ(chain.size(), 101u);
  EXPECT_EQ(chain[99].name, "ScrnsaveA99.cfg");
  EXPECT_EQ(chain[99].text, "alias f_demoend \"exec ScrnsaveA0.cfg\"\nplaydemo \"c:/d/99.dm2\"");
}

TEST(GameScript, NamesComeFromEachPathAlone) {
  const struct {
    const char* name;
    Paths demos;
    std::string script;
  } rows[] = {
      {"trailing backslash gives an empty name", {"c:\\demos\\"}, "startdemos  "},
      {"empty path", {""}, "startdemos  "},
      {"no backslash", {"c:\\d\\x.dm2", "a.dm2", "c:\\d\\y.dm2"}, "startdemos x.dm2 a.dm2 y.dm2 "},
      {"blanks unquoted", {"c:\\my demos\\my demo.dm2"}, "startdemos my demo.dm2 "},
      {"quotes and semicolons copied", {"c:\\d\\a;\"b\".dem"}, "startdemos a;\"b\".dem "},
      {"long names cut", {"c:\\d\\" + std::string(120, 'n')}, "startdemos " + std::string(100, 'n') + " "},
  };
  for (const auto& row : rows) EXPECT_EQ(BuildGameScript(Quake, row.demos), row.script) << row.name;
}

TEST(GameScript, DemomapNamesEndInLowercaseDm2) {
  const Paths demos = {"C:\\DEMOS\\DEMO1.DM2", "c:\\d\\Mixed.Dm2", "c:\\d\\DM2", "c:\\d\\A.DEM"};
  const std::string ring = "alias demo0 \"demomap DEMO1.dm2; set nextserver demo1\" \n"
                           "alias demo1 \"demomap Mixed.dm2; set nextserver demo2\" \n"
                           "alias demo2 \"demomap DM2; set nextserver demo3\" \n"
                           "alias demo3 \"demomap A.DEM; set nextserver demo0\" \n";
  ExpectScripts(demos, {
                           {Quake2, ring + "demo0"},
                           {SinHeretic2, ring + "\ndemo0"},
                           {Quake, "startdemos DEMO1.DM2 Mixed.Dm2 DM2 A.DEM "},
                       });
}

TEST(GameScript, NoDialectEndsWithALineEnd) {
  for (const Paths& demos : {Paths{}, Paths{"c:\\a.dm2"}, Paths{"c:\\a.dm2", "c:\\b.dm2", "c:\\c.dm2"}}) {
    for (GameKind kind : {Quake, Quake2, Hl, Quake3, SinHeretic2, Q2pro}) {
      const std::string script = BuildGameScript(kind, demos);
      ASSERT_FALSE(script.empty());
      EXPECT_NE(script.back(), '\n') << "kind " << kind;
    }
    for (const ScriptFile& file : BuildGameScripts(EngineOfExe("ezquake.exe"), demos, "")) {
      ASSERT_FALSE(file.text.empty());
      EXPECT_NE(file.text.back(), '\n') << file.name;
    }
  }
}

// The ring entries and the note's sentences are checked by this as the
// program is built.
TEST(TextTemplate, CatchesABlankLeftOpenOrOfAnUnknownName) {
  constexpr std::string_view blanks[] = {"demo", "next"};
  EXPECT_TRUE(IsTemplate("demomap {demo}; set nextserver demo{next}", blanks));
  EXPECT_FALSE(IsTemplate("demomap {demo; set nextserver demo1", blanks));
  EXPECT_FALSE(IsTemplate("set nextserver demo{next", blanks));
  EXPECT_FALSE(IsTemplate("demomap {d}", blanks));
  EXPECT_FALSE(IsTemplate("demomap {}", blanks));
}

}  // namespace
}  // namespace kavrin
