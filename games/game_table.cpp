#include "games/game_table.h"

#include "files/exe_path.h"
#include "games/game_script.h"

namespace kavrin {
namespace {

constexpr GameFamily kQuakeFamily{.kind = Quake,
                                  .baseFolder = "id1",
                                  .modSwitch = "-game ",
                                  .modBeforeExec = true,
                                  .lineEnd = true,
                                  .startupScript = "quake.rc",
                                  .loopScript = "exec default.cfg\nexec config.cfg\nexec autoexec.cfg\nstuffcmds\n"};
constexpr GameFamily kQuake2Family{
    .kind = Quake2, .baseFolder = "baseq2", .modSwitch = "+set game ", .demoFolder = "demos"};
// The engine takes its mod only from "-game" as it starts, and has no
// "set" command (dreamstalker/rehlds, rehlds/engine/common.cpp
// @468efba6 COM_ParseDirectoryFromCmd("-game", ...), around line 2310;
// cmd.cpp @05226719 Cmd_Init, around lines 547-553). Kavrin once wrote
// "+set game", which never loaded the mod.
constexpr GameFamily kHlFamily{.kind = Hl,
                               .baseFolder = "valve",
                               .argumentsHead = "-toconsole ",
                               .modSwitch = "-game ",
                               .modBeforeExec = true,
                               .earlierModSwitch = "+set game "};
// The engine takes its mod only from "fs_game"; Kavrin once wrote
// "+set game", which it ignored.
constexpr GameFamily kQuake3Family{.kind = Quake3,
                                   .baseFolder = "baseq3",
                                   .modSwitch = "+set fs_game ",
                                   .earlierModSwitch = "+set game ",
                                   .demoFolder = "demos"};
constexpr GameFamily kSinHeretic2Family{
    .kind = SinHeretic2, .baseFolder = "base", .modSwitch = "+set game ", .demoFolder = "demos"};
constexpr GameFamily kQ2proFamily{
    .kind = Q2pro, .baseFolder = "baseq2", .modSwitch = "+set game ", .demoFolder = "demos"};
constexpr GameFamily kQuakeWorldFamily{.kind = QuakeWorld,
                                       .baseFolder = "qw",
                                       .modSwitch = "-game ",
                                       .modBeforeExec = true,
                                       .demoFolder = "demos",
                                       .demosByPath = true};
constexpr GameFamily kOtherFamily{.kind = Other, .modSwitch = "+set game "};

// Each fact stands beside the source it was read in. Every engine's
// console splits a name at a blank, and its command buffer at ";" and a
// quote, so splitChars begins with those three.

// id-Software/Quake @a8f828a0: WinQuake/client.h:98-99 MAX_DEMOS 8,
// MAX_DEMONAME 16; host_cmd.c Host_Startdemos_f keeps
// sizeof(cls.demos[0])-1 characters; common.c COM_Parse makes each of
// {})(': a word of its own. cl_demo.c @0023db32 CL_PlayDemo_f adds ".dem"
// to a name without an extension (COM_DefaultExtension).
constexpr GameEngine kIdQuake{.family = kQuakeFamily,
                              .title = "Quake",
                              .demoFiles = "Quake demos (*.dem)|*.dem",
                              .splitChars = " ;\"{}()':",
                              .addedExtension = ".dem",
                              .maxDemos = 8,
                              .maxNameLength = 15};
// sezero/quakespasm: Quake/client.h:90-91 @017c3d74 (8, 16); host_cmd.c
// @00530bda q_strlcpy(..., sizeof(cls.demos[0])); common.c @71d7d02e
// COM_Parse splits at {})(' (a ':' only at a word's start).
// Novum/vkQuake: Quake/client.h:94-95 @009c9590; host_cmd.c and
// common.c @0059b930 as QuakeSpasm's.
// andrei-drexler/ironwail: Quake/client.h:93-94 @3bcc2dcc; host_cmd.c
// @0c69c8f8 and COM_ParseEx in common.c @096c3d95 as QuakeSpasm's.
// The "+" commands of the command line run from a copy of "argv[0]
// argv[1] ...", joined by single blanks, of at most 255 characters
// (CMDLINE_LENGTH 256): QuakeSpasm common.c @71d7d02e lines 56, 1326-1361
// COM_InitArgv, cmd.c @2f85cc13 lines 214-242 Cmd_StuffCmds_f; vkQuake
// common.c @0059b930 line 59, cmd.c @009c9590 lines 239-266; Ironwail
// common.c @096c3d95 line 62, cmd.c @c959cb85 lines 247-275. A demo of 0
// bytes is "invalid" and sets demonum to -1, which ends the loop:
// QuakeSpasm cl_demo.c @92594e23 lines 434-439, vkQuake cl_demo.c
// @01651447 lines 704-709, skullernet/ironwail cl_demo.c @946293e lines
// 788-793.
constexpr GameEngine kQuakeSpasm{.family = kQuakeFamily,
                                 .title = "Quake",
                                 .demoFiles = "Quake demos (*.dem)|*.dem",
                                 .splitChars = " ;\"{}()'",
                                 .addedExtension = ".dem",
                                 .maxDemos = 8,
                                 .maxNameLength = 15,
                                 .emptyDemoEndsRing = true,
                                 .maxCommandLine = 255};
// DarkPlacesEngine/DarkPlaces qdefs.h:108-109 @0d8958d7 MAX_DEMOS 8,
// MAX_DEMONAME 16; xonotic/darkplaces cl_demo.c @179f15c1
// CL_Startdemos_f dp_strlcpy(..., sizeof(cls.demos[i-1])); common.c
// @00963fa2 COM_ParseToken_Console splits at white space only; fs.c
// @01b61745 "unpacked files have the priority over packed files".
constexpr GameEngine kDarkPlaces{.family = kQuakeFamily,
                                 .title = "Quake",
                                 .demoFiles = "Quake demos (*.dem)|*.dem",
                                 .splitChars = " ;\"",
                                 .addedExtension = ".dem",
                                 .maxDemos = 8,
                                 .maxNameLength = 15,
                                 .looseFilesFirst = true};
// id-Software/Quake-2 @372afde4: server/sv_init.c SV_Map strcpy()s the
// name into level[MAX_QPATH] (lines 394, 405; MAX_QPATH 64 in
// game/q_shared.h:71), cuts it at "+" (lines 408-415, the rest is the
// next map) and takes it for a demo only if it ends in ".dm2" (line
// 442, strcmp); qcommon/cmd.c:562-576 Cmd_MacroExpandString replaces
// a "$" and what follows (SV_Map would cut there too, lines 422-426).
// yquake2/yquake2 @01ae3cb7: src/server/sv_init.c SV_Map as id's;
// src/common/header/shared.h:135 MAX_QPATH 64; cmdparser.c @00bf0165
// expands "$" as id's. KMQuake2's own files are stored only in the
// fork m-x-d/KMQuake2: server/sv_init.c @0e90e17b SV_Map
// Q_strncpyz(level, ..., sizeof(level)) cuts a longer name, which then
// no longer ends in ".dm2"; "+" and "$" as id's; game/q_shared.h
// @023a73da MAX_QPATH 64.
constexpr GameEngine kQuake2{.family = kQuake2Family,
                             .title = "Quake II",
                             .demoFiles = "Quake II demos (*.dm2)|*.dm2",
                             .splitChars = " ;\"$",
                             .cutChars = "+",
                             .nameRule = &kDemomapNames,
                             .maxNameLength = 63};
// skullernet/q2pro: src/client/demo.c @02d534df finish_demo runs the
// "nextserver" cvar at a demo's end while cl_demowait is 0, and the
// demo command looks in "demos/" of every search path for the name,
// or the name with ".dm2"; an ".mvd2" goes to mvdplay, which does not.
// demo.c @3aa0d40b CL_PlayDemo_f returns before finish_demo for a demo
// it cannot read, an empty one too (lines 731-736). Some builds refuse
// demomap (src/server/commands.c @258114bf "command is no longer
// supported"), hence a dialect of its own. common/cmd.c @26b9feb0
// splits at white space and expands "$".
constexpr GameEngine kQ2pro{.family = kQ2proFamily,
                            .title = "Quake II",
                            .demoFiles = "Quake II demos (*.dm2)|*.dm2",
                            .splitChars = " ;\"$",
                            .nameRule = &kQ2proNames,
                            .emptyDemoEndsRing = true};
// The engine's source is not published; dreamstalker/rehlds rebuilds
// it: rehlds/engine/client.h:54 @0399c02f MAX_DEMOS 32; host_cmd.cpp
// @05226719 Host_Startdemos_f Q_strncpy(..., 15); common.cpp @468efba6
// COM_Parse splits at {})(', and ':' (around line 1612).
constexpr GameEngine kHalfLife{.family = kHlFamily,
                               .title = "Half-Life",
                               .demoFiles = "Half-Life demos (*.dem)|*.dem",
                               .splitChars = " ;\"{}()',:",
                               .maxDemos = 32,
                               .maxNameLength = 15};
// id's Quake III and Quake3e: no limit on the demos or their names
// that a list of 100 names of 100 characters reaches.
constexpr GameEngine kQuake3{.family = kQuake3Family,
                             .title = "Quake III",
                             .demoFiles = "Quake III demos (*.dm_*)|*.dm_*",
                             .splitChars = " ;\"",
                             .nameRule = &kProtocolNames};
// ioquake3 also reads the player's own folder below %APPDATA%.
constexpr GameEngine kIoQuake3{.family = kQuake3Family,
                               .title = "Quake III",
                               .userFolder = "Quake3",
                               .demoFiles = "Quake III demos (*.dm_*)|*.dm_*",
                               .splitChars = " ;\"",
                               .nameRule = &kProtocolNames};
// Only the game code is published, not the engine: today's values.
constexpr GameEngine kSin{.family = kSinHeretic2Family,
                          .title = "SiN",
                          .demoFiles = "SiN demos (*.dm2)|*.dm2",
                          .splitChars = " ;\"",
                          .nameRule = &kDemomapNames};
// Its engine's source is not published; a reconstruction of it records
// ".hd2" demos, so Kavrin does not judge the names.
constexpr GameEngine kHeretic2{.family = kSinHeretic2Family,
                               .title = "Heretic II",
                               .demoFiles = "Heretic II demos (*.hd2)|*.hd2",
                               .splitChars = " ;\""};
// QW-Group/ezquake-source: src/host.c @10a377e1 Host_Init queues the
// line's "+" commands, then plays argv[1] when COM_CheckArgsForPlayableFiles
// (src/common.c) finds a demo there (CL_IsDemoExtension in src/cl_demo.c
// @c8dfee51: mvd, qwd, dem, qwz), so "-game" stands after it; otherwise
// Startup_Place queues "togglemenu", which a menu opened by "menu_main"
// makes close (src/menu.c M_ToggleMenu_f). A "+" anywhere on the line,
// in quotes too, starts a command (seen). cl_demo.c CL_Play_f looks a
// path up in the game's folders, then as the system's, plays ".qwz" only
// through Qizmo, and on a file it cannot open returns without a trigger;
// CL_StopPlayback runs f_demoend, which src/tp_triggers.c @30c10818
// TP_ExecTrigger skips while tp_triggers is 0 or, for a demo,
// cl_restrictions is set. A demo that ends between two messages waits
// for more (seen), so an empty one holds the ring (seen too). Its Windows build
// opens no path of more than 259 characters (MAX_PATH).
constexpr GameEngine kEzQuake{.family = kQuakeWorldFamily,
                              .title = "QuakeWorld",
                              .demoFiles = "QuakeWorld demos (*.qwd;*.mvd;*.qwz;*.dem)|*.qwd;*.mvd;*.qwz;*.dem",
                              .splitChars = "\"",
                              .nameRule = &kQuakeWorldNames,
                              .emptyDemoEndsRing = true,
                              .chainSettings = "tp_triggers 1\ncl_restrictions 0\ncfg_save_onquit 0\n",
                              .leadingDemoNames = &kQuakeWorldLeadingNames,
                              .lineBreakChars = "+",
                              .scriptStartCommand = "menu_main",
                              .maxPathLength = 259,
                              .missingDemoEndsRing = true,
                              .decoderEnding = ".qwz",
                              .decoder = "Qizmo"};
// fte-team/fteqw engine/client/cl_demo.c @eefc9504: CL_PlayDemo_f takes
// a path of the system's only after "#"; CL_PlayDemo keeps 255
// characters of it and, when it cannot open it, runs f_demoend all the
// same; CL_PlayDemoFile stops at an empty file without it.
// engine/client/zqtp.c @025aeff8 line 77: its triggers run while
// cl_triggers is 1; engine/common/cmd.c @6380e0c7 line 53: cfg_save_auto
// saves the config on every disconnect. engine/client/sys_win.c
// @018aed2c takes a demo as its first argument only when it is the only
// one. engine/Makefile @003c4128 lines 1358-1396: m-rel and gl-rel make
// fteqw.exe and fteglqw.exe, with "64" for win64; build_wip.sh @46d3fedc
// lines 148-149 publishes them.
constexpr GameEngine kFte{.family = kQuakeWorldFamily,
                          .title = "QuakeWorld",
                          .demoFiles = "QuakeWorld demos (*.qwd;*.mvd;*.qwz;*.dem)|*.qwd;*.mvd;*.qwz;*.dem",
                          .splitChars = "\"",
                          .nameRule = &kQuakeWorldNames,
                          .emptyDemoEndsRing = true,
                          .pathPrefix = "#",
                          .chainSettings = "cl_triggers 1\ncfg_save_auto 0\n",
                          .maxPathLength = 255};
constexpr GameEngine kUnknownEngine{.family = kOtherFamily};

// One line per executable. The first releases' names come first; the
// bare "winquake" stays for launch files that already store it.
constexpr KnownExecutable kExecutables[] = {
    {"winquake", kIdQuake},
    {"winquake.exe", kIdQuake},
    {"glquake.exe", kIdQuake},
    {"quake2.exe", kQuake2},
    {"hl.exe", kHalfLife},
    {"quake3.exe", kQuake3},
    {"sin.exe", kSin},
    {"heretic2.exe", kHeretic2},
    // Today's source ports.
    {"quakespasm.exe", kQuakeSpasm},
    {"vkquake.exe", kQuakeSpasm},
    {"ironwail.exe", kQuakeSpasm},
    {"darkplaces.exe", kDarkPlaces},
    {"darkplaces-sdl.exe", kDarkPlaces},
    {"yquake2.exe", kQuake2},
    {"kmquake2.exe", kQuake2},
    {"ioquake3.exe", kIoQuake3},
    {"ioquake3.x86.exe", kIoQuake3},
    {"ioquake3.x86_64.exe", kIoQuake3},
    {"quake3e.exe", kQuake3},
    {"quake3e.x64.exe", kQuake3},
    // skullernet/q2pro .ci/nightly.sh @287ef460, lines 61 and 98-99.
    {"q2pro.exe", kQ2pro},
    {"q2pro64.exe", kQ2pro},
    {"ezquake.exe", kEzQuake},
    {"fteqw.exe", kFte},
    {"fteqw64.exe", kFte},
    {"fteglqw.exe", kFte},
    {"fteglqw64.exe", kFte},
};

}  // namespace

const char* DemoFilePattern(const GameEngine& engine) {
  const char* pattern = engine.demoFiles;
  while (*pattern != '\0' && *pattern++ != '|') {
  }
  return pattern;
}

const GameEngine& EngineOfExe(const std::string& exeName) {
  const std::string lowerName = LowerCase(exeName);
  for (const KnownExecutable& known : kExecutables) {
    if (lowerName == known.name) return known.engine;
  }
  return kUnknownEngine;
}

bool HasGameScript(const GameFamily& family) { return family.baseFolder[0] != '\0'; }

std::string BaseDirectory(const std::string& exeDirectory, const GameFamily& family) {
  if (!HasGameScript(family)) return std::string();
  return exeDirectory + "/" + family.baseFolder + "/";
}

std::string GameScriptPath(const std::string& exeDirectory, const GameFamily& family) {
  if (!HasGameScript(family)) return std::string();
  return BaseDirectory(exeDirectory, family) + kGameScriptName;
}

std::span<const KnownExecutable> KnownExecutables() { return kExecutables; }

}  // namespace kavrin
