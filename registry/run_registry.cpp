#include "registry/run_registry.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>

#include <ostream>

#include "registry/help_text.h"
#include "registry/registry_commands.h"
#include "registry/registry_schema.h"
#include "registry/terminal_text.h"
#include "results/decode_file.h"

namespace vexlor {
namespace {

// Why the registry path cannot name a registry, or empty.
std::string RegistryPathProblem(const std::string& strPath) {
    struct stat info {};
    if (stat(strPath.c_str(), &info) == 0) return S_ISDIR(info.st_mode) ? "it is a folder, not a registry" : "";
    if (errno != ENOENT) return std::strerror(errno);
    const size_t nSlash = strPath.find_last_of('/');
    const std::string strFolder = nSlash == std::string::npos ? "." : strPath.substr(0, nSlash + 1);
    if (stat(strFolder.c_str(), &info) != 0) {
        return errno == ENOENT ? "its folder " + Shown(strFolder) + " does not exist" : std::strerror(errno);
    }
    return S_ISDIR(info.st_mode) ? "" : Shown(strFolder) + " is not a folder";
}

int RunCommand(const RegistryOptions& options, std::ostream& out, std::ostream& err,
               const RegistryEnvironment& environment) {
    const bool bImport = options.command == RegistryCommand::Import;
    std::string strProblem = RegistryPathProblem(options.strDatabase);
    if (strProblem.empty() && !bImport && access(options.strDatabase.c_str(), F_OK) != 0) {
        strProblem = "no registry there (import creates one)";
    }
    if (!strProblem.empty()) {
        err << "vexlor-registry: " << Shown(options.strDatabase) << ": " << strProblem << '\n';
        return 1;
    }
    if (bImport) {
        RegistryWait wait{std::chrono::seconds(options.nWaitSeconds),
                          [&err] { err << "vexlor-registry: waiting for another import to finish\n" << std::flush; },
                          environment.pInterrupted};
        Database db = OpenRegistry(options.strDatabase, true, wait);
        return ImportCommand(db, options, out, err, environment);
    }
    // check looks at a registry of an older schema as it is.
    const bool bCheck = options.command == RegistryCommand::Check;
    Database db = OpenRegistryToRead(options.strDatabase, bCheck ? OlderSchema::Read : OlderSchema::BringUpToDate);
    const bool bTerminal = environment.bOutIsTerminal;
    switch (options.command) {
        case RegistryCommand::List: return ListCommand(db, options, out, bTerminal);
        case RegistryCommand::Search: return SearchCommand(db, options, out, bTerminal);
        case RegistryCommand::Report: return ReportCommand(db, options, err);
        case RegistryCommand::Show: return ShowCommand(db, options, out, err);
        case RegistryCommand::Conflicts: return ConflictsCommand(db, out);
        case RegistryCommand::Stats: return StatsCommand(db, options, out, bTerminal);
        case RegistryCommand::Export: return ExportCommand(db, options, out, bTerminal);
        case RegistryCommand::Check: return CheckCommand(db, out);
        case RegistryCommand::Import:
        case RegistryCommand::Help:
        case RegistryCommand::Version: break;
    }
    return 0;
}

}  // namespace

int RunRegistry(std::span<const std::string> args, std::ostream& out, std::ostream& err,
                const RegistryEnvironment& environment) {
    const RegistryParse parsed = ParseRegistryArguments(args);
    if (!parsed.options) {
        err << Shown(parsed.strError) << '\n';
        return 2;
    }
    const RegistryOptions& options = *parsed.options;
    int nStatus = 0;
    if (options.command == RegistryCommand::Help) {
        out << kRegistryHelpText;
    } else if (options.command == RegistryCommand::Version) {
        out << "vexlor-registry " << kVersion << '\n';
    } else {
        try {
            nStatus = RunCommand(options, out, err, environment);
        } catch (const DatabaseError& error) {
            err << "vexlor-registry: " << Shown(options.strDatabase) << ": "
                << Shown(error.what()) << '\n';
            return 1;
        }
    }
    out.flush();
    if (!out) {
        err << "vexlor-registry: the output could not be written\n";
        return 1;
    }
    return nStatus;
}

}  // namespace vexlor
