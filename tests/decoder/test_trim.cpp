// Interior trim: the three year tables, the trim line and echo, the 1967 style check.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "decoder/decode.h"
#include "decoder/sections.h"
#include "decoder/trim_tables.h"

namespace vexlor {
namespace {

struct TrimRow {
    int nYear;
    int nCode;
    bool bCustom;
    const char* szText;
};

const std::vector<TrimRow> kTrimRows = {
    {7, 707, true, "Custom Yellow Bucket Seats."},
    {7, 709, false, "Standard Gold Bucket Seats."},
    {7, 711, true, "Custom Gold Bucket Seats."},
    {7, 712, true, "Custom Gold Bench Seats."},
    {7, 716, true, "Custom Bright Blue Bench Seats."},
    {7, 717, false, "Standard Blue Bucket Seats."},
    {7, 732, true, "Custom Bright Blue Bucket Seats."},
    {7, 739, false, "Standard Blue Bench Seats."},
    {7, 741, false, "Standard Red Bucket Seats."},
    {7, 742, true, "Custom Red Bucket Seats."},
    {7, 756, false, "Standard Black Bench Seats."},
    {7, 760, false, "Standard Black Bucket Seats."},
    {7, 765, true, "Custom Black Bucket Seats."},
    {7, 767, true, "Custom Black Bench Seats."},
    {7, 779, true, "Custom Turquoise Bucket Seats."},
    {7, 796, false, "Standard Gold Bench Seats."},
    {7, 797, true, "Custom Parchment/Black Bucket Seats."},
    {8, 711, true, "Custom Ivory/Black Bucket Seats."},
    {8, 712, false, "Standard Black Bucket Seats."},
    {8, 713, false, "Standard Black Bench Seats."},
    {8, 714, true, "Custom Black Bucket Seats."},
    {8, 715, true, "Custom Black Bench Seats."},
    {8, 716, true, "Custom Ivory Houndstooth Bucket Seats."},
    {8, 717, false, "Standard Blue Bucket Seats."},
    {8, 718, false, "Standard Blue Bench Seats."},
    {8, 719, true, "Custom Blue Bucket Seats."},
    {8, 720, true, "Custom Blue Bench Seats."},
    {8, 721, true, "Custom Gold Bucket Seats."},
    {8, 722, false, "Standard Gold Bucket Seats."},
    {8, 723, false, "Standard Gold Bench Seats."},
    {8, 724, false, "Standard Red Bucket Seats."},
    {8, 725, true, "Custom Red Bucket Seats."},
    {8, 726, true, "Custom Turquoise Bucket Seats."},
    {8, 727, true, "Custom Turquoise Bench Seats."},
    {8, 730, true, "Custom Parchment/Black Bucket Seats."},
    {8, 749, true, "Custom Black Houndstooth Bucket Seats."},
    {9, 711, false, "Standard Black Bucket Seats."},
    {9, 712, true, "Custom Black Bucket Seats."},
    {9, 713, true, "Custom Houndstooth Black Bucket Seats."},
    {9, 714, true, "Custom Yellow Houndstooth Bucket Seats."},
    {9, 715, false, "Standard Dark Blue Bucket Seats."},
    {9, 716, true, "Custom Dark Blue Bucket Seats."},
    {9, 718, false, "Standard Medium Red Bucket Seats."},
    {9, 719, true, "Custom Medium Red Bucket Seats."},
    {9, 720, true, "Custom Orange Houndstooth Bucket Seats."},
    {9, 721, false, "Standard Medium Green Bucket Seats."},
    {9, 722, true, "Custom Medium Green Bucket Seats."},
    {9, 723, false, "Standard Midnight Green Bucket Seats."},
    {9, 725, true, "Custom Midnight Green Bucket Seats."},
    {9, 727, false, "Standard Ivory/Black Bucket Seats."},
    {9, 729, true, "Custom Ivory Houndstooth Bucket Seats."},
};

std::string Lookup(int nYear, int nCode) {
    switch (nYear) {
        case 7: return TrimLookup67(nCode);
        case 8: return TrimLookup68(nCode);
        case 9: return TrimLookup69(nCode);
        default: return "no lookup";
    }
}

const char* YearText(int nYear) { return nYear == 7 ? "1967" : nYear == 8 ? "1968" : nYear == 9 ? "1969" : ""; }

// Runs the trim section alone with the style flags a style section would have left.
DecodeResult RunTrim(int nYear, const std::string& strTrim, int bStyleGiven = 0, int bCustomInterior = 0) {
    TagFields fields;
    fields.strTrim = strTrim;
    DecodeResult result;
    DecodeContext ctx{fields, result};
    ctx.nYear = nYear;
    ctx.bStyleGiven = bStyleGiven;
    ctx.bCustomInterior = bCustomInterior;
    DecodeTrim(ctx);
    return result;
}

TEST(TrimTables, HoldEveryCodeInOrderWithItsKind) {
    for (int nYear : {7, 8, 9}) {
        std::vector<TrimRow> expected;
        for (const TrimRow& row : kTrimRows) {
            if (row.nYear == nYear) expected.push_back(row);
        }
        const auto table = TrimTable(nYear);
        ASSERT_EQ(table.size(), expected.size()) << nYear;
        for (size_t i = 0; i < table.size(); ++i) {
            SCOPED_TRACE(expected[i].szText);
            EXPECT_EQ(table[i].nCode, expected[i].nCode);
            EXPECT_EQ(table[i].bCustom, expected[i].bCustom);
            EXPECT_EQ(table[i].strText, expected[i].szText);
        }
    }
    EXPECT_EQ(TrimTable(7).size(), 17u);
    EXPECT_EQ(TrimTable(8).size(), 19u);
    EXPECT_EQ(TrimTable(9).size(), 15u);
    EXPECT_TRUE(TrimTable(0).empty());
    EXPECT_TRUE(TrimTable(6).empty());
}

TEST(TrimLookup, EveryCodeOfEveryYear) {
    for (const TrimRow& row : kTrimRows) {
        SCOPED_TRACE(std::to_string(row.nYear) + " " + std::to_string(row.nCode));
        EXPECT_EQ(Lookup(row.nYear, row.nCode), row.szText);
        ASSERT_NE(FindTrim(row.nYear, row.nCode), nullptr);
        EXPECT_EQ(FindTrim(row.nYear, row.nCode)->strText, row.szText);
    }
}

TEST(TrimLookup, CodesOutsideTheYearAreNotDefined) {
    struct Case { int nYear; int nCode; const char* szExpected; };
    const std::vector<Case> cases = {
        {7, 720, "Interior not defined correctly. 720"},
        {7, 706, "Interior not defined correctly. 706"},
        {7, 798, "Interior not defined correctly. 798"},
        {8, 707, "Interior not defined correctly. 707"},
        {8, 750, "Interior not defined correctly. 750"},
        {9, 717, "Interior not defined correctly. 717"},
        {9, 730, "Interior not defined correctly. 730"},
        {9, 0, "Interior not defined correctly. 0"},
        {7, -760, "Interior not defined correctly. -760"},
        {8, 2147483647, "Interior not defined correctly. 2147483647"},
        {9, -2147483647 - 1, "Interior not defined correctly. -2147483648"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Lookup(c.nYear, c.nCode), c.szExpected);
        EXPECT_EQ(FindTrim(c.nYear, c.nCode), nullptr);
    }
    EXPECT_EQ(FindTrim(0, 760), nullptr);
}

TEST(TrimSection, EveryCodeThroughTheDecode) {
    for (const TrimRow& row : kTrimRows) {
        TagFields fields;
        fields.strYear = YearText(row.nYear);
        fields.strTrim = std::to_string(row.nCode);
        const DecodeResult result = Decode(fields);
        EXPECT_EQ(result.m_strTrim, fields.strTrim + " = " + row.szText);
    }
}

TEST(TrimSection, LineAndEchoAsTyped) {
    struct Case { int nYear; const char* szTrim; const char* szLine; const char* szEcho; };
    const std::vector<Case> cases = {
        {7, "760", "760 = Standard Black Bucket Seats.", "760-"},
        {8, "712", "712 = Standard Black Bucket Seats.", "712"},
        {9, "713", "713 = Custom Houndstooth Black Bucket Seats.", "713"},
        {9, "717", "717 = Interior not defined correctly. 717", "717"},
        {7, "720", "720 = Interior not defined correctly. 720", "720-"},
        {8, "999", "999 = Interior not defined correctly. 999", "999"},
        // read the way atoi reads: leading blanks, a sign, the leading digits
        {7, "0760", "0760 = Standard Black Bucket Seats.", "0760-"},
        {7, "760 ", "760  = Standard Black Bucket Seats.", "760 -"},
        {7, " 760", " 760 = Standard Black Bucket Seats.", " 760-"},
        {7, "+760", "+760 = Standard Black Bucket Seats.", "+760-"},
        {7, "760X", "760X = Standard Black Bucket Seats.", "760X-"},
        {7, "X760", "X760 = Interior not defined correctly. 0", "X760-"},
        {7, "-760", "-760 = Interior not defined correctly. -760", "-760-"},
        {7, "ABC", "ABC = Interior not defined correctly. 0", "ABC-"},
        {7, "abc", "ABC = Interior not defined correctly. 0", "ABC-"},
        {8, "71a", "71A = Interior not defined correctly. 71", "71A"},
        {9, "99999999999999999999", "99999999999999999999 = Interior not defined correctly. 2147483647",
         "99999999999999999999"},
        {9, "-99999999999999999999", "-99999999999999999999 = Interior not defined correctly. -2147483648",
         "-99999999999999999999"},
        {8, "\xE9", "\xE9 = Interior not defined correctly. 0", "\xE9"},
        // no model year: nothing to look the code up in
        {0, "760", "760 = ", "760"},
        {0, "abc", "ABC = ", "ABC"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szTrim);
        const DecodeResult result = RunTrim(c.nYear, c.szTrim);
        EXPECT_EQ(result.m_strTrim, c.szLine);
        EXPECT_EQ(result.m_strTrimCode, c.szEcho);
    }
}

TEST(TrimSection, EmptyTrimWritesNoEcho) {
    for (int nYear : {0, 7, 8, 9}) {
        const DecodeResult result = RunTrim(nYear, "");
        EXPECT_EQ(result.m_strTrim, "No trim style was given.");
        EXPECT_EQ(result.m_strTrimCode, "");
    }
    TagFields fields;
    fields.strYear = "1967";
    EXPECT_EQ(Decode(fields).m_strTrim, "No trim style was given.");
}

TEST(TrimSection, TrimAndStyleNulBytesAndLongTextDoNotBreak) {
    const std::string strNul("76\0" "0", 4);
    EXPECT_EQ(RunTrim(7, strNul).m_strTrim, strNul + " = Interior not defined correctly. 76");
    const std::string strLong(100000, '7');
    EXPECT_EQ(RunTrim(8, strLong).m_strTrim, strLong + " = Interior not defined correctly. 2147483647");
}

TEST(TrimSection, Trim1967AgainstTheBodyStyle) {
    struct Case { int bStyleGiven; int bCustomInterior; const char* szTrim; const char* szLine; };
    const std::vector<Case> cases = {
        {1, 0, "765", "765 = Custom Black Bucket Seats. - Trim code is wrong for body style."},
        {1, 1, "765", "765 = Custom Black Bucket Seats."},
        {1, 1, "760", "760 = Standard Black Bucket Seats. - Trim code is wrong for body style."},
        {1, 0, "760", "760 = Standard Black Bucket Seats."},
        {1, 1, "797", "797 = Custom Parchment/Black Bucket Seats."},
        {1, 0, "709", "709 = Standard Gold Bucket Seats."},
        {1, 1, "0709", "0709 = Standard Gold Bucket Seats. - Trim code is wrong for body style."},
        // no known style: nothing to compare with
        {0, 0, "765", "765 = Custom Black Bucket Seats."},
        {0, 0, "760", "760 = Standard Black Bucket Seats."},
        // a code the table does not have gets only the not-defined text
        {1, 1, "720", "720 = Interior not defined correctly. 720"},
        {1, 0, "ABC", "ABC = Interior not defined correctly. 0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szTrim);
        EXPECT_EQ(RunTrim(7, c.szTrim, c.bStyleGiven, c.bCustomInterior).m_strTrim, c.szLine);
    }
}

TEST(TrimSection, StyleCheckThroughTheDecode) {
    struct Case { const char* szYear; const char* szStyle; const char* szTrim; const char* szLine; };
    const std::vector<Case> cases = {
        {"1967", "67-12437", "765", "765 = Custom Black Bucket Seats. - Trim code is wrong for body style."},
        {"1967", "67-12467", "797", "797 = Custom Parchment/Black Bucket Seats. - Trim code is wrong for body style."},
        {"1967", "67-12637", "765", "765 = Custom Black Bucket Seats."},
        {"1967", "12667", "760", "760 = Standard Black Bucket Seats. - Trim code is wrong for body style."},
        {"1967", "67-12437", "760", "760 = Standard Black Bucket Seats."},
        {"1967", "67-12337", "765", "765 = Custom Black Bucket Seats."},
        {"1967", "", "760", "760 = Standard Black Bucket Seats."},
        {"1968", "68-12637", "712", "712 = Standard Black Bucket Seats."},
    };
    for (const Case& c : cases) {
        TagFields fields;
        fields.strYear = c.szYear;
        fields.strStyle = c.szStyle;
        fields.strTrim = c.szTrim;
        EXPECT_EQ(Decode(fields).m_strTrim, c.szLine) << c.szStyle << " " << c.szTrim;
    }
}

TEST(TrimSection, StyleCheckIsFor1967Only) {
    EXPECT_EQ(RunTrim(8, "712", 1, 1).m_strTrim, "712 = Standard Black Bucket Seats.");
    EXPECT_EQ(RunTrim(8, "714", 1, 0).m_strTrim, "714 = Custom Black Bucket Seats.");
    EXPECT_EQ(RunTrim(9, "711", 1, 1).m_strTrim, "711 = Standard Black Bucket Seats.");
    EXPECT_EQ(RunTrim(9, "712", 1, 0).m_strTrim, "712 = Custom Black Bucket Seats.");
}

}  // namespace
}  // namespace vexlor
