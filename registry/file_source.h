#pragma once
// Where the files to import come from: named files, and folders searched for
// decode files. Reading is bounded, so a huge file costs nothing.

#include <functional>
#include <string>

namespace vexlor {

struct FileRead {
    bool bOk = false;
    bool bTooLarge = false;
    std::string strBytes;   // when bOk
    std::string strError;   // why it could not be read, when neither
};

// The whole file when it holds at most nLimit bytes.
FileRead ReadFileAtMost(const std::string& strPath, size_t nLimit);

// Calls onFile for strPath when it is not a folder (a missing path too: its
// read fails), else for every file below it whose name ends in ".txt" (any
// case), in name order. Symbolic links are followed, but each folder is
// searched once, so a link loop ends. A folder that cannot be searched goes
// to onError with the reason.
void ForEachImportFile(const std::string& strPath, const std::function<void(const std::string&)>& onFile,
                       const std::function<void(const std::string&, const std::string&)>& onError);

}  // namespace vexlor
