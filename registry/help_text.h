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
                      trim, build date and number of submissions, each code
                      with what it means; long codes are cut
      --year Y        only model year Y (1967, 67, 1968, 68, 1969 or 69)
      --plant P       only plant P (NOR, LOS or VN)
      --style S       only body style S, such as 67-12437
      --paint C       only paint code C, such as R-R
      --json          as one JSON array
  search DB TERM...   the cars that fit every TERM, printed as list prints
                      them: a VIN or part of one, a body number, an option
                      code (X33, Z28), a trim code or colour, a paint code or
                      colour, a plant, a model year or a body style; FIELD:TERM
                      looks in one field only (vin, body, option, trim, paint,
                      plant, year, style)
      --built A..B    only cars built from A to B, such as 02A..04C (within a
                      model year, August first) or 810A..902C (with the
                      calendar digit of the date code)
      --json          as one JSON array
  show DB KEY         every submission of the car KEY: its records, each code
                      with what it means, where it came from and its decode
                      text. KEY is a car's key, VIN or body number, in any
                      case, or the start of a key
  conflicts DB        the cars whose submissions carry different codes, code
                      by code, with each value and the file it came from
  stats DB            cars and their share per model year, plant, body style,
                      paint, trim and build month
      --by A,B        a cross-table of two of year, plant, style, paint,
                      trim and month, such as paint,year
      --json          as one JSON object
      --csv           as CSV
  report DB --html FILE
                      writes one HTML page with charts and their tables:
                      totals, cars per build month and plant, paints and
                      trims per year, body number against build date per
                      plant, and the conflicts
  export DB --csv     every submission as CSV (RFC 4180), with a header line;
                      a cell that begins with =, +, -, @, a tab or a carriage
                      return gets a leading ' so that a spreadsheet does not
                      run it as a formula
      --csv-raw       the same CSV with every cell as it is stored
  export DB --jsonl   every submission as one JSON object a line
  check DB            SQLite's integrity check of the registry: exit status 1
                      on any finding (an import refuses a damaged registry)

A car is known by its VIN key (VIN prefix and tail) when the VIN's sequence
number is complete. A file without one joins the car of the same model year,
plant and body number, whose key is then the model-year digit, "B_", the
plant letter and the body number until a file gives its VIN. A file with
neither is a car of its own, keyed by its hash. A car's summary takes each
code from its latest submission that has one. A file that differs from one
in the registry only in line ends, a byte order mark, blanks at the ends of
lines or what follows the decode text is already present.

Every command but import only reads, and needs no right to write the
registry or its folder; report writes only its page. A registry of an older
schema is brought up to date once, by the first command of a user who may
write it and its folder; check reads it as it is. Control characters and
direction overrides in what list, search, show, conflicts, stats and the
messages show are written as escapes such as \x1B or \u202E, on a terminal
or not; the report escapes every value as HTML; --json, --jsonl and the
--csv-raw CSV carry the values exactly.

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
  vexlor-registry search cars.db Z28 --built 02A..04C
  vexlor-registry stats cars.db --by paint,year
  vexlor-registry report cars.db --html report.html
)";

}  // namespace vexlor
