// "Save data to a file" against a fake host: default name, replace question,
// Save As and the directory it leaves behind, failures, showing the file.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "results/save_flow.h"
#include "results_test_support.h"

namespace vexlor {
namespace {

using testing_support::FakeSaveHost;
using Calls = std::vector<std::string>;

// Named 124377N100001.txt by default.
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

// No serial and no body number: no default name.
DecodeResult WithoutName() {
    DecodeResult r = WithSerial();
    r.m_strVinTail = "7N______";
    r.m_strPlantBody = "N______";
    return r;
}

const std::vector<std::string> kLines = {"line"};

// The file as written for WithSerial() or WithoutName() with the list kLines.
std::string ExpectedFile(bool bWithSerial, const std::string& strLine5Dir, const std::string& strSide = "") {
    const std::string strTail = bWithSerial ? "7N100001" : "7N______";
    const std::string strBody = bWithSerial ? "N065727" : "N______";
    return "3.68,12437," + strTail + ",701A,,67-12437," + strBody + ",741,R-R,\r\n" +
           "\t07-04-2005\t\t\t12437\t" + strTail + "\t701A\t\t" + strBody + "\t\tR-R\t741\t\r\n" +
           "Please do not change the top two lines of this file.  They help VELK with our database work.\r\n\r\n"
           "This file was originaly saved in directory: " + strLine5Dir + "\r\n" +
           "Please e-mail this file to VELK (velk@example.org).\r\n\r\nline\r\n\r\n\r\n" + strSide;
}

struct FlowCase {
    const char* pszName;
    bool bWithSerial;
    std::vector<std::string> existing;     // files there before, each holding "old"
    std::vector<std::string> executables;  // those of them that may run
    bool bReplace;
    std::optional<std::string> strSaveAs;
    const char* pszFailing;  // the path whose write fails
    SaveOutcome outcome;
    const char* pszDir;      // the current directory afterwards
    const char* pszReport;
    Calls calls;
};

TEST(SaveFlow, Scenarios) {
    constexpr const char* kName = "/cars/124377N100001.txt";
    const std::vector<FlowCase> cases = {
        {"DefaultNameIsWrittenAndViewed", true, {}, {}, true, std::nullopt, "", SaveOutcome::Saved, "/cars/", "",
         {"exists /cars/124377N100001.txt", "read /cars/velkinfo.txt", "write /cars/124377N100001.txt",
          "view /cars/124377N100001.txt"}},
        {"ExistingFileAnsweredYesIsOverwritten", true, {kName}, {}, true, std::nullopt, "", SaveOutcome::Saved,
         "/cars/", "",
         {"exists /cars/124377N100001.txt", "ask Do you want to replace this file (124377N100001.txt)?",
          "read /cars/velkinfo.txt", "write /cars/124377N100001.txt", "view /cars/124377N100001.txt"}},
        {"ExistingFileAnsweredNoOpensSaveAsCancelled", true, {kName}, {}, false, std::nullopt, "",
         SaveOutcome::Cancelled, "/cars/", "",
         {"exists /cars/124377N100001.txt", "ask Do you want to replace this file (124377N100001.txt)?",
          "save as in /cars/"}},
        {"NoDefaultNameOpensSaveAsAtOnce", false, {}, {}, true, std::nullopt, "", SaveOutcome::Cancelled, "/cars/", "",
         {"save as in /cars/"}},
        {"SaveAsWithTheDefaultNameStillNamesTheDirectory", true, {kName}, {}, false, kName, "", SaveOutcome::Saved,
         "/cars", "",
         {"exists /cars/124377N100001.txt", "ask Do you want to replace this file (124377N100001.txt)?",
          "save as in /cars/", "read /cars/velkinfo.txt", "write /cars/124377N100001.txt",
          "view /cars/124377N100001.txt"}},
        {"ChosenPathWithoutANameChangesNothing", false, {}, {}, true, "/elsewhere/", "", SaveOutcome::Failed, "/cars/",
         "The file /elsewhere/ could not be saved: No file name was given.", {"save as in /cars/", "report"}},
        {"FailedWriteKeepsTheOldFileAndShowsNothing", true, {kName, "/cars/VURUverizi"}, {"/cars/VURUverizi"}, true,
         std::nullopt, kName, SaveOutcome::Failed, "/cars/",
         "The file /cars/124377N100001.txt could not be saved: No space left on device",
         {"exists /cars/124377N100001.txt", "ask Do you want to replace this file (124377N100001.txt)?",
          "read /cars/velkinfo.txt", "write /cars/124377N100001.txt", "report"}},
        {"FailedSaveAsWriteStillMovesTheDirectory", false, {}, {}, true, "/ro/tag.txt", "/ro/tag.txt",
         SaveOutcome::Failed, "/ro", "The file /ro/tag.txt could not be saved: No space left on device",
         {"save as in /cars/", "read /ro/velkinfo.txt", "write /ro/tag.txt", "report"}},
        {"ExecutableCompanion", true, {"/cars/VURUverizi"}, {"/cars/VURUverizi"}, true, std::nullopt, "",
         SaveOutcome::Saved, "/cars/", "",
         {"exists /cars/124377N100001.txt", "read /cars/velkinfo.txt", "write /cars/124377N100001.txt",
          "start /cars/VURUverizi [/124377N100001.txt]"}},
        {"WindowsCompanionPreferred", true, {"/cars/VURUverizi.exe", "/cars/VURUverizi"},
         {"/cars/VURUverizi.exe", "/cars/VURUverizi"}, true, std::nullopt, "", SaveOutcome::Saved, "/cars/", "",
         {"exists /cars/124377N100001.txt", "read /cars/velkinfo.txt", "write /cars/124377N100001.txt",
          "start /cars/VURUverizi.exe [/124377N100001.txt]"}},
        {"CompanionThatMayNotRunIsPassedOver", true, {"/cars/VURUverizi.exe", "/cars/VURUverizi"}, {}, true,
         std::nullopt, "", SaveOutcome::Saved, "/cars/", "",
         {"exists /cars/124377N100001.txt", "read /cars/velkinfo.txt", "write /cars/124377N100001.txt",
          "view /cars/124377N100001.txt"}},
        {"CompanionIsLookedForInTheSaveAsDirectory", false, {"/cars/VURUverizi", "/other/VURUverizi"},
         {"/cars/VURUverizi", "/other/VURUverizi"}, true, "/other/my tag.any", "", SaveOutcome::Saved, "/other", "",
         {"save as in /cars/", "read /other/velkinfo.txt", "write /other/my tag.any",
          "start /other/VURUverizi [/my tag.any]"}},
    };
    for (const FlowCase& c : cases) {
        SCOPED_TRACE(c.pszName);
        FakeSaveHost host;
        for (const std::string& strPath : c.existing) host.files[strPath] = "old";
        host.executables.insert(c.executables.begin(), c.executables.end());
        host.bAnswerReplace = c.bReplace;
        host.strSaveAsAnswer = c.strSaveAs;
        host.strFailWritesTo = c.pszFailing;
        SaveFlow flow("/cars/");  // a trailing separator is not doubled
        std::string strSaved;
        EXPECT_EQ(flow.Save(c.bWithSerial ? WithSerial() : WithoutName(), kLines, host, &strSaved), c.outcome);
        EXPECT_EQ(host.calls, c.calls);
        EXPECT_EQ(flow.CurrentDir(), c.pszDir);
        EXPECT_EQ(host.reports, *c.pszReport ? Calls{c.pszReport} : Calls{});
        if (c.outcome == SaveOutcome::Saved) {
            EXPECT_EQ(host.files.at(strSaved), ExpectedFile(c.bWithSerial, c.strSaveAs ? c.pszDir : ""));
        }
        for (const std::string& strPath : c.existing) {
            EXPECT_TRUE(strPath == strSaved || host.files.at(strPath) == "old") << strPath;
        }
    }
}

TEST(SaveFlow, SaveAsPathIsSplitAtTheLastSeparator) {
    struct Case {
        const char* pszChosen;
        const char* pszWritten;
        const char* pszDir;  // the new current directory, also named in line 5
    };
    const std::vector<Case> cases = {
        {"/home/owner/tag.txt", "/home/owner/tag.txt", "/home/owner"},
        {"C:\\Cars\\tag.any", "C:\\Cars\\tag.any", "C:\\Cars"},
        {"C:/Cars\\old/tag.txt", "C:/Cars\\old/tag.txt", "C:/Cars\\old"},
        {"/tag.txt", "/tag.txt", "/"},
        {"sub/tag.txt", "/cars/sub/tag.txt", "/cars/sub"},
        {"tag.txt", "/cars/tag.txt", "/cars"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszChosen);
        FakeSaveHost host;
        host.strSaveAsAnswer = c.pszChosen;
        SaveFlow flow("/cars");
        std::string strSaved;
        ASSERT_EQ(flow.Save(WithoutName(), kLines, host, &strSaved), SaveOutcome::Saved);
        EXPECT_EQ(strSaved, c.pszWritten);
        EXPECT_EQ(flow.CurrentDir(), c.pszDir);
        EXPECT_EQ(host.files.at(c.pszWritten), ExpectedFile(false, c.pszDir));
    }
}

TEST(SaveFlow, SaveAsMovesTheCurrentDirectoryForLaterSaves) {
    FakeSaveHost host;
    host.files["/other/dir/velkinfo.txt"] = "side\n";
    host.strSaveAsAnswer = "/other/dir/mine.any";
    SaveFlow flow("/cars");
    ASSERT_EQ(flow.Save(WithoutName(), kLines, host), SaveOutcome::Saved);
    EXPECT_EQ(host.files.at("/other/dir/mine.any"), ExpectedFile(false, "/other/dir", "side\r\n"));

    // A later default-named save lands in the new directory; its line 5 names none.
    host.calls.clear();
    ASSERT_EQ(flow.Save(WithSerial(), kLines, host), SaveOutcome::Saved);
    EXPECT_EQ(host.calls, (Calls{"exists /other/dir/124377N100001.txt", "read /other/dir/velkinfo.txt",
                                 "write /other/dir/124377N100001.txt", "view /other/dir/124377N100001.txt"}));
    const std::string strFirst = host.files.at("/other/dir/124377N100001.txt");
    EXPECT_EQ(strFirst, ExpectedFile(true, "", "side\r\n"));

    // Saving the same decode again writes the same file.
    ASSERT_EQ(flow.Save(WithSerial(), kLines, host), SaveOutcome::Saved);
    EXPECT_EQ(host.files.at("/other/dir/124377N100001.txt"), strFirst);

    // A later save without a default name starts the Save As dialog there.
    host.calls.clear();
    host.strSaveAsAnswer.reset();
    EXPECT_EQ(flow.Save(WithoutName(), kLines, host), SaveOutcome::Cancelled);
    EXPECT_EQ(host.calls, (Calls{"save as in /other/dir"}));
}

TEST(SaveFlow, DateIsTheDayTheButtonWasPressed) {
    FakeSaveHost host;
    host.strSaveAsAnswer = "/cars/tag.txt";
    host.strTodayAfterSaveAs = "07-05-2005";
    SaveFlow flow("/cars");
    ASSERT_EQ(flow.Save(WithoutName(), kLines, host), SaveOutcome::Saved);
    EXPECT_EQ(host.files.at("/cars/tag.txt"), ExpectedFile(false, "/cars"));
}

TEST(SaveFlow, SaveToPathActsAsAnAcceptedSaveAs) {
    FakeSaveHost host;
    SaveFlow flow("/cars");
    std::string strSaved;
    EXPECT_EQ(flow.SaveToPath(WithSerial(), kLines, host, "/out/x.txt", &strSaved), SaveOutcome::Saved);
    EXPECT_EQ(strSaved, "/out/x.txt");
    EXPECT_EQ(flow.CurrentDir(), "/out");
    EXPECT_EQ(host.calls, (Calls{"read /out/velkinfo.txt", "write /out/x.txt", "view /out/x.txt"}));
    EXPECT_EQ(host.files.at("/out/x.txt"), ExpectedFile(true, "/out"));
}

}  // namespace
}  // namespace vexlor
