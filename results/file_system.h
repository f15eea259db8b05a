#pragma once
// The file operations a terminal needs to save a decode file, with the
// standard library and the system's file calls.

#include <optional>
#include <string>

namespace vexlor {

// True when something of that name exists (a file or a directory).
bool PathExists(const std::string& strPath);

// The whole content of a regular file, bytes as they are; nullopt when it is
// missing, not a regular file or unreadable.
std::optional<std::string> ReadWholeFile(const std::string& strPath);

// True for a regular file that may be run.
bool IsExecutableFile(const std::string& strPath);

// Writes strContent to strPath whole or not at all: the content goes to a new
// temporary file in the same directory, is flushed to the disk and then
// renamed over the target. On any failure the temporary file is removed, an
// old file of that name is left as it was, strError receives the reason and
// the result is false.
bool WriteFileAtomically(const std::string& strPath, const std::string& strContent, std::string& strError);

}  // namespace vexlor
