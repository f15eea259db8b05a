#include "cli/save_command.h"

#include <filesystem>
#include <ostream>
#include <system_error>

#include "cli/terminal_save_host.h"
#include "results/decode_file.h"
#include "results/save_flow.h"

namespace vexlor {

namespace {

namespace fs = std::filesystem;

int Finish(SaveOutcome outcome, const TerminalSaveHost& host, const DecodeResult& result,
           const std::string& strSavedPath, std::ostream& err) {
    switch (outcome) {
        case SaveOutcome::Saved:
            err << "Saved " << strSavedPath << '\n';
            return 0;
        case SaveOutcome::Failed:
            return 1;  // the host has reported why
        case SaveOutcome::Cancelled:
            break;
    }
    if (host.ReplaceDeclined()) {
        err << "vexlor-decode: " << DefaultFileName(result)
            << " exists already; give --force to replace it, or --save PATH\n";
    } else {
        err << "vexlor-decode: this decode gives no default file name (it needs a VIN serial or a body number); "
               "give --save PATH\n";
    }
    return 1;
}

}  // namespace

int SaveFromCommandLine(const CliOptions& options, const DecodeResult& result,
                        const std::vector<std::string>& lines, std::ostream& err, const ProgramStarter& starter) {
    if (!options.strSavePath && !options.bSaveDefault) return 0;

    std::error_code error;
    const fs::path currentDir = fs::current_path(error);
    if (error) {
        err << "vexlor-decode: the current directory cannot be read: " << error.message() << '\n';
        return 1;
    }
    TerminalSaveHost host(err, options.bForce, options.bOpen, starter);
    SaveFlow flow(currentDir.string());
    std::string strSavedPath;
    SaveOutcome outcome;
    if (options.strSavePath) {
        // As after a Save As: line 5 names the file's directory, absolute.
        const fs::path target = (currentDir / *options.strSavePath).lexically_normal();
        outcome = flow.SaveToPath(result, lines, host, target.string(), &strSavedPath);
    } else {
        outcome = flow.Save(result, lines, host, &strSavedPath);
    }
    return Finish(outcome, host, result, strSavedPath, err);
}

}  // namespace vexlor
