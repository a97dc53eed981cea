// The prefix layout the scenarios share and the set-up steps they repeat.
//
// The suite copies the driver, the stand-in game and Kavrin.scr into one
// folder of the prefix; everything else is found from there or at fixed
// places on drive c:.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "game_record.h"
#include "saver_process.h"

namespace kavrin {

constexpr const char* kLaunchFile = "c:\\q2scr.sc2";
constexpr const char* kDemoListFile = "c:\\demos.sc2";
constexpr const char* kGamesRoot = "C:\\games";
// Demo files the Open dialog can pick; one folder has a blank in its name.
constexpr const char* kDemoFolder = "C:\\demos";
constexpr const char* kSpacedDemoFolder = "C:\\my demos";

std::string BinDir();        // the folder of the driver, the game and the saver
std::string SaverPath();     // Kavrin.scr in BinDir
std::string WorkDir();       // the saver's working directory
std::string ArtifactsDir();  // screenshots, collected by the suite
std::string RecordsDir();    // where the stand-in game records its starts
// The user's own settings folder.
std::string UserSettingsFolder();

// A clean state for one scenario: no settings files (in c:\ or the user's
// folder), no games, no records, a fresh working directory and the demo
// files in place.
void ResetPrefix();
// What a scenario needs of this process to run on a prefix as it stands.
void UsePrefix();

// Copies the stand-in game to `folder`\`exeName` and creates the base
// directory below it unless `baseDir` is empty. Returns the game's path.
std::string InstallGame(const std::string& folder, const std::string& exeName, const std::string& baseDir);

// Starts Kavrin.scr from BinDir (unquoted path) with these arguments.
std::unique_ptr<SaverProcess> StartSaver(const std::string& arguments);
// Starts the saver with a raw command line of the caller's making.
std::unique_ptr<SaverProcess> StartSaverRaw(const std::string& commandLine);

// Waits for the stand-in game to record a start, then for a quiet spell in
// which no second start may come. Fails the scenario otherwise.
GameRecord ExpectOneGameStart();
// Fails the scenario unless the stand-in game at `exePath` started
// maximised, in `folder` with `arguments`, on the user's desktop.
void ExpectGameStarted(const GameRecord& game, const std::string& exePath, const std::string& arguments,
                       const std::string& folder);
// Runs the saver with /s and fails the scenario unless it ends with 0 and
// the stand-in game starts once as ExpectGameStarted says.
void ExpectScreenSaverStartsGame(const std::string& exePath, const std::string& arguments,
                                 const std::string& folder);
// Fails the scenario if the stand-in game records a start in a quiet spell.
void ExpectNoGameStart();

// Fails the scenario unless the saver ends with `exitCode` without a window
// ever showing.
void ExpectQuietEnd(SaverProcess& saver, DWORD exitCode);

// Fails the scenario unless the file holds exactly these bytes.
void ExpectFileBytes(const std::string& path, const std::string& expected);
void ExpectNoFile(const std::string& path);

// Saves a screenshot of the window into ArtifactsDir as `name`.bmp.
void SaveShot(HWND window, const std::string& name);

}  // namespace kavrin
