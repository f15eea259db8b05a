#pragma once
// Where the files to import come from: named files, and folders searched for
// decode files.

#include <functional>
#include <string>

namespace vexlor {

// What the search of the paths to import finds.
struct ImportWalk {
    // A file to import. bByName: the file was named, or its name ends in
    // ".txt" (any case), so it is meant as a decode file; else only its
    // content can tell. Returns false to end the search.
    std::function<bool(const std::string& strPath, bool bByName)> onFile;
    // A folder or file that cannot be searched or looked at, with the reason.
    std::function<void(const std::string& strPath, const std::string& strReason)> onError;
    // A link to a folder outside the folder given, which is not followed.
    std::function<void(const std::string& strPath, const std::string& strReason)> onSkipped;
};

// Calls onFile for strPath when it is not a folder (a missing path too: its
// read fails), else for every file below it, in name order. Links to files
// are followed, and links to folders within strPath, each folder searched
// once so that a link loop ends.
void ForEachImportFile(const std::string& strPath, const ImportWalk& walk);

}  // namespace vexlor
