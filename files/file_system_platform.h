// What the portable part of the file system edge asks of the system. One
// body per system beside this file, chosen by CMake: file_system_win32.cpp
// and file_system_posix.cpp; each also holds the directory functions of
// files/file_system.h.
#pragma once

#include <cstdio>
#include <string>

#include "files/file_system.h"

namespace kavrin::platform {

enum class PathKind { Missing, File, Directory };

// What `path` names; Missing when it cannot be looked at.
PathKind KindOf(const std::string& path);

// This process's id.
int ProcessId();

// Right after a failed fopen or MakeOneDirectory: did the system refuse
// this account?
bool AccessWasDenied();

// Creates one folder; false when it could not, the folder already there
// included.
bool MakeOneDirectory(const std::string& path);

// Until this returns, the flushed bytes may sit in a cache a power cut
// loses.
bool SyncToDisk(std::FILE* file);

// Gives `from` the name `to`, replacing the file there; in one step where
// the system can.
bool MoveOver(const std::string& from, const std::string& to);

// Copies the file `from` into `to`, replacing a file there; `from` is only
// read. On failure says why, and part of `to` may be left.
WriteFault CopyOver(const std::string& from, const std::string& to);

}  // namespace kavrin::platform
