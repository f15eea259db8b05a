// The VIN's first half, its serial, and the body number.
#include <tuple>

#include "decoder_test_support.h"

namespace vexlor {

TEST(Vin, EachPositionIsReadEvenAfterAnUnknownOne) {
    struct Case {
        const char* pszVin;
        std::vector<std::string> lines;  // make, car line, engine, body, model year, plant, serial
        int bValid, bLosAngeles;
        bool bCamaro;
    };
    const std::vector<Case> cases = {
        {"124377N", {"1 = Chevrolet", "2 = Camaro", "4 = 8-cylinder engine", "37 = coupe body", "7 = 1967 model year",
                     "N = Norwood, OH assembly plant", "100001 = vehicle serial number sequence"}, 1, 0, true},
        {"123679l", {"1 = Chevrolet", "2 = Camaro", "3 = 6-cylinder engine", "67 = convertible body",
                     "9 = 1969 model year", "L = Los Angeles, CA assembly plant (Van Nuys)",
                     "100001 - the first digit must be a 5."}, 1, 1, true},
        {"125366X", {"1 = Chevrolet", "2 = Camaro", "5 = ~cylinder engine", "36 = ?? body", "6 = ?? model year",
                     "X = ?? assembly plant", ""}, 0, 0, true},
        {"AB", {"Not a valid Camaro vin number.", "", "", "", "", "", ""}, 0, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszVin);
        const R r = Decode(Tag({{"year", "1967"}, {"vin", c.pszVin}, {"serial", "100001"}}));
        EXPECT_EQ((std::vector{r.m_strVinMake, r.m_strVinLine, r.m_strVinEngine, r.m_strVinBody, r.m_strVinYear,
                               r.m_strVinPlant, r.m_strVinSerial}), c.lines);
        EXPECT_EQ(std::tuple(r.m_bVinGiven, r.m_bVinValid, r.m_bVinLosAngeles, r.m_bCamaroVin),
                  std::tuple(1, c.bValid, c.bLosAngeles, c.bCamaro));
        EXPECT_EQ(r.m_strVinPrefix.find("_") == std::string::npos, c.bValid == 1);  // only a valid one is the key's
    }
}

TEST(Vin, SerialRangesAndLengths) {
    const char* const kWrongLength = " - this the wrong length.  Should be 6 digits.";
    const std::vector<std::tuple<const char*, const char*, const char*, std::string, const char*>> cases = {
        // year field, VIN, serial, serial line, key tail
        {"1967", "124377N", "100001", "100001 = vehicle serial number sequence", "7N100001"},
        {"1967", "124377N", "300001", "300001 - the first digit must be a 1 or a 2.", "7N______"},
        {"1968", "124378N", "200001", "200001 - the first digit must be a 3 or a 4.", "8N______"},
        {"1969", "124379L", "500001", "500001 = vehicle serial number sequence", "9L500001"},
        {"1969", "124379N", "700001", "700001 = vehicle serial number sequence", "9N700001"},
        {"1969", "124379N", "800001", "800001 - the first digit must be a 5,6 or 7.", "9N______"},
        {"1968", "124377N", "100001", "100001 = vehicle serial number sequence", "7N100001"},  // the VIN's year
        {"1967", "124677N", "10000", std::string("10000") + kWrongLength, "7N10000_"},
        {"1967", "124677N", "1000012345", std::string("1000012345") + kWrongLength, "7N100001"},
        {"1967", "124377NXY", "1000", std::string("1000") + kWrongLength, "7N1000__"},
        {"1967", "124677N", "", "", "7N______"},
        // No first half: no line, and the tail only for a serial that fits the year field.
        {"1967", "", "300001", "", "7_______"},
        {"1968", "", "300001", "", "8_300001"},
        {"1969", "", "700001", "", "9_700001"},
    };
    for (const auto& [pszYear, pszVin, pszSerial, strLine, pszTail] : cases) {
        const R r = Decode(Tag({{"year", pszYear}, {"vin", pszVin}, {"serial", pszSerial}}));
        EXPECT_EQ(Joined({r.m_strVinSerial, r.m_strVinTail}), Joined({strLine, pszTail})) << pszYear << " " << pszVin;
    }
}

// The body number as atoi reads it, printed with six digits; a 1969 number must have six characters.
// A number too long for an int keeps the digits typed (2^64 + 1 would wrap to 1, an int clamp to -2147483648).
TEST(BodyNumber, SixDigits) {
    const char* const kWrongLength = "Number has to be 6 digits long.";
    for (const auto& [pszYear, pszBody, pszLineEnd, pszPlantBody] : {
             std::tuple{"1968", "123", "000123", "N000123"}, {"1967", "\t\r 42x", "000042", "N000042"},
             {"1970", "abc", "000000", "N000000"}, {"1967", "-5", "-00005", "N-00005"},
             {"1968", "-18446744073709551617", "-18446744073709551617", "N-18446744073709551617"},
             {"1967", " +0099999999999x", "99999999999", "N99999999999"}, {"1968", "- 5", "000000", "N000000"},
             {"1967", "", nullptr, "N______"},
             {"1969", "012345", "012345", "N012345"}, {"1969", "123", kWrongLength, "N123___"},
             {"1969", "1234567", kWrongLength, "N1234567"}}) {
        const R r = Decode(Tag({{"year", pszYear}, {"plant", "NOR"}, {"body", pszBody}}));
        const std::string strLine = pszLineEnd ? std::string("Decode for body number: ") + pszLineEnd : "";
        EXPECT_EQ(Joined({r.m_strBodyNumber, r.m_strPlantBody}), Joined({strLine, pszPlantBody}));
    }
}

}  // namespace vexlor
