#pragma once
// The files of an import read and prepared on a second thread, ahead of the
// thread that stores them: reading, parsing and hashing a file takes about
// as long as storing it, and the two need not wait for each other.

#include <functional>
#include <string>
#include <vector>

#include "registry/registry_importer.h"

namespace vexlor {

// What the search of the paths finds, in its order (see ImportWalk).
struct WalkItem {
    enum class Kind { File, Error, Skipped };
    Kind kind = Kind::File;
    std::string strPath;
    std::string strReason;  // Error and Skipped: why
    PreparedFile file;      // File
};

// Searches the paths (see ForEachImportFile) and prepares each file found on
// a second thread, while onItem, on this thread, takes the items in the order
// the search found them. onItem returns false to end the search; a little
// work done ahead is then dropped. An exception from either thread ends the
// search and reaches the caller.
void ForEachPreparedFile(const std::vector<std::string>& paths, const std::function<bool(WalkItem&)>& onItem);

}  // namespace vexlor
