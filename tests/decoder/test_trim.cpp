// Interior trim: the three year tables, the trim line and echo, the 1967 style check.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "decoder/sections.h"
#include "decoder_test_support.h"

namespace vexlor {
namespace {

using testing_support::SectionRun;
using testing_support::Tag;

// Runs the trim section alone with the style flags a style section would have left.
DecodeResult RunTrim(int nYear, const std::string& strTrim, int bStyleGiven = 0, int bCustomInterior = 0) {
    SectionRun run(nYear, Tag({{"trim", strTrim}}));
    run.ctx.bStyleGiven = bStyleGiven;
    run.ctx.bCustomInterior = bCustomInterior;
    DecodeTrim(run.ctx);
    return run.result;
}

struct TrimRow {
    int nYear, nCode;
    const char* pszText;
};

const std::vector<TrimRow> kTrimRows = {
    {7, 707, "Custom Yellow Bucket Seats."}, {7, 709, "Standard Gold Bucket Seats."},
    {7, 711, "Custom Gold Bucket Seats."}, {7, 712, "Custom Gold Bench Seats."},
    {7, 716, "Custom Bright Blue Bench Seats."}, {7, 717, "Standard Blue Bucket Seats."},
    {7, 732, "Custom Bright Blue Bucket Seats."}, {7, 739, "Standard Blue Bench Seats."},
    {7, 741, "Standard Red Bucket Seats."}, {7, 742, "Custom Red Bucket Seats."},
    {7, 756, "Standard Black Bench Seats."}, {7, 760, "Standard Black Bucket Seats."},
    {7, 765, "Custom Black Bucket Seats."}, {7, 767, "Custom Black Bench Seats."},
    {7, 779, "Custom Turquoise Bucket Seats."}, {7, 796, "Standard Gold Bench Seats."},
    {7, 797, "Custom Parchment/Black Bucket Seats."},
    {8, 711, "Custom Ivory/Black Bucket Seats."}, {8, 712, "Standard Black Bucket Seats."},
    {8, 713, "Standard Black Bench Seats."}, {8, 714, "Custom Black Bucket Seats."},
    {8, 715, "Custom Black Bench Seats."}, {8, 716, "Custom Ivory Houndstooth Bucket Seats."},
    {8, 717, "Standard Blue Bucket Seats."}, {8, 718, "Standard Blue Bench Seats."},
    {8, 719, "Custom Blue Bucket Seats."}, {8, 720, "Custom Blue Bench Seats."},
    {8, 721, "Custom Gold Bucket Seats."}, {8, 722, "Standard Gold Bucket Seats."},
    {8, 723, "Standard Gold Bench Seats."}, {8, 724, "Standard Red Bucket Seats."},
    {8, 725, "Custom Red Bucket Seats."}, {8, 726, "Custom Turquoise Bucket Seats."},
    {8, 727, "Custom Turquoise Bench Seats."}, {8, 730, "Custom Parchment/Black Bucket Seats."},
    {8, 749, "Custom Black Houndstooth Bucket Seats."},
    {9, 711, "Standard Black Bucket Seats."}, {9, 712, "Custom Black Bucket Seats."},
    {9, 713, "Custom Houndstooth Black Bucket Seats."}, {9, 714, "Custom Yellow Houndstooth Bucket Seats."},
    {9, 715, "Standard Dark Blue Bucket Seats."}, {9, 716, "Custom Dark Blue Bucket Seats."},
    {9, 718, "Standard Medium Red Bucket Seats."}, {9, 719, "Custom Medium Red Bucket Seats."},
    {9, 720, "Custom Orange Houndstooth Bucket Seats."}, {9, 721, "Standard Medium Green Bucket Seats."},
    {9, 722, "Custom Medium Green Bucket Seats."}, {9, 723, "Standard Midnight Green Bucket Seats."},
    {9, 725, "Custom Midnight Green Bucket Seats."}, {9, 727, "Standard Ivory/Black Bucket Seats."},
    {9, 729, "Custom Ivory Houndstooth Bucket Seats."},
};

// Every code of every year, on a known style of the other interior kind: only
// 1967 compares the two, so only a 1967 line carries the style message.
TEST(Trim, EveryCodeOfEveryYearAgainstTheOtherKindOfStyle) {
    for (const TrimRow& row : kTrimRows) {
        const std::string strCode = std::to_string(row.nCode);
        SCOPED_TRACE(std::to_string(row.nYear) + " " + strCode);
        const int bCustomTrim = std::string_view(row.pszText).starts_with("Custom") ? 1 : 0;
        const std::string strLine = strCode + " = " + row.pszText;
        EXPECT_EQ(RunTrim(row.nYear, strCode, 1, bCustomTrim).m_strTrim, strLine);
        EXPECT_EQ(RunTrim(row.nYear, strCode, 1, 1 - bCustomTrim).m_strTrim,
                  row.nYear == 7 ? strLine + " - Trim code is wrong for body style." : strLine);
    }
}

TEST(Trim, LineAndEchoAsTyped) {
    struct Case {
        int nYear, bStyleGiven, bCustomInterior;
        std::string strTrim, strLine, strEcho;
    };
    const std::vector<Case> cases = {
        {7, 0, 0, "760", "760 = Standard Black Bucket Seats.", "760-"},
        {8, 0, 0, "712", "712 = Standard Black Bucket Seats.", "712"},
        {9, 0, 0, "717", "717 = Interior not defined correctly. 717", "717"},
        {7, 0, 0, "720", "720 = Interior not defined correctly. 720", "720-"},
        {7, 0, 0, "706", "706 = Interior not defined correctly. 706", "706-"},
        {7, 0, 0, "798", "798 = Interior not defined correctly. 798", "798-"},
        {8, 0, 0, "750", "750 = Interior not defined correctly. 750", "750"},
        {8, 0, 0, "999", "999 = Interior not defined correctly. 999", "999"},
        // read the way atoi reads: leading blanks, a sign, the leading digits
        {7, 0, 0, "0760", "0760 = Standard Black Bucket Seats.", "0760-"},
        {7, 0, 0, "760 ", "760  = Standard Black Bucket Seats.", "760 -"},
        {7, 0, 0, " +760", " +760 = Standard Black Bucket Seats.", " +760-"},
        {7, 0, 0, "760X", "760X = Standard Black Bucket Seats.", "760X-"},
        {7, 0, 0, "X760", "X760 = Interior not defined correctly. 0", "X760-"},
        {7, 0, 0, "-760", "-760 = Interior not defined correctly. -760", "-760-"},
        {7, 0, 0, "abc", "ABC = Interior not defined correctly. 0", "ABC-"},
        {9, 0, 0, "99999999999999999999", "99999999999999999999 = Interior not defined correctly. 2147483647",
         "99999999999999999999"},
        {9, 0, 0, "-99999999999999999999", "-99999999999999999999 = Interior not defined correctly. -2147483648",
         "-99999999999999999999"},
        {7, 0, 0, std::string("76\0" "0", 4), std::string("76\0" "0", 4) + " = Interior not defined correctly. 76",
         std::string("76\0" "0-", 5)},
        {8, 0, 0, "\xE9", "\xE9 = Interior not defined correctly. 0", "\xE9"},
        {7, 0, 0, "", "No trim style was given.", ""},
        {9, 0, 0, "", "No trim style was given.", ""},
        // no model year: nothing to look the code up in
        {0, 0, 0, "760", "760 = ", "760"},
        {0, 0, 0, "", "No trim style was given.", ""},
        // 1967 against the style: compared as read, only for a known style and a code of the table
        {7, 1, 1, "0709", "0709 = Standard Gold Bucket Seats. - Trim code is wrong for body style.", "0709-"},
        {7, 0, 1, "760", "760 = Standard Black Bucket Seats.", "760-"},
        {7, 0, 0, "765", "765 = Custom Black Bucket Seats.", "765-"},
        {7, 1, 1, "720", "720 = Interior not defined correctly. 720", "720-"},
        {7, 1, 0, "ABC", "ABC = Interior not defined correctly. 0", "ABC-"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.strTrim);
        const DecodeResult result = RunTrim(c.nYear, c.strTrim, c.bStyleGiven, c.bCustomInterior);
        EXPECT_EQ(result.m_strTrim, c.strLine);
        EXPECT_EQ(result.m_strTrimCode, c.strEcho);
    }
}

}  // namespace
}  // namespace vexlor
