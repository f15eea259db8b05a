// File operations for saving from a terminal.
#include "results/file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace vexlor {
namespace {

std::string ErrnoText(int nError) { return std::strerror(nError); }

std::string DirectoryOf(const std::string& strPath) {
    const size_t nSlash = strPath.find_last_of('/');
    if (nSlash == std::string::npos) return ".";
    if (nSlash == 0) return "/";
    return strPath.substr(0, nSlash);
}

// A new, empty file beside strPath that no one else has opened; -1 on failure.
// Its name is short whatever the target's, so a long target name still fits.
int CreateTemporaryBeside(const std::string& strPath, std::string& strTempPath) {
    static std::atomic<unsigned> s_nCounter{0};
    const size_t nSlash = strPath.find_last_of('/');
    const std::string strDir = nSlash == std::string::npos ? std::string() : strPath.substr(0, nSlash + 1);
    for (int nTry = 0; nTry < 100; ++nTry) {
        strTempPath = strDir + ".vexlor-save-" + std::to_string(::getpid()) + "-" + std::to_string(++s_nCounter) +
                      ".tmp";
        const int fd = ::open(strTempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

bool WriteAll(int fd, const std::string& strContent) {
    const char* pszRest = strContent.data();
    size_t nLeft = strContent.size();
    while (nLeft > 0) {
        const ssize_t nWritten = ::write(fd, pszRest, nLeft);
        if (nWritten < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (nWritten == 0) {
            errno = ENOSPC;
            return false;
        }
        pszRest += nWritten;
        nLeft -= static_cast<size_t>(nWritten);
    }
    return true;
}

// Makes the rename itself last; a failure here does not undo the save.
void SyncDirectory(const std::string& strDir) {
    const int fd = ::open(strDir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

bool PathExists(const std::string& strPath) {
    std::error_code ec;
    return !strPath.empty() && std::filesystem::exists(strPath, ec);
}

std::optional<std::string> ReadWholeFile(const std::string& strPath) {
    std::error_code ec;
    if (strPath.empty() || !std::filesystem::is_regular_file(strPath, ec)) return std::nullopt;
    std::ifstream file(strPath, std::ios::binary);
    if (!file) return std::nullopt;
    std::ostringstream content;
    content << file.rdbuf();
    if (file.bad()) return std::nullopt;
    return content.str();
}

bool IsExecutableFile(const std::string& strPath) {
    std::error_code ec;
    if (strPath.empty() || !std::filesystem::is_regular_file(strPath, ec)) return false;
    return ::access(strPath.c_str(), X_OK) == 0;
}

bool WriteFileAtomically(const std::string& strPath, const std::string& strContent, std::string& strError) {
    if (strPath.empty()) {
        strError = "No file name was given.";
        return false;
    }
    std::string strTempPath;
    const int fd = CreateTemporaryBeside(strPath, strTempPath);
    if (fd < 0) {
        strError = ErrnoText(errno);
        return false;
    }
    // A replaced file keeps its permissions.
    struct stat stOld {};
    if (::stat(strPath.c_str(), &stOld) == 0 && S_ISREG(stOld.st_mode)) ::fchmod(fd, stOld.st_mode & 07777);

    bool bOk = WriteAll(fd, strContent) && ::fsync(fd) == 0;
    int nError = bOk ? 0 : errno;
    if (::close(fd) != 0 && bOk) {
        bOk = false;
        nError = errno;
    }
    if (bOk && std::rename(strTempPath.c_str(), strPath.c_str()) != 0) {
        bOk = false;
        nError = errno;
    }
    if (!bOk) {
        ::unlink(strTempPath.c_str());
        strError = ErrnoText(nError);
        return false;
    }
    SyncDirectory(DirectoryOf(strPath));
    return true;
}

}  // namespace vexlor
