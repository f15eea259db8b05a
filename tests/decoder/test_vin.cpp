// The VIN's first half, its serial, and the body number.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "decoder/decode.h"
#include "decoder/sections.h"
#include "decoder_test_support.h"

namespace vexlor {
namespace {

using testing_support::SectionRun;
using testing_support::Tag;
using Lines = std::vector<std::string>;

TEST(Vin, EveryPositionValueAndUnknownOnes) {
    struct Case {
        const char* pszVin;
        Lines lines;  // make, car line, engine, body, model year, plant
        int bValid, bLosAngeles, bSixCylinder;
        const char* pszPrefix;
    };
    const std::vector<Case> cases = {
        {"124377N", {"1 = Chevrolet", "2 = Camaro", "4 = 8-cylinder engine", "37 = coupe body", "7 = 1967 model year",
                     "N = Norwood, OH assembly plant"}, 1, 0, 0, "12437"},
        {"123678L", {"1 = Chevrolet", "2 = Camaro", "3 = 6-cylinder engine", "67 = convertible body",
                     "8 = 1968 model year", "L = Los Angeles, CA assembly plant (Van Nuys)"}, 1, 1, 1, "12367"},
        {"124379n", {"1 = Chevrolet", "2 = Camaro", "4 = 8-cylinder engine", "37 = coupe body", "9 = 1969 model year",
                     "N = Norwood, OH assembly plant"}, 1, 0, 0, "12437"},
        // each position is read even when an earlier one failed
        {"125366L", {"1 = Chevrolet", "2 = Camaro", "5 = ~cylinder engine", "36 = ?? body", "6 = ?? model year",
                     "L = Los Angeles, CA assembly plant (Van Nuys)"}, 0, 1, 0, ""},
        {"123377X", {"1 = Chevrolet", "2 = Camaro", "3 = 6-cylinder engine", "37 = coupe body", "7 = 1967 model year",
                     "X = ?? assembly plant"}, 0, 0, 1, ""},
        {"1243", {"1 = Chevrolet", "2 = Camaro", "4 = 8-cylinder engine", "3 = ?? body", " = ?? model year",
                  " = ?? assembly plant"}, 0, 0, 0, ""},
        {"12", {"1 = Chevrolet", "2 = Camaro", " = ~cylinder engine", " = ?? body", " = ?? model year",
                " = ?? assembly plant"}, 0, 0, 0, ""},
        {"12\xe9\xff" "7\x80", {"1 = Chevrolet", "2 = Camaro", "\xe9 = ~cylinder engine", "\xff" "7 = ?? body",
                                "\x80 = ?? model year", " = ?? assembly plant"}, 0, 0, 0, ""},
        {"AB", {"Not a valid Camaro vin number.", "", "", "", "", ""}, 0, 0, 0, ""},
        {" 124377N", {"Not a valid Camaro vin number.", "", "", "", "", ""}, 0, 0, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszVin);
        SectionRun run(7, Tag({{"vin", c.pszVin}, {"serial", "100001"}}));
        DecodeVin(run.ctx);
        const DecodeResult& r = run.result;
        EXPECT_EQ(r.m_bVinGiven, 1);
        EXPECT_EQ((Lines{r.m_strVinMake, r.m_strVinLine, r.m_strVinEngine, r.m_strVinBody, r.m_strVinYear,
                         r.m_strVinPlant}), c.lines);
        EXPECT_EQ(r.m_bVinValid, c.bValid);
        EXPECT_EQ(r.m_bVinLosAngeles, c.bLosAngeles);
        EXPECT_EQ(run.ctx.bSixCylinder, c.bSixCylinder);
        EXPECT_EQ(r.m_strVinPrefix, c.pszPrefix);
        if (!c.bValid) {  // an invalid first half leaves the serial unread
            EXPECT_EQ(r.m_strVinSerial, "");
            EXPECT_EQ(r.m_strVinTail, "");
        }
    }
}

TEST(Vin, SerialRangesAndLengths) {
    struct Case {
        const char *pszYear, *pszVin, *pszSerial, *pszLine, *pszTail;
    };
    const std::vector<Case> cases = {
        {"1967", "124377N", "100001", "100001 = vehicle serial number sequence", "7N100001"},
        {"1967", "124377N", "299999", "299999 = vehicle serial number sequence", "7N299999"},
        {"1967", "124377N", "300001", "300001 - the first digit must be a 1 or a 2.", ""},
        {"1967", "124377N", "000001", "000001 - the first digit must be a 1 or a 2.", ""},
        {"1968", "124378N", "300001", "300001 = vehicle serial number sequence", "8N300001"},
        {"1968", "124378L", "499999", "499999 = vehicle serial number sequence", "8L499999"},
        {"1968", "124378N", "200001", "200001 - the first digit must be a 3 or a 4.", ""},
        {"1968", "124378N", "500001", "500001 - the first digit must be a 3 or a 4.", ""},
        {"1969", "124379L", "500001", "500001 = vehicle serial number sequence", "9L500001"},
        {"1969", "124379L", "600001", "600001 - the first digit must be a 5.", ""},
        {"1969", "124379N", "500001", "500001 = vehicle serial number sequence", "9N500001"},
        {"1969", "124379N", "600001", "600001 = vehicle serial number sequence", "9N600001"},
        {"1969", "124379N", "700001", "700001 = vehicle serial number sequence", "9N700001"},
        {"1969", "124379N", "400001", "400001 - the first digit must be a 5,6 or 7.", ""},
        {"1969", "124379N", "800001", "800001 - the first digit must be a 5,6 or 7.", ""},
        // Only the first character and the length are tested.
        {"1967", "124677N", "10000", "10000 - this the wrong length.  Should be 6 digits.", "7N10000_"},
        {"1967", "124677N", "1000012345", "1000012345 - this the wrong length.  Should be 6 digits.", "7N100001"},
        {"1967", "124677N", "1abcde", "1ABCDE = vehicle serial number sequence", "7N1ABCDE"},
        {"1967", "124677N", "30000", "30000 - the first digit must be a 1 or a 2.", ""},
        {"1967", "124677N", "", "", ""},
        // The VIN's own year digit chooses the row, not the year field.
        {"1968", "124377N", "100001", "100001 = vehicle serial number sequence", "7N100001"},
        {"1967", "124379L", "500001", "500001 = vehicle serial number sequence", "9L500001"},
        // Characters typed after the plant letter do not enter the tail.
        {"1967", "124377NXY", "1000", "1000 - this the wrong length.  Should be 6 digits.", "7N1000__"},
        // A blank first half: no line, only a tail when the serial fits the year field.
        {"1967", "", "1000", "", "7_1000__"},
        {"1967", "", "2000001234", "", "7_200000"},
        {"1967", "", "300001", "", ""},
        {"1968", "", "300001", "", "8_300001"},
        {"68", "", "3", "", "8_3_____"},
        {"1969", "", "700001", "", "9_700001"},
        {"1969", "", "400001", "", ""},
        {"1970", "", "100001", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.pszYear) + " " + c.pszVin + " " + c.pszSerial);
        SectionRun run(YearDigit(c.pszYear), Tag({{"vin", c.pszVin}, {"serial", c.pszSerial}}));
        DecodeVin(run.ctx);
        EXPECT_EQ(run.result.m_strVinSerial, c.pszLine);
        EXPECT_EQ(run.result.m_strVinTail, c.pszTail);
        const int bGiven = *c.pszVin ? 1 : 0;
        EXPECT_EQ(run.result.m_bVinGiven, bGiven);
        EXPECT_EQ(run.result.m_bVinValid, bGiven);
        if (!bGiven) {
            EXPECT_EQ(run.result.m_strVinMake, "");
            EXPECT_EQ(run.result.m_strVinPrefix, "");
        }
    }
}

TEST(BodyNumber, YearRules) {
    struct Case {
        int nYear;
        const char *pszText, *pszLine, *pszBodyNumber;
    };
    const std::vector<Case> cases = {
        {7, "65727", "Decode for body number: 065727", "065727"},
        {8, "123", "Decode for body number: 000123", "000123"},
        {7, "", "", "______"},
        {9, "", "", "______"},
        {7, "1234567", "Decode for body number: 1234567", "1234567"},
        {7, "  42x", "Decode for body number: 000042", "000042"},
        {7, "-5", "Decode for body number: -00005", "-00005"},
        {7, "abc", "Decode for body number: 000000", "000000"},
        {8, "99999999999999999999", "Decode for body number: 2147483647", "2147483647"},
        {0, "123", "Decode for body number: 000123", "000123"},
        {9, "012345", "Decode for body number: 012345", "012345"},
        {9, "abcdef", "Decode for body number: 000000", "000000"},
        {9, "123", "Decode for body number: Number has to be 6 digits long.", "123___"},
        {9, "ab", "Decode for body number: Number has to be 6 digits long.", "AB____"},
        {9, "1234567", "Decode for body number: Number has to be 6 digits long.", "1234567"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.nYear) + " " + c.pszText);
        SectionRun run(c.nYear, Tag({{"body", c.pszText}}));
        DecodeBodyNumber(run.ctx);
        EXPECT_EQ(run.result.m_strBodyNumber, c.pszLine);
        EXPECT_EQ(run.ctx.strBodyNumber, c.pszBodyNumber);
    }
}

}  // namespace
}  // namespace vexlor
