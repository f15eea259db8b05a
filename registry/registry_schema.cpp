#include "registry/registry_schema.h"

#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <optional>
#include <string_view>
#include <thread>

#include "registry/car_identity.h"

namespace vexlor {
namespace {

// Version 1. A car is what the submissions of one car share: its key, and
// the count and the summary codes of its submissions as the latest one gives
// them, kept up to date by every import so that list and stats read this
// table alone. Each submission is one distinct decode file with its records
// (code columns named as in kCodeFields) and its list.
constexpr char kSchemaVersion1[] = R"sql(
CREATE TABLE car (
    car_id           INTEGER PRIMARY KEY,
    car_key          TEXT NOT NULL,
    key_kind         TEXT NOT NULL CHECK (key_kind IN ('vin', 'body', 'file')),
    submission_count INTEGER NOT NULL,
    vin_tail         TEXT NOT NULL,
    plant_body       TEXT NOT NULL,
    style_code       TEXT NOT NULL,
    paint_code       TEXT NOT NULL,
    trim_code        TEXT NOT NULL,
    UNIQUE (key_kind, car_key)
) STRICT;
CREATE TABLE submission (
    submission_id INTEGER PRIMARY KEY,
    sha256        TEXT NOT NULL UNIQUE CHECK (length(sha256) = 64),
    file_name     TEXT NOT NULL,
    imported_at   TEXT NOT NULL,
    car_id        INTEGER NOT NULL REFERENCES car (car_id),
    version       TEXT NOT NULL,
    vin_prefix    TEXT NOT NULL,
    vin_tail      TEXT NOT NULL,
    date_code     TEXT NOT NULL,
    sched_code    TEXT NOT NULL,
    style_code    TEXT NOT NULL,
    plant_body    TEXT NOT NULL,
    trim_code     TEXT NOT NULL,
    paint_code    TEXT NOT NULL,
    option_codes  TEXT NOT NULL,
    saved_date    TEXT NOT NULL,
    decode_text   TEXT NOT NULL
) STRICT;
CREATE INDEX submission_by_car ON submission (car_id);
)sql";

// Version 2. A car keeps every code of its summary, each from its latest
// submission that has one, and the body key it is found by when a file has
// no VIN. The cars are derived again from the submissions (see RederiveCars):
// version 1 counted a car twice when one file gave its VIN and another only
// its body number, and knew submissions by their bytes.
constexpr char kSchemaVersion2[] = R"sql(
PRAGMA defer_foreign_keys = ON;
DROP TABLE car;
CREATE TABLE car (
    car_id           INTEGER PRIMARY KEY,
    car_key          TEXT NOT NULL,
    key_kind         TEXT NOT NULL CHECK (key_kind IN ('vin', 'body', 'file')),
    body_key         TEXT NOT NULL,
    submission_count INTEGER NOT NULL,
    vin_prefix       TEXT NOT NULL,
    vin_tail         TEXT NOT NULL,
    date_code        TEXT NOT NULL,
    sched_code       TEXT NOT NULL,
    style_code       TEXT NOT NULL,
    plant_body       TEXT NOT NULL,
    trim_code        TEXT NOT NULL,
    paint_code       TEXT NOT NULL,
    option_codes     TEXT NOT NULL,
    UNIQUE (key_kind, car_key)
) STRICT;
CREATE INDEX car_by_body ON car (body_key);
)sql";

// Step i brings a database of version i to version i + 1; version 0 is a new,
// empty file. A later schema adds its step here and raises kSchemaVersion.
constexpr std::array<const char*, kSchemaVersion> kMigrations = {kSchemaVersion1, kSchemaVersion2};

bool JournalHoldsChanges(const std::string& strPath) {
    struct stat info {};
    return stat((strPath + "-wal").c_str(), &info) == 0 && info.st_size > 0;
}

// Whether this user may write the file and its folder, where the WAL journal
// keeps its files.
bool MayWrite(const std::string& strPath) {
    const size_t nSlash = strPath.find_last_of('/');
    const std::string strFolder = nSlash == std::string::npos ? "." : strPath.substr(0, nSlash + 1);
    return access(strPath.c_str(), W_OK) == 0 && access(strFolder.c_str(), W_OK) == 0;
}

int UserVersion(Database& db) {
    Statement version(db, "PRAGMA user_version");
    version.Step();
    return static_cast<int>(version.Int(0));
}

// A version below 0 is no schema this program wrote either.
void RefuseUnknown(int nVersion) {
    if (nVersion >= 0 && nVersion <= kSchemaVersion) return;
    throw DatabaseError("the registry has schema version " + std::to_string(nVersion) +
                        "; this vexlor-registry knows versions up to " + std::to_string(kSchemaVersion) +
                        ": use a newer vexlor-registry");
}

