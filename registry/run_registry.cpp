#include "registry/run_registry.h"

#include <unistd.h>

#include <ostream>

#include "registry/help_text.h"
#include "registry/registry_commands.h"
#include "registry/registry_schema.h"
#include "registry/terminal_text.h"
#include "results/decode_file.h"

namespace vexlor {
namespace {

int RunCommand(const RegistryOptions& options, std::ostream& out, std::ostream& err,
               const RegistryEnvironment& environment) {
    const bool bImport = options.command == RegistryCommand::Import;
    if (!bImport && access(options.strDatabase.c_str(), F_OK) != 0) {
        err << "vexlor-registry: " << Shown(options.strDatabase, environment.bErrIsTerminal)
            << ": no registry there (import creates one)\n";
        return 1;
    }
    Database db = OpenRegistry(options.strDatabase, bImport);
    const bool bTerminal = environment.bOutIsTerminal;
    switch (options.command) {
        case RegistryCommand::Import: return ImportCommand(db, options, out, err, environment);
        case RegistryCommand::List: return ListCommand(db, options, out, bTerminal);
        case RegistryCommand::Search: return SearchCommand(db, options, out, bTerminal);
        case RegistryCommand::Report: return ReportCommand(db, options, err);
        case RegistryCommand::Show: return ShowCommand(db, options, out, err, bTerminal);
        case RegistryCommand::Conflicts: return ConflictsCommand(db, out, bTerminal);
        case RegistryCommand::Stats: return StatsCommand(db, options, out, bTerminal);
        case RegistryCommand::Export: return ExportCommand(db, options, out, bTerminal);
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
        err << Shown(parsed.strError, environment.bErrIsTerminal) << '\n';
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
            err << "vexlor-registry: " << Shown(options.strDatabase, environment.bErrIsTerminal) << ": "
                << error.what() << '\n';
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
