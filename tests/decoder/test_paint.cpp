// Paint and top colours of the three years, the early-build rule and the
// 1967 Norwood interior paint letters.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "decoder/build_months.h"
#include "decoder/decode.h"
#include "decoder/paint_tables.h"
#include "decoder_test_support.h"

namespace vexlor {
namespace {

using testing_support::Tag;

struct Colour {
    const char *pszCode, *pszName;
};

struct YearColours {
    const char* pszYear;
    std::vector<const char*> styles;  // a coupe and a style of the other kind
    std::vector<Colour> colours;
};

TEST(Paint, EveryCodeAsOneColourCar) {
    const std::vector<YearColours> years = {
        {"1967", {"67-12437", "67-12637"},
         {{"A", "Tuxedo Black"}, {"B", " "}, {"C", "Ermine White"}, {"D", "Nantucket Blue"}, {"E", "Deepwater Blue"},
          {"F", "Marina Blue"}, {"G", "Granada Gold"}, {"H", "Mountain Green"}, {"I", " "}, {"J", " "},
          {"K", "Emerald Turquoise"}, {"L", "Tahoe Turquoise"}, {"M", "Royal Plum"}, {"N", "Madeira Maroon"},
          {"O", "SPECIAL PAINT"}, {"P", " "}, {"Q", " "}, {"R", "Bolero Red"}, {"S", "Sierra Fawn"},
          {"T", "Capri Cream"}, {"U", " "}, {"V", " "}, {"W", " "}, {"X", " "}, {"Y", "Butternut Yellow"}, {"Z", " "}}},
        {"1968", {"", "68-12667"},
         {{"A", "Tuxedo Black"}, {"C", "Ermine White"}, {"D", "Grotto Blue"}, {"E", "Fathom Blue"},
          {"F", "Island Teal"}, {"G", "Ash Gold"}, {"H", "Grecian Green"}, {"J", "Rallye Green"},
          {"K", "Tripoli Turquoise"}, {"L", "Teal Blue"}, {"N", "Cordovan Maroon"}, {"O", "Corvette Bronze"},
          {"P", "Seafrost Green"}, {"R", "Matador Red"}, {"T", "Palomino Ivory"}, {"U", "LeMans Blue"},
          {"V", "Sequoia Green"}, {"Y", "Butternut Yellow"}, {"Z", "British Green"}, {"-", "SPECIAL PAINT"},
          {"1", "White"}, {"2", "Black"}, {"4", "Blue"}, {"6", "White"}}},
        {"1969", {"", "69-12467"},
         {{"10", "Tuxedo Black"}, {"69", "Cortez Silver"}, {"50", "Dover White"}, {"53", "Glacier Blue"},
          {"51", "Dusk Blue"}, {"71", "LeMans Blue"}, {"65", "Olympic Gold"}, {"79", "Rallye Green"},
          {"55", "Azure Turquoise"}, {"63", "Champagne"}, {"67", "Burgundy Maroon"}, {"76", "Daytona Yellow"},
          {"72", "Hugger Orange"}, {"52", "Garnet Red"}, {"61", "Burnished Brown"}, {"57", "Fathom Green"},
          {"59", "Frost Green"}, {"40", "Butternut Yellow"}, {"B", "Black"}, {"C", "Dark Blue"}, {"E", "Parchment"},
          {"F", "Brown"}, {"S", "Midnight Green"}, {"A", "White"}, {"-", "SPECIAL PAINT"}}},
    };
    for (const YearColours& year : years) {
        for (const char* pszStyle : year.styles) {
            for (const Colour& c : year.colours) {
                SCOPED_TRACE(std::string(year.pszYear) + " " + pszStyle + " " + c.pszCode);
                const std::string strEcho = std::string(c.pszCode) + "-" + c.pszCode;
                const DecodeResult r = Decode(
                    Tag({{"year", year.pszYear}, {"style", pszStyle}, {"paint", c.pszCode}, {"top", c.pszCode}}));
                EXPECT_EQ(r.m_strPaintCode, strEcho);
                EXPECT_EQ(r.m_strPaint, strEcho + " = Car Color is " + c.pszName);
            }
        }
    }
}

TEST(Paint, RulesOfEachYear) {
    struct Case {
        const char *pszYear, *pszStyle, *pszLower, *pszTop, *pszDate, *pszCode, *pszLine;
    };
    const std::vector<Case> cases = {
        // 1967: a digit top is a vinyl or convertible top, a letter top must repeat the lower letter on a coupe
        {"67", "67-12437", "D", "1", "", "D-1",
         "D-1 = Lower Color is Nantucket Blue and the Vinyl Top Color is White."},
        {"67", "67-12437", "d", "6", "", "D-6",
         "D-6 = Lower Color is Nantucket Blue and the Vinyl Top Color is Beige/Light Fawn."},
        {"67", "67-12437", "D", "4", "", " - ", "There is a Paint code problem.  (D-4)"},
        {"67", "67-12467", "D", "1", "", "D-1",
         "D-1 = Lower Color is Nantucket Blue and the Convertible Top Color is White."},
        {"67", "67-12667", "D", "4", "", "D-4",
         "D-4 = Lower Color is Nantucket Blue and the Convertible Top Color is Med. Blue."},
        {"67", "67-12467", "D", "6", "", " - ", "There is a Paint code problem.  (D-6)"},
        {"67", "67-12467", "D", "5", "", " - ", "There is a Paint code problem.  (D-5)"},
        {"67", "67-12437", "B", "2", "", "B-2", "B-2 = Lower Color is   and the Vinyl Top Color is Black."},
        {"67", "67-12437", "DX", "2Y", "", "D-2",
         "D-2 = Lower Color is Nantucket Blue and the Vinyl Top Color is Black."},
        {"67", "67-12437", "D", " _2", "", "D-2",
         "D-2 = Lower Color is Nantucket Blue and the Vinyl Top Color is Black."},
        {"67", "67-12437", "D", "_ 2", "", " - ", "There is a Paint code problem.  (D- )"},
        {"67", "67-12437", "C", "D", "", " - ", "There is a Paint code problem.  (C-D)"},
        {"67", "67-12437", "D", "\xE9", "", " - ", "There is a Paint code problem.  (D-\xE9)"},
        {"67", "67-12467", "C", "C", "", " - ", "There is a Paint code problem.  (C-C)"},
        {"67", "12667", "C", "C", "", " - ", "There is a Paint code problem.  (C-C)"},
        {"67", "", "C", "C", "", "C-C", "C-C = Car Color is Ermine White"},
        {"67", "12437", "C", "C", "", "C-C", "C-C = Car Color is Ermine White"},
        // a lower code that is not a letter A to Z has no colour
        {"67", "67-12437", "1", "1", "", " - ", "There is a Paint code problem.  (1-1)"},
        {"67", "67-12437", "@", "@", "", " - ", "There is a Paint code problem.  (@-@)"},
        {"67", "67-12437", "[", "[", "", " - ", "There is a Paint code problem.  ([-[)"},
        {"67", "67-12437", "\xC9", "\xC9", "", " - ", "There is a Paint code problem.  (\xC9-\xC9)"},
        {"67", "", "", "C", "", " - ", "No paint code was given."},
        {"67", "", "CX", "", "", "C- ", "paint code incomplete"},
        {"67", "", "C", "  __", "", "C- ", "paint code incomplete"},
        // 1968: whole codes from one list; an early build makes Z the special paint
        {"68", "", "C", "2", "", "C-2", "C-2 = Lower Color is Ermine White and the Vinyl Top Color is Black."},
        {"68", "12467", "R", "4", "", "R-4", "R-4 = Lower Color is Matador Red and the Convertible Top Color is Blue."},
        {"68", "", "C", "A", "", "C-A", "C-A = Lower Color is Ermine White and the Vinyl Top Color is Tuxedo Black."},
        {"68", "", "C", " _2", "", "C-2", "C-2 = Lower Color is Ermine White and the Vinyl Top Color is Black."},
        {"68", "", "C", "X", "", " - ", "There is a Paint code problem.  (C-X)"},
        {"68", "", "B", "2", "", " - ", "There is a Paint code problem.  (B-2)"},
        {"68", "", "CC", "C", "", " - ", "There is a Paint code problem.  (CC-C)"},
        {"68", "", "C", "2 ", "", " - ", "There is a Paint code problem.  (C-2 )"},
        {"68", "", "C", " _ _", "", " - ", "There is a Paint code problem.  (C- _)"},
        {"68", "", "ab", "", "", "AB- ", "paint code incomplete"},
        {"68", "", "z", "z", "08a", "Z-Z", "Z-Z = Car Color is SPECIAL PAINT"},
        {"68", "", "Z", "Z", "07E", "Z-Z", "Z-Z = Car Color is British Green"},
        {"68", "", "Z", "Z", "", "Z-Z", "Z-Z = Car Color is British Green"},
        {"68", "", "Z", "2", "12E", "Z-2", "Z-2 = Lower Color is SPECIAL PAINT and the Vinyl Top Color is Black."},
        {"68", "68-12467", "C", "Z", "09", "C-Z",
         "C-Z = Lower Color is Ermine White and the Convertible Top Color is SPECIAL PAINT."},
        {"68", "", "-", "Z", "1", "--Z",
         "--Z = Lower Color is SPECIAL PAINT and the Vinyl Top Color is SPECIAL PAINT."},
        {"68", "", "Y", "Y", "10B", "Y-Y", "Y-Y = Car Color is Butternut Yellow"},
        // 1969: a 50 or 60 series top is a painted roof
        {"69", "", "51", "50", "", "51-50", "51-50 = Lower Color is Dusk Blue and the Top Color is Dover White."},
        {"69", "", "10", "65", "", "10-65", "10-65 = Lower Color is Tuxedo Black and the Top Color is Olympic Gold."},
        {"69", "", "51", "c", "", "51-C", "51-C = Lower Color is Dusk Blue and the Vinyl Top Color is Dark Blue."},
        {"69", "", "51", "40", "", "51-40",
         "51-40 = Lower Color is Dusk Blue and the Vinyl Top Color is Butternut Yellow."},
        {"69", "69-12467", "51", "50", "", "51-50",
         "51-50 = Lower Color is Dusk Blue and the Convertible Top Color is Dover White."},
        {"69", "", "51", " _50", "", "51-50", "51-50 = Lower Color is Dusk Blue and the Top Color is Dover White."},
        {"69", "", "10", "X", "", " - ", "There is a Paint code problem.  (10-X)"},
        {"69", "", "10", "5", "", " - ", "There is a Paint code problem.  (10-5)"},
        {"69", "", "D", "B", "", " - ", "There is a Paint code problem.  (D-B)"},
        {"69", "", "10", "", "", "10- ", "paint code incomplete"},
        {"69", "", "10", "_", "", "10- ", "paint code incomplete"},
        {"69", "", "", "", "", " - ", "No paint code was given."},
        // a typed ':' stays in the code, it does not split the echo from the line
        {"69", "", "1:0", "", "", "1:0- ", "paint code incomplete"},
        {"69", "", "1:0", "c", "", " - ", "There is a Paint code problem.  (1:0-C)"},
        // no model year: no code list to read the pair against
        {"70", "", "", "c", "", " - ", "No paint code was given."},
        {"70", "", "c", "c", "", " - ", "There is a Paint code problem.  (C-C)"},
        {"70", "", "c", "", "", " - ", "There is a Paint code problem.  (C-)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.pszYear) + " " + c.pszStyle + " " + c.pszLower + "-" + c.pszTop);
        const DecodeResult r = Decode(Tag({{"year", c.pszYear}, {"style", c.pszStyle}, {"paint", c.pszLower},
                                           {"top", c.pszTop}, {"date", c.pszDate}}));
        EXPECT_EQ(r.m_strPaintCode, c.pszCode);
        EXPECT_EQ(r.m_strPaint, c.pszLine);
    }
}

TEST(Paint, EarlyBuildIsMonthsEightToTwelve) {
    for (const char* pszDate : {"", "0", "0X", "00", "01A", "07E"}) EXPECT_EQ(EarlyBuild(pszDate), 0) << pszDate;
    for (const char* pszDate : {"08A", "09", "09E", "10B", "12E", "1", " 08A", "X"}) {
        EXPECT_EQ(EarlyBuild(pszDate), 1) << pszDate;
    }
}

TEST(Paint, InteriorPaintEightLettersAndNoMatch) {
    const std::vector<std::pair<const char*, const char*>> cases = {
        {"B", "B = Interior paint is Blue"}, {"D", "D = Interior paint is Red"},
        {"E", "E = Interior paint is Black"}, {"G", "G = Interior paint is Gold"},
        {"K", "K = Interior paint is Black"}, {"R", "R = Interior paint is Bright Blue"},
        {"T", "T = Interior paint is Turquoise"}, {"Y", "Y = Interior paint is Yellow"},
    };
    DecodeResult before;
    before.m_strSchedCode = "Blank";
    before.m_strPlantNote = "No Assm. Plant given.";
    before.m_strOptionCodes = "x";
    for (const auto& [pszCode, pszNote] : cases) {
        DecodeResult result = before;
        EXPECT_TRUE(InteriorPaintLookup(pszCode, result));
        EXPECT_EQ(result.m_strPlantNote, pszNote);
        EXPECT_EQ(result.m_strSchedCode, "");
        EXPECT_EQ(result.m_strOptionCodes, std::string("0") + pszCode + " ");
    }
    for (const char* pszCode : {"", "A", "C", "BB", " B", "B ", "b", "0B", "\xE9"}) {
        DecodeResult result = before;
        EXPECT_FALSE(InteriorPaintLookup(pszCode, result)) << pszCode;
        EXPECT_EQ(result, before);
    }
}

}  // namespace
}  // namespace vexlor
