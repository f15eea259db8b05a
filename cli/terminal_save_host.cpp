#include "cli/terminal_save_host.h"

#include <ctime>
#include <filesystem>
#include <ostream>
#include <utility>

#include "results/decode_file.h"
#include "results/file_system.h"

namespace vexlor {

TerminalSaveHost::TerminalSaveHost(std::ostream& err, bool bForce, bool bOpen, ProgramStarter starter)
    : m_err(err), m_bForce(bForce), m_bOpen(bOpen), m_starter(std::move(starter)) {}

bool TerminalSaveHost::FileExists(const std::string& strPath) { return PathExists(strPath); }

bool TerminalSaveHost::AskReplace(const std::string&) {
    if (!m_bForce) m_bReplaceDeclined = true;
    return m_bForce;
}

// A terminal has no Save As dialog: a save that needs one is cancelled.
std::optional<std::string> TerminalSaveHost::AskSaveAsPath(const std::string&) { return std::nullopt; }

bool TerminalSaveHost::WriteFileAtomically(const std::string& strPath, const std::string& strContent,
                                           std::string& strError) {
    return vexlor::WriteFileAtomically(strPath, strContent, strError);
}

void TerminalSaveHost::ReportWriteFailure(const std::string& strMessage) {
    m_err << "vexlor-decode: " << strMessage << '\n';
}

bool TerminalSaveHost::IsExecutableFile(const std::string& strPath) { return vexlor::IsExecutableFile(strPath); }

// The companion program runs in its own directory, where the name it is given lies.
void TerminalSaveHost::StartProgram(const std::string& strProgram, const std::vector<std::string>& args) {
    Start(strProgram, args, std::filesystem::path(strProgram).parent_path().string());
}

void TerminalSaveHost::OpenInViewer(const std::string& strPath) { Start(kDesktopOpener, {strPath}, {}); }

std::string TerminalSaveHost::Today() { return DecodeFileDate(std::time(nullptr)); }

void TerminalSaveHost::Start(const std::string& strProgram, const std::vector<std::string>& args,
                             const std::string& strWorkingDir) {
    if (!m_bOpen) return;
    if (!m_starter(strProgram, args, strWorkingDir)) m_err << "vexlor-decode: could not start " << strProgram << '\n';
}

}  // namespace vexlor
