#pragma once
// --save PATH and --save-default: writing the decode file from the command line.

#include <iosfwd>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "cli/program_start.h"
#include "decoder/decode_result.h"

namespace vexlor {

// Saves the decode when the options ask for it. 0 when saved (or nothing was
// asked), 1 when the save was refused or failed; the reason goes to err.
int SaveFromCommandLine(const CliOptions& options, const DecodeResult& result,
                        const std::vector<std::string>& lines, std::ostream& err, const ProgramStarter& starter);

}  // namespace vexlor
