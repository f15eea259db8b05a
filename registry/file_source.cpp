#include "registry/file_source.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <set>
#include <utility>
#include <vector>

namespace vexlor {
namespace {

std::string ErrnoText(int nError) { return std::strerror(nError); }

bool HasTxtExtension(std::string_view strName) {
    if (strName.size() <= 4) return false;
    std::string strExtension(strName.substr(strName.size() - 4));
    for (char& ch : strExtension) ch = static_cast<char>(ch >= 'A' && ch <= 'Z' ? ch - 'A' + 'a' : ch);
    return strExtension == ".txt";
}

std::string Joined(const std::string& strFolder, const std::string& strName) {
    return strFolder.ends_with('/') ? strFolder + strName : strFolder + "/" + strName;
}

struct FolderEntry {
    std::string strName;
    unsigned char nType;  // DT_REG, DT_DIR, or another that stat must tell
    bool operator<(const FolderEntry& other) const { return strName < other.strName; }
};

// The entries of a folder, sorted by name, without "." and "..".
bool FolderEntries(const std::string& strFolder, std::vector<FolderEntry>& entries, std::string& strError) {
    DIR* pDir = opendir(strFolder.c_str());
    if (pDir == nullptr) {
        strError = ErrnoText(errno);
        return false;
    }
    errno = 0;
    while (const dirent* pEntry = readdir(pDir)) {
        const std::string_view strName = pEntry->d_name;
        if (strName != "." && strName != "..") entries.push_back({std::string(strName), pEntry->d_type});
    }
    const int nError = errno;
    closedir(pDir);
    if (nError != 0) {
        strError = ErrnoText(nError);
        return false;
    }
    std::sort(entries.begin(), entries.end());
    return true;
}

}  // namespace

void ForEachImportFile(const std::string& strPath, const std::function<void(const std::string&)>& onFile,
                       const std::function<void(const std::string&, const std::string&)>& onError) {
    struct stat info {};
    if (stat(strPath.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        onFile(strPath);
        return;
    }
    std::set<std::pair<dev_t, ino_t>> searched;
    std::vector<std::string> pending = {strPath};
    while (!pending.empty()) {
        const std::string strFolder = std::move(pending.back());
        pending.pop_back();
        if (stat(strFolder.c_str(), &info) != 0 || !searched.insert({info.st_dev, info.st_ino}).second) continue;
        std::vector<FolderEntry> entries;
        std::string strError;
        if (!FolderEntries(strFolder, entries, strError)) {
            onError(strFolder, strError);
            continue;
        }
        std::vector<std::string> folders;
        for (const FolderEntry& entry : entries) {
            const std::string strChild = Joined(strFolder, entry.strName);
            bool bFolder = entry.nType == DT_DIR;
            // A link, or a file system that does not tell the type: ask.
            if (entry.nType != DT_REG && entry.nType != DT_DIR) {
                bFolder = stat(strChild.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
            }
            if (bFolder) {
                folders.push_back(strChild);
            } else if (HasTxtExtension(entry.strName)) {
                onFile(strChild);  // a dangling link too: its read fails and names it
            }
        }
        // Depth first, in name order.
        pending.insert(pending.end(), folders.rbegin(), folders.rend());
    }
}

}  // namespace vexlor
