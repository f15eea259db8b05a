#pragma once
// vexlor-registry as a function, so that tests can run it in-process.

#include <iosfwd>
#include <span>
#include <string>

namespace vexlor {

struct RegistryEnvironment {
    bool bOutIsTerminal = false;  // escape control characters in what is shown
    bool bErrIsTerminal = false;  // show the import's progress line; escape file names
};

// Runs the program on the arguments after its name; returns the exit status.
int RunRegistry(std::span<const std::string> args, std::ostream& out, std::ostream& err,
                const RegistryEnvironment& environment = {});

}  // namespace vexlor
