#include "results/open_decode_file.h"

#include "results/file_system.h"

namespace vexlor {

OpenedTag OpenDecodeFile(const std::string& strPath) {
    const SmallFile file = ReadSmallRegularFile(strPath, kMaxDecodeFileSize);
    if (file.bTooLarge) return {std::nullopt, std::string(kTooLargeReason)};
    if (!file.bytes) return {std::nullopt, file.strReason};
    return TagFromDecodeFile(*file.bytes);
}

}  // namespace vexlor
