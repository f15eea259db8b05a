// File operations for saving and reading decode files and the side file.
#include "results/file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <utility>

namespace vexlor {
namespace {

std::string ErrnoText(int nError) { return std::strerror(nError); }

SmallFile TooLarge(size_t nMaxBytes) {
    return {std::nullopt, true, "it is larger than " + std::to_string(nMaxBytes) + " bytes"};
}

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

SmallFile ReadSmallRegularFile(const std::string& strPath, size_t nMaxBytes) {
    SmallFile file;
    // Non-blocking, so that opening a named pipe cannot wait for a writer.
    const int fd = ::open(strPath.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        file.strReason = ErrnoText(errno);
        return file;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        const int nError = errno;
        file.strReason = S_ISDIR(info.st_mode) ? "it is a folder"
                         : S_ISREG(info.st_mode) ? ErrnoText(nError)
                                                 : "it is not a regular file";
        ::close(fd);
        return file;
    }
    const auto nSize = static_cast<unsigned long long>(info.st_size);
    if (nSize > nMaxBytes) {
        ::close(fd);
        return TooLarge(nMaxBytes);
    }
    // Read up to one byte past the bound: a file that grew since fstat is
    // read as it is now, and one that grew past the bound is found.
    std::string strBytes(static_cast<size_t>(nSize) + 1, '\0');
    size_t nDone = 0;
    for (;;) {
        if (nDone == strBytes.size()) {
            if (nDone > nMaxBytes) break;
            strBytes.resize(std::min(nDone * 2, nMaxBytes + 1));
        }
        const ssize_t nRead = ::read(fd, strBytes.data() + nDone, strBytes.size() - nDone);
        if (nRead < 0 && errno == EINTR) continue;
        if (nRead < 0) {
            file.strReason = ErrnoText(errno);
            ::close(fd);
            return file;
        }
        if (nRead == 0) break;
        nDone += static_cast<size_t>(nRead);
    }
    ::close(fd);
    if (nDone > nMaxBytes) {
        return TooLarge(nMaxBytes);
    }
    strBytes.resize(nDone);
    file.bytes = std::move(strBytes);
    return file;
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
