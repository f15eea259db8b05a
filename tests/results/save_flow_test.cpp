// "Save data to a file" against a fake host: default name, replace question,
// Save As and the directory it leaves behind, failures, showing the file.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "fake_save_host.h"
#include "results/save_flow.h"

namespace vexlor {
namespace {

using testing_support::FakeSaveHost;
using Calls = std::vector<std::string>;

constexpr const char* kHead =
    "3.68,12437,7N100001,701A,,67-12437,N065727,741,R-R,\r\n"
    "\t07-04-2005\t\t\t12437\t7N100001\t701A\t\tN065727\t\tR-R\t741\t\r\n"
    "Please do not change the top two lines of this file.  They help VELK with our database work.\r\n"
    "\r\n";

DecodeResult WithSerial() {
    DecodeResult r;
    r.m_nYear = 7;
    r.m_strVinPrefix = "12437";
    r.m_strVinTail = "7N100001";
    r.m_strDateCode = "701A";
    r.m_strPlantBody = "N065727";
    r.m_strStyleCode = "67-12437";
    r.m_strTrimCode = "741";
    r.m_strPaintCode = "R-R";
    return r;
}

DecodeResult WithoutName() {
    DecodeResult r = WithSerial();
    r.m_strVinTail = "7N______";
    r.m_strPlantBody = "N______";
    return r;
}

// The file as written for WithSerial() with the list {"line"} and no side file.
std::string ExpectedFile(const std::string& strLine5Dir, const std::string& strSide = "") {
    return std::string(kHead) + "This file was originaly saved in directory: " + strLine5Dir + "\r\n" +
           "Please e-mail this file to VELK (velk@example.org).\r\n\r\nline\r\n\r\n\r\n" + strSide;
}

const std::vector<std::string> kLines = {"line"};

TEST(SaveFlow, DefaultNameIsWrittenAndViewed) {
    FakeSaveHost host;
    SaveFlow flow("/cars");
    std::string strSaved;
    EXPECT_EQ(flow.Save(WithSerial(), kLines, host, &strSaved), SaveOutcome::Saved);
    EXPECT_EQ(strSaved, "/cars/124377N100001.txt");
    EXPECT_EQ(host.calls, (Calls{"exists /cars/124377N100001.txt", "read /cars/velkinfo.txt",
                                 "write /cars/124377N100001.txt", "view /cars/124377N100001.txt"}));
    EXPECT_EQ(host.files.at("/cars/124377N100001.txt"), ExpectedFile(""));
    EXPECT_EQ(flow.CurrentDir(), "/cars");
}

TEST(SaveFlow, ExistingFileAnsweredYesIsOverwritten) {
    FakeSaveHost host;
    host.files["/cars/124377N100001.txt"] = "old";
    host.bAnswerReplace = true;
    SaveFlow flow("/cars/");
    EXPECT_EQ(flow.Save(WithSerial(), kLines, host), SaveOutcome::Saved);
    EXPECT_EQ(host.calls, (Calls{"exists /cars/124377N100001.txt",
                                 "ask Do you want to replace this file (124377N100001.txt)?",
                                 "read /cars/velkinfo.txt", "write /cars/124377N100001.txt",
                                 "view /cars/124377N100001.txt"}));
    EXPECT_EQ(host.files.at("/cars/124377N100001.txt"), ExpectedFile(""));
}

TEST(SaveFlow, ExistingFileAnsweredNoOpensSaveAsAndCancelWritesNothing) {
    FakeSaveHost host;
    host.files["/cars/124377N100001.txt"] = "old";
    host.bAnswerReplace = false;
    SaveFlow flow("/cars");
    EXPECT_EQ(flow.Save(WithSerial(), kLines, host), SaveOutcome::Cancelled);
    EXPECT_EQ(host.calls, (Calls{"exists /cars/124377N100001.txt",
                                 "ask Do you want to replace this file (124377N100001.txt)?",
                                 "save as in /cars"}));
    EXPECT_EQ(host.files.at("/cars/124377N100001.txt"), "old");
    EXPECT_EQ(flow.CurrentDir(), "/cars");
}

TEST(SaveFlow, NoDefaultNameOpensSaveAsAtOnce) {
    FakeSaveHost host;
    SaveFlow flow("/cars");
    EXPECT_EQ(flow.Save(WithoutName(), kLines, host), SaveOutcome::Cancelled);
    EXPECT_EQ(host.calls, (Calls{"save as in /cars"}));
    EXPECT_TRUE(host.started.empty());
    EXPECT_TRUE(host.viewed.empty());
}

TEST(SaveFlow, SaveAsMovesTheCurrentDirectoryForLaterSaves) {
    FakeSaveHost host;
    host.files["/other/dir/velkinfo.txt"] = "side\n";
    host.strSaveAsAnswer = "/other/dir/mine.any";
    SaveFlow flow("/cars");
    EXPECT_EQ(flow.Save(WithoutName(), kLines, host), SaveOutcome::Saved);
    EXPECT_EQ(flow.CurrentDir(), "/other/dir");
    EXPECT_EQ(host.calls, (Calls{"save as in /cars", "read /other/dir/velkinfo.txt", "write /other/dir/mine.any",
                                 "view /other/dir/mine.any"}));
    const std::string strSaveAsFile = host.files.at("/other/dir/mine.any");
    EXPECT_NE(strSaveAsFile.find("\r\nThis file was originaly saved in directory: /other/dir\r\n"), std::string::npos);
    EXPECT_TRUE(strSaveAsFile.ends_with("\r\nline\r\n\r\n\r\nside\r\n"));

    // A later default-named save lands in the new directory; its line 5 names none.
    host.calls.clear();
    std::string strSaved;
    EXPECT_EQ(flow.Save(WithSerial(), kLines, host, &strSaved), SaveOutcome::Saved);
    EXPECT_EQ(strSaved, "/other/dir/124377N100001.txt");
    EXPECT_EQ(host.calls, (Calls{"exists /other/dir/124377N100001.txt", "read /other/dir/velkinfo.txt",
                                 "write /other/dir/124377N100001.txt", "view /other/dir/124377N100001.txt"}));
    EXPECT_EQ(host.files.at("/other/dir/124377N100001.txt"), ExpectedFile("", "side\r\n"));

    // A later save without a default name starts the Save As dialog there.
    host.calls.clear();
    host.strSaveAsAnswer.reset();
    EXPECT_EQ(flow.Save(WithoutName(), kLines, host), SaveOutcome::Cancelled);
    EXPECT_EQ(host.calls, (Calls{"save as in /other/dir"}));
}

TEST(SaveFlow, SaveAsWithTheDefaultNameStillNamesTheDirectory) {
    FakeSaveHost host;
    host.files["/cars/124377N100001.txt"] = "old";
    host.bAnswerReplace = false;
    host.strSaveAsAnswer = "/cars/124377N100001.txt";
    SaveFlow flow("/cars");
    EXPECT_EQ(flow.Save(WithSerial(), kLines, host), SaveOutcome::Saved);
    EXPECT_EQ(host.files.at("/cars/124377N100001.txt"), ExpectedFile("/cars"));
}

struct PathCase {
    const char* pszName;
    std::string strChosen;
    std::string strWritten;
    std::string strDir;  // the new current directory, also named in line 5
};

void PrintTo(const PathCase& c, std::ostream* pOut) { *pOut << c.pszName; }

class SaveAsPath : public ::testing::TestWithParam<PathCase> {};

TEST_P(SaveAsPath, SplitsAtTheLastSeparator) {
    FakeSaveHost host;
    host.files["/cars/124377N100001.txt"] = "old";
    host.bAnswerReplace = false;  // so the Save As dialog opens
    host.strSaveAsAnswer = GetParam().strChosen;
    SaveFlow flow("/cars");
    std::string strSaved;
    ASSERT_EQ(flow.Save(WithSerial(), kLines, host, &strSaved), SaveOutcome::Saved);
    EXPECT_EQ(strSaved, GetParam().strWritten);
    EXPECT_EQ(flow.CurrentDir(), GetParam().strDir);
    EXPECT_EQ(host.files.at(GetParam().strWritten), ExpectedFile(GetParam().strDir));
}

INSTANTIATE_TEST_SUITE_P(
    SaveFlow, SaveAsPath,
    ::testing::Values(PathCase{"Slashes", "/home/owner/tag.txt", "/home/owner/tag.txt", "/home/owner"},
                      PathCase{"Backslashes", "C:\\Cars\\tag.any", "C:\\Cars\\tag.any", "C:\\Cars"},
                      PathCase{"MixedLastWins", "C:/Cars\\old/tag.txt", "C:/Cars\\old/tag.txt", "C:/Cars\\old"},
                      PathCase{"Root", "/tag.txt", "/tag.txt", "/"},
                      PathCase{"Relative", "sub/tag.txt", "/cars/sub/tag.txt", "/cars/sub"},
                      PathCase{"BareName", "tag.txt", "/cars/tag.txt", "/cars"}),
    [](const auto& info) { return std::string(info.param.pszName); });

TEST(SaveFlow, ChosenPathWithoutANameIsReportedAndChangesNothing) {
    FakeSaveHost host;
    host.strSaveAsAnswer = "/elsewhere/";
    SaveFlow flow("/cars");
    EXPECT_EQ(flow.Save(WithoutName(), kLines, host), SaveOutcome::Failed);
    EXPECT_EQ(host.reports, (Calls{"The file /elsewhere/ could not be saved: No file name was given."}));
    EXPECT_EQ(flow.CurrentDir(), "/cars");
    EXPECT_TRUE(host.viewed.empty());
}

TEST(SaveFlow, FailedWriteIsReportedKeepsTheOldFileAndShowsNothing) {
    FakeSaveHost host;
    host.files["/cars/124377N100001.txt"] = "old";
    host.strFailWritesTo = "/cars/124377N100001.txt";
    host.executables.insert("/cars/VURUverizi");
    host.files["/cars/VURUverizi"] = "";
    SaveFlow flow("/cars");
    EXPECT_EQ(flow.Save(WithSerial(), kLines, host), SaveOutcome::Failed);
    EXPECT_EQ(host.reports,
              (Calls{"The file /cars/124377N100001.txt could not be saved: No space left on device"}));
    EXPECT_EQ(host.files.at("/cars/124377N100001.txt"), "old");
    EXPECT_TRUE(host.viewed.empty());
    EXPECT_TRUE(host.started.empty());
}

TEST(SaveFlow, FailedSaveAsWriteStillMovesTheDirectory) {
    FakeSaveHost host;
    host.strSaveAsAnswer = "/ro/tag.txt";
    host.strFailWritesTo = "/ro/tag.txt";
    SaveFlow flow("/cars");
    EXPECT_EQ(flow.Save(WithoutName(), kLines, host), SaveOutcome::Failed);
    EXPECT_EQ(host.reports.size(), 1u);
    EXPECT_EQ(flow.CurrentDir(), "/ro");
}

struct CompanionCase {
    const char* pszName;
    std::vector<std::string> present;
    std::vector<std::string> executable;
    std::string strStarted;  // empty: the viewer opens the file
};

void PrintTo(const CompanionCase& c, std::ostream* pOut) { *pOut << c.pszName; }

class Companion : public ::testing::TestWithParam<CompanionCase> {};

TEST_P(Companion, ShowsTheSavedFile) {
    FakeSaveHost host;
    for (const std::string& strPath : GetParam().present) host.files[strPath] = "";
    for (const std::string& strPath : GetParam().executable) host.executables.insert(strPath);
    SaveFlow flow("/cars");
    ASSERT_EQ(flow.Save(WithSerial(), kLines, host), SaveOutcome::Saved);
    if (GetParam().strStarted.empty()) {
        EXPECT_TRUE(host.started.empty());
        EXPECT_EQ(host.viewed, (Calls{"/cars/124377N100001.txt"}));
    } else {
        ASSERT_EQ(host.started.size(), 1u);
        EXPECT_EQ(host.started[0].first, GetParam().strStarted);
        EXPECT_EQ(host.started[0].second, (Calls{"/124377N100001.txt"}));
        EXPECT_TRUE(host.viewed.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    SaveFlow, Companion,
    ::testing::Values(
        CompanionCase{"None", {}, {}, ""},
        CompanionCase{"Executable", {"/cars/VURUverizi"}, {"/cars/VURUverizi"}, "/cars/VURUverizi"},
        CompanionCase{"ExecutableExe", {"/cars/VURUverizi.exe"}, {"/cars/VURUverizi.exe"}, "/cars/VURUverizi.exe"},
        CompanionCase{"BothPrefersExe", {"/cars/VURUverizi.exe", "/cars/VURUverizi"},
                      {"/cars/VURUverizi.exe", "/cars/VURUverizi"}, "/cars/VURUverizi.exe"},
        CompanionCase{"NotExecutable", {"/cars/VURUverizi", "/cars/VURUverizi.exe"}, {}, ""},
        CompanionCase{"OtherDirectory", {"/elsewhere/VURUverizi"}, {"/elsewhere/VURUverizi"}, ""}),
    [](const auto& info) { return std::string(info.param.pszName); });

TEST(SaveFlow, CompanionIsLookedForInTheSaveAsDirectory) {
    FakeSaveHost host;
    host.files["/other/VURUverizi"] = "";
    host.executables.insert("/other/VURUverizi");
    host.strSaveAsAnswer = "/other/my tag.any";
    SaveFlow flow("/cars");
    ASSERT_EQ(flow.Save(WithoutName(), kLines, host), SaveOutcome::Saved);
    ASSERT_EQ(host.started.size(), 1u);
    EXPECT_EQ(host.started[0].first, "/other/VURUverizi");
    EXPECT_EQ(host.started[0].second, (Calls{"/my tag.any"}));
}

TEST(SaveFlow, SavingTwiceWritesTheSameFile) {
    FakeSaveHost host;
    SaveFlow flow("/cars");
    ASSERT_EQ(flow.Save(WithSerial(), kLines, host), SaveOutcome::Saved);
    const std::string strFirst = host.files.at("/cars/124377N100001.txt");
    ASSERT_EQ(flow.Save(WithSerial(), kLines, host), SaveOutcome::Saved);
    EXPECT_EQ(host.files.at("/cars/124377N100001.txt"), strFirst);
}

TEST(SaveFlow, SaveToPathActsAsAnAcceptedSaveAs) {
    FakeSaveHost host;
    SaveFlow flow("/cars");
    std::string strSaved;
    EXPECT_EQ(flow.SaveToPath(WithSerial(), kLines, host, "/out/x.txt", &strSaved), SaveOutcome::Saved);
    EXPECT_EQ(strSaved, "/out/x.txt");
    EXPECT_EQ(flow.CurrentDir(), "/out");
    EXPECT_EQ(host.calls, (Calls{"read /out/velkinfo.txt", "write /out/x.txt", "view /out/x.txt"}));
    EXPECT_EQ(host.files.at("/out/x.txt"), ExpectedFile("/out"));
}

}  // namespace
}  // namespace vexlor
