#pragma once
// A SaveHost that keeps its files in memory and writes down every call.

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "results/save_flow.h"

namespace vexlor::testing_support {

class FakeSaveHost : public SaveHost {
public:
    // Files by absolute path.
    std::map<std::string, std::string> files;
    std::set<std::string> executables;
    bool bAnswerReplace = true;
    std::optional<std::string> strSaveAsAnswer;
    std::string strFailWritesTo;  // a path whose write fails
    std::string strToday = "07-04-2005";

    // What happened, in order.
    std::vector<std::string> calls;
    std::vector<std::string> reports;
    std::vector<std::pair<std::string, std::vector<std::string>>> started;
    std::vector<std::string> viewed;

    bool FileExists(const std::string& strPath) override {
        calls.push_back("exists " + strPath);
        return files.count(strPath) != 0;
    }
    bool AskReplace(const std::string& strQuestion) override {
        calls.push_back("ask " + strQuestion);
        return bAnswerReplace;
    }
    std::optional<std::string> AskSaveAsPath(const std::string& strDirectory) override {
        calls.push_back("save as in " + strDirectory);
        return strSaveAsAnswer;
    }
    std::optional<std::string> ReadFile(const std::string& strPath) override {
        calls.push_back("read " + strPath);
        const auto it = files.find(strPath);
        if (it == files.end()) return std::nullopt;
        return it->second;
    }
    bool WriteFileAtomically(const std::string& strPath, const std::string& strContent,
                             std::string& strError) override {
        calls.push_back("write " + strPath);
        if (strPath == strFailWritesTo) {
            strError = "No space left on device";
            return false;
        }
        files[strPath] = strContent;
        return true;
    }
    void ReportWriteFailure(const std::string& strMessage) override {
        calls.push_back("report");
        reports.push_back(strMessage);
    }
    bool IsExecutableFile(const std::string& strPath) override {
        return files.count(strPath) != 0 && executables.count(strPath) != 0;
    }
    void StartProgram(const std::string& strProgram, const std::vector<std::string>& args) override {
        calls.push_back("start " + strProgram);
        started.emplace_back(strProgram, args);
    }
    void OpenInViewer(const std::string& strPath) override {
        calls.push_back("view " + strPath);
        viewed.push_back(strPath);
    }
    std::string Today() override { return strToday; }
};

}  // namespace vexlor::testing_support
