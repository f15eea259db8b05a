#pragma once
// The file operations a terminal needs to save a decode file, with the
// standard library and the system's file calls.

#include <cstddef>
#include <optional>
#include <string>

namespace vexlor {

// True when something of that name exists (a file or a directory).
bool PathExists(const std::string& strPath);

// A small file read whole, or why not.
struct SmallFile {
    std::optional<std::string> bytes;  // the content, bytes as they are, when read
    bool bTooLarge = false;            // a regular file over the bound
    std::string strReason;             // why it was not read, when not: "it is a folder", the system's text...
};

// Reads a regular file of at most nMaxBytes bytes. The file is opened without
// blocking and checked on the opened descriptor, so a named pipe, a device (or
// a link to one) or a folder is refused at once, and never more than
// nMaxBytes + 1 bytes are read, also from a file that grows meanwhile.
SmallFile ReadSmallRegularFile(const std::string& strPath, size_t nMaxBytes);

// True for a regular file that may be run.
bool IsExecutableFile(const std::string& strPath);

// Writes strContent to strPath whole or not at all: the content goes to a new
// temporary file in the same directory, is flushed to the disk and then
// renamed over the target. On any failure the temporary file is removed, an
// old file of that name is left as it was, strError receives the reason and
// the result is false.
bool WriteFileAtomically(const std::string& strPath, const std::string& strContent, std::string& strError);

}  // namespace vexlor
