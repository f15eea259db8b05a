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

namespace vexlor {
namespace {

namespace fs = std::filesystem;

class FileSystem : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() /
                ("vexlor-results-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string Path(const std::string& strName) const { return (m_dir / strName).string(); }

    void Put(const std::string& strName, const std::string& strContent) const {
        std::ofstream(Path(strName), std::ios::binary) << strContent;
    }

    std::string Get(const std::string& strName) const {
        const std::optional<std::string> strContent = ReadWholeFile(Path(strName));
        return strContent ? *strContent : "<none>";
    }

    // Only the named files remain: no temporary file was left behind.
    size_t EntryCount() const {
        return static_cast<size_t>(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()));
    }

    fs::path m_dir;
};

TEST_F(FileSystem, WritesANewFileByteForByte) {
    const std::string strContent("a\r\nb\0c\xFF", 7);
    std::string strError;
    ASSERT_TRUE(WriteFileAtomically(Path("new.txt"), strContent, strError)) << strError;
    EXPECT_EQ(Get("new.txt"), strContent);
    EXPECT_EQ(EntryCount(), 1u);
}

TEST_F(FileSystem, LongestNameStillFitsBesideItsTemporaryFile) {
    const std::string strName(255, 'n');
    std::string strError;
    ASSERT_TRUE(WriteFileAtomically(Path(strName), "x", strError)) << strError;
    EXPECT_EQ(Get(strName), "x");
    EXPECT_EQ(EntryCount(), 1u);
}

TEST_F(FileSystem, NewFileFollowsTheUmask) {
    const mode_t nOld = ::umask(022);
    std::string strError;
    ASSERT_TRUE(WriteFileAtomically(Path("mode.txt"), "x", strError));
    ::umask(nOld);
    struct stat st {};
    ASSERT_EQ(::stat(Path("mode.txt").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0644u);
}

TEST_F(FileSystem, ReplacesAnOldFileAndKeepsItsPermissions) {
    Put("old.txt", "old content that is longer");
    ASSERT_EQ(::chmod(Path("old.txt").c_str(), 0640), 0);
    std::string strError;
    ASSERT_TRUE(WriteFileAtomically(Path("old.txt"), "new", strError)) << strError;
    EXPECT_EQ(Get("old.txt"), "new");
    struct stat st {};
    ASSERT_EQ(::stat(Path("old.txt").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(EntryCount(), 1u);
}

TEST_F(FileSystem, MissingDirectoryIsReported) {
    std::string strError;
    EXPECT_FALSE(WriteFileAtomically(Path("no/such/dir/x.txt"), "x", strError));
    EXPECT_EQ(strError, "No such file or directory");
    EXPECT_EQ(EntryCount(), 0u);
}

TEST_F(FileSystem, PathUnderARegularFileIsReported) {
    Put("plain", "p");
    std::string strError;
    EXPECT_FALSE(WriteFileAtomically(Path("plain/x.txt"), "x", strError));
    EXPECT_EQ(strError, "Not a directory");
    EXPECT_EQ(Get("plain"), "p");
    EXPECT_EQ(EntryCount(), 1u);
}

TEST_F(FileSystem, DirectoryAsTargetFailsAndLeavesNoTemporaryFile) {
    fs::create_directory(m_dir / "taken");
    std::string strError;
    EXPECT_FALSE(WriteFileAtomically(Path("taken"), "x", strError));
    EXPECT_FALSE(strError.empty());
    EXPECT_TRUE(fs::is_directory(m_dir / "taken"));
    EXPECT_EQ(EntryCount(), 1u);
}

TEST_F(FileSystem, EmptyPathIsRefused) {
    std::string strError;
    EXPECT_FALSE(WriteFileAtomically("", "x", strError));
    EXPECT_EQ(strError, "No file name was given.");
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

// A host as a terminal builds it from these operations; programs are only noted.
class DiskHost : public SaveHost {
public:
    bool FileExists(const std::string& strPath) override { return PathExists(strPath); }
    bool AskReplace(const std::string&) override { return true; }
    std::optional<std::string> AskSaveAsPath(const std::string&) override { return std::nullopt; }
    std::optional<std::string> ReadFile(const std::string& strPath) override { return ReadWholeFile(strPath); }
    bool WriteFileAtomically(const std::string& strPath, const std::string& strContent,
                             std::string& strError) override {
        return vexlor::WriteFileAtomically(strPath, strContent, strError);
    }
    void ReportWriteFailure(const std::string& strMessage) override { reports.push_back(strMessage); }
    bool IsExecutableFile(const std::string& strPath) override { return vexlor::IsExecutableFile(strPath); }
    void StartProgram(const std::string& strProgram, const std::vector<std::string>&) override {
        started.push_back(strProgram);
    }
    void OpenInViewer(const std::string& strPath) override { viewed.push_back(strPath); }
    std::string Today() override { return "01-02-2003"; }

    std::vector<std::string> reports, started, viewed;
};

DecodeResult BodyNumberOnly() {
    DecodeResult r;
    r.m_strVinPrefix = "12437";
    r.m_strVinTail = "7N______";
    r.m_strPlantBody = "N065727";
    return r;
}

TEST_F(FileSystem, WholeSaveOnDiskAppendsTheSideFile) {
    Put("velkinfo.txt", "thanks\nbye");
    DiskHost host;
    SaveFlow flow(m_dir.string());
    ASSERT_EQ(flow.Save(BodyNumberOnly(), {"line"}, host), SaveOutcome::Saved);
    EXPECT_EQ(Get("7B_N065727.txt"),
              "3.68,12437,7N______,,,,N065727,,,\r\n"
              "\t01-02-2003\t\t\t12437\t7N______\t\t\tN065727\t\t\t\t\r\n"
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
    EXPECT_EQ(host.viewed, (std::vector<std::string>{Path("7B_N065727.txt")}));
    EXPECT_EQ(EntryCount(), 2u);
}

TEST_F(FileSystem, WholeSaveIntoAMissingDirectoryIsReported) {
    DiskHost host;
    SaveFlow flow(Path("gone"));
    EXPECT_EQ(flow.Save(BodyNumberOnly(), {"line"}, host), SaveOutcome::Failed);
    EXPECT_EQ(host.reports,
              (std::vector<std::string>{"The file " + Path("gone") + "/7B_N065727.txt could not be saved: No such file or directory"}));
    EXPECT_TRUE(host.viewed.empty());
    EXPECT_TRUE(host.started.empty());
    EXPECT_EQ(EntryCount(), 0u);
}

TEST_F(FileSystem, WholeSaveStartsAnExecutableCompanion) {
    Put("VURUverizi", "#!/bin/sh\n");
    ASSERT_EQ(::chmod(Path("VURUverizi").c_str(), 0755), 0);
    DiskHost host;
    SaveFlow flow(m_dir.string());
    ASSERT_EQ(flow.Save(BodyNumberOnly(), {"line"}, host), SaveOutcome::Saved);
    EXPECT_EQ(host.started, (std::vector<std::string>{Path("VURUverizi")}));
    EXPECT_TRUE(host.viewed.empty());
}

}  // namespace
}  // namespace vexlor
