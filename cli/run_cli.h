#pragma once
// vexlor-decode as a function, so that tests can run it in-process.

#include <iosfwd>
#include <span>
#include <string>

#include "cli/program_start.h"

namespace vexlor {

struct CliEnvironment {
    bool bErrIsTerminal = false;  // show the batch progress line
    ProgramStarter starter = [](const std::string& strProgram, const std::vector<std::string>& args,
                                const std::string& strWorkingDir) {
        return StartDetachedProgram(strProgram, args, strWorkingDir);
    };
};

// Runs the program on the arguments after its name; returns the exit status.
int RunCli(std::span<const std::string> args, std::istream& in, std::ostream& out, std::ostream& err,
           const CliEnvironment& environment = {});

}  // namespace vexlor
