// report DB --html FILE: the registry as one page to look at.
#include <ostream>

#include "registry/registry_commands.h"

namespace vexlor {

int ReportCommand(Database&, const RegistryOptions&, std::ostream&) { return 0; }

}  // namespace vexlor
