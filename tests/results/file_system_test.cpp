// The terminal's file operations on a real temporary directory, and a whole
// save through them.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "results/file_system.h"
#include "results/save_flow.h"
#include "results_test_support.h"

namespace vexlor {
namespace {

namespace fs = std::filesystem;

class FileSystem : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() / ("vexlor-results-" + std::to_string(::getpid()) + "-" +
                                             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string Path(const std::string& strName) const { return (m_dir / strName).string(); }
    void Put(const std::string& strName, const std::string& strContent) const {
        std::ofstream(Path(strName), std::ios::binary) << strContent;
    }
    std::string Get(const std::string& strName) const { return ReadWholeFile(Path(strName)).value_or("<none>"); }
    mode_t Mode(const std::string& strName) const {
        struct stat st {};
        EXPECT_EQ(::stat(Path(strName).c_str(), &st), 0);
        return st.st_mode & 0777;
    }
    // Only the named files remain: no temporary file was left behind.
    size_t EntryCount() const {
        return static_cast<size_t>(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()));
    }

    fs::path m_dir;
};

TEST_F(FileSystem, WritesNewAndReplacesOldFilesWhole) {
    const std::string strContent("a\r\nb\0c\xFF", 7);
    std::string strError;
    const mode_t nOldMask = ::umask(022);
    ASSERT_TRUE(WriteFileAtomically(Path("new.txt"), strContent, strError)) << strError;
    ::umask(nOldMask);
    EXPECT_EQ(Get("new.txt"), strContent);
    EXPECT_EQ(Mode("new.txt"), 0644u);

    Put("old.txt", "old content that is longer");
    ASSERT_EQ(::chmod(Path("old.txt").c_str(), 0640), 0);
    ASSERT_TRUE(WriteFileAtomically(Path("old.txt"), "new", strError)) << strError;
    EXPECT_EQ(Get("old.txt"), "new");
    EXPECT_EQ(Mode("old.txt"), 0640u);

    // the longest name still fits beside its temporary file
    ASSERT_TRUE(WriteFileAtomically(Path(std::string(255, 'n')), "x", strError)) << strError;
    EXPECT_EQ(Get(std::string(255, 'n')), "x");
    EXPECT_EQ(EntryCount(), 3u);
}

TEST_F(FileSystem, UnwritableTargetsAreReportedAndLeaveNothingBehind) {
    Put("plain", "p");
    fs::create_directory(m_dir / "taken");
    struct Case {
        std::string strPath;
        const char* pszError;  // empty: any reason
    };
    for (const Case& c : {Case{Path("no/such/dir/x.txt"), "No such file or directory"},
                          Case{Path("plain/x.txt"), "Not a directory"}, Case{Path("taken"), ""},
                          Case{"", "No file name was given."}}) {
        std::string strError;
        EXPECT_FALSE(WriteFileAtomically(c.strPath, "x", strError)) << c.strPath;
        if (*c.pszError) {
            EXPECT_EQ(strError, c.pszError);
        } else {
            EXPECT_FALSE(strError.empty());
        }
    }
    EXPECT_EQ(Get("plain"), "p");
    EXPECT_TRUE(fs::is_directory(m_dir / "taken"));
    EXPECT_EQ(EntryCount(), 2u);
}

TEST_F(FileSystem, ReadsExistsAndExecutable) {
    Put("side.txt", std::string("one\r\ntwo\0", 9));
    Put("run", "#!/bin/sh\n");
    ASSERT_EQ(::chmod(Path("run").c_str(), 0755), 0);
    fs::create_directory(m_dir / "sub");

    EXPECT_EQ(ReadWholeFile(Path("side.txt")), std::string("one\r\ntwo\0", 9));
    EXPECT_EQ(ReadWholeFile(Path("missing.txt")), std::nullopt);
    EXPECT_EQ(ReadWholeFile(Path("sub")), std::nullopt);
    EXPECT_EQ(ReadWholeFile(""), std::nullopt);

    EXPECT_TRUE(PathExists(Path("side.txt")));
    EXPECT_TRUE(PathExists(Path("sub")));
    EXPECT_FALSE(PathExists(Path("missing.txt")));
    EXPECT_FALSE(PathExists(""));

    EXPECT_TRUE(IsExecutableFile(Path("run")));
    EXPECT_FALSE(IsExecutableFile(Path("side.txt")));
    EXPECT_FALSE(IsExecutableFile(Path("sub")));
    EXPECT_FALSE(IsExecutableFile(Path("missing")));
}

// A host as a terminal builds it from these operations; questions and programs stay fake.
class DiskHost : public testing_support::FakeSaveHost {
public:
    bool FileExists(const std::string& strPath) override { return PathExists(strPath); }
    std::optional<std::string> ReadFile(const std::string& strPath) override { return ReadWholeFile(strPath); }
    bool WriteFileAtomically(const std::string& strPath, const std::string& strContent,
                             std::string& strError) override {
        return vexlor::WriteFileAtomically(strPath, strContent, strError);
    }
    bool IsExecutableFile(const std::string& strPath) override { return vexlor::IsExecutableFile(strPath); }
};

TEST_F(FileSystem, WholeSaveOnDiskAppendsTheSideFile) {
    Put("velkinfo.txt", "thanks\nbye");
    DecodeResult r;
    r.m_strVinPrefix = "12437";
    r.m_strVinTail = "7N______";
    r.m_strPlantBody = "N065727";
    DiskHost host;
    SaveFlow flow(m_dir.string());
    ASSERT_EQ(flow.Save(r, {"line"}, host), SaveOutcome::Saved);
    EXPECT_EQ(Get("7B_N065727.txt"),
              "3.68,12437,7N______,,,,N065727,,,\r\n"
              "\t07-04-2005\t\t\t12437\t7N______\t\t\tN065727\t\t\t\t\r\n"
              "Please do not change the top two lines of this file.  They help VELK with our database work.\r\n"
              "\r\n"
              "This file was originaly saved in directory: \r\n"
              "Please e-mail this file to VELK (velk@example.org).\r\n"
              "\r\n"
              "line\r\n"
              "\r\n"
              "\r\n"
              "thanks\r\n"
              "bye\r\n");
    EXPECT_EQ(host.calls, (std::vector<std::string>{"view " + Path("7B_N065727.txt")}));
    EXPECT_EQ(EntryCount(), 2u);
}

}  // namespace
}  // namespace vexlor
