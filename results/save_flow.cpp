// "Save data to a file": default name, replace question, Save As, the write
// itself and showing the saved file.
#include "results/save_flow.h"

#include "results/decode_file.h"

namespace vexlor {
namespace {

constexpr std::string_view kSeparators = "/\\";

bool IsAbsolute(const std::string& strPath) {
    if (!strPath.empty() && kSeparators.find(strPath[0]) != std::string_view::npos) return true;
    return strPath.size() >= 2 && strPath[1] == ':';  // a drive letter
}

// A directory written with backslashes only (a Windows path) is joined with one.
std::string JoinPath(const std::string& strDir, const std::string& strName) {
    if (strDir.empty()) return strName;
    if (kSeparators.find(strDir.back()) != std::string_view::npos) return strDir + strName;
    const bool bBackslashes = strDir.find('\\') != std::string::npos && strDir.find('/') == std::string::npos;
    return strDir + (bBackslashes ? "\\" : "/") + strName;
}

std::string ReplaceQuestion(const std::string& strName) {
    return "Do you want to replace this file (" + strName + ")?";
}

std::string WriteFailureMessage(const std::string& strPath, const std::string& strReason) {
    return "The file " + strPath + " could not be saved: " + strReason;
}

}  // namespace

SaveFlow::SaveFlow(std::string strCurrentDir) : m_strCurrentDir(std::move(strCurrentDir)) {}

SaveOutcome SaveFlow::Save(const DecodeResult& result, const std::vector<std::string>& lines, SaveHost& host,
                           std::string* strSavedPath) {
    // The date of the moment the button was pressed, even when the Save As
    // dialog stays open past midnight.
    const std::string strDate = host.Today();
    std::string strName = DefaultFileName(result);
    if (!strName.empty() && host.FileExists(JoinPath(m_strCurrentDir, strName)) &&
        !host.AskReplace(ReplaceQuestion(strName))) {
        strName.clear();
    }
    if (strName.empty()) {
        const std::optional<std::string> strChosen = host.AskSaveAsPath(m_strCurrentDir);
        if (!strChosen) return SaveOutcome::Cancelled;
        return SaveChosenPath(result, lines, host, *strChosen, strDate, strSavedPath);
    }
    return WriteAndShow(result, lines, host, strName, std::string(), strDate, strSavedPath);
}

SaveOutcome SaveFlow::SaveToPath(const DecodeResult& result, const std::vector<std::string>& lines,
                                 SaveHost& host, const std::string& strPath, std::string* strSavedPath) {
    return SaveChosenPath(result, lines, host, strPath, host.Today(), strSavedPath);
}

SaveOutcome SaveFlow::SaveChosenPath(const DecodeResult& result, const std::vector<std::string>& lines,
                                     SaveHost& host, const std::string& strPath, const std::string& strDate,
                                     std::string* strSavedPath) {
    const size_t nSeparator = strPath.find_last_of(kSeparators);
    std::string strDir = m_strCurrentDir;
    std::string strName = strPath;
    if (nSeparator != std::string::npos) {
        // The root keeps its separator; any other directory is named without one.
        strDir = strPath.substr(0, nSeparator == 0 ? 1 : nSeparator);
        strName = strPath.substr(nSeparator + 1);
        if (!IsAbsolute(strDir)) strDir = JoinPath(m_strCurrentDir, strDir);
    }
    if (strName.empty()) {
        host.ReportWriteFailure(WriteFailureMessage(strPath, "No file name was given."));
        return SaveOutcome::Failed;
    }
    m_strCurrentDir = strDir;
    return WriteAndShow(result, lines, host, strName, strDir, strDate, strSavedPath);
}

SaveOutcome SaveFlow::WriteAndShow(const DecodeResult& result, const std::vector<std::string>& lines,
                                   SaveHost& host, const std::string& strName, const std::string& strLine5Dir,
                                   const std::string& strDate, std::string* strSavedPath) {
    const std::string strPath = JoinPath(m_strCurrentDir, strName);
    const std::optional<std::string> strSideFile = host.ReadFile(JoinPath(m_strCurrentDir, std::string(kSideFileName)));
    const std::string strContent = DecodeFileContent(result, lines, strDate, strLine5Dir, strSideFile);

    std::string strError;
    if (!host.WriteFileAtomically(strPath, strContent, strError)) {
        host.ReportWriteFailure(WriteFailureMessage(strPath, strError));
        return SaveOutcome::Failed;
    }
    if (strSavedPath != nullptr) *strSavedPath = strPath;
    ShowFile(host, strName);
    return SaveOutcome::Saved;
}

// The companion program, when the directory holds one, is started on the name;
// otherwise the file opens in the desktop's text viewer.
void SaveFlow::ShowFile(SaveHost& host, const std::string& strName) const {
    const std::vector<std::string> args = {"/" + strName};
#ifdef _WIN32
    const std::string strCompanion = JoinPath(m_strCurrentDir, std::string(kCompanionProgramWindows));
    if (host.FileExists(strCompanion)) {
        host.StartProgram(strCompanion, args);
        return;
    }
#else
    // Here only a file that may be run counts as the companion.
    for (std::string_view strProgram : {kCompanionProgramWindows, kCompanionProgram}) {
        const std::string strCompanion = JoinPath(m_strCurrentDir, std::string(strProgram));
        if (host.IsExecutableFile(strCompanion)) {
            host.StartProgram(strCompanion, args);
            return;
        }
    }
#endif
    host.OpenInViewer(JoinPath(m_strCurrentDir, strName));
}

}  // namespace vexlor
