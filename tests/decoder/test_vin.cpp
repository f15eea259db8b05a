#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "decoder/decode.h"
#include "decoder/decode_context.h"
#include "decoder/sections.h"

namespace vexlor {
namespace {

// Runs the VIN step alone, as the decode does at its start.
struct VinRun {
    TagFields fields;
    DecodeResult result;
    DecodeContext ctx{fields, result};

    VinRun(std::string strYear, std::string strVin, std::string strSerial) {
        fields.strYear = std::move(strYear);
        fields.strVinPrefix = std::move(strVin);
        fields.strSerial = std::move(strSerial);
        ctx.nYear = YearDigit(fields.strYear);
        DecodeVin(ctx);
    }
};

struct VinPositionCase {
    std::string strVin;
    std::string strMake;
    std::string strLine;
    std::string strEngine;
    std::string strBody;
    std::string strYear;
    std::string strPlant;
    int bValid;
    int bLosAngeles;
    int bSixCylinder;
    std::string strPrefix;
};

TEST(VinPositions, EveryRowAndUnknownValue) {
    const std::vector<VinPositionCase> cases = {
        {"124377N", "1 = Chevrolet", "2 = Camaro", "4 = 8-cylinder engine", "37 = coupe body",
         "7 = 1967 model year", "N = Norwood, OH assembly plant", 1, 0, 0, "12437"},
        {"123678L", "1 = Chevrolet", "2 = Camaro", "3 = 6-cylinder engine", "67 = convertible body",
         "8 = 1968 model year", "L = Los Angeles, CA assembly plant (Van Nuys)", 1, 1, 1, "12367"},
        {"124379n", "1 = Chevrolet", "2 = Camaro", "4 = 8-cylinder engine", "37 = coupe body",
         "9 = 1969 model year", "N = Norwood, OH assembly plant", 1, 0, 0, "12437"},
        {"125377N", "1 = Chevrolet", "2 = Camaro", "5 = ~cylinder engine", "37 = coupe body",
         "7 = 1967 model year", "N = Norwood, OH assembly plant", 0, 0, 0, ""},
        {"124447N", "1 = Chevrolet", "2 = Camaro", "4 = 8-cylinder engine", "44 = ?? body",
         "7 = 1967 model year", "N = Norwood, OH assembly plant", 0, 0, 0, ""},
        {"124376N", "1 = Chevrolet", "2 = Camaro", "4 = 8-cylinder engine", "37 = coupe body",
         "6 = ?? model year", "N = Norwood, OH assembly plant", 0, 0, 0, ""},
        {"12437AL", "1 = Chevrolet", "2 = Camaro", "4 = 8-cylinder engine", "37 = coupe body",
         "A = ?? model year", "L = Los Angeles, CA assembly plant (Van Nuys)", 0, 1, 0, ""},
        {"123377X", "1 = Chevrolet", "2 = Camaro", "3 = 6-cylinder engine", "37 = coupe body",
         "7 = 1967 model year", "X = ?? assembly plant", 0, 0, 1, ""},
        {"125366L", "1 = Chevrolet", "2 = Camaro", "5 = ~cylinder engine", "36 = ?? body",
         "6 = ?? model year", "L = Los Angeles, CA assembly plant (Van Nuys)", 0, 1, 0, ""},
        {"1243", "1 = Chevrolet", "2 = Camaro", "4 = 8-cylinder engine", "3 = ?? body",
         " = ?? model year", " = ?? assembly plant", 0, 0, 0, ""},
        {"12", "1 = Chevrolet", "2 = Camaro", " = ~cylinder engine", " = ?? body",
         " = ?? model year", " = ?? assembly plant", 0, 0, 0, ""},
        {"AB", "Not a valid Camaro vin number.", "", "", "", "", "", 0, 0, 0, ""},
        {"1", "Not a valid Camaro vin number.", "", "", "", "", "", 0, 0, 0, ""},
        {"21", "Not a valid Camaro vin number.", "", "", "", "", "", 0, 0, 0, ""},
        {"X24377L", "Not a valid Camaro vin number.", "", "", "", "", "", 0, 0, 0, ""},
        {" 124377N", "Not a valid Camaro vin number.", "", "", "", "", "", 0, 0, 0, ""},
    };
    for (const VinPositionCase& c : cases) {
        SCOPED_TRACE(c.strVin);
        VinRun run("1967", c.strVin, "100001");
        const DecodeResult& r = run.result;
        EXPECT_EQ(r.m_bVinGiven, 1);
        EXPECT_EQ(r.m_strVinMake, c.strMake);
        EXPECT_EQ(r.m_strVinLine, c.strLine);
        EXPECT_EQ(r.m_strVinEngine, c.strEngine);
        EXPECT_EQ(r.m_strVinBody, c.strBody);
        EXPECT_EQ(r.m_strVinYear, c.strYear);
        EXPECT_EQ(r.m_strVinPlant, c.strPlant);
        EXPECT_EQ(r.m_bVinValid, c.bValid);
        EXPECT_EQ(r.m_bVinLosAngeles, c.bLosAngeles);
        EXPECT_EQ(run.ctx.bSixCylinder, c.bSixCylinder);
        EXPECT_EQ(r.m_strVinPrefix, c.strPrefix);
        if (!c.bValid) {
            // An invalid first half leaves the serial unread.
            EXPECT_EQ(r.m_strVinSerial, "");
            EXPECT_EQ(r.m_strVinTail, "");
        }
    }
}

struct SerialCase {
    std::string strYear;
    std::string strVin;
    std::string strSerial;
    std::string strLine;
    std::string strTail;
};

TEST(VinSerial, RangesAndLengths) {
    const std::vector<SerialCase> cases = {
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
        {"1969", "124379L", "700001", "700001 - the first digit must be a 5.", ""},
        {"1969", "124379N", "500001", "500001 = vehicle serial number sequence", "9N500001"},
        {"1969", "124379N", "600001", "600001 = vehicle serial number sequence", "9N600001"},
        {"1969", "124379N", "700001", "700001 = vehicle serial number sequence", "9N700001"},
        {"1969", "124379N", "400001", "400001 - the first digit must be a 5,6 or 7.", ""},
        {"1969", "124379N", "800001", "800001 - the first digit must be a 5,6 or 7.", ""},
        // Length: only the first character and the length are tested.
        {"1967", "124677N", "10000", "10000 - this the wrong length.  Should be 6 digits.", "7N10000_"},
        {"1967", "124677N", "1", "1 - this the wrong length.  Should be 6 digits.", "7N1_____"},
        {"1967", "124677N", "1000012345", "1000012345 - this the wrong length.  Should be 6 digits.",
         "7N100001"},
        {"1967", "124677N", "1abcde", "1ABCDE = vehicle serial number sequence", "7N1ABCDE"},
        {"1967", "124677N", "30000", "30000 - the first digit must be a 1 or a 2.", ""},
        {"1967", "124677N", " 10000", " 10000 - the first digit must be a 1 or a 2.", ""},
        {"1967", "124677N", "", "", ""},
        // The VIN's own year digit chooses the row, not the year field.
        {"1968", "124377N", "100001", "100001 = vehicle serial number sequence", "7N100001"},
        {"1967", "124379L", "500001", "500001 = vehicle serial number sequence", "9L500001"},
        // Characters typed after the plant letter do not enter the tail.
        {"1967", "124377NXY", "100001", "100001 = vehicle serial number sequence", "7N100001"},
        {"1967", "124377NXY", "1000", "1000 - this the wrong length.  Should be 6 digits.", "7N1000__"},
    };
    for (const SerialCase& c : cases) {
        SCOPED_TRACE(c.strVin + " " + c.strSerial);
        VinRun run(c.strYear, c.strVin, c.strSerial);
        EXPECT_EQ(run.result.m_strVinSerial, c.strLine);
        EXPECT_EQ(run.result.m_strVinTail, c.strTail);
        EXPECT_EQ(run.result.m_bVinValid, 1);
    }
}

TEST(VinSerial, BlankFirstHalfMakesOnlyTheTail) {
    const std::vector<SerialCase> cases = {
        {"1967", "", "100001", "", "7_100001"},
        {"1967", "", "1000", "", "7_1000__"},
        {"1967", "", "2000001234", "", "7_200000"},
        {"1967", "", "300001", "", ""},
        {"1967", "", "", "", ""},
        {"1968", "", "300001", "", "8_300001"},
        {"68", "", "3", "", "8_3_____"},
        {"1968", "", "100001", "", ""},
        {"1969", "", "500001", "", "9_500001"},
        {"1969", "", "700001", "", "9_700001"},
        {"1969", "", "400001", "", ""},
        {"1970", "", "100001", "", ""},
        {"", "", "500001", "", ""},
    };
    for (const SerialCase& c : cases) {
        SCOPED_TRACE(c.strYear + " " + c.strSerial);
        VinRun run(c.strYear, c.strVin, c.strSerial);
        EXPECT_EQ(run.result.m_strVinSerial, "");
        EXPECT_EQ(run.result.m_strVinTail, c.strTail);
        EXPECT_EQ(run.result.m_bVinGiven, 0);
        EXPECT_EQ(run.result.m_bVinValid, 0);
        EXPECT_EQ(run.result.m_strVinMake, "");
        EXPECT_EQ(run.result.m_strVinPrefix, "");
    }
}

TEST(VinInput, HugeAndOddTextsStayInBounds) {
    VinRun longVin("1967", "124377N" + std::string(100000, 'Z'), std::string(100000, '1'));
    EXPECT_EQ(longVin.result.m_strVinPrefix, "12437");
    EXPECT_EQ(longVin.result.m_strVinTail, "7N111111");

    VinRun nulEngine("1967", std::string("12\0" "377N", 7), "");
    EXPECT_EQ(nulEngine.result.m_strVinEngine, std::string("\0 = ~cylinder engine", 20));
    EXPECT_EQ(nulEngine.result.m_bVinValid, 0);

    VinRun highBytes("1967", "12\xe9\xff" "7\x80", "\xb1" "00001");
    EXPECT_EQ(highBytes.result.m_strVinEngine, "\xe9 = ~cylinder engine");
    EXPECT_EQ(highBytes.result.m_strVinBody, "\xff" "7 = ?? body");
    EXPECT_EQ(highBytes.result.m_strVinYear, "\x80 = ?? model year");
    EXPECT_EQ(highBytes.result.m_strVinPlant, " = ?? assembly plant");
}

struct BodyNumberCase {
    int nYear;
    std::string strText;
    std::string strLine;
    std::string strBodyNumber;
};

TEST(BodyNumber, YearRules) {
    const std::vector<BodyNumberCase> cases = {
        {7, "65727", "Decode for body number: 065727", "065727"},
        {8, "123", "Decode for body number: 000123", "000123"},
        {7, "", "", "______"},
        {8, "", "", "______"},
        {9, "", "", "______"},
        {7, "1234567", "Decode for body number: 1234567", "1234567"},
        {7, "  42x", "Decode for body number: 000042", "000042"},
        {7, "-5", "Decode for body number: -00005", "-00005"},
        {7, "abc", "Decode for body number: 000000", "000000"},
        {8, "99999999999999999999", "Decode for body number: 2147483647", "2147483647"},
        {0, "123", "Decode for body number: 000123", "000123"},
        {9, "123456", "Decode for body number: 123456", "123456"},
        {9, "012345", "Decode for body number: 012345", "012345"},
        {9, "abcdef", "Decode for body number: 000000", "000000"},
        {9, "123", "Decode for body number: Number has to be 6 digits long.", "123___"},
        {9, "ab", "Decode for body number: Number has to be 6 digits long.", "AB____"},
        {9, "1234567", "Decode for body number: Number has to be 6 digits long.", "1234567"},
    };
    for (const BodyNumberCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.nYear) + " " + c.strText);
        TagFields fields;
        fields.strBodyNumber = c.strText;
        DecodeResult result;
        DecodeContext ctx{fields, result};
        ctx.nYear = c.nYear;
        DecodeBodyNumber(ctx);
        EXPECT_EQ(result.m_strBodyNumber, c.strLine);
        EXPECT_EQ(ctx.strBodyNumber, c.strBodyNumber);
    }
}

