#include "registry/registry_schema.h"

#include "registry/car_identity.h"

#include <array>
#include <chrono>
#include <string_view>
#include <thread>

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

int UserVersion(Database& db) {
    Statement version(db, "PRAGMA user_version");
    version.Step();
    return static_cast<int>(version.Int(0));
}

bool HasTables(Database& db) {
    Statement tables(db, "SELECT count(*) FROM sqlite_schema");
    tables.Step();
    return tables.Int(0) > 0;
}

void RefuseNewer(int nVersion) {
    if (nVersion <= kSchemaVersion) return;
    throw DatabaseError("the registry has schema version " + std::to_string(nVersion) +
                        "; this vexlor-registry knows versions up to " + std::to_string(kSchemaVersion) +
                        ": use a newer vexlor-registry");
}

// Inside the write transaction, so that of two programs opening a new file at
// once the second finds the first one's schema.
void Migrate(Database& db) {
    WriteTransaction transaction(db);
    const int nVersion = UserVersion(db);
    RefuseNewer(nVersion);
    if (nVersion == kSchemaVersion) return;
    if (nVersion == 0 && HasTables(db)) {
        throw DatabaseError("the database holds tables of its own: it is not a vexlor registry");
    }
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
void UseWriteAheadLog(Database& db) {
    {
        Statement mode(db, "PRAGMA journal_mode");
        mode.Step();
        if (mode.Text(0) == "wal") return;
    }
    const auto tGiveUp = std::chrono::steady_clock::now() + std::chrono::milliseconds(kBusyTimeoutMs);
    while (!db.TryExecute("PRAGMA journal_mode = WAL")) {
        if (std::chrono::steady_clock::now() > tGiveUp) db.Fail("cannot switch to the WAL journal");
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

}  // namespace

Database OpenRegistry(const std::string& strPath, bool bCreate) {
    Database db(strPath, bCreate);
    db.SetBusyTimeout(kBusyTimeoutMs);
    const int nVersion = UserVersion(db);  // also finds a file that is no database
    RefuseNewer(nVersion);
    db.Execute("PRAGMA foreign_keys = ON");
    UseWriteAheadLog(db);
    db.Execute("PRAGMA synchronous = NORMAL");
    db.Execute("PRAGMA cache_size = -16384");
    if (nVersion < kSchemaVersion) Migrate(db);
    return db;
}

}  // namespace vexlor
