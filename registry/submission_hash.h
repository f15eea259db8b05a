#pragma once
// A submission is known by the hash of what it says, not of its bytes: the
// same decode file with other line ends, a byte order mark, blanks at the
// ends of lines or a mail signature after the decode text is the same
// submission.

#include <string>
#include <string_view>

#include "results/code_fields.h"

namespace vexlor {

// SHA-256 (64 hex digits) of the version, the codes, the saved date and the
// decode text with the blanks at the ends of its lines removed, as the
// registry stores them.
std::string SubmissionHash(std::string_view strVersion, const TagCodes& codes, std::string_view strSavedDate,
                           std::string_view strDecodeText);

}  // namespace vexlor
