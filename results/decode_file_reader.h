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
    NotDecodeFile,    // no notice in line 3
    NoVersion,        // no version at the head of line 1
    WrongFieldCount,  // line 1 without 10 fields or line 2 without 13 columns
    BadDate,          // column 2 of line 2 is not a date mm-dd-yyyy
    RecordsDisagree,  // a code that both records carry differs
};

// Far above any file the writer writes: its fields come from the form or the
// command line, whose arguments together stay within a few MiB, and each
// field is written at most a few times.
inline constexpr size_t kMaxDecodeFileSize = size_t{64} << 20;  // 64 MiB
inline constexpr std::string_view kTooLargeReason = "larger than 64 MiB";

struct ReadOutcome {
    Rejection rejection = Rejection::None;
    std::string strReason;      // one line for the person importing; set when rejected
    DecodeFileRecords records;  // set when not rejected
};

// Line ends CR LF, LF or CR alone, a UTF-8 byte order mark and blanks at the
// end of the lines are accepted; bytes above 127 are kept as they are.
ReadOutcome ReadDecodeFile(std::string_view strBytes);

}  // namespace vexlor
