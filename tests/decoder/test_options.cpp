// 1967 seat style and option groups.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "decoder/decode_context.h"
#include "decoder/sections.h"

namespace vexlor {
namespace {

struct OptionsRun {
    DecodeResult result;
    int bV8 = 0;
};

OptionsRun RunOptions(const std::array<std::string, 5>& groups, int bConvertible, const std::string& strDateCode,
               const std::string& strSeat = "Z", const std::string& strTrimCode = "760-",
               const std::string& strCodesBefore = "") {
    TagFields fields;
    fields.strGroups = groups;
    fields.strSeat = strSeat;
    OptionsRun run;
    run.result.m_strDateCode = strDateCode;
    run.result.m_strTrimCode = strTrimCode;
    run.result.m_strOptionCodes = strCodesBefore;
    DecodeContext ctx{fields, run.result};
    ctx.nYear = 7;
    ctx.bConvertible = bConvertible;
    DecodeSeatAndOptions(ctx);
    run.bV8 = ctx.bV8;
    return run;
}

// The items the results list makes of a group's line: split at every comma.
std::vector<std::string> Items(const std::string& strLine) {
    std::vector<std::string> items;
    size_t nStart = 0;
    for (size_t nComma; (nComma = strLine.find(',', nStart)) != std::string::npos; nStart = nComma + 1) {
        items.push_back(strLine.substr(nStart, nComma - nStart));
    }
    EXPECT_EQ(nStart, strLine.size()) << "every item ends in a comma: " << strLine;
    return items;
}

struct GroupCase {
    const char* szName;
    std::array<std::string, 5> groups;
    int bConvertible;
    std::string strDateCode;
    std::array<std::string, 5> lines;
    std::string strCodes;
    int bV8;
};

const std::vector<GroupCase> kGroupCases = {
    {"WorkedExample", {"EW", "GL", "L", "P", "C"}, 0, "701A",
     {"1E = (A01) Tinted All Glass,1W = (A02) Tinted W/S only,",
      "2G = (D55) Console front compartment,2L = (M20) 4-speed floor shifter,", "3L = (Z22) Rally Sport Package,",
      "4P = (L48) SS 350 or (L30) 327-275H,", "5C = (AS1) Shoulder harness - regular,"},
     "0- 1E 1W 2G 2L 3L 4P 5C", 1},
    {"LowerCaseIsUpperCased", {"ew", "", "", "", ""}, 0, "701A",
     {"1E = (A01) Tinted All Glass,1W = (A02) Tinted W/S only,", "", "", "", ""}, "0- 1E 1W 2- 3- 4- 5-", 0},
    {"AllGroupsEmpty", {"", "", "", "", ""}, 0, "____", {"", "", "", "", ""}, "0- 1- 2- 3- 4- 5-", 0},
    {"Group1EveryLetterOnCoupe", {"EWXLD", "", "", "", ""}, 0, "701A",
     {"1E = (A01) Tinted All Glass,1W = (A02) Tinted W/S only,1X = (A31) Power Windows,"
      "1L = (A67) Fold-down rear seat,1D = Error- can only be used on a convertible car.,",
      "", "", "", ""},
     "0- 1E 1W 1X 1L 1D 2- 3- 4- 5-", 0},
    {"Group1PowerTopOnConvertible", {"D", "", "", "", ""}, 1, "701A",
     {"1D = (C06) Power top convertible,", "", "", "", ""}, "0- 1D 2- 3- 4- 5-", 0},
    {"Group2OtherLetters", {"", "GHEUSR", "", "", ""}, 0, "701A",
     {"",
      "2G = (D55) Console front compartment,2H = (C48) Heater delete,2E = (C60) Air Conditioner,"
      "2U = (U57) Tape Player,2S = (U73) Antenna Manual right rear,2R = (U80) Speaker rear,",
      "", "", ""},
     "0- 1- 2G 2H 2E 2U 2S 2R 3- 4- 5-", 0},
    {"Group2ThmThenSecondTransmission", {"", "ZB", "", "", ""}, 0, "701A",
     {"", "2Z = (M40) THM400 Automatic Transmission,2B = Cannot have more than one transmission option.,", "", "",
      ""},
     "0- 1- 2Z 2B 3- 4- 5-", 0},
    {"Group2PowerglideThenFourSpeed", {"", "ML", "", "", ""}, 0, "701A",
     {"", "2M = (M35) Powerglide Transmission,2L = Cannot have more than one transmission option.,", "", "", ""},
     "0- 1- 2M 2L 3- 4- 5-", 0},
    {"Group2ThreeSpeed", {"", "B", "", "", ""}, 0, "701A", {"", "2B = (M11) 3-speed floor shifter,", "", "", ""},
     "0- 1- 2B 3- 4- 5-", 0},
    {"Ss396TakesThm400WithoutCountingL35", {"", "MZ", "", "N", ""}, 0, "701A",
     {"", "2M = (M40) THM400 Automatic Transmission,2Z = (M40) THM400 Automatic Transmission,", "",
      "4N = (L35) SS 396,", ""},
     "0- 1- 2M 2Z 3- 4N 5-", 1},
    {"Ss396TakesThm400WithoutCountingL78", {"", "MZ", "", "K", ""}, 0, "701A",
     {"", "2M = (M40) THM400 Automatic Transmission,2Z = (M40) THM400 Automatic Transmission,", "",
      "4K = (L78) SS 396,", ""},
     "0- 1- 2M 2Z 3- 4K 5-", 1},
    {"Z28TakesM21", {"", "L", "", "L", ""}, 0, "701A",
     {"", "2L = (M21) 4-speed floor shifter,", "", "4L = (Z28) 302,", ""}, "0- 1- 2L 3- 4L 5-", 1},
    {"L78TakesM21", {"", "L", "", "K", ""}, 0, "701A",
     {"", "2L = (M21) 4-speed floor shifter,", "", "4K = (L78) SS 396,", ""}, "0- 1- 2L 3- 4K 5-", 1},
    {"Ss350TakesHd3SpeedWithoutCountingIt", {"", "BM", "", "P", ""}, 0, "701A",
     {"", "2B = (M13) HD 3-speed floor shifter,2M = (M35) Powerglide Transmission,", "", "4P = (L48) SS 350,", ""},
     "0- 1- 2B 2M 3- 4P 5-", 1},
    {"OneEngineOnly", {"", "", "", "PN", ""}, 0, "701A",
     {"", "", "", "4P = (L48) SS 350,4N = Cannot have more than one engine option.,", ""}, "0- 1- 2- 3- 4P 4N 5-",
     1},
    {"FourSpeedSs350October1966", {"", "L", "", "P", ""}, 0, "610A",
     {"", "2L = (M20) 4-speed floor shifter,", "", "4P = (L48) SS 350,", ""}, "0- 1- 2L 3- 4P 5-", 1},
    {"FourSpeedSs350August1966", {"", "L", "", "P", ""}, 0, "608E",
     {"", "2L = (M20) 4-speed floor shifter,", "", "4P = (L48) SS 350,", ""}, "0- 1- 2L 3- 4P 5-", 1},
    {"FourSpeedSs350December1966", {"", "L", "", "P", ""}, 0, "612A",
     {"", "2L = (M20) 4-speed floor shifter,", "", "4P = (L48) SS 350 or (L30) 327-275H,", ""},
     "0- 1- 2L 3- 4P 5-", 1},
    {"FourSpeedSs350NoDate", {"", "L", "", "P", ""}, 0, "____",
     {"", "2L = (M20) 4-speed floor shifter,", "", "4P = (L48) SS 350 or (L30) 327-275H,", ""},
     "0- 1- 2L 3- 4P 5-", 1},
    {"Group3EveryLetter", {"", "", "LDBSK", "", ""}, 0, "701A",
     {"", "",
      "3L = (Z22) Rally Sport Package,3D = (U29) Courtesy Lamp,3B = (C50) Defogger rear window,"
      "3S = (Z23) Interior Decor group,3K = (Z21) Deluxe exterior trim,",
      "", ""},
     "0- 1- 2- 3L 3D 3B 3S 3K 4- 5-", 0},
    {"UnknownCodeStillEchoed", {"", "", "Q", "", ""}, 0, "701A", {"", "", "3Q = ?,", "", ""},
     "0- 1- 2- 3Q 3- 4- 5-", 0},
    {"BlankIsACharacter", {"E W", "", "", "", ""}, 0, "701A",
     {"1E = (A01) Tinted All Glass,1  = ?,1W = (A02) Tinted W/S only,", "", "", "", ""}, "0- 1E 1  1W 2- 3- 4- 5-",
     0},
    {"DashOutsideGroups4And5", {"-", "", "", "", ""}, 0, "701A", {"1- = ?,", "", "", "", ""},
     "0- 1- 1- 2- 3- 4- 5-", 0},
    {"MirrorIsNoEngine", {"", "", "", "F", ""}, 0, "701A", {"", "", "", "4F = (D33) Mirror Remote Control,", ""},
     "0- 1- 2- 3- 4F 5-", 0},
    {"Group5EveryLetterNoTrailingBlank", {"", "", "", "", "CYBZO"}, 0, "701A",
     {"", "", "", "",
      "5C = (AS1) Shoulder harness - regular,5Y = (A39) Belts All Deluxe,5B = (V32) Rear Large Bumper Guards,"
      "5Z = (A85) Shoulder harness - Deluxe,5O = (A48) Export - Seatbelt delete,"},
     "0- 1- 2- 3- 4- 5C 5Y 5B 5Z 5O", 0},
    {"Group5UnknownOnly", {"", "", "", "", "Q"}, 0, "701A", {"", "", "", "", "5Q = ?,"}, "0- 1- 2- 3- 4- 5Q 5-", 0},
    {"Group5FoundThenUnknown", {"", "", "", "", "CQ"}, 0, "701A",
     {"", "", "", "", "5C = (AS1) Shoulder harness - regular,5Q = ?,"}, "0- 1- 2- 3- 4- 5C 5Q", 0},
    {"FleetCodeInGroup4", {"", "", "", "-123", ""}, 0, "701A",
     {"", "", "", "-123 = Special Order/Fleet Code,", ""}, "0- 1- 2- 3- 4- 5- 6-123", 0},
    {"FleetCodeAfterGroup5Code", {"", "", "", "", "C-9"}, 0, "701A",
     {"", "", "", "", "5C = (AS1) Shoulder harness - regular,-9 = Special Order/Fleet Code,"},
     "0- 1- 2- 3- 4- 5C 6-9", 0},
    {"FleetCodesOfBothGroupsJoin", {"", "", "", "-1", "-2"}, 0, "701A",
     {"", "", "", "-1 = Special Order/Fleet Code,", "-2 = Special Order/Fleet Code,"}, "0- 1- 2- 3- 4- 5- 6-12",
     0},
    {"BareDashIsSpecialOrder", {"", "", "", "-", ""}, 0, "701A", {"", "", "", "- = Special Order/Fleet Code,", ""},
     "0- 1- 2- 3- 4- 5- 6-", 0},
    // A fleet code is no engine option, whatever letter it ends in.
    {"FleetCodeEndingInPIsNoEngine", {"", "L", "", "-12P", ""}, 0, "701A",
     {"", "2L = (M20) 4-speed floor shifter,", "", "-12P = Special Order/Fleet Code,", ""},
     "0- 1- 2L 3- 4- 5- 6-12P", 0},
    {"FleetCodeAfterEngineGivesNoSecondEngine", {"", "", "", "N-1K", ""}, 0, "701A",
     {"", "", "", "4N = (L35) SS 396,-1K = Special Order/Fleet Code,", ""}, "0- 1- 2- 3- 4N 5- 6-1K", 1},
    {"FleetCodeTakesNoPartInTransmissionRules", {"", "MB", "", "-NP", ""}, 0, "701A",
     {"", "2M = (M35) Powerglide Transmission,2B = Cannot have more than one transmission option.,", "",
      "-NP = Special Order/Fleet Code,", ""},
     "0- 1- 2M 2B 3- 4- 5- 6-NP", 0},
};

class OptionGroups : public testing::TestWithParam<GroupCase> {};

TEST_P(OptionGroups, LinesEchoAndV8) {
    const GroupCase& c = GetParam();
    const OptionsRun run = RunOptions(c.groups, c.bConvertible, c.strDateCode);
    EXPECT_EQ(run.result.m_strOptions1, c.lines[0]);
    EXPECT_EQ(run.result.m_strOptions2, c.lines[1]);
    EXPECT_EQ(run.result.m_strOptions3, c.lines[2]);
    EXPECT_EQ(run.result.m_strOptions4, c.lines[3]);
    EXPECT_EQ(run.result.m_strOptions5, c.lines[4]);
    EXPECT_EQ(run.result.m_strOptionCodes, c.strCodes);
    EXPECT_EQ(run.bV8, c.bV8);
}

INSTANTIATE_TEST_SUITE_P(Cases, OptionGroups, testing::ValuesIn(kGroupCases),
                         [](const testing::TestParamInfo<GroupCase>& info) { return info.param.szName; });

TEST(OptionGroups, TypedCommaStaysInsideItsItem) {
    const OptionsRun run = RunOptions({"", "", "L,D", "", ""}, 0, "701A");
    EXPECT_EQ(run.result.m_strOptions3, "3L = (Z22) Rally Sport Package,3\x1F = ?,3D = (U29) Courtesy Lamp,");
    EXPECT_EQ(Items(run.result.m_strOptions3),
              (std::vector<std::string>{"3L = (Z22) Rally Sport Package", "3\x1F = ?", "3D = (U29) Courtesy Lamp"}));
    EXPECT_EQ(run.result.m_strOptionCodes, "0- 1- 2- 3L 3, 3D 4- 5-");
}

TEST(OptionGroups, TypedCommaInFleetCode) {
    const OptionsRun run = RunOptions({"", "", "", "-1,2", ""}, 0, "701A");
    EXPECT_EQ(run.result.m_strOptions4, "-1\x1F" "2 = Special Order/Fleet Code,");
    EXPECT_EQ(Items(run.result.m_strOptions4).size(), 1u);
    EXPECT_EQ(run.result.m_strOptionCodes, "0- 1- 2- 3- 4- 5- 6-1,2");
}

TEST(OptionGroups, TypedMarkerByteShowsAsQuestionMark) {
    const OptionsRun run = RunOptions({"\x1F", "", "", "", "-\x1F"}, 0, "701A");
    EXPECT_EQ(run.result.m_strOptions1, "1? = ?,");
    EXPECT_EQ(run.result.m_strOptions5, "-? = Special Order/Fleet Code,");
    EXPECT_EQ(run.result.m_strOptionCodes, "0- 1\x1F 1- 2- 3- 4- 5- 6-\x1F");
}

TEST(OptionGroups, AnyBytesKeepEveryItemCommaTerminated) {
    std::string strJunk = ",,\t\xFF";
    strJunk += '\0';
    strJunk += std::string(300, 'e');  // upper-cased to E: found 300 times
    const std::array<std::string, 5> groups{strJunk, strJunk, strJunk, strJunk, strJunk};
    const OptionsRun run = RunOptions(groups, 1, "6");
    for (const std::string* pLine : {&run.result.m_strOptions1, &run.result.m_strOptions2, &run.result.m_strOptions3,
                                     &run.result.m_strOptions4, &run.result.m_strOptions5}) {
        EXPECT_FALSE(Items(*pLine).empty());
    }
    EXPECT_EQ(Items(run.result.m_strOptions1).size(), 305u);
    EXPECT_EQ(Items(run.result.m_strOptions3).size(), 305u);
}

struct SeatCase {
    const char* szName;
    std::string strSeat;
    std::string strTrimCode;  // before
    std::string strCodesBefore;
    std::string strSeatLine;
    std::string strTrimCodeAfter;
    std::string strCodes;
};

const std::vector<SeatCase> kSeatCases = {
    {"H", "H", "760-", "", "H = (AL4) Strato Back (bench Seat).", "760-H", "0- 1- 2- 3- 4- 5-"},
    {"T", "T", "756-", "", "T = (AL4) Strato Back (bench Seat) and (AS2) Head Rest.", "756-T", "0- 1- 2- 3- 4- 5-"},
    {"YLowerCase", "y", "717-", "", "Y = (AS2) Buckets and Head Rest.", "717-Y", "0- 1- 2- 3- 4- 5-"},
    {"Z", "Z", "741-", "", "Z = (A50) Strato Bucket Seats (without headrests).", "741-Z", "0- 1- 2- 3- 4- 5-"},
    {"Empty", "", "760-", "", "No seat style was given.", "760-", "0- 1- 2- 3- 4- 5-"},
    {"UnknownLetterEchoedWithoutLine", "Q", "760-", "", "", "760-Q", "0- 1- 2- 3- 4- 5-"},
    {"TwoLettersEchoedWithoutLine", "hz", "760-", "", "", "760-HZ", "0- 1- 2- 3- 4- 5-"},
    {"NoTrimCode", "H", "", "", "H = (AL4) Strato Back (bench Seat).", "H", "0- 1- 2- 3- 4- 5-"},
    {"InteriorPaintEchoFirst", "H", "760-", "0B ", "H = (AL4) Strato Back (bench Seat).", "760-H",
     "0B 1- 2- 3- 4- 5-"},
};

class SeatStyles : public testing::TestWithParam<SeatCase> {};

TEST_P(SeatStyles, LineAndEchoes) {
    const SeatCase& c = GetParam();
    const OptionsRun run = RunOptions({"", "", "", "", ""}, 0, "701A", c.strSeat, c.strTrimCode, c.strCodesBefore);
    EXPECT_EQ(run.result.m_strSeat, c.strSeatLine);
    EXPECT_EQ(run.result.m_strTrimCode, c.strTrimCodeAfter);
    EXPECT_EQ(run.result.m_strOptionCodes, c.strCodes);
}

INSTANTIATE_TEST_SUITE_P(Cases, SeatStyles, testing::ValuesIn(kSeatCases),
                         [](const testing::TestParamInfo<SeatCase>& info) { return info.param.szName; });

}  // namespace
}  // namespace vexlor
