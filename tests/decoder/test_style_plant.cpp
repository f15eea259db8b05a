// Body style and assembly plant, with the plant step's fall-back on the VIN,
// and the body-style and code lists the form reads.
#include <algorithm>
#include <tuple>

#include "decoder/code_lists.h"
#include "decoder_test_support.h"

namespace vexlor {

TEST(BodyStyle, LastFiveCharactersAndTheYearsPattern) {
    for (const auto& [pszYear, pszStyle, pszLine, pszCode] : {
             std::tuple{"1967", "ab12467", "AB12467 = Standard Interior Convertible.", "AB12467"},
             {"1968", "67-12437", "67-12437 = Coupe.", "67-12437"},  // the prefix is not examined
             {"1969", "12667", "12667 = Custom Interior Convertible.", "12667"},
             {"1967", "67-12337", "Incorrect style was given.", "67-12__7"},
             {"1968", "", "No body style was given.", "68-12__7"},
             // No model year: the later years' texts, and no pattern.
             {"1970", "67-12437", "67-12437 = Coupe.", "67-12437"}, {"1970", "zz", "Incorrect style was given.", ""}}) {
        const R r = Decode(Tag({{"year", pszYear}, {"style", pszStyle}}));
        EXPECT_EQ(Joined({r.m_strStyle, r.m_strStyleCode}), Joined({pszLine, pszCode}));
    }
}

TEST(AssemblyPlant, NamedPlantsAndTheVinFallBack) {
    constexpr const char* kNor = "NOR = Built in Norwood Ohio.";
    constexpr const char* kNoPlant = "No Assm. Plant given.";
    const std::vector<std::tuple<const char*, TagFields, const char*, const char*, const char*, const char*>> cases = {
        // name, tag, plant line, plant and body number, plant note, scheduling code
        // 1967 Norwood: the code field holds the interior paint letter, also echoed with the options.
        {"Nor1967", Tag({{"year", "1967"}, {"plant", "nor"}, {"code", "b"}, {"body", "123456"}}), kNor, "N123456",
         "B = Interior paint is Blue", ""},
        {"Nor1967NoLetter", Tag({{"year", "1967"}, {"plant", "NOR"}, {"code", "BB"}}), kNor, "N______", "", ""},
        {"Nor1968", Tag({{"year", "1968"}, {"plant", "NOR"}, {"code", "D"}}), kNor, "N______", "", ""},
        {"Nor1969", Tag({{"year", "1969"}, {"plant", "NOR"}, {"code", "D"}, {"code69", "D80"}}), kNor, "N______",
         "D80 = Spoiler equipment", ""},
        // Van Nuys: the scheduling code, from 1008 on 1969 tags.
        {"Los1968Blank", Tag({{"year", "1968"}, {"plant", "LOS"}, {"code69", "B7"}}),
         "LOS = Built in Van Nuys California.", "L______", "", "Blank"},
        {"Vn1969", Tag({{"year", "1969"}, {"plant", "VN"}, {"code", "X1"}, {"code69", "b7"}, {"body", "123456"}}),
         "VN = Built in Van Nuys California.", "L123456", "B7 = internal plant scheduling code.", "B7"},
        {"Unknown", Tag({{"year", "1967"}, {"plant", " NOR"}, {"vin", "124377L"}}), " NOR = ??", "", "", ""},
        // A blank plant field: a valid VIN's plant letter stands in for it.
        {"NoVin", Tag({{"year", "1967"}, {"code", "D"}, {"body", "123456"}}), "", "_123456", kNoPlant, ""},
        {"InvalidVinL", Tag({{"year", "1967"}, {"vin", "125377L"}, {"code", "A12"}}), "", "_______", kNoPlant, ""},
        {"VinL", Tag({{"year", "1967"}, {"vin", "124377L"}, {"code", "a12"}, {"code69", "B7"}, {"body", "123456"}}),
         " = Built in Van Nuys California.", "L123456", "A12 = internal plant scheduling code.", "A12"},
        {"VinN1968", Tag({{"year", "1968"}, {"vin", "124378N"}, {"code", "y"}}), " = Built in Norwood Ohio.",
         "N______", "Y = Interior paint is Yellow", ""},
    };
    for (const auto& [pszName, tag, pszPlant, pszPlantBody, pszNote, pszSched] : cases) {
        const R r = Decode(tag);
        EXPECT_EQ(Joined({r.m_strPlant, r.m_strPlantBody, r.m_strPlantNote, r.m_strSchedCode}),
                  Joined({pszPlant, pszPlantBody, pszNote, pszSched})) << pszName;
    }
    EXPECT_EQ(Decode(Tag({{"year", "1968"}, {"vin", "124378N"}, {"code", "Y"}})).m_strOptionCodes, "0Y ");
}

TEST(CodeLists, ReadTheDecodersTables) {
    const std::optional<BodyStyle> custom = FindBodyStyle("68-12667"), standard = FindBodyStyle("12437");
    EXPECT_TRUE(custom && custom->bConvertible && custom->bCustomInterior);
    EXPECT_TRUE(standard && !standard->bConvertible && !standard->bCustomInterior);
    EXPECT_FALSE(FindBodyStyle("12437 ") || FindBodyStyle("") || FindBodyStyle("1243"));
    // Lower paint codes: 1967 letters that have a colour; the later years' list up to the special paint.
    const std::vector<std::string_view> codes67 = LowerPaintCodes(7), codes69 = LowerPaintCodes(9);
    EXPECT_EQ(codes67.front(), "A");
    EXPECT_EQ(std::count(codes67.begin(), codes67.end(), "B"), 0);  // no colour
    EXPECT_EQ(LowerPaintCodes(8).back(), "-");
    EXPECT_EQ(std::string(codes69.front()) + std::string(codes69.back()), "10-");
    EXPECT_TRUE(LowerPaintCodes(0).empty() && TrimTable(0).empty());
    for (int nYear : {7, 8, 9}) EXPECT_EQ(TrimTable(nYear).front().nCode, nYear == 7 ? 707 : 711);
}

}  // namespace vexlor
