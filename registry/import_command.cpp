// import DB PATH...: every file in one transaction, so an import is in the
// registry whole or not at all, and a second import at the same time waits
// for it and then finds its files there.
#include <ostream>

#include "registry/file_source.h"
#include "registry/import_progress.h"
#include "registry/registry_commands.h"
#include "registry/registry_importer.h"
#include "registry/terminal_text.h"

namespace vexlor {

int ImportCommand(Database& db, const RegistryOptions& options, std::ostream& out, std::ostream& err,
                  const RegistryEnvironment& environment) {
    WriteTransaction transaction(db);
    RegistryImporter importer(db, ImportTimestamp());
    ImportProgress progress(err, environment.bErrIsTerminal);
    long long nImported = 0, nPresent = 0, nRejected = 0;

    auto reject = [&](const std::string& strPath, const std::string& strReason) {
        progress.Interrupt();
        err << "vexlor-registry: " << Shown(strPath, environment.bErrIsTerminal) << ": " << strReason << '\n';
        ++nRejected;
    };
    auto importFile = [&](const std::string& strPath) {
        const ImportOutcome outcome = importer.ImportFile(strPath);
        switch (outcome.status) {
            case ImportStatus::Imported: ++nImported; break;
            case ImportStatus::AlreadyPresent: ++nPresent; break;
            case ImportStatus::Rejected: reject(strPath, outcome.strReason); break;
        }
        progress.Tick(nImported + nPresent + nRejected);
    };
    auto folderError = [&](const std::string& strFolder, const std::string& strError) {
        reject(strFolder, "cannot be searched: " + strError);
    };
    for (const std::string& strPath : options.paths) ForEachImportFile(strPath, importFile, folderError);
    transaction.Commit();
    progress.Finish(nImported + nPresent + nRejected);

    out << nImported << " imported, " << nPresent << " already present, " << nRejected << " rejected\n";
    return nRejected > 0 ? 1 : 0;
}

}  // namespace vexlor
