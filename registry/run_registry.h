#pragma once
// vexlor-registry as a function, so that tests can run it in-process.

#include <atomic>
#include <functional>
#include <iosfwd>
#include <span>
#include <string>

namespace vexlor {

struct RegistryEnvironment {
    bool bOutIsTerminal = false;  // JSON in ASCII only
    bool bErrIsTerminal = false;  // show the import's progress line
    // Set when the user asks the program to stop (Ctrl-C): an import ends
    // after the file at hand, keeps what it has done and exits with 130.
    const std::atomic<bool>* pInterrupted = nullptr;
    // Called when an import begins: from then on Ctrl-C sets *pInterrupted
    // once instead of ending the program at once.
    std::function<void()> watchInterrupt;
};

// Runs the program on the arguments after its name; returns the exit status.
int RunRegistry(std::span<const std::string> args, std::ostream& out, std::ostream& err,
                const RegistryEnvironment& environment = {});

}  // namespace vexlor
