// A failed write never traps the user: the message names the path and the
// reason, the Save As dialog follows at once, and only a written file moves
// the directory of later saves.
#include <gtest/gtest.h>

#include "results/save_flow.h"
#include "results_test_support.h"

namespace vexlor {
namespace {

using Calls = std::vector<std::string>;

DecodeResult WithoutDefaultName() {
    DecodeResult result;
    result.m_strVinTail = "7N______";
    result.m_strPlantBody = "N______";
    return result;
}

TEST(FailedSave, SaveAsFollowsUntilAFileIsWritten) {
    testing_support::FakeSaveHost host;
    host.strFailWritesTo = "/ro/tag.txt";
    host.strSaveAsAnswer = "/ro/tag.txt";
    host.moreSaveAsAnswers = {"/ro/tag.txt", "/home/tag.txt"};
    SaveFlow flow("/cars");
    std::string strSaved;
    EXPECT_EQ(flow.Save(WithoutDefaultName(), {}, host, &strSaved), SaveOutcome::Saved);
    EXPECT_EQ(host.calls, (Calls{"save as in /cars", "read /ro/velkinfo.txt", "write /ro/tag.txt", "report",
                                 "save as in /cars", "read /ro/velkinfo.txt", "write /ro/tag.txt", "report",
                                 "save as in /cars", "read /home/velkinfo.txt", "write /home/tag.txt",
                                 "view /home/tag.txt"}));
    EXPECT_EQ(host.reports.front(), "The file /ro/tag.txt could not be saved: No space left on device");
    EXPECT_EQ(strSaved, "/home/tag.txt");
    EXPECT_EQ(flow.CurrentDir(), "/home");
}

TEST(FailedSave, CancelAfterAFailedWriteWritesNothingAndKeepsTheDirectory) {
    for (const char* pszFailing : {"/cars/7B_N065727.txt", "/ro/tag.txt"}) {  // the default name, a Save As path
        testing_support::FakeSaveHost host;
        DecodeResult result = WithoutDefaultName();
        if (pszFailing[1] == 'c') result.m_strPlantBody = "N065727";
        else host.strSaveAsAnswer = pszFailing;
        host.strFailWritesTo = pszFailing;
        SaveFlow flow("/cars");
        EXPECT_EQ(flow.Save(result, {}, host), SaveOutcome::Failed) << pszFailing;
        EXPECT_EQ(host.calls.back(), "save as in /cars");
        EXPECT_EQ(host.reports.size(), 1u);
        EXPECT_TRUE(host.files.empty());
        EXPECT_EQ(flow.CurrentDir(), "/cars");
    }
}

}  // namespace
}  // namespace vexlor
