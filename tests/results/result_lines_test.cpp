// The results list: which members show, in which order, and how the 1967
// option groups are split.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "results/result_lines.h"

namespace vexlor {
namespace {

using Lines = std::vector<std::string>;

// Every member holds a text that names it, so the order can be read off.
DecodeResult Marked(int nYear) {
    DecodeResult r;
    r.m_nYear = nYear;
    r.m_bVinGiven = 1;
    r.m_strVinMake = "1 = Chevrolet";
    r.m_strVinLine = "2 = Camaro";
    r.m_strVinEngine = "engine";
    r.m_strVinBody = "body";
    r.m_strVinYear = "year";
    r.m_strVinPlant = "vin plant";
    r.m_strVinSerial = "serial";
    r.m_strBodyNumber = "body number";
    r.m_strBuildDate = "build date";
    r.m_strStyle = "style";
    r.m_strPlant = "plant";
    r.m_strTrim = "trim";
    r.m_strSeat = "seat";
    r.m_strPaint = "paint";
    r.m_strPlantNote = "plant note";
    r.m_strOptions1 = "opt1a,opt1b,";
    r.m_strOptions2 = "opt2,";
    r.m_strOptions3 = "";
    r.m_strOptions4 = "opt4,";
    r.m_strOptions5 = "opt5,";
    return r;
}

TEST(ResultLines, Full1967DecodeInOrder) {
    EXPECT_EQ(BuildResultLines(Marked(7)),
              (Lines{"1 = Chevrolet", "2 = Camaro", "engine", "body", "year", "vin plant", "serial", " ",
                     "body number", " ", "build date", "style", "plant", "trim", "seat", "paint", "plant note",
                     "Options:", "opt1a", "opt1b", "opt2", "opt4", "opt5"}));
}

TEST(ResultLines, NoVinStartsWithBodyNumber) {
    DecodeResult r = Marked(8);
    r.m_bVinGiven = 0;
    r.m_strBodyNumber = "";
    EXPECT_EQ(BuildResultLines(r), (Lines{"", " ", "build date", "style", "plant", "trim", "seat", "paint",
                                          "plant note"}));
}

TEST(ResultLines, InvalidMakeShowsOnlyThatLine) {
    DecodeResult r = Marked(8);
    r.m_strVinMake = "Not a valid Camaro vin number.";
    EXPECT_EQ(BuildResultLines(r),
              (Lines{"Not a valid Camaro vin number.", " ", "body number", " ", "build date", "style", "plant",
                     "trim", "seat", "paint", "plant note"}));
}

TEST(ResultLines, EmptyMakeWithVinGivenIsAnEmptyLine) {
    DecodeResult r = Marked(8);
    r.m_strVinMake = "";
    const Lines lines = BuildResultLines(r);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], " ");
    EXPECT_EQ(lines[2], "body number");
}

TEST(ResultLines, EmptySerialAndSeatLeaveNoLineButOtherEmptiesDo) {
    DecodeResult r = Marked(8);
    r.m_strVinSerial = "";
    r.m_strSeat = "";
    r.m_strVinEngine = "";
    r.m_strPlant = "";
    r.m_strPlantNote = "";
    EXPECT_EQ(BuildResultLines(r), (Lines{"1 = Chevrolet", "2 = Camaro", "", "body", "year", "vin plant", " ",
                                          "body number", " ", "build date", "style", "", "trim", "paint", ""}));
}

TEST(ResultLines, YearsOtherThan1967And1969EndWithThePlantNote) {
    for (int nYear : {8, 0, 5}) {
        const Lines lines = BuildResultLines(Marked(nYear));
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.back(), "plant note") << nYear;
        EXPECT_EQ(lines.size(), 17u) << nYear;
    }
}

TEST(ResultLines, The1969DecodeEndsWithExactlyTwoSpecialCodeLines) {
    DecodeResult r = Marked(9);
    EXPECT_EQ(BuildResultLines(r),
              (Lines{"1 = Chevrolet", "2 = Camaro", "engine", "body", "year", "vin plant", "serial", " ",
                     "body number", " ", "build date", "style", "plant", "trim", "seat", "paint", "plant note",
                     "opt1a,opt1b,", "opt2,"}));
    r.m_strOptions1 = "";
    r.m_strOptions2 = "";
    const Lines lines = BuildResultLines(r);
    ASSERT_EQ(lines.size(), 19u);
    EXPECT_EQ(lines[16], "plant note");
    EXPECT_EQ(lines[17], "");
    EXPECT_EQ(lines[18], "");
}

struct OptionCase {
    const char* pszName;
    std::string strGroup1;
    std::string strGroup5;
    Lines expectedAfterHeading;
};

void PrintTo(const OptionCase& c, std::ostream* pOut) { *pOut << c.pszName; }

class OptionSplit : public ::testing::TestWithParam<OptionCase> {};

TEST_P(OptionSplit, ItemsFollowTheHeading) {
    DecodeResult r = Marked(7);
    r.m_strOptions1 = GetParam().strGroup1;
    r.m_strOptions2 = "";
    r.m_strOptions3 = "";
    r.m_strOptions4 = "";
    r.m_strOptions5 = GetParam().strGroup5;
    const Lines lines = BuildResultLines(r);
    ASSERT_EQ(lines[16], "plant note");
    ASSERT_EQ(lines[17], "Options:");
    EXPECT_EQ(Lines(lines.begin() + 18, lines.end()), GetParam().expectedAfterHeading);
}

INSTANTIATE_TEST_SUITE_P(
    ResultLines, OptionSplit,
    ::testing::Values(
        OptionCase{"AllGroupsEmpty", "", "", {}},
        OptionCase{"TwoItems", "W = Power Windows,E = Tinted Glass,", "", {"W = Power Windows", "E = Tinted Glass"}},
        OptionCase{"TwoCommasInARow", "A = ?,,B = ?,", "", {"A = ?", "", "B = ?"}},
        OptionCase{"OnlyAComma", ",", "", {""}},
        OptionCase{"RemainderWithoutComma", "A = ?,tail", "", {"A = ?", "tail"}},
        OptionCase{"NoCommaAtAll", "lonely", "", {"lonely"}},
        OptionCase{"TypedCommaShowsAsComma", std::string("-AB\x1F" "C = Special Order/Fleet Code,"), "",
                   {"-AB,C = Special Order/Fleet Code"}},
        OptionCase{"FirstAndLastGroup", "1A = x,", "5B = y,", {"1A = x", "5B = y"}}),
    [](const auto& info) { return std::string(info.param.pszName); });

TEST(ResultLines, TypedCommaByteOutsideOptionsIsLeftAlone) {
    DecodeResult r = Marked(8);
    r.m_strTrim = "7\x1F" "1 = ??";
    EXPECT_EQ(BuildResultLines(r)[13], "7\x1F" "1 = ??");
}

TEST(ResultLines, BuildingTwiceGivesTheSameLinesAndLeavesTheDecode) {
    const DecodeResult original = Marked(7);
    const DecodeResult r = original;
    const Lines first = BuildResultLines(r);
    EXPECT_EQ(r, original);
    EXPECT_EQ(BuildResultLines(r), first);
}

TEST(ResultLines, EmptyDecodeResult) {
    EXPECT_EQ(BuildResultLines(DecodeResult{}), (Lines{"", " ", "", "", "", "", "", ""}));
}

}  // namespace
}  // namespace vexlor
