#pragma once
// The commands of vexlor-registry, each on an open registry. Each returns the
// exit status; the caller reports a DatabaseError. What people read is shown
// with its control characters escaped; bTerminal keeps JSON on a terminal to
// ASCII.

#include <iosfwd>

#include "registry/registry_options.h"
#include "registry/run_registry.h"
#include "registry/sqlite_database.h"

namespace vexlor {

int ImportCommand(Database& db, const RegistryOptions& options, std::ostream& out, std::ostream& err,
                  const RegistryEnvironment& environment);
int ListCommand(Database& db, const RegistryOptions& options, std::ostream& out, bool bTerminal);
int SearchCommand(Database& db, const RegistryOptions& options, std::ostream& out, bool bTerminal);
int ReportCommand(Database& db, const RegistryOptions& options, std::ostream& err);
int ShowCommand(Database& db, const RegistryOptions& options, std::ostream& out, std::ostream& err);
int ConflictsCommand(Database& db, std::ostream& out);
int CheckCommand(Database& db, std::ostream& out);
int StatsCommand(Database& db, const RegistryOptions& options, std::ostream& out, bool bTerminal);
int ExportCommand(Database& db, const RegistryOptions& options, std::ostream& out, bool bTerminal);

}  // namespace vexlor
