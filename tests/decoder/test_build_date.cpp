// Build date line and date code echo. The 1969 autumn test, which reads what
// the plant and VIN sections left, is checked through whole decodes (test_decode.cpp).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "decoder/sections.h"
#include "decoder_test_support.h"

namespace vexlor {
namespace {

using testing_support::SectionRun;

TEST(BuildDate, LineAndDateCode) {
    struct Case {
        int nYear;
        const char *pszDate, *pszDateCode, *pszLine;  // the date goes into the year's field, "12E" into the other
    };
    const std::vector<Case> cases = {
        // Every month and every week letter.
        {7, "01A", "701A", "01A = Built the First week of January."},
        {7, "02B", "702B", "02B = Built the Second week of February."},
        {8, "03A", "803A", "03A = Built the First week of March."},
        {8, "04D", "804D", "04D = Built the Fourth week of April."},
        {7, "05E", "705E", "05E = Built the Fifth week of May."},
        {7, "06A", "706A", "06A = Built the First week of June."},
        {8, "07B", "807B", "07B = Built the Second week of July."},
        {7, "08C", "608C", "08C = Built the Third week of August."},
        {8, "09D", "709D", "09D = Built the Fourth week of September."},
        {7, "10b", "610B", "10B = Built the Second week of October."},
        {8, "11A", "711A", "11A = Built the First week of November."},
        {7, "12C", "612C", "12C = Built the Third week of December."},
        // 1969: 04L is the fifth week of April in spring only; autumn without evidence is 1968.
        {9, "04L", "904L", "04L = Built the Fifth week of April."},
        {9, "04l", "904L", "04L = Built the Fifth week of April."},
        {7, "04L", "704L", "04L = ?? Build date should be a month 01 to 12 and a week A to E."},
        {9, "05D", "905D", "05D = Built the Fourth week of May."},
        {9, "08A", "808A", "08A = Built the First week of August."},
        {9, "12E", "812E", "12E = Built the Fifth week of December."},
        // Empty: the field of the other layout is not read.
        {7, "", "____", "No Build date given."},
        {9, "", "____", "No Build date given."},
        {0, "", "____", "No Build date given."},
        // Odd texts.
        {7, "8A", "68A", "68A = Built the First week of August."},
        {0, "01A", "", " = Built the First week of January."},
        {0, "13A", "", " = ?? Build date should be a month 01 to 12 and a week A to E."},
        {7, "13A", "613A", "13A = ?? Build date should be a month 01 to 12 and a week A to E."},
        {7, "00A", "700A", "00A = ?? Build date should be a month 01 to 12 and a week A to E."},
        {8, "01F", "801F", "01F = ?? Build date should be a month 01 to 12 and a week A to E."},
        {7, "AB", "6AB", "6AB = ?? Build date should be a month 01 to 12 and a week A to E."},
        {7, "1", "61", "61 = ?? Build date should be a month 01 to 12 and a week A to E."},
        {7, "0", "70", "70 = ?? Build date should be a month 01 to 12 and a week A to E."},
        {7, "01A ", "701A ", "1A  = ?? Build date should be a month 01 to 12 and a week A to E."},
        {7, " 1A", "6 1A", " 1A = ?? Build date should be a month 01 to 12 and a week A to E."},
        {7, "1A", "61A", "61A = Built the First week of January."},
        {7, "010A", "7010A", "10A = Built the First week of January."},
        {7, "\xFF\xFF", "6\xFF\xFF", "6\xFF\xFF = ?? Build date should be a month 01 to 12 and a week A to E."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.nYear) + " " + c.pszDate);
        SectionRun run(c.nYear);
        run.fields.strBuildDate = c.nYear == 9 ? "12E" : c.pszDate;
        run.fields.strBuildDate69 = c.nYear == 9 ? c.pszDate : "12E";
        DecodeBuildDate(run.ctx);
        EXPECT_EQ(run.result.m_strDateCode, c.pszDateCode);
        EXPECT_EQ(run.result.m_strBuildDate, c.pszLine);
    }
}

}  // namespace
}  // namespace vexlor
