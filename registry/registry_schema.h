#pragma once
// The registry's database: its schema, the steps that bring an older one up
// to date, and opening it with the settings every connection uses.

#include <atomic>
#include <chrono>
#include <functional>
#include <string>

#include "registry/sqlite_database.h"

namespace vexlor {

// The schema this program writes, kept in PRAGMA user_version.
inline constexpr int kSchemaVersion = 2;

// How long a reader waits for a writer that holds the database.
inline constexpr int kBusyTimeoutMs = 5 * 60 * 1000;

// How long an import waits for another one that holds the database, what it
// does when that wait has lasted a second, and what ends it early.
struct RegistryWait {
    std::chrono::milliseconds limit{kBusyTimeoutMs};
    std::function<void()> onLongWait;
    const std::atomic<bool>* pGiveUp = nullptr;  // when set, the wait ends
};

// Opens the registry to write: foreign keys on, WAL journal, the wait. With
// bCreate a missing file is created. An older schema is brought up to date; a
// schema this program does not know, or a database that is not a registry,
// throws DatabaseError, and the file is left as it was.
Database OpenRegistry(const std::string& strPath, bool bCreate, const RegistryWait& wait = {});

// What a reader does with a registry of an older schema: bring it up to date
// first when this user may write it and its folder (else DatabaseError says
// who can), or read it as it is.
enum class OlderSchema { BringUpToDate, Read };

// Opens the registry to read, needing no right to write the file or its
// folder unless its schema is older. A database that holds no registry, or
// one of a schema this program does not know, throws DatabaseError.
Database OpenRegistryToRead(const std::string& strPath, OlderSchema older = OlderSchema::BringUpToDate);

// Moves what the WAL journal holds into the file and empties the journal, so
// that a reader without write rights finds everything in the file; the
// journal is left as it is while another program reads it.
void CheckpointJournal(Database& db);

}  // namespace vexlor
