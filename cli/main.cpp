// vexlor-decode: the tag decoder on the command line.
#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "cli/run_cli.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + (argc > 0 ? argc : 0));
    vexlor::CliEnvironment environment;
    environment.bErrIsTerminal = isatty(STDERR_FILENO) != 0;
    return vexlor::RunCli(args, std::cin, std::cout, std::cerr, environment);
}
