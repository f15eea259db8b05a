#pragma once
// Where the files to import come from: named files, and folders searched for
// decode files.

#include <functional>
#include <string>

namespace vexlor {

// Calls onFile for strPath when it is not a folder (a missing path too: its
// read fails), else for every file below it whose name ends in ".txt" (any
// case), in name order. Symbolic links are followed, but each folder is
// searched once, so a link loop ends. A folder that cannot be searched goes
// to onError with the reason.
void ForEachImportFile(const std::string& strPath, const std::function<void(const std::string&)>& onFile,
                       const std::function<void(const std::string&, const std::string&)>& onError);

}  // namespace vexlor
