// The engines Kavrin knows, in one table read as executable -> engine ->
// family: an executable's file name leads to its engine, which says what
// that engine imposes on the demos it plays, and the engine to its family,
// which says what Kavrin writes for it.
#pragma once

#include <span>
#include <string>

#include "games/demo_name_rule.h"
#include "games/game_kind.h"

namespace kavrin {

// What Kavrin writes for a family of engines.
struct GameFamily {
  GameKind kind;                // the script's dialect
  const char* baseFolder = "";  // beside the executable; the script goes there; "" for none

  // The argument line: `argumentsHead`, then "+exec Scrnsave.cfg " with
  // the mod switch and the mod before it (and a blank) or after it. No
  // switch without a mod.
  const char* argumentsHead = "";
  const char* modSwitch = "";
  bool modBeforeExec = false;
  // A switch that earlier versions wrote in the same place: read back,
  // never written.
  const char* earlierModSwitch = "";
  bool lineEnd = false;  // line 3 of the launch file ends with a line end

  // Where the engine looks for a demo name: this folder below the base
  // folder and below the mod's ("" for those folders themselves).
  const char* demoFolder = "";
  // A start-up script of the engine's own that replaces the demo list
  // unless a mod has its own copy; "" for none.
  const char* startupScript = "";
  // That script's text for a loop folder: the engine's own without the
  // line that starts its demos.
  const char* loopScript = "";
  // The script names each demo by its full path, wherever it lies, rather
  // than by its name in the folders the engine searches.
  bool demosByPath = false;
};

// What one engine imposes on the demos it plays; engines that impose the
// same share a row. Limits of 0 are unknown or absent.
struct GameEngine {
  const GameFamily& family;     // what Kavrin writes for it
  const char* title = "";       // as the player knows the game; "" for an unknown one
  const char* userFolder = "";  // also searched: %APPDATA%\<userFolder>\<base or mod>
  // Its demo files as the demo browser offers them: a description, "|"
  // and the pattern, "Quake demos (*.dem)|*.dem".
  const char* demoFiles = "";
  // The characters at which its console splits a name into words or
  // commands, or replaces part of it.
  const char* splitChars = "";
  // The characters at which its demo command cuts a name short.
  const char* cutChars = "";
  // The extension its demo command adds to a name without one, so that a
  // name cut to maxNameLength just before that extension still plays; ""
  // for none.
  const char* addedExtension = "";
  const DemoNameRule* nameRule = nullptr;  // null: any name
  unsigned char maxDemos = 0;       // the demo list keeps no more
  unsigned char maxNameLength = 0;  // the longest name it plays
  // Its file system searches a folder's loose files before the folder's
  // pak files; the others search the pak files first.
  bool looseFilesFirst = false;
  // An empty demo ends its ring; the others play nothing of it and go on
  // to the next.
  bool emptyDemoEndsRing = false;

  // For engines whose demos are named by path (GameFamily::demosByPath):
  // what it puts before a path of the operating system's in its demo
  // command; the names it plays as its first argument (null: it plays
  // none); the characters that keep a path off its argument line, where
  // it would take part of the path for a command; the longest path it
  // plays; whether a missing demo ends its ring.
  const char* pathPrefix = "";
  // The settings Scrnsave.cfg begins with: f_demoend runs, and the
  // chain's aliases stay out of the player's saved config.
  const char* chainSettings = "";
  const DemoNameRule* leadingDemoNames = nullptr;
  const char* lineBreakChars = "";
  // What Scrnsave.cfg ends with when it must start the chain itself,
  // against what the engine does at its start when its line names no
  // demo; "" for nothing.
  const char* scriptStartCommand = "";
  unsigned short maxPathLength = 0;
  bool missingDemoEndsRing = false;
  // Demos whose names end so play only with another maker's decoder
  // installed, and that decoder; "" for none.
  const char* decoderEnding = "";
  const char* decoder = "";
  // The most characters of its command line that it keeps, counted as the
  // program's path, a blank and the arguments joined by single blanks; 0
  // for no limit that Kavrin's line reaches.
  unsigned short maxCommandLine = 0;
};

// The engine of an executable name, compared after lowercasing, whole;
// the unknown engine of the Other family for a name the table lacks.
const GameEngine& EngineOfExe(const std::string& exeName);

// The pattern of the engine's demo files, "*.dem" or "*.qwd;*.mvd"; "" for
// none.
const char* DemoFilePattern(const GameEngine& engine);

// Whether a script is written for the family (every one but Other).
bool HasGameScript(const GameFamily& family);

// The directory the game reads its scripts from: the executable's
// directory (which ends with a backslash) with "/<base folder>/" added, as
// the save has always entered it (DisplayPath shows it as C:\q\id1). ""
// for Other.
std::string BaseDirectory(const std::string& exeDirectory, const GameFamily& family);

// Where the save writes the script and where run mode looks for it; ""
// for Other.
std::string GameScriptPath(const std::string& exeDirectory, const GameFamily& family);

// An executable name the table knows, lowercase, and its engine.
struct KnownExecutable {
  const char* name;
  const GameEngine& engine;
};

// Every executable name the table knows, in the order they are looked up.
std::span<const KnownExecutable> KnownExecutables();

}  // namespace kavrin