// The version and the tables are read in one statement, so both come from
// the same moment: another import may be creating the registry meanwhile.
void RefuseForeign(Database& db) {
    Statement state(db, "SELECT user_version, (SELECT count(*) FROM sqlite_schema) FROM pragma_user_version");
    state.Step();
    if (state.Int(0) == 0 && state.Int(1) > 0) {
        throw DatabaseError("the database holds tables of its own: it is not a vexlor registry");
    }
}

// Inside the write transaction, so that of two programs opening a new file at
// once the second finds the first one's schema.
void Migrate(Database& db) {
    WriteTransaction transaction(db);
    const int nVersion = UserVersion(db);
    RefuseUnknown(nVersion);
    if (nVersion == kSchemaVersion) return;
    RefuseForeign(db);
    for (int nStep = nVersion; nStep < kSchemaVersion; ++nStep) {
        db.Execute(kMigrations[static_cast<size_t>(nStep)]);
    }
    if (nVersion < 2) RederiveCars(db);
    db.Execute(("PRAGMA user_version = " + std::to_string(kSchemaVersion)).c_str());
    transaction.Commit();
}

// Switching to the WAL journal needs the file to itself, and SQLite reports
// a file that another program has open at once instead of waiting for it:
// so try again, as long as the busy timeout. Once switched, a file stays so.
void UseWriteAheadLog(Database& db, const RegistryWait& wait) {
    {
        Statement mode(db, "PRAGMA journal_mode");
        mode.Step();
        if (mode.Text(0) == "wal") return;
    }
    const auto tGiveUp = std::chrono::steady_clock::now() + wait.limit;
    while (!db.TryExecute("PRAGMA journal_mode = WAL")) {
        if (std::chrono::steady_clock::now() > tGiveUp || (wait.pGiveUp != nullptr && wait.pGiveUp->load())) {
            db.Fail("cannot switch to the WAL journal");
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

}  // namespace

Database OpenRegistry(const std::string& strPath, bool bCreate, const RegistryWait& wait) {
    Database db(strPath, bCreate);
    db.SetBusyWait(wait.limit, wait.onLongWait, wait.pGiveUp);
    // Looked at before anything is changed: a file that is no registry is
    // left as it was.
    const int nVersion = UserVersion(db);  // also finds a file that is no database
    RefuseUnknown(nVersion);
    RefuseForeign(db);
    db.Execute("PRAGMA foreign_keys = ON");
    UseWriteAheadLog(db, wait);
    db.Execute("PRAGMA synchronous = NORMAL");
    db.Execute("PRAGMA cache_size = -16384");
    if (nVersion < kSchemaVersion) Migrate(db);
    return db;
}

Database OpenRegistryToRead(const std::string& strPath, OlderSchema older) {
    std::optional<Database> db;
    try {
        db.emplace(strPath, OpenMode::ReadOnly);
        db->SetBusyWait(std::chrono::milliseconds(kBusyTimeoutMs), {}, nullptr);
        UserVersion(*db);  // the first read opens the journal
    } catch (const DatabaseError&) {
        // The WAL journal wants its index file beside the registry, which a
        // reader without the right to write there cannot make. When the
        // journal holds nothing, every page is in the file itself: read it as
        // a file no one writes. An import that begins meanwhile writes to
        // the journal; only its checkpoints change the file under the reader.
        if (JournalHoldsChanges(strPath)) {
            throw DatabaseError("its -wal file holds changes that only a user who may write its folder can read in");
        }
        db.reset();
        db.emplace(strPath, OpenMode::Immutable);
    }
    const int nVersion = UserVersion(*db);
    RefuseUnknown(nVersion);
    RefuseForeign(*db);
    if (nVersion == 0) throw DatabaseError("the database holds no registry yet (import creates one)");
    if (nVersion == kSchemaVersion || older == OlderSchema::Read) return std::move(*db);
    // The reader's queries know the current schema alone. Bringing the
    // registry up to date writes it, once, under the write lock.
    if (!MayWrite(strPath)) {
        throw DatabaseError("the registry has the older schema version " + std::to_string(nVersion) +
                            ": a user who may write it and its folder brings it up to date by running any "
                            "vexlor-registry command on it once");
    }
    db.reset();
    OpenRegistry(strPath, false);
    return OpenRegistryToRead(strPath, older);
}

void CheckpointJournal(Database& db) { db.TryExecute("PRAGMA wal_checkpoint(TRUNCATE)"); }

}  // namespace vexlor
