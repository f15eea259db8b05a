// 1969 Norwood special codes: the rule for the first code the field holds,
// then up to three codes listed.
#include "decoder_test_support.h"

namespace vexlor {

TEST(SpecialCodes69, RulesLinesAndEcho) {
    struct Case {
        const char *pszField, *pszVin, *pszStyle, *pszLower, *pszTop, *pszTrim;
        const char *pszNote, *pszOptions1, *pszOptions2, *pszCodes, *pszPrefix;  // the prefix shows a V8
    };
    constexpr const char* kZ10 = "Z10 = Accent Striping (coupe version of Pace Car Accents)";
    constexpr const char* kX11 = "X11 = non-SS396, non-Z28, with style trim";
    const std::vector<Case> cases = {
        {"X33", "", "69-12437", "", "", "", "X33 = Z28 with style trim", "", "", "X33", "12437"},
        {"X33", "", "69-12467", "", "", "", "Z28 - can not be a convertible.", "", "", "", "12_67"},
        {"X77", "", "69-12667", "", "", "", "Z28 - can not be a convertible.", "", "", "", "12_67"},
        {"X22", "123379N", "", "", "", "", "X22 - can not be 6 cylinder car.", "", "", "", "12337"},
        {"X33", "123679N", "69-12467", "", "", "", "X33 - can not be 6 cylinder car.", "", "", "", "12367"},
        {"Z10", "", "69-12437", "50", "50", "", kZ10, "", "", "Z10", "12437"},
        {"Z10", "", "69-12437", "10", "10", "", "Z10 - has to have a 50 paint code.", "", "", "", "12_37"},
        {"Z10", "", "69-12437", "10", "50", "", "Z10 - has to have a 50 paint code.", "", "", "", "12_37"},
        {"Z10", "", "69-12467", "50", "50", "", "Z10 - cannot be a convertible.", "", "", "", "12_67"},
        {"Z10", "123379N", "", "50", "50", "", "Z10 - can not be 6 cylinder car.", "", "", "", "12337"},
        {"Z11", "", "69-12467", "50", "A", "720", "Z11 = Indy Pace Car accents - Convertible", "", "", "Z11", "12467"},
        {"Z11", "", "69-12467", "50", "A", "711", "Z11 - has to have 720 trim code.", "", "", "", "12_67"},
        {"Z11", "", "69-12467", "50", "50", "720", "Z11 - has to have a 50-A paint code.", "", "", "", "12_67"},
        {"Z11", "", "69-12437", "50", "A", "720", "Z11 - has to be a Convertible.", "", "", "", "12_37"},
        {"Z11", "123679N", "69-12467", "50", "A", "720", "Z11 - can not be 6 cylinder car.", "", "", "", "12367"},
        {"Q12", "", "", "", "", "", "Q12 = ??", "", "", "", "12__7"},
        {"", "", "", "", "", "", "", "", "", "", "12__7"},
        // Blanks are dropped; the second code is the next three characters, the rest is the third.
        {"x11 D80", "", "", "", "", "", kX11, "D80 = Spoiler equipment", "", "X11 D80", "12__7"},
        {"X11D80Z10", "", "69-12437", "50", "50", "", kX11, "D80 = Spoiler equipment", kZ10, "X11 D80 Z10", "12437"},
        {"X11D80Z10X44X55A", "", "", "", "", "", kX11, "D80 = Spoiler equipment", "Z10X44X55A = ",
         "X11 D80 Z10X44X55A", "124_7"},
    };
    for (const Case& c : cases) {
        const R r = Decode(Tag({{"year", "1969"}, {"plant", "NOR"}, {"code69", c.pszField}, {"vin", c.pszVin},
            {"style", c.pszStyle}, {"paint", c.pszLower}, {"top", c.pszTop}, {"trim", c.pszTrim}}));
        EXPECT_EQ(Joined({r.m_strPlantNote, r.m_strOptions1, r.m_strOptions2, r.m_strOptionCodes, r.m_strVinPrefix}),
                  Joined({c.pszNote, c.pszOptions1, c.pszOptions2, c.pszCodes, c.pszPrefix}))
            << c.pszField << " " << c.pszVin << " " << c.pszStyle << " " << c.pszLower << "-" << c.pszTop;
    }
    // Each code the rules know, alone in the field, is read and echoed (X22, X55 and X66 on an eight-cylinder car).
    for (const char* pszCode : {"X11", "X22", "X44", "X55", "X66", "D80", "A"}) {
        EXPECT_EQ(Decode(Tag({{"year", "1969"}, {"plant", "NOR"}, {"code69", pszCode}})).m_strOptionCodes, pszCode);
    }
}

}  // namespace vexlor
