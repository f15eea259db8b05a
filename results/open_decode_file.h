#pragma once
// A saved decode file opened from disk.

#include <string>

#include "results/tag_from_records.h"

namespace vexlor {

// Reads the regular file strPath (at most kMaxDecodeFileSize bytes, opened
// without blocking) as a decode file and works out its tag.
OpenedTag OpenDecodeFile(const std::string& strPath);

}  // namespace vexlor
