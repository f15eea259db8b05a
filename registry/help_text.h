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
                      searched (with its subfolders) for decode files, known
                      by their content whatever their names end in. Creates
                      DB when it is missing. A file already in the registry
                      is not added again; a named file or *.txt file that is
                      not a readable decode file, and a folder that cannot be
                      searched, are named on standard error with the reason.
                      Links to files are followed, links to folders only
                      within PATH. Commits every 1,000 files or 2 seconds;
                      Ctrl-C ends it after the file at hand, keeping what it
                      has done (exit status 130)
      --wait SECONDS  wait at most this long for another import to finish
                      (default 300); after a second it says it is waiting
  list DB             one car a line: key (a file's key by its first 12
                      digits), model year, style, plant, body number, paint,
                      trim and number of submissions; long codes are cut
      --year Y        only model year Y (1967, 67, 1968, 68, 1969 or 69)
      --plant P       only plant P (NOR, LOS or VN)
      --style S       only body style S, such as 67-12437
      --paint C       only paint code C, such as R-R
  show DB KEY         every submission of the car KEY: its records, where it
                      came from and its decode text. KEY is a car's key, VIN
                      or body number, in any case, or the start of a key
  conflicts DB        the cars whose submissions carry different codes, code
                      by code, with each value and the file it came from
  stats DB            cars per model year, plant, body style, paint and trim
      --json          as one JSON object
  export DB --csv     every submission as CSV (RFC 4180), with a header line;
                      a cell that begins with =, +, -, @, a tab or a carriage
                      return gets a leading ' so that a spreadsheet does not
                      run it as a formula
      --csv-raw       the same CSV with every cell as it is stored
  export DB --jsonl   every submission as one JSON object a line
  check DB            SQLite's integrity check of the registry: exit status 1
                      on any finding (an import refuses a damaged registry)

A car's key is its VIN key (VIN prefix and tail) when the VIN's sequence
number is complete; else the model-year digit, "B_", the plant letter and the
body number when the body number is complete; else the hash of its one file.
Where a car's submissions differ, list and stats take the latest one.

Every command but import only reads, and needs no right to write the
registry or its folder. Control characters and direction overrides in what
list, show, conflicts, stats and the messages show are written as escapes
such as \x1B or \u202E, on a terminal or not; --json, --jsonl and the CSV
carry the values exactly.

Other options:
  --help              show this help
  --version           show the version

Exit status: 0 on success, 1 when a file was rejected, the registry could not
be used or check found damage, 2 for a usage error, 130 for an import ended
by Ctrl-C.

Example:
  vexlor-registry import cars.db mail/2024/
  vexlor-registry list cars.db --year 1969 --plant NOR
  vexlor-registry show cars.db 124379N612345
)";

}  // namespace vexlor
