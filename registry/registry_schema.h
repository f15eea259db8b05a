#pragma once
// The registry's database: its schema, the steps that bring an older one up
// to date, and opening it with the settings every connection uses.

#include <string>

#include "registry/sqlite_database.h"

namespace vexlor {

// The schema this program writes, kept in PRAGMA user_version.
inline constexpr int kSchemaVersion = 2;

// How long an import waits for another one that holds the database.
inline constexpr int kBusyTimeoutMs = 5 * 60 * 1000;

// Opens the registry: foreign keys on, WAL journal, the busy timeout. With
// bCreate a missing file is created. An older schema is brought up to date; a
// newer one, or a database that is not a registry, throws DatabaseError.
Database OpenRegistry(const std::string& strPath, bool bCreate);

}  // namespace vexlor
