// 1967 seat style and option groups: the rules between the groups, the echo,
// and what the V8 engine options tell the VIN key.
#include <array>
#include <tuple>

#include "decoder_test_support.h"

namespace vexlor {

TEST(OptionGroups, RulesEchoAndV8) {
    struct Case {
        const char* pszName;
        std::array<const char*, 5> groups;
        const char *pszStyle, *pszDate;
        std::string strLines;  // m_strOptions1 to 5 joined by '|'
        const char *pszCodes, *pszPrefix;  // the prefix tells whether a V8 was found
    };
    const std::vector<Case> cases = {
        {"PowerTopOnCoupeOneTransmission", {"D", "ML", "", "", ""}, "67-12437", "",
         "1D = Error- can only be used on a convertible car.,|2M = (M35) Powerglide Transmission,"
         "2L = Cannot have more than one transmission option.,|||", "0- 1D 2M 2L 3- 4- 5-", "12_37"},
        {"PowerTopOnConvertibleThm400IsTheTransmission", {"D", "ZB", "", "", ""}, "67-12467", "",
         "1D = (C06) Power top convertible,|2Z = (M40) THM400 Automatic Transmission,"
         "2B = Cannot have more than one transmission option.,|||", "0- 1D 2Z 2B 3- 4- 5-", "12_67"},
        {"Ss396TakesThm400Uncounted", {"", "MZ", "", "N", ""}, "", "",
         "|2M = (M40) THM400 Automatic Transmission,2Z = (M40) THM400 Automatic Transmission,||4N = (L35) SS 396,|",
         "0- 1- 2M 2Z 3- 4N 5-", "124_7"},
        {"Z28TakesM21OneEngine", {"", "L", "", "LP", ""}, "", "",
         "|2L = (M21) 4-speed floor shifter,||4L = (Z28) 302,4P = Cannot have more than one engine option.,|",
         "0- 1- 2L 3- 4L 4P 5-", "124_7"},
        {"L78TakesM21", {"", "L", "", "K", ""}, "", "", "|2L = (M21) 4-speed floor shifter,||4K = (L78) SS 396,|",
         "0- 1- 2L 3- 4K 5-", "124_7"},
        {"Ss350TakesHd3SpeedUncounted", {"", "BM", "", "P", ""}, "", "",
         "|2B = (M13) HD 3-speed floor shifter,2M = (M35) Powerglide Transmission,||4P = (L48) SS 350,|",
         "0- 1- 2B 2M 3- 4P 5-", "124_7"},
        {"FourSpeedSs350October1966", {"", "L", "", "P", ""}, "", "10a",
         "|2L = (M20) 4-speed floor shifter,||4P = (L48) SS 350,|", "0- 1- 2L 3- 4P 5-", "124_7"},
        {"FourSpeedSs350December1966", {"", "L", "", "P", ""}, "", "12A",
         "|2L = (M20) 4-speed floor shifter,||4P = (L48) SS 350 or (L30) 327-275H,|", "0- 1- 2L 3- 4P 5-", "124_7"},
        {"UnknownCodesMirrorNoTrailingBlank", {"", "", "Q", "F", "CQ"}, "", "",
         "||3Q = ?,|4F = (D33) Mirror Remote Control,|5C = (AS1) Shoulder harness - regular,5Q = ?,",
         "0- 1- 2- 3Q 3- 4F 5C 5Q", "12__7"},
        // Everything after '-' in group 4 or 5 is a fleet code: no engine, and the two join in the echo.
        {"FleetCodes", {"", "L", "", "-1K", "C-2"}, "", "",
         "|2L = (M20) 4-speed floor shifter,||-1K = Special Order/Fleet Code,|5C = (AS1) Shoulder harness - regular,"
         "-2 = Special Order/Fleet Code,", "0- 1- 2L 3- 4- 5C 6-1K2", "12__7"},
        // A typed comma is held as \x1F inside its item (the list shows a comma); a typed \x1F shows as '?'.
        {"TypedCommaAndMarker", {"\x1F", "", "L,D", "", ""}, "", "",
         "1? = ?,||3L = (Z22) Rally Sport Package,3\x1F = ?,3D = (U29) Courtesy Lamp,||",
         "0- 1\x1F 1- 2- 3L 3, 3D 4- 5-", "12__7"},
    };
    for (const Case& c : cases) {
        const R r = Decode(Tag({{"year", "1967"}, {"style", c.pszStyle}, {"date", c.pszDate}, {"group1", c.groups[0]},
            {"group2", c.groups[1]}, {"group3", c.groups[2]}, {"group4", c.groups[3]}, {"group5", c.groups[4]}}));
        EXPECT_EQ(r.m_strOptions1 + "|" + r.m_strOptions2 + "|" + r.m_strOptions3 + "|" + r.m_strOptions4 + "|" +
                      r.m_strOptions5 + " " + Joined({r.m_strOptionCodes, r.m_strVinPrefix}),
                  c.strLines + " " + Joined({c.pszCodes, c.pszPrefix})) << c.pszName;
    }
}

TEST(SeatStyle, LineAndTrimEcho) {
    for (const auto& [pszSeat, pszTrim, pszLine, pszTrimCode] :
         {std::tuple{"y", "717", "Y = (AS2) Buckets and Head Rest.", "717-Y"}, {"Q", "760", "", "760-Q"},
          {"hz", "760", "", "760-HZ"}, {"H", "", "H = (AL4) Strato Back (bench Seat).", "H"},
          {"", "760", "No seat style was given.", "760-"}}) {
        const R r = Decode(Tag({{"year", "1967"}, {"seat", pszSeat}, {"trim", pszTrim}}));
        EXPECT_EQ(Joined({r.m_strSeat, r.m_strTrimCode}), Joined({pszLine, pszTrimCode}));
    }
}

}  // namespace vexlor
