#pragma once
// Reads a decode file back: the two records at its top and the results list.
// For every file the writer produces, reading gives back each record field as
// the writer wrote it; files that arrive edited, truncated or foreign are
// refused with a reason.

#include <cstddef>
#include <string>
#include <string_view>

#include "results/code_fields.h"

namespace vexlor {

struct DecodeFileRecords {
    std::string strVersion;    // field 1 of line 1: the version of the program that saved it
    TagCodes codes;            // in kCodeFields order
    std::string strSavedDate;  // column 2 of line 2, mm-dd-yyyy
    std::string strDecodeText; // the results list, its lines joined by '\n'
};

enum class Rejection {
    None,
    Unreadable,       // the file cannot be read
    TooLarge,         // over kMaxDecodeFileSize
    HoldsNul,         // a NUL byte: not a text file
    NotDecodeFile,    // no notice in line 3, or no version at the head of line 1
    WrongFieldCount,  // line 1 without 10 fields or line 2 without 13 columns
    BadDate,          // column 2 of line 2 is not a date mm-dd-yyyy
    RecordsDisagree,  // a code that both records carry differs
};

inline constexpr size_t kMaxDecodeFileSize = size_t{1} << 20;  // 1 MiB
inline constexpr std::string_view kTooLargeReason = "larger than 1 MiB";

struct ReadOutcome {
    Rejection rejection = Rejection::None;
    std::string strReason;      // one line for the person importing; set when rejected
    DecodeFileRecords records;  // set when not rejected
};

// Line ends CR LF or LF, a UTF-8 byte order mark and blanks at the end of the
// lines are accepted; bytes above 127 are kept as they are.
ReadOutcome ReadDecodeFile(std::string_view strBytes);

}  // namespace vexlor
