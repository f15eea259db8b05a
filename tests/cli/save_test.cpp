// --save PATH, --save-default, --force and --open, run as the program in a
// temporary directory.
#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "cli_test_support.h"

namespace vexlor {
namespace {

namespace fs = std::filesystem;
using test::CliRun;
using test::ReadFileBytes;
using test::RunBinary;
using test::WriteFileBytes;

// The sample tag's decode file on 01-01-1970, saved in strSavedIn.
std::string SampleFile(const std::string& strSavedIn) {
    return "3.68,12_37,7N______,701A,,67-12437,N065727,741-Z,R-R,0D 1W 2E 3L 4- 5-\r\n"
           "\t01-01-1970\t\t\t12_37\t7N______\t701A\t\tN065727\t\tR-R\t741-Z\t0D 1W 2E 3L 4- 5-\r\n"
           "Please do not change the top two lines of this file.  They help VELK with our database work.\r\n"
           "\r\n"
           "This file was originaly saved in directory: " + strSavedIn + "\r\n"
           "Please e-mail this file to VELK (velk@example.org).\r\n"
           "\r\n" + test::JoinLines(test::kSampleLines, "\r\n") + "\r\n\r\n";
}

class SaveTest : public testing::Test {
protected:
    void SetUp() override { setenv("SOURCE_DATE_EPOCH", "0", 1); }
    void TearDown() override { unsetenv("SOURCE_DATE_EPOCH"); }
    test::TempDir m_dir;
};

TEST_F(SaveTest, SampleSaveDefaultInAnEmptyDirectoryThenRefusedUnlessForced) {
    const fs::path file = m_dir.Path() / "7B_N065727.txt";
    CliRun run = RunBinary({"--sample", "--save-default"}, m_dir.Path());
    EXPECT_EQ(run.nStatus, 0);
    EXPECT_EQ(run.strErr, "Saved " + file.string() + "\n");
    EXPECT_EQ(ReadFileBytes(file), SampleFile(""));
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir.Path()), fs::directory_iterator()), 1);

    WriteFileBytes(file, "old");
    run = RunBinary({"--sample", "--save-default"}, m_dir.Path());
    EXPECT_EQ(run.nStatus, 1);
    EXPECT_EQ(run.strErr, "vexlor-decode: 7B_N065727.txt exists already; give --force to replace it, or --save PATH\n");
    EXPECT_EQ(ReadFileBytes(file), "old");
    run = RunBinary({"--sample", "--save-default", "--force"}, m_dir.Path());
    EXPECT_EQ(run.nStatus, 0);
    EXPECT_EQ(ReadFileBytes(file), SampleFile(""));
}

TEST_F(SaveTest, DefaultNameFromTheVinKeyOrNone) {
    CliRun run = RunBinary({"--year", "1967", "--save-default", "--force"}, m_dir.Path());
    EXPECT_EQ(run.nStatus, 1);
    EXPECT_EQ(run.strErr,
              "vexlor-decode: this decode gives no default file name (it needs a VIN serial or a body number); "
              "give --save PATH\n");
    EXPECT_TRUE(fs::is_empty(m_dir.Path()));
    run = RunBinary({"--vin", "124377N", "--serial", "100001", "--save-default"}, m_dir.Path());
    EXPECT_EQ(run.nStatus, 0);
    EXPECT_TRUE(fs::exists(m_dir.Path() / "124377N100001.txt"));
}

