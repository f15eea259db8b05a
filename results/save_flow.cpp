// "Save data to a file": default name, replace question, Save As, the write
// itself and showing the saved file.
#include "results/save_flow.h"

#include "results/decode_file.h"
#include "results/file_system.h"

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

// A side file that cannot be read, or is no small regular file, is no side
// file: the decode file then ends after its list, and nothing can hold the save.
std::optional<std::string> SaveHost::ReadSideFile(const std::string& strPath) {
    return ReadSmallRegularFile(strPath, kMaxSideFileSize).bytes;
}

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
    bool bWriteFailed = false;
    if (!strName.empty()) {
        if (WriteAndShow(result, lines, host, m_strCurrentDir, strName, std::string(), strDate, strSavedPath)) {
            return SaveOutcome::Saved;
        }
        bWriteFailed = true;
    }
    return SaveAsUntilWritten(result, lines, host, strDate, bWriteFailed, strSavedPath);
}

SaveOutcome SaveFlow::SaveToPath(const DecodeResult& result, const std::vector<std::string>& lines,
                                 SaveHost& host, const std::string& strPath, std::string* strSavedPath) {
    const std::string strDate = host.Today();
    if (SaveChosenPath(result, lines, host, strPath, strDate, strSavedPath)) return SaveOutcome::Saved;
    return SaveAsUntilWritten(result, lines, host, strDate, true, strSavedPath);
}

// After a failed write the Save As dialog follows at once, as often as the
// user picks a place that cannot be written; Cancel ends the save.
SaveOutcome SaveFlow::SaveAsUntilWritten(const DecodeResult& result, const std::vector<std::string>& lines,
                                         SaveHost& host, const std::string& strDate, bool bWriteFailed,
                                         std::string* strSavedPath) {
    for (;;) {
        const std::optional<std::string> strChosen = host.AskSaveAsPath(m_strCurrentDir);
        if (!strChosen) return bWriteFailed ? SaveOutcome::Failed : SaveOutcome::Cancelled;
        if (SaveChosenPath(result, lines, host, *strChosen, strDate, strSavedPath)) return SaveOutcome::Saved;
        bWriteFailed = true;
    }
}

bool SaveFlow::SaveChosenPath(const DecodeResult& result, const std::vector<std::string>& lines, SaveHost& host,
                              const std::string& strPath, const std::string& strDate, std::string* strSavedPath) {
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
        return false;
    }
    return WriteAndShow(result, lines, host, strDir, strName, strDir, strDate, strSavedPath);
}

// Only a file that was written moves the current directory: a folder that
// cannot be written never becomes the place of later saves.
bool SaveFlow::WriteAndShow(const DecodeResult& result, const std::vector<std::string>& lines, SaveHost& host,
                            const std::string& strDir, const std::string& strName, const std::string& strLine5Dir,
                            const std::string& strDate, std::string* strSavedPath) {
    const std::string strPath = JoinPath(strDir, strName);
    const std::optional<std::string> strSideFile = host.ReadSideFile(JoinPath(strDir, std::string(kSideFileName)));
    const std::string strContent = DecodeFileContent(result, lines, strDate, strLine5Dir, strSideFile);

    std::string strError;
    if (!host.WriteFileAtomically(strPath, strContent, strError)) {
        host.ReportWriteFailure(WriteFailureMessage(strPath, strError));
        return false;
    }
    m_strCurrentDir = strDir;
    if (strSavedPath != nullptr) *strSavedPath = strPath;
    ShowFile(host, strName);
    return true;
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
