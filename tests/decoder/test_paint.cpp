// Paint and top colours of the three years and the early-build rule of 1968.
#include "decoder_test_support.h"

namespace vexlor {

TEST(Paint, RulesOfEachYear) {
    struct Case {
        const char *pszYear, *pszStyle, *pszLower, *pszTop, *pszDate, *pszCode, *pszLine;
    };
    const std::vector<Case> cases = {
        // 1967: a letter top repeats the lower letter (not on a convertible), a digit top is a vinyl or convertible top
        {"67", "67-12437", "C", "C", "", "C-C", "C-C = Car Color is Ermine White"},
        {"67", "", "A", "A", "", "A-A", "A-A = Car Color is Tuxedo Black"},
        {"67", "67-12467", "C", "C", "", " - ", "There is a Paint code problem.  (C-C)"},
        {"67", "12667", "C", "C", "", " - ", "There is a Paint code problem.  (C-C)"},
        {"67", "67-12437", "C", "D", "", " - ", "There is a Paint code problem.  (C-D)"},
        {"67", "67-12437", "d", "6", "", "D-6",
         "D-6 = Lower Color is Nantucket Blue and the Vinyl Top Color is Beige/Light Fawn."},
        {"67", "67-12467", "D", "6", "", " - ", "There is a Paint code problem.  (D-6)"},
        {"67", "67-12667", "D", "4", "", "D-4",
         "D-4 = Lower Color is Nantucket Blue and the Convertible Top Color is Med. Blue."},
        {"67", "67-12437", "D", "4", "", " - ", "There is a Paint code problem.  (D-4)"},
        {"67", "67-12467", "D", "1", "", "D-1", "D-1 = Lower Color is Nantucket Blue and the Convertible Top Color is White."},
        {"67", "67-12437", "Z", "1", "", "Z-1", "Z-1 = Lower Color is   and the Vinyl Top Color is White."},
        {"67", "", "DX", " _2Y", "", "D-2", "D-2 = Lower Color is Nantucket Blue and the Vinyl Top Color is Black."},
        {"67", "67-12437", "@", "@", "", " - ", "There is a Paint code problem.  (@-@)"},
        {"67", "67-12437", "D", "\xE9", "", " - ", "There is a Paint code problem.  (D-\xE9)"},
        {"67", "", "", "C", "", " - ", "No paint code was given."},
        {"67", "", "CX", "  __", "", "C- ", "paint code incomplete"},
        // 1968: whole codes from one list; built from August on, Z was the special paint
        {"68", "", "C", "2", "", "C-2", "C-2 = Lower Color is Ermine White and the Vinyl Top Color is Black."},
        {"68", "", "C", "X", "", " - ", "There is a Paint code problem.  (C-X)"},
        {"68", "", "ab", "", "", "AB- ", "paint code incomplete"},
        {"68", "", "z", "z", "08a", "Z-Z", "Z-Z = Car Color is SPECIAL PAINT"},
        {"68", "", "Z", "Z", "07E", "Z-Z", "Z-Z = Car Color is British Green"},
        {"68", "", "Z", "Z", "", "Z-Z", "Z-Z = Car Color is British Green"},
        {"68", "68-12467", "C", "Z", "10B", "C-Z",
         "C-Z = Lower Color is Ermine White and the Convertible Top Color is SPECIAL PAINT."},
        // 1969: a 50 or 60 series top is a painted roof
        {"69", "", "51", "50", "", "51-50", "51-50 = Lower Color is Dusk Blue and the Top Color is Dover White."},
        {"69", "", "10", "65", "", "10-65", "10-65 = Lower Color is Tuxedo Black and the Top Color is Olympic Gold."},
        {"69", "", "51", "c", "", "51-C", "51-C = Lower Color is Dusk Blue and the Vinyl Top Color is Dark Blue."},
        {"69", "69-12467", "51", "50", "", "51-50",
         "51-50 = Lower Color is Dusk Blue and the Convertible Top Color is Dover White."},
        {"69", "", "D", "B", "", " - ", "There is a Paint code problem.  (D-B)"},
        {"69", "", "10", "", "", "10- ", "paint code incomplete"},
        // no model year: no code list to read the pair against
        {"70", "", "c", "c", "", " - ", "There is a Paint code problem.  (C-C)"},
        {"70", "", "c", "", "", " - ", "There is a Paint code problem.  (C-)"},
    };
    for (const Case& c : cases) {
        const R r = Decode(Tag({{"year", c.pszYear}, {"style", c.pszStyle}, {"paint", c.pszLower}, {"top", c.pszTop},
                                {"date", c.pszDate}}));
        EXPECT_EQ(Joined({r.m_strPaintCode, r.m_strPaint}), Joined({c.pszCode, c.pszLine})) << c.pszStyle;
    }
}

}  // namespace vexlor