TEST_F(SaveTest, SideFileOfTheDirectoryWrittenTo) {
    fs::create_directory(m_dir.Path() / "sub");
    WriteFileBytes(m_dir.Path() / "velkinfo.txt", "Owner: J. Smith\r\n");
    WriteFileBytes(m_dir.Path() / "sub" / "velkinfo.txt", "Owner: J. Smith\nCity: Dayton");
    CliRun run = RunBinary({"--sample", "--save-default"}, m_dir.Path());
    EXPECT_EQ(run.nStatus, 0);
    EXPECT_EQ(ReadFileBytes(m_dir.Path() / "7B_N065727.txt"), SampleFile("") + "Owner: J. Smith\r\n");
    // --save names its absolute directory and reads the side file there.
    run = RunBinary({"--sample", "--save", "sub/../sub/my tag.txt"}, m_dir.Path());
    EXPECT_EQ(run.nStatus, 0) << run.strErr;
    EXPECT_EQ(ReadFileBytes(m_dir.Path() / "sub" / "my tag.txt"),
              SampleFile((m_dir.Path() / "sub").string()) + "Owner: J. Smith\r\nCity: Dayton\r\n");
    // --save overwrites an existing file.
    run = RunBinary({"--sample", "--save", (m_dir.Path() / "sub" / "my tag.txt").string()}, "/");
    EXPECT_EQ(run.nStatus, 0);
    EXPECT_EQ(ReadFileBytes(m_dir.Path() / "sub" / "my tag.txt"),
              SampleFile((m_dir.Path() / "sub").string()) + "Owner: J. Smith\r\nCity: Dayton\r\n");
}

TEST_F(SaveTest, UnwritableTargetsFail) {
    CliRun run = RunBinary({"--sample", "--save", "no/such/dir/out.txt"}, m_dir.Path());
    EXPECT_EQ(run.nStatus, 1);
    EXPECT_TRUE(run.strErr.starts_with("vexlor-decode: The file " + (m_dir.Path() / "no/such/dir/out.txt").string() +
                                       " could not be saved: "))
        << run.strErr;
    EXPECT_EQ(run.strErr.find('\n'), run.strErr.size() - 1);
    run = RunBinary({"--sample", "--save", "sub/"}, m_dir.Path());
    EXPECT_EQ(run.nStatus, 1);
    EXPECT_TRUE(fs::is_empty(m_dir.Path()));
    if (geteuid() != 0) {  // root writes anywhere
        fs::permissions(m_dir.Path(), fs::perms::owner_read | fs::perms::owner_exec);
        run = RunBinary({"--sample", "--save-default"}, m_dir.Path());
        EXPECT_EQ(run.nStatus, 1);
        fs::permissions(m_dir.Path(), fs::perms::owner_all);
        EXPECT_TRUE(fs::is_empty(m_dir.Path()));
    }
}

TEST_F(SaveTest, OpenStartsTheCompanionProgramInItsDirectory) {
    const fs::path companion = m_dir.Path() / "VURUverizi";
    WriteFileBytes(companion, "#!/bin/sh\nprintf '%s %s' \"$1\" \"$(pwd)\" > started.tmp && mv started.tmp started\n");
    fs::permissions(companion, fs::perms::owner_all);
    const CliRun run = RunBinary({"--sample", "--save-default", "--open"}, m_dir.Path());
    EXPECT_EQ(run.nStatus, 0);
    const fs::path started = m_dir.Path() / "started";
    for (int n = 0; n < 200 && !fs::exists(started); ++n) std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(ReadFileBytes(started), "/7B_N065727.txt " + m_dir.Path().string());
}

TEST_F(SaveTest, OpenUsesTheDesktopViewerOnlyWhenAskedAndOnlyAfterASave) {
    std::vector<test::StartedProgram> started;
    const std::string strPath = (m_dir.Path() / "out.txt").string();
    EXPECT_EQ(test::RunInProcess({"--sample", "--save", strPath}, {}, &started).nStatus, 0);
    EXPECT_TRUE(started.empty());
    EXPECT_EQ(test::RunInProcess({"--sample", "--save", strPath + "/none", "--open"}, {}, &started).nStatus, 1);
    EXPECT_TRUE(started.empty());
    EXPECT_EQ(test::RunInProcess({"--sample", "--save", strPath, "--open"}, {}, &started).nStatus, 0);
    EXPECT_EQ(started, (std::vector<test::StartedProgram>{{"xdg-open", {strPath}, ""}}));
}

}  // namespace
}  // namespace vexlor