// The whole decode shows the same VIN findings as the step alone.
TEST(VinDecode, FullDecodeKeepsTheVinLines) {
    TagFields fields;
    fields.strYear = "1967";
    fields.strVinPrefix = "124377N";
    fields.strSerial = "100001";
    fields.strBodyNumber = "123";
    const DecodeResult r = Decode(fields);
    EXPECT_EQ(r.m_bVinGiven, 1);
    EXPECT_EQ(r.m_strVinMake, "1 = Chevrolet");
    EXPECT_EQ(r.m_strVinLine, "2 = Camaro");
    EXPECT_EQ(r.m_strVinEngine, "4 = 8-cylinder engine");
    EXPECT_EQ(r.m_strVinBody, "37 = coupe body");
    EXPECT_EQ(r.m_strVinYear, "7 = 1967 model year");
    EXPECT_EQ(r.m_strVinPlant, "N = Norwood, OH assembly plant");
    EXPECT_EQ(r.m_strVinSerial, "100001 = vehicle serial number sequence");
    EXPECT_EQ(r.m_strVinPrefix, "12437");
    EXPECT_EQ(r.m_strVinTail, "7N100001");
    EXPECT_EQ(r.m_strBodyNumber, "Decode for body number: 000123");
    EXPECT_EQ(r.m_bVinValid, 1);
}

}  // namespace
}  // namespace vexlor
