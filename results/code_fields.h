#pragma once
// The nine tag codes that a decode file's two records carry, in the order of
// line 1, with the column each takes in line 2 and the names the registry
// gives it: its database column (also the export's key) and its heading.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "decoder/decode_result.h"

namespace vexlor {

struct CodeFieldInfo {
    std::string_view strColumn;        // column of the submission table and key of the export
    std::string_view strLabel;         // heading in show and conflicts
    std::string DecodeResult::*pMember;  // the code echo the writer took it from
    int nTabColumn;                    // 0-based column of line 2; -1 where line 2 leaves it out
};

inline constexpr size_t kCodeFieldCount = 9;

// Field i + 1 of line 1 (field 0 is the version).
inline constexpr std::array<CodeFieldInfo, kCodeFieldCount> kCodeFields{{
    {"vin_prefix", "VIN prefix", &DecodeResult::m_strVinPrefix, 4},
    {"vin_tail", "VIN tail", &DecodeResult::m_strVinTail, 5},
    {"date_code", "date code", &DecodeResult::m_strDateCode, 6},
    {"sched_code", "scheduling code", &DecodeResult::m_strSchedCode, 7},
    {"style_code", "style", &DecodeResult::m_strStyleCode, -1},
    {"plant_body", "plant and body", &DecodeResult::m_strPlantBody, 8},
    {"trim_code", "trim", &DecodeResult::m_strTrimCode, 11},
    {"paint_code", "paint", &DecodeResult::m_strPaintCode, 10},
    {"option_codes", "option codes", &DecodeResult::m_strOptionCodes, 12},
}};

// Positions in kCodeFields of the codes the registry reads itself.
enum CodeFieldIndex : size_t {
    kVinPrefixField = 0,
    kVinTailField = 1,
    kDateField = 2,
    kStyleField = 4,
    kPlantBodyField = 5,
    kTrimField = 6,
    kPaintField = 7,
    kOptionsField = 8,
};

using TagCodes = std::array<std::string, kCodeFieldCount>;

}  // namespace vexlor
