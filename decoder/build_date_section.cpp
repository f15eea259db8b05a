// Build date: two digits for the month and a week letter A to E. Months 08 to
// 12 were built in the calendar year before the model year.
#include <array>
#include <string>
#include <string_view>

#include "decoder/build_months.h"
#include "decoder/sections.h"
#include "decoder/text.h"

namespace vexlor {

namespace {

constexpr std::array<std::string_view, 12> kMonthNames{
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December",
};

constexpr std::array<std::string_view, 5> kWeekNames{"First", "Second", "Third", "Fourth", "Fifth"};

// An autumn code of a 1969 car that was built in calendar 1969: a Norwood car
// whose special code was read (a code the table does not know says nothing),
// or whose VIN serial starts with 6.
bool LateIn1969(const DecodeContext& ctx) {
    const DecodeResult& result = ctx.result;
    if (ctx.bLosAngeles || result.m_bVinLosAngeles) return false;
    return ctx.bSpecialCodeRead || SafeSubstr(result.m_strVinTail, 0, 3) == "9N6";
}

// The calendar-year digit; '\0' when there is no model year.
char CalendarDigit(const DecodeContext& ctx, bool bSpring) {
    switch (ctx.nYear) {
        case 7: return bSpring ? '7' : '6';
        case 8: return bSpring ? '8' : '7';
        case 9: return bSpring || LateIn1969(ctx) ? '9' : '8';
        default: return '\0';
    }
}

// The leading decimal digits of the first two characters; 0 without any.
int MonthNumber(std::string_view strDate) {
    int nMonth = 0;
    for (char c : SafeSubstr(strDate, 0, 2)) {
        if (c < '0' || c > '9') break;
        nMonth = nMonth * 10 + (c - '0');
    }
    return nMonth;
}

std::string DateLine(std::string_view strCode, std::string_view strDate) {
    std::string strLine(strCode);
    const int nMonth = MonthNumber(strDate);
    const char cWeek = strDate.empty() ? '\0' : strDate.back();
    if (nMonth < 1 || nMonth > 12 || cWeek < 'A' || cWeek > 'E') {
        strLine += " = ?? Build date should be a month 01 to 12 and a week A to E.";
        return strLine;
    }
    strLine += " = Built the ";
    strLine += kWeekNames[static_cast<size_t>(cWeek - 'A')];
    strLine += " week of ";
    strLine += kMonthNames[static_cast<size_t>(nMonth - 1)];
    strLine += '.';
    return strLine;
}

}  // namespace

void DecodeBuildDate(DecodeContext& ctx) {
    DecodeResult& result = ctx.result;
    const std::string& strTyped = ctx.nYear == 9 ? ctx.fields.strBuildDate69 : ctx.fields.strBuildDate;
    if (strTyped.empty()) {
        result.m_strBuildDate = "No Build date given.";
        result.m_strDateCode = "____";
        return;
    }
    std::string strDate = ToUpperAscii(strTyped);
    // Months 01 to 07; every other text, also one not starting with '0', is an autumn code.
    const bool bSpring = !EarlyBuild(strDate);
    if (const char cDigit = CalendarDigit(ctx, bSpring)) {
        result.m_strDateCode = cDigit;
        result.m_strDateCode += strDate;
    }
    // A 1969 04L reads as the fifth week of April; the echo keeps the L.
    if (ctx.nYear == 9 && bSpring && strDate == "04L") strDate = "04E";
    result.m_strBuildDate = DateLine(LastChars(result.m_strDateCode, 3), strDate);
}

}  // namespace vexlor
