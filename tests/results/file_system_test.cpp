// The terminal's file operations on a real temporary directory.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <tuple>
#include <vector>

#include "results/decode_file.h"
#include "results/file_system.h"

namespace fs = std::filesystem;

// The save's calls of write and fsync come here: this program's definitions
// stand in for the C library's. Both pass every call on; a test may have
// writes take a few bytes at a time, be interrupted first, or take nothing
// (a full disk), and reads which files and directories were synced.
static size_t g_nWritePiece = 0;  // 0: whole
static int g_nInterruptions = 0;
static bool g_bDiskFull = false;
static std::vector<fs::path> g_synced;

extern "C" ssize_t write(int fd, const void* pData, size_t nSize) {
    if (g_nInterruptions > 0) return --g_nInterruptions, errno = EINTR, -1;
    if (g_bDiskFull) return 0;
    return ::syscall(SYS_write, fd, pData, g_nWritePiece && g_nWritePiece < nSize ? g_nWritePiece : nSize);
}

extern "C" int fsync(int fd) {
    std::error_code ec;
    g_synced.push_back(fs::read_symlink("/proc/self/fd/" + std::to_string(fd), ec));
    return static_cast<int>(::syscall(SYS_fsync, fd));
}

namespace vexlor {

// A write goes to a temporary file beside the target, which is synced and
// renamed over it; then the directory is synced, so that the rename lasts too.
TEST(FileSystem, WritesWholeFilesOrNothingReadsAndTests) {
    const fs::path dir = fs::temp_directory_path() / ("vexlor-results-" + std::to_string(::getpid()));
    auto Path = [&](const char* pszName) { return (dir / pszName).string(); };
    fs::remove_all(dir), fs::create_directories(dir / "sub");
    std::ofstream(Path("sub/tag.txt")) << "old content that is longer";
    ASSERT_EQ(::chmod(Path("sub/tag.txt").c_str(), 0640), 0);
    std::string strError;
    ASSERT_TRUE(WriteFileAtomically(Path("sub/tag.txt"), std::string("a\r\nb\0\xFF", 6), strError)) << strError;
    EXPECT_EQ(ReadSmallRegularFile(Path("sub/tag.txt"), 6).bytes, std::string("a\r\nb\0\xFF", 6));
    struct stat st {};
    EXPECT_EQ(::stat(Path("sub/tag.txt").c_str(), &st) == 0 ? st.st_mode & 0777 : 0, 0640u);  // kept
    EXPECT_EQ(g_synced, (std::vector{dir / "sub" / g_synced.at(0).filename(), dir / "sub"}));
    // Written in pieces, interrupted, or not at all on a full disk.
    const std::string kText = "0123456789abcdefghijklmnopqrstuvwxyz";
    for (const auto& [nPiece, nBreaks, bDiskFull] : {std::tuple{size_t{5}, 0, false}, {0, 2, false}, {0, 0, true}}) {
        g_nWritePiece = nPiece, g_nInterruptions = nBreaks, g_bDiskFull = bDiskFull;
        const bool bWritten = WriteFileAtomically(Path("tag.txt"), kText, strError);
        g_nWritePiece = 0, g_nInterruptions = 0, g_bDiskFull = false;
        EXPECT_EQ(bWritten, !bDiskFull);
        EXPECT_EQ(ReadSmallRegularFile(Path("tag.txt"), 100).bytes.value_or("") + " " + strError,
                  kText + (bDiskFull ? " No space left on device" : " "));
        strError.clear();
    }
    for (const auto& [strPath, pszError] : {std::pair{Path("no/x.txt"), "No such file or directory"},
                                            {Path("sub"), "Is a directory"}, {"", "No file name was given."}}) {
        EXPECT_EQ(WriteFileAtomically(strPath, "x", strError) ? "written" : strError, pszError);
    }
    EXPECT_EQ(std::ranges::distance(fs::recursive_directory_iterator(dir)), 3);  // no temporary file was left
    // The tests for a name and for a program.
    ASSERT_EQ(::chmod(Path("tag.txt").c_str(), 0755), 0);
    EXPECT_TRUE(PathExists(Path("sub")) && PathExists(Path("tag.txt")) && !PathExists(Path("none")) && !PathExists(""));
    EXPECT_TRUE(IsExecutableFile(Path("tag.txt")) && !IsExecutableFile(Path("sub/tag.txt")) &&
                !IsExecutableFile(Path("sub")) && !IsExecutableFile(""));
    fs::remove_all(dir);
}

// The side file, and every file opened, is read only when it is a regular
// file within the bound; nothing else can hold the program or fill its memory.
TEST(FileSystem, ReadsOnlySmallRegularFiles) {
    const fs::path dir = fs::temp_directory_path() / ("vexlor-small-" + std::to_string(::getpid()));
    auto Path = [&](const char* pszName) { return (dir / pszName).string(); };
    fs::remove_all(dir), fs::create_directories(dir / "folder");
    ASSERT_EQ(::mkfifo(Path("fifo").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", dir / "zero");
    std::ofstream(Path("over"), std::ios::binary) << std::string(kMaxSideFileSize + 1, 'x');
    std::ofstream(Path("full"), std::ios::binary) << std::string(kMaxSideFileSize, 'x');
    std::ofstream(Path("side"), std::ios::binary) << std::string("Club 42\r\nlast\0\xFF", 16);
    const std::tuple<const char*, std::optional<std::string>, std::string> cases[] = {
        {"fifo", std::nullopt, "it is not a regular file"},
        {"zero", std::nullopt, "it is not a regular file"},
        {"over", std::nullopt, "it is larger than 65536 bytes"},
        {"full", std::string(65536, 'x'), ""},
        {"side", std::string("Club 42\r\nlast\0\xFF", 16), ""},
        {"folder", std::nullopt, "it is a folder"},
        {"none", std::nullopt, "No such file or directory"},
    };
    for (const auto& [pszName, bytes, strReason] : cases) {
        const SmallFile file = ReadSmallRegularFile(Path(pszName), kMaxSideFileSize);
        EXPECT_EQ(file.bytes, bytes) << pszName;
        EXPECT_EQ(file.strReason, strReason) << pszName;
        EXPECT_EQ(file.bTooLarge, std::string_view(pszName) == "over") << pszName;
    }
    // A file that tells no size (size 0, some 1.3 KB read) is read no further than the bound either.
    EXPECT_TRUE(ReadSmallRegularFile("/proc/self/status", 16).bTooLarge);
    fs::remove_all(dir);
}

}  // namespace vexlor
