// vexlor-registry: the research group's registry of decode files.
#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "registry/run_registry.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + (argc > 0 ? argc : 0));
    vexlor::RegistryEnvironment environment;
    environment.bOutIsTerminal = isatty(STDOUT_FILENO) != 0;
    environment.bErrIsTerminal = isatty(STDERR_FILENO) != 0;
    return vexlor::RunRegistry(args, std::cout, std::cerr, environment);
}
