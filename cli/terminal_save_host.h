#pragma once
// Saving from the command line: nothing is asked. A question the window would
// put to the user is answered by the options instead (--force), and the Save
// As dialog never opens: the caller reports why a save was refused.

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "cli/program_start.h"
#include "results/save_flow.h"

namespace vexlor {

class TerminalSaveHost : public SaveHost {
public:
    // bForce answers the replace question with Yes; bOpen lets the viewer or
    // the companion program start on the saved file.
    TerminalSaveHost(std::ostream& err, bool bForce, bool bOpen, ProgramStarter starter);

    bool FileExists(const std::string& strPath) override;
    bool AskReplace(const std::string& strQuestion) override;
    std::optional<std::string> AskSaveAsPath(const std::string& strDirectory) override;
    bool WriteFileAtomically(const std::string& strPath, const std::string& strContent,
                             std::string& strError) override;
    void ReportWriteFailure(const std::string& strMessage) override;
    bool IsExecutableFile(const std::string& strPath) override;
    void StartProgram(const std::string& strProgram, const std::vector<std::string>& args) override;
    void OpenInViewer(const std::string& strPath) override;
    std::string Today() override;

    // A replace question was declined on the way.
    bool ReplaceDeclined() const { return m_bReplaceDeclined; }

private:
    void Start(const std::string& strProgram, const std::vector<std::string>& args, const std::string& strWorkingDir);

    std::ostream& m_err;
    bool m_bForce;
    bool m_bOpen;
    ProgramStarter m_starter;
    bool m_bReplaceDeclined = false;
};

}  // namespace vexlor
