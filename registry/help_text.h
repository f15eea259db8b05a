#pragma once
// The text of vexlor-registry --help.

#include <string_view>

namespace vexlor {

inline constexpr std::string_view kRegistryHelpText =
    R"(Usage: vexlor-registry COMMAND DB [ARGUMENT]... [OPTION]...
Keeps the research group's registry of decode files, the files that owners
save with vexlor or vexlor-decode and send in, in the SQLite database DB.

Commands:
  import DB PATH...   add decode files: each PATH is a file, or a folder
                      searched (with its subfolders) for *.txt files. Creates
                      DB when it is missing. A file already in the registry
                      is not added again; a file that is not a readable decode
                      file is named on standard error with the reason
  list DB             one car a line: key, model year, style, plant, body
                      number, paint, trim and number of submissions
      --year Y        only model year Y (1967, 67, 1968, 68, 1969 or 69)
      --plant P       only plant P (NOR, LOS or VN)
      --style S       only body style S, such as 67-12437
      --paint C       only paint code C, such as R-R
  show DB KEY         every submission of the car KEY: its records, where it
                      came from and its decode text
  conflicts DB        the cars whose submissions carry different codes, code
                      by code, with each value and the file it came from
  stats DB            cars per model year, plant, body style, paint and trim
      --json          as one JSON object
  export DB --csv     every submission as CSV (RFC 4180), with a header line
  export DB --jsonl   every submission as one JSON object a line

A car's key is its VIN key (VIN prefix and tail) when the VIN's sequence
number is complete; else the model-year digit, "B_", the plant letter and the
body number when the body number is complete; else the hash of its one file.
Where a car's submissions differ, list and stats take the latest one.

Other options:
  --help              show this help
  --version           show the version

Exit status: 0 on success, 1 when a file was rejected or the registry could
not be used, 2 for a usage error.

Example:
  vexlor-registry import cars.db mail/2024/
  vexlor-registry list cars.db --year 1969 --plant NOR
  vexlor-registry show cars.db 124379N612345
)";

}  // namespace vexlor
