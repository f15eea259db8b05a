// "Save data to a file" against a host that keeps its files in memory and
// writes down every call: default name, replace question, Save As and the
// directory it leaves behind, failures, showing the file.
#include <gtest/gtest.h>

#include <map>
#include <tuple>

#include "results/save_flow.h"

namespace vexlor {

using Calls = std::vector<std::string>;

struct FakeHost : SaveHost {
    std::map<std::string, std::string> files;  // by absolute path
    bool bMayRun = true, bReplace = true;       // whether the files may run as programs; the replace answer
    Calls saveAs;                               // the Save As answers in turn; then Cancel
    std::string strFailing, strToday = "07-04-2005";  // the path whose write fails; the date
    Calls calls;

    bool FileExists(const std::string& s) override { return calls.push_back("exists " + s), files.count(s); }
    bool AskReplace(const std::string& s) override { return calls.push_back("ask " + s), bReplace; }
    std::optional<std::string> AskSaveAsPath(const std::string& s) override {
        calls.push_back("save as in " + s), strToday = "07-05-2005";  // open past midnight
        if (saveAs.empty()) return std::nullopt;
        const std::string strAnswer = saveAs.front();
        return saveAs.erase(saveAs.begin()), strAnswer;
    }
    std::optional<std::string> ReadSideFile(const std::string& s) override {
        return files.count(s) ? std::optional(files[s]) : std::nullopt;
    }
    bool WriteFileAtomically(const std::string& s, const std::string& strContent, std::string& strError) override {
        calls.push_back("write " + s);
        return s == strFailing ? (strError = "disk full", false) : (files[s] = strContent, true);
    }
    void ReportWriteFailure(const std::string& s) override { calls.push_back("report " + s); }
    bool IsExecutableFile(const std::string& s) override { return bMayRun && files.count(s); }
    void StartProgram(const std::string& s, const Calls& a) override { calls.push_back("start " + s + " " + a[0]); }
    void OpenInViewer(const std::string& s) override { calls.push_back("view " + s); }
    std::string Today() override { return strToday; }
};

// Named 124377N100001.txt by default, or (with neither serial nor body number) not at all.
DecodeResult Decoded(bool bNamed) {
    DecodeResult r;
    r.m_strVinPrefix = "12437", r.m_strVinTail = bNamed ? "7N100001" : "7N______", r.m_strPlantBody = "N______";
    return r;
}

// What the flow adds to the decode file: the date the button was pressed, line 5 and the side file.
void ExpectFile(const std::string& strFile, const std::string& strLine5Dir, const std::string& strSide = "") {
    EXPECT_TRUE(strFile.find("\t07-04-2005\t") != std::string::npos &&
                strFile.find("directory: " + strLine5Dir + "\r\n") != std::string::npos &&
                strFile.ends_with("\r\nline\r\n\r\n\r\n" + strSide)) << strFile;
}

TEST(SaveFlow, Scenarios) {
    using enum SaveOutcome;
    const std::string kName = "/cars/124377N100001.txt", kExe = "/cars/VURUverizi.exe", kProgram = "/cars/VURUverizi";
    const std::string kAsk = "ask Do you want to replace this file (124377N100001.txt)?", kExists = "exists " + kName;
    const std::string kWrite = "write " + kName, kView = "view " + kName;
    std::vector<std::tuple<bool, bool, Calls, std::optional<std::string>, std::string, SaveOutcome, Calls>> cases = {
        // named by default, replace answer, files there before (each holding "old" and able to run),
        // Save As answer, failing path, outcome, calls
        {true, true, {kName}, {}, "", Saved, {kExists, kAsk, kWrite, kView}},
        {true, false, {kName}, {}, "", Cancelled, {kExists, kAsk, "save as in /cars/"}},
        {false, true, {}, {}, "", Cancelled, {"save as in /cars/"}},
        // a failed write is reported and the Save As dialog follows; cancelled, nothing more is written
        {false, true, {}, "/o/", "", Failed,
         {"save as in /cars/", "report The file /o/ could not be saved: No file name was given.",
          "save as in /cars/"}},
        {true, true, {kName, kProgram}, {}, kName, Failed,
         {kExists, kAsk, kWrite, "report The file " + kName + " could not be saved: disk full", "save as in /cars/"}},
        // the companion program, where the file was saved: the Windows name first, only a program that may run
        {false, true, {kProgram, "/o/VURUverizi"}, "/o/my tag.any", "", Saved,
         {"save as in /cars/", "write /o/my tag.any", "start /o/VURUverizi /my tag.any"}},
        {true, true, {kExe, kProgram}, {}, "", Saved, {kExists, kWrite, "start " + kExe + " /124377N100001.txt"}},
        {true, true, {kExe, kProgram, ""}, {}, "", Saved, {kExists, kWrite, kView}},  // "": this time nothing may run
    };
    for (const auto& [bNamed, bReplace, existing, strSaveAs, strFailing, outcome, calls] : cases) {
        FakeHost host;
        for (const std::string& strPath : existing) host.files[strPath] = "old";
        host.bMayRun = !host.files.count("");
        std::tie(host.bReplace, host.strFailing) = std::tie(bReplace, strFailing);
        if (strSaveAs) host.saveAs = {*strSaveAs};
        SaveFlow flow("/cars/");  // a trailing separator is not doubled
        std::string strSaved;
        EXPECT_EQ(flow.Save(Decoded(bNamed), {"line"}, host, &strSaved), outcome) << calls.back();
        EXPECT_EQ(host.calls, calls);
        if (outcome == Saved) ExpectFile(host.files.at(strSaved), strSaveAs ? "/o" : "");
        EXPECT_EQ(flow.CurrentDir(), outcome == Saved && strSaveAs ? "/o" : "/cars/");  // only a written file moves it
    }
}

// After a failed write the Save As dialog comes back until a file is written there.
TEST(SaveFlow, FailedWriteOffersSaveAsUntilWritten) {
    FakeHost host;
    host.strFailing = "/ro/t";
    host.saveAs = {"/ro/t", "/ro/t", "/home/t"};
    SaveFlow flow("/cars");
    std::string strSaved;
    EXPECT_EQ(flow.Save(Decoded(false), {"line"}, host, &strSaved), SaveOutcome::Saved);
    const std::string kReport = "report The file /ro/t could not be saved: disk full";
    EXPECT_EQ(host.calls, (Calls{"save as in /cars", "write /ro/t", kReport, "save as in /cars", "write /ro/t", kReport,
                                 "save as in /cars", "write /home/t", "view /home/t"}));
    EXPECT_EQ(strSaved + " " + flow.CurrentDir(), "/home/t /home");
}

// A chosen path is split at its last separator (a relative one is read from the current directory), and the
// directory becomes the one where later default names, the side file and the Save As dialog are looked for.
// SaveToPath acts as a Save As answered with the path. A later default-named file names no directory.
TEST(SaveFlow, SaveAsMovesTheCurrentDirectory) {
    for (const auto& [pszChosen, pszWritten, pszDir] : {std::tuple{"/home/me/t", "/home/me/t", "/home/me"},
             {"C:\\Cars\\t", "C:\\Cars\\t", "C:\\Cars"}, {"C:/Cars\\old/t", "C:/Cars\\old/t", "C:/Cars\\old"},
             {"/t", "/t", "/"}, {"sub/t", "/cars/sub/t", "/cars/sub"}, {"t", "/cars/t", "/cars"}}) {
        FakeHost host;
        host.saveAs = {pszChosen};
        SaveFlow flow("/cars");
        EXPECT_EQ(flow.Save(Decoded(false), {"line"}, host), SaveOutcome::Saved);
        EXPECT_EQ(flow.CurrentDir() + " " + std::to_string(host.files.count(pszWritten)), std::string(pszDir) + " 1");
    }
    FakeHost host;
    host.files["/o/velkinfo.txt"] = "side\n";
    SaveFlow flow("/cars");
    ASSERT_EQ(flow.SaveToPath(Decoded(false), {"line"}, host, "/o/mine.any"), SaveOutcome::Saved);
    ExpectFile(host.files["/o/mine.any"], "/o", "side\r\n");
    ASSERT_EQ(flow.Save(Decoded(true), {"line"}, host), SaveOutcome::Saved);
    ExpectFile(host.files["/o/124377N100001.txt"], "", "side\r\n");
    host.calls.clear();
    EXPECT_EQ(flow.Save(Decoded(false), {"line"}, host), SaveOutcome::Cancelled);
    EXPECT_EQ(host.calls, Calls{"save as in /o"});
}

}  // namespace vexlor
