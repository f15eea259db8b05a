// Decodes any texts in the tag's fields with any year text, and checks what
// must hold for every decode: the year digit, a repeatable result, the same
// result for lower-case entries, and a complete 13-character VIN key.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "decoder/decode.h"
#include "decoder/text.h"
#include "fuzz_check.h"
#include "fuzz_tag_input.h"

namespace {

using vexlor::DecodeResult;
using vexlor::TagFields;

int ExpectedYearDigit(std::string_view strYear) {
    if (strYear == "1967" || strYear == "67") return 7;
    if (strYear == "1968" || strYear == "68") return 8;
    if (strYear == "1969" || strYear == "69") return 9;
    return 0;
}

// The first five VIN characters: taken from a valid VIN first half ("12",
// engine 3 or 4, body 37 or 67), or the pattern the tag's style and engine give.
constexpr std::array<std::string_view, 8> kVinPrefixes = {
    "12337", "12367", "12437", "12467", "124_7", "12_67", "12_37", "12__7",
};

bool IsKnownVinPrefix(std::string_view strPrefix) {
    return std::find(kVinPrefixes.begin(), kVinPrefixes.end(), strPrefix) != kVinPrefixes.end();
}

// Every field but the year upper-cased; the year is compared exactly as typed.
TagFields UpperCased(const TagFields& fields) {
    TagFields upper;
    for (size_t nField = 0; nField < vexlor::kTagFieldCount; ++nField) {
        const auto field = static_cast<vexlor::TagField>(nField);
        const std::string& strText = vexlor::FieldText(fields, field);
        vexlor::FieldText(upper, field) = field == vexlor::TagField::Year ? strText : vexlor::ToUpperAscii(strText);
    }
    return upper;
}

void CheckDecode(const TagFields& fields, const DecodeResult& result) {
    const int nYear = ExpectedYearDigit(fields.strYear);
    FUZZ_CHECK(vexlor::YearDigit(fields.strYear) == nYear);
    FUZZ_CHECK(result.m_nYear == nYear);

    FUZZ_CHECK(result.m_bVinGiven == (fields.strVinPrefix.empty() ? 0 : 1));
    FUZZ_CHECK(result.m_bVinValid == 0 || result.m_bVinValid == 1);
    FUZZ_CHECK(result.m_bVinLosAngeles == 0 || result.m_bVinLosAngeles == 1);
    if (fields.strVinPrefix.empty()) FUZZ_CHECK(result.m_bVinValid == 0);

    if (nYear != 0) {
        // The last step always completes the VIN key.
        FUZZ_CHECK(result.m_strVinPrefix.size() == 5);
        FUZZ_CHECK(result.m_strVinTail.size() == 8);
        FUZZ_CHECK(IsKnownVinPrefix(result.m_strVinPrefix));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize) {
    const TagFields fields = vexlor::fuzz::TagFieldsFromBytes(pData, nSize);
    const DecodeResult result = vexlor::Decode(fields);
    CheckDecode(fields, result);

    // Pressing Decode again gives the same result; so does typing in lower case.
    FUZZ_CHECK(vexlor::Decode(fields) == result);
    FUZZ_CHECK(vexlor::Decode(UpperCased(fields)) == result);
    return 0;
}
