#include "registry/file_source.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
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

// The path with every link resolved, or empty when it cannot be.
std::string RealPath(const std::string& strPath) {
    char* pszReal = realpath(strPath.c_str(), nullptr);
    if (pszReal == nullptr) return {};
    std::string strReal = pszReal;
    free(pszReal);
    return strReal;
}

bool IsWithin(const std::string& strPath, const std::string& strFolder) {
    if (strPath.empty() || strFolder.empty()) return false;
    return strPath == strFolder || strPath.starts_with(strFolder == "/" ? strFolder : strFolder + "/");
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

void ForEachImportFile(const std::string& strPath, const ImportWalk& walk) {
    struct stat info {};
    if (stat(strPath.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        walk.onFile(strPath, true);
        return;
    }
    const std::string strRoot = RealPath(strPath);
    std::set<std::pair<dev_t, ino_t>> searched;
    std::vector<std::string> pending = {strPath};
    while (!pending.empty()) {
        const std::string strFolder = std::move(pending.back());
        pending.pop_back();
        if (stat(strFolder.c_str(), &info) != 0) {
            walk.onError(strFolder, "cannot be searched: " + ErrnoText(errno));
            continue;
        }
        if (!searched.insert({info.st_dev, info.st_ino}).second) continue;
        std::vector<FolderEntry> entries;
        std::string strError;
        if (!FolderEntries(strFolder, entries, strError)) {
            walk.onError(strFolder, "cannot be searched: " + strError);
            continue;
        }
        std::vector<std::string> folders;
        for (const FolderEntry& entry : entries) {
            const std::string strChild = Joined(strFolder, entry.strName);
            bool bFolder = entry.nType == DT_DIR;
            // A link, or a file system that does not tell the type: ask.
            if (entry.nType != DT_REG && entry.nType != DT_DIR) {
                struct stat child {};
                if (stat(strChild.c_str(), &child) != 0 && errno != ENOENT) {
                    walk.onError(strChild, "cannot be looked at: " + ErrnoText(errno));
                    continue;
                }
                bFolder = S_ISDIR(child.st_mode);
                if (bFolder && entry.nType == DT_LNK && !IsWithin(RealPath(strChild), strRoot)) {
                    walk.onSkipped(strChild, "skipped: a link to a folder outside " + strPath);
                    continue;
                }
            }
            if (bFolder) {
                folders.push_back(strChild);
            } else if (!walk.onFile(strChild, HasTxtExtension(entry.strName))) {  // a dangling link too: its read fails
                return;
            }
        }
        // Depth first, in name order.
        pending.insert(pending.end(), folders.rbegin(), folders.rend());
    }
}

}  // namespace vexlor
