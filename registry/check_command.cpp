// check DB: SQLite's integrity check of the whole registry.
#include <ostream>

#include "registry/registry_commands.h"
#include "registry/terminal_text.h"

namespace vexlor {

int CheckCommand(Database& db, std::ostream& out) {
    Statement check(db, "PRAGMA integrity_check");
    bool bFound = false;
    while (check.Step()) {
        const std::string_view strLine = check.Text(0);
        if (strLine == "ok") continue;
        out << Shown(strLine) << '\n';
        bFound = true;
    }
    if (!bFound) out << "the registry is sound\n";
    return bFound ? 1 : 0;
}

}  // namespace vexlor
