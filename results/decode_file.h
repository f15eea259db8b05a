#pragma once
// The decode file: two records for the research group's database, notices,
// the results list and the side file. Every line ends with CR LF.

#include <cstddef>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "decoder/decode_result.h"
#include "vexlor_config.h"

namespace vexlor {

// The program's version, the first field of line 1.
inline constexpr std::string_view kVersion = VEXLOR_VERSION;
// Line 6: the request to send the file to the research group.
inline constexpr std::string_view kFileEmailRequest = "Please e-mail this file to VELK (" VEXLOR_CONTACT_EMAIL ").";

inline constexpr std::string_view kSideFileName = "velkinfo.txt";
// A larger side file is left out whole: a cut one would end mid-line, and the
// decode file stays far below the size a reader takes.
inline constexpr size_t kMaxSideFileSize = size_t{64} << 10;
inline constexpr std::string_view kCompanionProgramWindows = "VURUverizi.exe";
inline constexpr std::string_view kCompanionProgram = "VURUverizi";

// Line 3 (two blanks after the first full stop); the research group's reader
// knows a decode file by it.
inline constexpr std::string_view kTopLinesNotice =
    "Please do not change the top two lines of this file.  They help VELK with our database work.";
// What a record field holds in place of its record's separator or a line end.
inline constexpr char kRecordFieldStandIn = '_';

// Line 1, the CSV record, without its line end.
std::string CsvRecord(const DecodeResult& result);
// Line 2, the tab record, without its line end.
std::string TabRecord(const DecodeResult& result, std::string_view strDate);

// The whole file. strSaveDir is the directory named in line 5 (empty when no
// Save As was used); strSideFile is the side file's content (nullopt when none).
std::string DecodeFileContent(const DecodeResult& result, const std::vector<std::string>& lines,
                              std::string_view strDate, std::string_view strSaveDir,
                              const std::optional<std::string>& strSideFile);

// The default file name, or empty when the decode gives none.
std::string DefaultFileName(const DecodeResult& result);

// What names a decode: its VIN key ("124377N100001") when the VIN gives a
// serial, else its body number ("065727"), else empty.
std::string DecodeKey(const DecodeResult& result);

// The date of line 2, "%m-%d-%Y": local date of tNow, or, when
// SOURCE_DATE_EPOCH is set to a number, that moment's UTC date.
std::string DecodeFileDate(std::time_t tNow);

// SOURCE_DATE_EPOCH as seconds since 1970, when it is set, holds nothing but
// digits and fits the time type.
std::optional<std::time_t> SourceDateEpoch();

}  // namespace vexlor
