#pragma once
// The text of --help.

#include <string_view>

namespace vexlor {

inline constexpr std::string_view kHelpText =
    R"(Usage: vexlor-decode [OPTION]...
       vexlor-decode --read FILE [OPTION]...
       vexlor-decode --batch [FILE]
Decodes the cowl tag and VIN of a 1967, 1968 or 1969 Camaro and prints the
result lines as the results window shows them, one per line.

Each field option takes the text exactly as it would be typed into the form,
as --opt VALUE or --opt=VALUE (a value that begins with "--" needs the =):
  --year TEXT     model year: 1967, 67, 1968, 68, 1969 or 69 (default 1967)
  --vin TEXT      first half of the VIN, such as 124377N
  --serial TEXT   VIN sequence number, six digits
  --date TEXT     build date, 1967 and 1968 tags, such as 01A
  --code TEXT     code beside the build date: Norwood interior paint or
                  Los Angeles scheduling code
  --style TEXT    body style, such as 67-12437
  --plant TEXT    assembly plant: NOR, LOS or VN
  --body TEXT     body number
  --trim TEXT     trim code
  --seat TEXT     seat style letter, 1967
  --paint TEXT    lower paint code
  --top TEXT      top paint code
  --group1 TEXT ... --group5 TEXT
                  option groups 1 to 5, 1967
  --date69 TEXT   build date, 1969 tags
  --code69 TEXT   1969 code field: Norwood special codes or Los Angeles
                  scheduling code

Other options:
  --sample        start from the sample 1967 tag; field options override it
  --read FILE     decode the tag of a saved decode file (no field option or
                  --sample with it); the other options work as for a typed tag
  --json          print the decode as one JSON object
  --save PATH     also write the decode file to PATH
  --save-default  also write the decode file under its default name in the
                  current directory; refused when there is no default name or
                  the file exists
  --force         with --save-default: replace an existing file
  --open          show the saved file (the companion program of its
                  directory, else the desktop's viewer)
  --batch [FILE]  decode JSON Lines from FILE (standard input without FILE or
                  with -): one object per line whose keys are the field
                  option names and whose values are strings; writes one
                  --json object per line, or {"line":N,"error":"..."}
  --help          show this help
  --version       show the version

Exit status: 0 on success, 1 when a save, a batch line or --read failed, 2
for a usage error (unknown option, missing value, a year that is none of the
six).

Example:
  vexlor-decode --year 1968 --style 68-12437 --plant NOR --body 123 --trim 712 --paint C --top C
  echo '{"year":"1969","style":"69-12437","plant":"NOR","code69":"X33"}' | vexlor-decode --batch
)";

}  // namespace vexlor
