// 1967 seat style and option groups.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "decoder/sections.h"
#include "decoder_test_support.h"

namespace vexlor {
namespace {

using testing_support::SectionRun;

// The five groups of a row are written "group1|group2|group3|group4|group5".
std::vector<std::string> SplitAtBars(const std::string& strText) {
    std::vector<std::string> parts(1);
    for (char c : strText) {
        if (c == '|') parts.emplace_back();
        else parts.back() += c;
    }
    return parts;
}

struct GroupCase {
    const char* pszName;
    std::string strGroups;
    int bConvertible;
    const char* pszDateCode;
    std::string strLines;  // m_strOptions1 to m_strOptions5 joined the same way
    std::string strCodes;
    int bV8;
};

TEST(OptionGroups, LinesEchoAndV8) {
    const std::vector<GroupCase> cases = {
        {"WorkedExample", "EW|GL|L|P|C", 0, "701A",
         "1E = (A01) Tinted All Glass,1W = (A02) Tinted W/S only,|2G = (D55) Console front compartment,"
         "2L = (M20) 4-speed floor shifter,|3L = (Z22) Rally Sport Package,|4P = (L48) SS 350 or (L30) 327-275H,|"
         "5C = (AS1) Shoulder harness - regular,",
         "0- 1E 1W 2G 2L 3L 4P 5C", 1},
        {"AllGroupsEmpty", "||||", 0, "____", "||||", "0- 1- 2- 3- 4- 5-", 0},
        {"Group1EveryLetterOnCoupe", "ewxld||||", 0, "701A",
         "1E = (A01) Tinted All Glass,1W = (A02) Tinted W/S only,1X = (A31) Power Windows,"
         "1L = (A67) Fold-down rear seat,1D = Error- can only be used on a convertible car.,||||",
         "0- 1E 1W 1X 1L 1D 2- 3- 4- 5-", 0},
        {"Group1PowerTopOnConvertible", "D||||", 1, "701A", "1D = (C06) Power top convertible,||||",
         "0- 1D 2- 3- 4- 5-", 0},
        {"Group2OtherLettersThenThreeSpeed", "|GHEUSRB|||", 0, "701A",
         "|2G = (D55) Console front compartment,2H = (C48) Heater delete,2E = (C60) Air Conditioner,"
         "2U = (U57) Tape Player,2S = (U73) Antenna Manual right rear,2R = (U80) Speaker rear,"
         "2B = (M11) 3-speed floor shifter,|||",
         "0- 1- 2G 2H 2E 2U 2S 2R 2B 3- 4- 5-", 0},
        {"Thm400CountsAsTheTransmission", "|ZB|||", 0, "701A",
         "|2Z = (M40) THM400 Automatic Transmission,2B = Cannot have more than one transmission option.,|||",
         "0- 1- 2Z 2B 3- 4- 5-", 0},
        {"PowerglideThenFourSpeed", "|ML|||", 0, "701A",
         "|2M = (M35) Powerglide Transmission,2L = Cannot have more than one transmission option.,|||",
         "0- 1- 2M 2L 3- 4- 5-", 0},
        {"Ss396L35TakesThm400WithoutCountingIt", "|MZ||N|", 0, "701A",
         "|2M = (M40) THM400 Automatic Transmission,2Z = (M40) THM400 Automatic Transmission,||4N = (L35) SS 396,|",
         "0- 1- 2M 2Z 3- 4N 5-", 1},
        {"Ss396L78TakesThm400WithoutCountingIt", "|MZ||K|", 0, "701A",
         "|2M = (M40) THM400 Automatic Transmission,2Z = (M40) THM400 Automatic Transmission,||4K = (L78) SS 396,|",
         "0- 1- 2M 2Z 3- 4K 5-", 1},
        {"Z28TakesM21", "|L||L|", 0, "701A", "|2L = (M21) 4-speed floor shifter,||4L = (Z28) 302,|",
         "0- 1- 2L 3- 4L 5-", 1},
        {"L78TakesM21", "|L||K|", 0, "701A", "|2L = (M21) 4-speed floor shifter,||4K = (L78) SS 396,|",
         "0- 1- 2L 3- 4K 5-", 1},
        {"Ss350TakesHd3SpeedWithoutCountingIt", "|BM||P|", 0, "701A",
         "|2B = (M13) HD 3-speed floor shifter,2M = (M35) Powerglide Transmission,||4P = (L48) SS 350,|",
         "0- 1- 2B 2M 3- 4P 5-", 1},
        {"OneEngineOnly", "|||PN|", 0, "701A", "|||4P = (L48) SS 350,4N = Cannot have more than one engine option.,|",
         "0- 1- 2- 3- 4P 4N 5-", 1},
        {"FourSpeedSs350October1966", "|L||P|", 0, "610A", "|2L = (M20) 4-speed floor shifter,||4P = (L48) SS 350,|",
         "0- 1- 2L 3- 4P 5-", 1},
        {"FourSpeedSs350December1966", "|L||P|", 0, "612A",
         "|2L = (M20) 4-speed floor shifter,||4P = (L48) SS 350 or (L30) 327-275H,|", "0- 1- 2L 3- 4P 5-", 1},
        {"FourSpeedSs350NoDate", "|L||P|", 0, "____",
         "|2L = (M20) 4-speed floor shifter,||4P = (L48) SS 350 or (L30) 327-275H,|", "0- 1- 2L 3- 4P 5-", 1},
        {"Group3EveryLetter", "||LDBSK||", 0, "701A",
         "||3L = (Z22) Rally Sport Package,3D = (U29) Courtesy Lamp,3B = (C50) Defogger rear window,"
         "3S = (Z23) Interior Decor group,3K = (Z21) Deluxe exterior trim,||",
         "0- 1- 2- 3L 3D 3B 3S 3K 4- 5-", 0},
        {"UnknownCodeStillEchoed", "||Q||", 0, "701A", "||3Q = ?,||", "0- 1- 2- 3Q 3- 4- 5-", 0},
        {"BlankIsACharacter", "E W||||", 0, "701A",
         "1E = (A01) Tinted All Glass,1  = ?,1W = (A02) Tinted W/S only,||||",
         "0- 1E 1  1W 2- 3- 4- 5-", 0},
        {"DashOutsideGroups4And5", "-||||", 0, "701A", "1- = ?,||||", "0- 1- 1- 2- 3- 4- 5-", 0},
        {"MirrorIsNoEngine", "|||F|", 0, "701A", "|||4F = (D33) Mirror Remote Control,|", "0- 1- 2- 3- 4F 5-", 0},
        {"Group5EveryLetterNoTrailingBlank", "||||CYBZO", 0, "701A",
         "||||5C = (AS1) Shoulder harness - regular,5Y = (A39) Belts All Deluxe,5B = (V32) Rear Large Bumper Guards,"
         "5Z = (A85) Shoulder harness - Deluxe,5O = (A48) Export - Seatbelt delete,",
         "0- 1- 2- 3- 4- 5C 5Y 5B 5Z 5O", 0},
        {"Group5UnknownOnly", "||||Q", 0, "701A", "||||5Q = ?,", "0- 1- 2- 3- 4- 5Q 5-", 0},
        {"Group5FoundThenUnknown", "||||CQ", 0, "701A", "||||5C = (AS1) Shoulder harness - regular,5Q = ?,",
         "0- 1- 2- 3- 4- 5C 5Q", 0},
        {"FleetCodeInGroup4", "|||-123|", 0, "701A", "|||-123 = Special Order/Fleet Code,|",
         "0- 1- 2- 3- 4- 5- 6-123", 0},
        {"FleetCodeAfterGroup5Code", "||||C-9", 0, "701A",
         "||||5C = (AS1) Shoulder harness - regular,-9 = Special Order/Fleet Code,", "0- 1- 2- 3- 4- 5C 6-9", 0},
        {"FleetCodesOfBothGroupsJoin", "|||-1|-2", 0, "701A",
         "|||-1 = Special Order/Fleet Code,|-2 = Special Order/Fleet Code,", "0- 1- 2- 3- 4- 5- 6-12", 0},
        {"BareDashIsSpecialOrder", "|||-|", 0, "701A", "|||- = Special Order/Fleet Code,|", "0- 1- 2- 3- 4- 5- 6-", 0},
        // A fleet code is no engine option, whatever letter it ends in.
        {"FleetCodeEndingInPIsNoEngine", "|L||-12P|", 0, "701A",
         "|2L = (M20) 4-speed floor shifter,||-12P = Special Order/Fleet Code,|", "0- 1- 2L 3- 4- 5- 6-12P", 0},
        {"FleetCodeAfterEngineGivesNoSecondEngine", "|||N-1K|", 0, "701A",
         "|||4N = (L35) SS 396,-1K = Special Order/Fleet Code,|", "0- 1- 2- 3- 4N 5- 6-1K", 1},
        {"FleetCodeTakesNoPartInTransmissionRules", "|MB||-NP|", 0, "701A",
         "|2M = (M35) Powerglide Transmission,2B = Cannot have more than one transmission option.,||"
         "-NP = Special Order/Fleet Code,|",
         "0- 1- 2M 2B 3- 4- 5- 6-NP", 0},
        // A typed comma shows as one item of its own (marked by \x1F, which the list shows as a comma);
        // a typed \x1F shows as '?'. Every item still ends in exactly one comma.
        {"TypedCommaStaysInsideItsItem", "||L,D||", 0, "701A",
         "||3L = (Z22) Rally Sport Package,3\x1F = ?,3D = (U29) Courtesy Lamp,||", "0- 1- 2- 3L 3, 3D 4- 5-", 0},
        {"TypedCommaInFleetCode", "|||-1,2|", 0, "701A", "|||-1\x1F" "2 = Special Order/Fleet Code,|",
         "0- 1- 2- 3- 4- 5- 6-1,2", 0},
        {"TypedMarkerByte", "\x1F||||-\x1F", 0, "701A", "1? = ?,||||-? = Special Order/Fleet Code,",
         "0- 1\x1F 1- 2- 3- 4- 5- 6-\x1F", 0},
        {"OddBytes", std::string(",\t\xFF\0", 4) + "||||", 0, "6",
         std::string("1\x1F = ?,1\t = ?,1\xFF = ?,1\0", 23) + " = ?,||||",
         std::string("0- 1, 1\t 1\xFF 1\0", 14) + " 1- 2- 3- 4- 5-", 0},
    };
    for (const GroupCase& c : cases) {
        SCOPED_TRACE(c.pszName);
        SectionRun run(7);
        const std::vector<std::string> groups = SplitAtBars(c.strGroups);
        ASSERT_EQ(groups.size(), 5u);
        for (size_t i = 0; i < 5; ++i) run.fields.strGroups[i] = groups[i];
        run.fields.strSeat = "Z";
        run.result.m_strDateCode = c.pszDateCode;
        run.ctx.bConvertible = c.bConvertible;
        DecodeSeatAndOptions(run.ctx);
        const DecodeResult& r = run.result;
        EXPECT_EQ(r.m_strOptions1 + "|" + r.m_strOptions2 + "|" + r.m_strOptions3 + "|" + r.m_strOptions4 + "|" +
                      r.m_strOptions5,
                  c.strLines);
        EXPECT_EQ(r.m_strOptionCodes, c.strCodes);
        EXPECT_EQ(run.ctx.bV8, c.bV8);
    }
}

TEST(SeatStyle, LineAndEchoes) {
    struct Case {
        const char *pszSeat, *pszTrimCode, *pszCodesBefore;  // the echoes as the trim and plant steps left them
        const char *pszSeatLine, *pszTrimCodeAfter, *pszCodes;
    };
    const std::vector<Case> cases = {
        {"H", "760-", "", "H = (AL4) Strato Back (bench Seat).", "760-H", "0- 1- 2- 3- 4- 5-"},
        {"T", "756-", "", "T = (AL4) Strato Back (bench Seat) and (AS2) Head Rest.", "756-T", "0- 1- 2- 3- 4- 5-"},
        {"y", "717-", "", "Y = (AS2) Buckets and Head Rest.", "717-Y", "0- 1- 2- 3- 4- 5-"},
        {"Z", "741-", "", "Z = (A50) Strato Bucket Seats (without headrests).", "741-Z", "0- 1- 2- 3- 4- 5-"},
        {"", "760-", "", "No seat style was given.", "760-", "0- 1- 2- 3- 4- 5-"},
        {"Q", "760-", "", "", "760-Q", "0- 1- 2- 3- 4- 5-"},
        {"hz", "760-", "", "", "760-HZ", "0- 1- 2- 3- 4- 5-"},
        {"H", "", "", "H = (AL4) Strato Back (bench Seat).", "H", "0- 1- 2- 3- 4- 5-"},
        {"H", "760-", "0B ", "H = (AL4) Strato Back (bench Seat).", "760-H", "0B 1- 2- 3- 4- 5-"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszSeat);
        SectionRun run(7);
        run.fields.strSeat = c.pszSeat;
        run.result.m_strTrimCode = c.pszTrimCode;
        run.result.m_strOptionCodes = c.pszCodesBefore;
        DecodeSeatAndOptions(run.ctx);
        EXPECT_EQ(run.result.m_strSeat, c.pszSeatLine);
        EXPECT_EQ(run.result.m_strTrimCode, c.pszTrimCodeAfter);
        EXPECT_EQ(run.result.m_strOptionCodes, c.pszCodes);
    }
}

}  // namespace
}  // namespace vexlor
