// vexlor-registry: the research group's registry of decode files.
#include <malloc.h>
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "registry/run_registry.h"

namespace {

std::atomic<bool> g_bInterrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");

extern "C" void OnInterrupt(int) { g_bInterrupted = true; }

}  // namespace

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
    environment.pInterrupted = &g_bInterrupted;
    environment.watchInterrupt = [] {
        struct sigaction action {};
        action.sa_handler = OnInterrupt;
        action.sa_flags = SA_RESETHAND;  // a second Ctrl-C ends the program at once
        sigemptyset(&action.sa_mask);
        sigaction(SIGINT, &action, nullptr);
    };
    return vexlor::RunRegistry(args, std::cout, std::cerr, environment);
}
