// vexlor-registry: the research group's registry of decode files.
#include <malloc.h>
#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "registry/run_registry.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    // SQLite takes and frees a statement journal for every row an import
    // writes; with the default threshold the C library hands that memory back
    // to the system and asks for it again each time, which costs more than
    // the import itself.
    mallopt(M_TRIM_THRESHOLD, 64 << 20);
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + (argc > 0 ? argc : 0));
    vexlor::RegistryEnvironment environment;
    environment.bOutIsTerminal = isatty(STDOUT_FILENO) != 0;
    environment.bErrIsTerminal = isatty(STDERR_FILENO) != 0;
    return vexlor::RunRegistry(args, std::cout, std::cerr, environment);
}
