// import DB PATH...: the files in batches, each batch one transaction, so that
// a kill keeps every batch committed before it, and a second import at the
// same time waits for a batch to end and then finds its files there. The
// files are read and prepared on a second thread meanwhile.
#include <chrono>
#include <optional>
#include <ostream>

#include "registry/import_progress.h"
#include "registry/prepared_walk.h"
#include "registry/registry_commands.h"
#include "registry/registry_importer.h"
#include "registry/registry_schema.h"
#include "registry/terminal_text.h"

namespace vexlor {
namespace {

constexpr long long kBatchFiles = 1000;
constexpr auto kBatchTime = std::chrono::seconds(2);

// PRAGMA quick_check's first finding, or empty when it finds nothing.
std::string QuickCheckFinding(Database& db) {
    Statement check(db, "PRAGMA quick_check(1)");
    if (!check.Step() || check.Text(0) == "ok") return {};
    return std::string(check.Text(0));
}

}  // namespace

int ImportCommand(Database& db, const RegistryOptions& options, std::ostream& out, std::ostream& err,
                  const RegistryEnvironment& environment) {
    if (const std::string strFinding = QuickCheckFinding(db); !strFinding.empty()) {
        err << "vexlor-registry: " << Shown(options.strDatabase) << ": the registry is damaged (" << Shown(strFinding)
            << "); nothing was imported: see vexlor-registry check\n";
        return 1;
    }
    if (environment.watchInterrupt) environment.watchInterrupt();
    // Each checkpoint waits for the disk: a few large ones instead of one
    // every 4 MiB, and the last one when the import ends.
    db.Execute("PRAGMA wal_autocheckpoint = 16384");
    std::optional<WriteTransaction> transaction(std::in_place, db);
    auto tBatchStart = std::chrono::steady_clock::now();
    long long nInBatch = 0;
    RegistryImporter importer(db, ImportTimestamp());
    ImportProgress progress(err, environment.bErrIsTerminal);
    long long nImported = 0, nPresent = 0, nRejected = 0;
    bool bInterrupted = false;

    auto report = [&](const std::string& strPath, const std::string& strReason) {
        progress.Interrupt();
        err << "vexlor-registry: " << Shown(strPath) << ": " << Shown(strReason) << '\n';
    };
    auto reject = [&](const std::string& strPath, const std::string& strReason) {
        report(strPath, strReason);
        ++nRejected;
    };
    auto store = [&](WalkItem& item) {
        if (item.kind != WalkItem::Kind::File) {
            if (item.kind == WalkItem::Kind::Error) reject(item.strPath, item.strReason);
            if (item.kind == WalkItem::Kind::Skipped) report(item.strPath, item.strReason);
            return true;
        }
        const ImportOutcome outcome = importer.Store(item.file);
        switch (outcome.status) {
            case ImportStatus::Imported: ++nImported; break;
            case ImportStatus::AlreadyPresent: ++nPresent; break;
            case ImportStatus::Rejected: reject(item.strPath, outcome.strReason); break;
            case ImportStatus::NotDecodeFile: return true;
        }
        progress.Tick(nImported + nPresent + nRejected);
        if (++nInBatch >= kBatchFiles || std::chrono::steady_clock::now() - tBatchStart >= kBatchTime) {
            transaction->Commit();
            transaction.emplace(db);
            tBatchStart = std::chrono::steady_clock::now();
            nInBatch = 0;
        }
        bInterrupted = environment.pInterrupted != nullptr && environment.pInterrupted->load();
        return !bInterrupted;
    };
    ForEachPreparedFile(options.paths, store);
    transaction->Commit();
    transaction.reset();
    CheckpointJournal(db);
    progress.Finish(nImported + nPresent + nRejected);

    out << nImported << " imported, " << nPresent << " already present, " << nRejected << " rejected"
        << (bInterrupted ? " (interrupted)" : "") << '\n';
    if (bInterrupted) return 130;
    return nRejected > 0 ? 1 : 0;
}

}  // namespace vexlor
