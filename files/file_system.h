// The file system edge: every read, write and directory change goes here.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kavrin {

// Why a file could not be written.
enum class WriteFault {
  None,
  AccessDenied,  // the system does not let this account write there
  Other,         // a directory in the way, a missing folder, a full disk...
};

// The whole file as bytes; nullopt when it cannot be opened or read. A
// missing file is read from its backup, if a replace was cut short there.
std::optional<std::string> ReadFileBytes(const std::string& path);

// At most `length` bytes of the file from `offset`, fewer at its end;
// nullopt when it cannot be read.
std::optional<std::string> ReadFilePart(const std::string& path, uint32_t offset, uint32_t length);

// Whether two files can be read and hold the same bytes; read in pieces
// up to the first that differs.
bool SameFileBytes(const std::string& a, const std::string& b);

// Whether the folder holds a file whose name matches `pattern`, in which
// "*" stands for any characters, in any case ("*.dm2").
bool FolderHoldsMatch(const std::string& folder, const std::string& pattern);

// Whether `path` names an existing file (not a directory).
bool IsFile(const std::string& path);

// Whether `path` names an existing file or directory.
bool PathExists(const std::string& path);

// The size in bytes of the file `path` names; nullopt for a directory or
// a file that cannot be looked at.
std::optional<uint64_t> FileSize(const std::string& path);

// Where a replace without a replacing rename keeps the old file meanwhile.
std::string BackupPath(const std::string& path);

// Replaces `to` by `from` in two renames, for systems whose rename does not
// replace (Windows 95, 98 and ME): the old file becomes the backup, the new
// one takes its name, then the backup goes. Cut short between the renames,
// only the backup holds the file. The old file is never removed before the
// new one has its name; when the second rename fails, the backup gets its
// name back. Returns whether `to` holds the new content.
bool ReplaceThroughBackup(const std::string& from, const std::string& to);

// Gives a missing `path` its backup's name back, if a replace was cut short
// there. Returns whether `path` exists afterwards.
bool RestoreCutShortReplace(const std::string& path);

// Creates the file `path` with the bytes whole and flushed to the disk;
// on failure says why.
using FileWriter = WriteFault (*)(const std::string& path, const std::string& bytes);

// A FileWriter for a plain file, which a file already at `path` may keep.
WriteFault WriteNewFile(const std::string& path, const std::string& bytes);

// Writes the bytes with `write` into a temporary file of this process
// beside `path`, and checks that `path` itself can be replaced (it is no
// directory and not write-protected). `path` does not change yet; the
// rename that commits it keeps the security `write` gave the file. On any
// failure leaves nothing behind and says why.
WriteFault StageFileContent(const std::string& path, const std::string& bytes, FileWriter write = WriteNewFile);

// Puts this process's staged content in place of `path` in one step, so
// `path` holds either its old or its new content, never a mix.
bool CommitStagedFile(const std::string& path);

// Removes a staged content that will not be committed.
void DiscardStagedFile(const std::string& path);

// Stages and commits in one go. On any failure the old file is untouched,
// nothing is left beside it, and the fault says why.
WriteFault ReplaceFileContent(const std::string& path, const std::string& bytes);

// Creates an empty file when none can be opened for reading. Never changes
// an existing file. Returns whether the file can be read afterwards.
bool EnsureFileExists(const std::string& path);

// Removes a file; false when there was none or it could not be removed.
bool RemoveFile(const std::string& path);

// Creates one folder; true when it exists afterwards.
bool MakeDirectory(const std::string& path);

// What the user is told of a write that failed: the path as they write
// it, then `what` ("Could not write this file"), and for AccessDenied
// what to do about it.
std::string WriteFaultText(const std::string& path, const char* what, WriteFault fault);

// Creates one folder, and says why it could not.
WriteFault MakeFolder(const std::string& path);

// Copies the file `from` to `to` through a temporary file beside `to`, so
// `to` never holds part of it; `from` is only read. On failure leaves
// nothing behind and says why.
WriteFault CopyFileContent(const std::string& from, const std::string& to);

// Changes the process's working directory; false when it cannot be entered.
bool ChangeDirectory(const std::string& path);

// The process's working directory ("" if unknown).
std::string CurrentDirectory();

// Whether the directory can be entered; the working directory is left as
// it was.
bool CanEnterDirectory(const std::string& path);

}  // namespace kavrin
