#pragma once
// What the results suites share: an environment variable set for one test,
// and a SaveHost that keeps its files in memory and writes down every call.

#include <cstdlib>
#include <ctime>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "results/save_flow.h"

namespace vexlor::testing_support {

// Sets (or, with nullopt, clears) an environment variable and puts it back after.
class EnvGuard {
public:
    EnvGuard(const char* pszName, std::optional<std::string> strValue) : m_strName(pszName) {
        if (const char* pszOld = std::getenv(pszName)) m_strOld = pszOld;
        Set(strValue);
    }
    ~EnvGuard() { Set(m_strOld); }
    EnvGuard(const EnvGuard&) = delete;
    EnvGuard& operator=(const EnvGuard&) = delete;

private:
    void Set(const std::optional<std::string>& strValue) {
        strValue ? ::setenv(m_strName.c_str(), strValue->c_str(), 1) : ::unsetenv(m_strName.c_str());
        ::tzset();
    }

    std::string m_strName;
    std::optional<std::string> m_strOld;
};

class FakeSaveHost : public SaveHost {
public:
    std::map<std::string, std::string> files;  // by absolute path
    std::set<std::string> executables;
    bool bAnswerReplace = true;
    std::optional<std::string> strSaveAsAnswer;     // the first Save As answer; asked again, Cancel
    std::vector<std::string> moreSaveAsAnswers;      // or, while there are any, these in turn
    std::string strToday = "07-04-2005";
    std::string strTodayAfterSaveAs;  // set: the Save As dialog stays open past midnight
    std::string strFailWritesTo;     // a path whose write fails
    std::vector<std::string> calls;  // what happened, in order
    std::vector<std::string> reports;

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
        if (!strTodayAfterSaveAs.empty()) strToday = strTodayAfterSaveAs;
        if (strSaveAsAnswer) return std::exchange(strSaveAsAnswer, std::nullopt);
        if (moreSaveAsAnswers.empty()) return std::nullopt;
        const std::string strNext = moreSaveAsAnswers.front();
        moreSaveAsAnswers.erase(moreSaveAsAnswers.begin());
        return strNext;
    }
    std::optional<std::string> ReadFile(const std::string& strPath) override {
        calls.push_back("read " + strPath);
        return files.count(strPath) ? std::optional<std::string>(files.at(strPath)) : std::nullopt;
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
        for (const std::string& strArg : args) calls.back() += " [" + strArg + "]";
    }
    void OpenInViewer(const std::string& strPath) override { calls.push_back("view " + strPath); }
    std::string Today() override { return strToday; }
};

}  // namespace vexlor::testing_support
