// Paint and top colours of the three years, the early-build rule and the
// 1967 Norwood interior paint letters.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "decoder/decode.h"
#include "decoder/paint_tables.h"
#include "decoder/sections.h"

namespace vexlor {
namespace {

struct PaintCase {
    int bConvertible;
    const char* szLower;
    const char* szTop;
    const char* szCode;
    const char* szLine;
};

void ExpectPaint(const PaintDescription& paint, const PaintCase& c) {
    EXPECT_EQ(paint.strCode, c.szCode);
    EXPECT_EQ(paint.strLine, c.szLine);
}

constexpr const char* kCoupe67 = "67-12437";
constexpr const char* kConvertible67 = "67-12467";

// Runs the paint section alone with the style values a style section would have left.
DecodeResult RunPaint(int nYear, const std::string& strLower, const std::string& strTop,
                      const std::string& strBuildDate = "", const std::string& strStyle = "",
                      int bConvertible = 0, int* pbEarlyBuild = nullptr) {
    TagFields fields;
    fields.strLowerPaint = strLower;
    fields.strTopPaint = strTop;
    fields.strBuildDate = strBuildDate;
    DecodeResult result;
    DecodeContext ctx{fields, result};
    ctx.nYear = nYear;
    ctx.strStyle = strStyle;
    ctx.bConvertible = bConvertible;
    DecodePaint(ctx);
    if (pbEarlyBuild) *pbEarlyBuild = ctx.bEarlyBuild;
    return result;
}

TEST(Paint1967, EveryColourLetterSameLetterTopOnACoupe) {
    const std::vector<PaintCase> cases = {
        {0, "A", "A", "A-A", "A-A = Car Color is Tuxedo Black"},
        {0, "B", "B", "B-B", "B-B = Car Color is  "},
        {0, "C", "C", "C-C", "C-C = Car Color is Ermine White"},
        {0, "D", "D", "D-D", "D-D = Car Color is Nantucket Blue"},
        {0, "E", "E", "E-E", "E-E = Car Color is Deepwater Blue"},
        {0, "F", "F", "F-F", "F-F = Car Color is Marina Blue"},
        {0, "G", "G", "G-G", "G-G = Car Color is Granada Gold"},
        {0, "H", "H", "H-H", "H-H = Car Color is Mountain Green"},
        {0, "I", "I", "I-I", "I-I = Car Color is  "},
        {0, "J", "J", "J-J", "J-J = Car Color is  "},
        {0, "K", "K", "K-K", "K-K = Car Color is Emerald Turquoise"},
        {0, "L", "L", "L-L", "L-L = Car Color is Tahoe Turquoise"},
        {0, "M", "M", "M-M", "M-M = Car Color is Royal Plum"},
        {0, "N", "N", "N-N", "N-N = Car Color is Madeira Maroon"},
        {0, "O", "O", "O-O", "O-O = Car Color is SPECIAL PAINT"},
        {0, "P", "P", "P-P", "P-P = Car Color is  "},
        {0, "Q", "Q", "Q-Q", "Q-Q = Car Color is  "},
        {0, "R", "R", "R-R", "R-R = Car Color is Bolero Red"},
        {0, "S", "S", "S-S", "S-S = Car Color is Sierra Fawn"},
        {0, "T", "T", "T-T", "T-T = Car Color is Capri Cream"},
        {0, "U", "U", "U-U", "U-U = Car Color is  "},
        {0, "V", "V", "V-V", "V-V = Car Color is  "},
        {0, "W", "W", "W-W", "W-W = Car Color is  "},
        {0, "X", "X", "X-X", "X-X = Car Color is  "},
        {0, "Y", "Y", "Y-Y", "Y-Y = Car Color is Butternut Yellow"},
        {0, "Z", "Z", "Z-Z", "Z-Z = Car Color is  "},
    };
    for (const PaintCase& c : cases) {
        SCOPED_TRACE(c.szLower);
        ExpectPaint(DescribePaint67(c.bConvertible, kCoupe67, c.szLower, c.szTop), c);
        ExpectPaint(DescribePaint67(c.bConvertible, "67-12637", c.szLower, c.szTop), c);
    }
}

TEST(Paint1967, EveryTopOnCoupeAndConvertible) {
    const std::vector<PaintCase> cases = {
        {0, "D", "1", "D-1", "D-1 = Lower Color is Nantucket Blue and the Vinyl Top Color is White."},
        {0, "D", "2", "D-2", "D-2 = Lower Color is Nantucket Blue and the Vinyl Top Color is Black."},
        {0, "D", "6", "D-6", "D-6 = Lower Color is Nantucket Blue and the Vinyl Top Color is Beige/Light Fawn."},
        {0, "D", "4", " - ", "There is a Paint code problem.  (D-4)"},
        {1, "D", "1", "D-1", "D-1 = Lower Color is Nantucket Blue and the Convertible Top Color is White."},
        {1, "D", "2", "D-2", "D-2 = Lower Color is Nantucket Blue and the Convertible Top Color is Black."},
        {1, "D", "4", "D-4", "D-4 = Lower Color is Nantucket Blue and the Convertible Top Color is Med. Blue."},
        {1, "D", "6", " - ", "There is a Paint code problem.  (D-6)"},
        {0, "B", "2", "B-2", "B-2 = Lower Color is   and the Vinyl Top Color is Black."},
        {0, "DX", "2Y", "D-2", "D-2 = Lower Color is Nantucket Blue and the Vinyl Top Color is Black."},
    };
    for (const PaintCase& c : cases) {
        SCOPED_TRACE(std::string(c.szLower) + "-" + c.szTop);
        ExpectPaint(DescribePaint67(c.bConvertible, c.bConvertible ? kConvertible67 : kCoupe67, c.szLower, c.szTop), c);
    }
}

TEST(Paint1967, ProblemsAndIncompleteCodes) {
    const std::vector<PaintCase> cases = {
        {0, "", "C", " - ", "No paint code was given."},
        {1, "", "", " - ", "No paint code was given."},
        {0, "C", "", "C- ", "paint code incomplete"},
        {0, "CX", "", "C- ", "paint code incomplete"},
        {0, "C", "  __", "C- ", "paint code incomplete"},
        {0, "D", " _2", "D-2", "D-2 = Lower Color is Nantucket Blue and the Vinyl Top Color is Black."},
        {0, "D", "__2", "D-2", "D-2 = Lower Color is Nantucket Blue and the Vinyl Top Color is Black."},
        {0, "D", "_ 2", " - ", "There is a Paint code problem.  (D- )"},
        {0, "C", "D", " - ", "There is a Paint code problem.  (C-D)"},
        {0, "D", "C", " - ", "There is a Paint code problem.  (D-C)"},
        {0, "D", "0", " - ", "There is a Paint code problem.  (D-0)"},
        {0, "D", "3", " - ", "There is a Paint code problem.  (D-3)"},
        {1, "D", "5", " - ", "There is a Paint code problem.  (D-5)"},
        {0, "D", "9", " - ", "There is a Paint code problem.  (D-9)"},
        {0, "D", "-", " - ", "There is a Paint code problem.  (D--)"},
        {0, "D", "\xE9", " - ", "There is a Paint code problem.  (D-\xE9)"},
        {0, "D", "[", " - ", "There is a Paint code problem.  (D-[)"},
        // a lower code that is not a letter has no colour
        {0, "1", "1", " - ", "There is a Paint code problem.  (1-1)"},
        {0, "#", "2", " - ", "There is a Paint code problem.  (#-2)"},
        {0, "@", "@", " - ", "There is a Paint code problem.  (@-@)"},
        {0, "[", "[", " - ", "There is a Paint code problem.  ([-[)"},
        {0, "\xC9", "\xC9", " - ", "There is a Paint code problem.  (\xC9-\xC9)"},
        {0, " C", "C", " - ", "There is a Paint code problem.  ( -C)"},
    };
    for (const PaintCase& c : cases) {
        SCOPED_TRACE(std::string(c.szLower) + "-" + c.szTop);
        ExpectPaint(DescribePaint67(c.bConvertible, c.bConvertible ? kConvertible67 : kCoupe67, c.szLower, c.szTop), c);
    }
}

TEST(Paint1967, SameLetterTopNeedsAStyleThatIsNoConvertible) {
    struct Case { const char* szStyle; const char* szLine; };
    const std::vector<Case> cases = {
        {"67-12437", "C-C = Car Color is Ermine White"},
        {"67-12637", "C-C = Car Color is Ermine White"},
        {"67-12__7", "C-C = Car Color is Ermine White"},
        {"12437", "C-C = Car Color is Ermine White"},
        {"", "C-C = Car Color is Ermine White"},
        {"7", "C-C = Car Color is Ermine White"},
        {"67-12467", "There is a Paint code problem.  (C-C)"},
        {"67-12667", "There is a Paint code problem.  (C-C)"},
        {"12467", "There is a Paint code problem.  (C-C)"},
        {"12667", "There is a Paint code problem.  (C-C)"},
        {"67", "There is a Paint code problem.  (C-C)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szStyle);
        EXPECT_EQ(DescribePaint67(0, c.szStyle, "C", "C").strLine, c.szLine);
    }
}

TEST(Paint1967, LookupJoinsEchoAndLine) {
    EXPECT_EQ(PaintLookup67(0, kCoupe67, "C", "C"), "C-CC-C = Car Color is Ermine White");
    EXPECT_EQ(PaintLookup67(1, kConvertible67, "C", "C"), " - There is a Paint code problem.  (C-C)");
    EXPECT_EQ(PaintLookup67(0, kCoupe67, "C", ""), "C- paint code incomplete");
    EXPECT_EQ(PaintLookup67(0, kCoupe67, "", ""), " - No paint code was given.");
}

TEST(Paint1968, EveryCodeAsOneColourCar) {
    const std::vector<PaintCase> cases = {
        {0, "A", "A", "A-A", "A-A = Car Color is Tuxedo Black"},
        {0, "C", "C", "C-C", "C-C = Car Color is Ermine White"},
        {0, "D", "D", "D-D", "D-D = Car Color is Grotto Blue"},
        {0, "E", "E", "E-E", "E-E = Car Color is Fathom Blue"},
        {0, "F", "F", "F-F", "F-F = Car Color is Island Teal"},
        {0, "G", "G", "G-G", "G-G = Car Color is Ash Gold"},
        {0, "H", "H", "H-H", "H-H = Car Color is Grecian Green"},
        {0, "J", "J", "J-J", "J-J = Car Color is Rallye Green"},
        {0, "K", "K", "K-K", "K-K = Car Color is Tripoli Turquoise"},
        {0, "L", "L", "L-L", "L-L = Car Color is Teal Blue"},
        {0, "N", "N", "N-N", "N-N = Car Color is Cordovan Maroon"},
        {0, "O", "O", "O-O", "O-O = Car Color is Corvette Bronze"},
        {0, "P", "P", "P-P", "P-P = Car Color is Seafrost Green"},
        {0, "R", "R", "R-R", "R-R = Car Color is Matador Red"},
        {0, "T", "T", "T-T", "T-T = Car Color is Palomino Ivory"},
        {0, "U", "U", "U-U", "U-U = Car Color is LeMans Blue"},
        {0, "V", "V", "V-V", "V-V = Car Color is Sequoia Green"},
        {0, "Y", "Y", "Y-Y", "Y-Y = Car Color is Butternut Yellow"},
        {0, "Z", "Z", "Z-Z", "Z-Z = Car Color is British Green"},
        {0, "-", "-", "---", "--- = Car Color is SPECIAL PAINT"},
        {0, "1", "1", "1-1", "1-1 = Car Color is White"},
        {0, "2", "2", "2-2", "2-2 = Car Color is Black"},
        {0, "4", "4", "4-4", "4-4 = Car Color is Blue"},
        {0, "6", "6", "6-6", "6-6 = Car Color is White"},
    };
    for (const PaintCase& c : cases) {
        SCOPED_TRACE(c.szLower);
        ExpectPaint(DescribePaint68(c.bConvertible, c.szLower, c.szTop, 0), c);
        ExpectPaint(DescribePaint68(1, c.szLower, c.szTop, 0), c);
    }
}

TEST(Paint1968, TwoColoursProblemsAndIncompleteCodes) {
    const std::vector<PaintCase> cases = {
        {0, "C", "2", "C-2", "C-2 = Lower Color is Ermine White and the Vinyl Top Color is Black."},
        {1, "C", "2", "C-2", "C-2 = Lower Color is Ermine White and the Convertible Top Color is Black."},
        {1, "R", "4", "R-4", "R-4 = Lower Color is Matador Red and the Convertible Top Color is Blue."},
        {0, "C", "A", "C-A", "C-A = Lower Color is Ermine White and the Vinyl Top Color is Tuxedo Black."},
        {0, "1", "6", "1-6", "1-6 = Lower Color is White and the Vinyl Top Color is White."},
        {0, "C", " _2", "C-2", "C-2 = Lower Color is Ermine White and the Vinyl Top Color is Black."},
        {0, "C", "X", " - ", "There is a Paint code problem.  (C-X)"},
        {0, "B", "2", " - ", "There is a Paint code problem.  (B-2)"},
        {0, "CC", "C", " - ", "There is a Paint code problem.  (CC-C)"},
        {0, "C", "2 ", " - ", "There is a Paint code problem.  (C-2 )"},
        {0, "C", "_ 2", " - ", "There is a Paint code problem.  (C- 2)"},
        {0, "\xE9", "\xE9", " - ", "There is a Paint code problem.  (\xE9-\xE9)"},
        {0, "", "C", " - ", "No paint code was given."},
        {0, "C", "", "C- ", "paint code incomplete"},
        {0, "C", "  __", "C- ", "paint code incomplete"},
        {0, "C", " _ _", " - ", "There is a Paint code problem.  (C- _)"},
        {0, "AB", "", "AB- ", "paint code incomplete"},
    };
    for (const PaintCase& c : cases) {
        SCOPED_TRACE(std::string(c.szLower) + "-" + c.szTop);
        ExpectPaint(DescribePaint68(c.bConvertible, c.szLower, c.szTop, 0), c);
    }
}

TEST(Paint1968, EarlyBuildMakesZTheSpecialPaint) {
    struct Case { int bEarlyBuild; PaintCase paint; };
    const std::vector<Case> cases = {
        {1, {0, "Z", "Z", "Z-Z", "Z-Z = Car Color is SPECIAL PAINT"}},
        {0, {0, "Z", "Z", "Z-Z", "Z-Z = Car Color is British Green"}},
        {1, {0, "Z", "2", "Z-2", "Z-2 = Lower Color is SPECIAL PAINT and the Vinyl Top Color is Black."}},
        {0, {0, "Z", "2", "Z-2", "Z-2 = Lower Color is British Green and the Vinyl Top Color is Black."}},
        {1, {1, "C", "Z", "C-Z", "C-Z = Lower Color is Ermine White and the Convertible Top Color is SPECIAL PAINT."}},
        {0, {1, "C", "Z", "C-Z", "C-Z = Lower Color is Ermine White and the Convertible Top Color is British Green."}},
        {1, {0, "Y", "Y", "Y-Y", "Y-Y = Car Color is Butternut Yellow"}},
        {1, {0, "-", "Z", "--Z", "--Z = Lower Color is SPECIAL PAINT and the Vinyl Top Color is SPECIAL PAINT."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.paint.szLine);
        ExpectPaint(DescribePaint68(c.paint.bConvertible, c.paint.szLower, c.paint.szTop, c.bEarlyBuild), c.paint);
    }
}

TEST(Paint1968, LookupJoinsEchoAndLine) {
    EXPECT_EQ(PaintLookup68(0, "Z", "Z", 1), "Z-ZZ-Z = Car Color is SPECIAL PAINT");
    EXPECT_EQ(PaintLookup68(0, "C", "X", 0), " - There is a Paint code problem.  (C-X)");
    EXPECT_EQ(PaintLookup68(0, "C", "", 0), "C- paint code incomplete");
}

TEST(Paint1969, EveryCodeAsOneColourCar) {
    const std::vector<PaintCase> cases = {
        {0, "10", "10", "10-10", "10-10 = Car Color is Tuxedo Black"},
        {0, "69", "69", "69-69", "69-69 = Car Color is Cortez Silver"},
        {0, "50", "50", "50-50", "50-50 = Car Color is Dover White"},
        {0, "53", "53", "53-53", "53-53 = Car Color is Glacier Blue"},
        {0, "51", "51", "51-51", "51-51 = Car Color is Dusk Blue"},
        {0, "71", "71", "71-71", "71-71 = Car Color is LeMans Blue"},
        {0, "65", "65", "65-65", "65-65 = Car Color is Olympic Gold"},
        {0, "79", "79", "79-79", "79-79 = Car Color is Rallye Green"},
        {0, "55", "55", "55-55", "55-55 = Car Color is Azure Turquoise"},
        {0, "63", "63", "63-63", "63-63 = Car Color is Champagne"},
        {0, "67", "67", "67-67", "67-67 = Car Color is Burgundy Maroon"},
        {0, "76", "76", "76-76", "76-76 = Car Color is Daytona Yellow"},
        {0, "72", "72", "72-72", "72-72 = Car Color is Hugger Orange"},
        {0, "52", "52", "52-52", "52-52 = Car Color is Garnet Red"},
        {0, "61", "61", "61-61", "61-61 = Car Color is Burnished Brown"},
        {0, "57", "57", "57-57", "57-57 = Car Color is Fathom Green"},
        {0, "59", "59", "59-59", "59-59 = Car Color is Frost Green"},
        {0, "40", "40", "40-40", "40-40 = Car Color is Butternut Yellow"},
        {0, "B", "B", "B-B", "B-B = Car Color is Black"},
        {0, "C", "C", "C-C", "C-C = Car Color is Dark Blue"},
        {0, "E", "E", "E-E", "E-E = Car Color is Parchment"},
        {0, "F", "F", "F-F", "F-F = Car Color is Brown"},
        {0, "S", "S", "S-S", "S-S = Car Color is Midnight Green"},
        {0, "A", "A", "A-A", "A-A = Car Color is White"},
        {0, "-", "-", "---", "--- = Car Color is SPECIAL PAINT"},
    };
    for (const PaintCase& c : cases) {
        SCOPED_TRACE(c.szLower);
        ExpectPaint(DescribePaint69(c.bConvertible, c.szLower, c.szTop), c);
        ExpectPaint(DescribePaint69(1, c.szLower, c.szTop), c);
    }
}

TEST(Paint1969, TopKindsProblemsAndIncompleteCodes) {
    const std::vector<PaintCase> cases = {
        {0, "51", "50", "51-50", "51-50 = Lower Color is Dusk Blue and the Top Color is Dover White."},
        {0, "10", "69", "10-69", "10-69 = Lower Color is Tuxedo Black and the Top Color is Cortez Silver."},
        {0, "51", "C", "51-C", "51-C = Lower Color is Dusk Blue and the Vinyl Top Color is Dark Blue."},
        {0, "51", "40", "51-40", "51-40 = Lower Color is Dusk Blue and the Vinyl Top Color is Butternut Yellow."},
        {0, "51", "72", "51-72", "51-72 = Lower Color is Dusk Blue and the Vinyl Top Color is Hugger Orange."},
        {0, "51", "-", "51--", "51-- = Lower Color is Dusk Blue and the Vinyl Top Color is SPECIAL PAINT."},
        {1, "51", "50", "51-50", "51-50 = Lower Color is Dusk Blue and the Convertible Top Color is Dover White."},
        {1, "72", "A", "72-A", "72-A = Lower Color is Hugger Orange and the Convertible Top Color is White."},
        {0, "51", " _50", "51-50", "51-50 = Lower Color is Dusk Blue and the Top Color is Dover White."},
        {0, "10", "X", " - ", "There is a Paint code problem.  (10-X)"},
        {0, "10", "5", " - ", "There is a Paint code problem.  (10-5)"},
        {0, "1", "10", " - ", "There is a Paint code problem.  (1-10)"},
        {0, "D", "B", " - ", "There is a Paint code problem.  (D-B)"},
        {0, "", "10", " - ", "No paint code was given."},
        {0, "10", "", "10- ", "paint code incomplete"},
        {0, "10", "_", "10- ", "paint code incomplete"},
    };
    for (const PaintCase& c : cases) {
        SCOPED_TRACE(std::string(c.szLower) + "-" + c.szTop);
        ExpectPaint(DescribePaint69(c.bConvertible, c.szLower, c.szTop), c);
    }
}

TEST(Paint1969, LookupEndsTheEchoWithAColon) {
    EXPECT_EQ(PaintLookup69(0, "51", "50"),
              "51-50:51-50 = Lower Color is Dusk Blue and the Top Color is Dover White.");
    EXPECT_EQ(PaintLookup69(0, "", ""), " - :No paint code was given.");
    EXPECT_EQ(PaintLookup69(0, "10", ""), "10- :paint code incomplete");
    EXPECT_EQ(PaintLookup69(0, "10", "X"), " - :There is a Paint code problem.  (10-X)");
}

TEST(EarlyBuild, MonthsEightToTwelve) {
    struct Case { const char* szDate; int bEarly; };
    const std::vector<Case> cases = {
        {"", 0}, {"0", 0}, {"0X", 0}, {"01A", 0}, {"07E", 0}, {"00", 0},
        {"08A", 1}, {"09", 1}, {"09E", 1}, {"10", 1}, {"10B", 1}, {"12E", 1}, {"1", 1},
        {" 08A", 1}, {"X", 1},
    };
    for (const Case& c : cases) EXPECT_EQ(EarlyBuild(c.szDate), c.bEarly) << '"' << c.szDate << '"';
}

TEST(InteriorPaint, EightLettersAndNoMatch) {
    struct Case { const char* szCode; const char* szNote; const char* szOptions; };
    const std::vector<Case> cases = {
        {"B", "B = Interior paint is Blue", "0B "},
        {"D", "D = Interior paint is Red", "0D "},
        {"E", "E = Interior paint is Black", "0E "},
        {"G", "G = Interior paint is Gold", "0G "},
        {"K", "K = Interior paint is Black", "0K "},
        {"R", "R = Interior paint is Bright Blue", "0R "},
        {"T", "T = Interior paint is Turquoise", "0T "},
        {"Y", "Y = Interior paint is Yellow", "0Y "},
    };
    for (const Case& c : cases) {
        DecodeResult result;
        result.m_strSchedCode = "Blank";
        result.m_strPlantNote = "No Assm. Plant given.";
        EXPECT_TRUE(InteriorPaintLookup(c.szCode, result));
        EXPECT_EQ(result.m_strPlantNote, c.szNote);
        EXPECT_EQ(result.m_strSchedCode, "");
        EXPECT_EQ(result.m_strOptionCodes, c.szOptions);
    }
    for (const char* szCode : {"", "A", "C", "BB", " B", "B ", "b", "0B", "\xE9"}) {
        DecodeResult result;
        result.m_strSchedCode = "Blank";
        result.m_strPlantNote = "No Assm. Plant given.";
        result.m_strOptionCodes = "x";
        const DecodeResult before = result;
        EXPECT_FALSE(InteriorPaintLookup(szCode, result)) << szCode;
        EXPECT_EQ(result, before);
    }
}

TEST(PaintSection, ReadsUpperCaseCodesAndTheStyleValues) {
    struct Case {
        int nYear; const char* szLower; const char* szTop; const char* szDate; const char* szStyle; int bConvertible;
        const char* szCode; const char* szLine;
    };
    const std::vector<Case> cases = {
        {7, "c", "c", "", "67-12437", 0, "C-C", "C-C = Car Color is Ermine White"},
        {7, "d", "6", "", "67-12437", 0, "D-6", "D-6 = Lower Color is Nantucket Blue and the Vinyl Top Color is Beige/Light Fawn."},
        {7, "c", "c", "", "67-12467", 1, " - ", "There is a Paint code problem.  (C-C)"},
        {7, "c", "c", "", "12667", 1, " - ", "There is a Paint code problem.  (C-C)"},
        {7, "d", "4", "", "67-12467", 1, "D-4", "D-4 = Lower Color is Nantucket Blue and the Convertible Top Color is Med. Blue."},
        {8, "z", "z", "08a", "", 0, "Z-Z", "Z-Z = Car Color is SPECIAL PAINT"},
        {8, "z", "z", "07e", "", 0, "Z-Z", "Z-Z = Car Color is British Green"},
        {8, "z", "z", "", "", 0, "Z-Z", "Z-Z = Car Color is British Green"},
        {8, "ab", "", "", "", 0, "AB- ", "paint code incomplete"},
        {9, "51", "50", "", "", 0, "51-50", "51-50 = Lower Color is Dusk Blue and the Top Color is Dover White."},
        {9, "1:0", "", "", "", 0, "1:0- ", "paint code incomplete"},
        {9, "1:0", "c", "", "", 0, " - ", "There is a Paint code problem.  (1:0-C)"},
        {9, "", "", "", "", 0, " - ", "No paint code was given."},
        // no model year: no code list to read the pair against
        {0, "", "c", "", "", 0, " - ", "No paint code was given."},
        {0, "c", "c", "", "", 0, " - ", "There is a Paint code problem.  (C-C)"},
        {0, "51", " _50", "", "", 0, " - ", "There is a Paint code problem.  (51-50)"},
        {0, "c", "", "", "", 0, " - ", "There is a Paint code problem.  (C-)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.szLower) + "-" + c.szTop);
        const DecodeResult result = RunPaint(c.nYear, c.szLower, c.szTop, c.szDate, c.szStyle, c.bConvertible);
        EXPECT_EQ(result.m_strPaintCode, c.szCode);
        EXPECT_EQ(result.m_strPaint, c.szLine);
    }
}

TEST(PaintSection, SetsEarlyBuildFromTheBuildDate) {
    int bEarlyBuild = -1;
    RunPaint(7, "", "", "10b", "", 0, &bEarlyBuild);
    EXPECT_EQ(bEarlyBuild, 1);
    RunPaint(9, "", "", "07e", "", 0, &bEarlyBuild);
    EXPECT_EQ(bEarlyBuild, 0);
    RunPaint(0, "", "", "", "", 0, &bEarlyBuild);
    EXPECT_EQ(bEarlyBuild, 0);
}

TEST(PaintSection, OddBytesAndLongCodesDoNotBreak) {
    const std::string strNul(1, '\0');
    for (int nYear : {0, 7, 8, 9}) {
        const DecodeResult result = RunPaint(nYear, strNul, strNul + "x");
        EXPECT_EQ(result.m_strPaintCode, " - ") << nYear;
        const std::string strTop = nYear == 7 ? strNul : strNul + "X";  // 1967 shows first characters only
        EXPECT_EQ(result.m_strPaint, "There is a Paint code problem.  (" + strNul + "-" + strTop + ")") << nYear;
    }
    const std::string strLong(100000, 'Q');
    EXPECT_EQ(RunPaint(8, strLong, "").m_strPaintCode, strLong + "- ");
    EXPECT_EQ(RunPaint(7, strLong, std::string(100000, ' ')).m_strPaintCode, "Q- ");
}

TEST(PaintSection, ThroughTheDecode) {
    struct StyleCase { const char* szStyle; const char* szLower; const char* szTop; const char* szLine; };
    const std::vector<StyleCase> styleCases = {
        {"67-12437", "C", "C", "C-C = Car Color is Ermine White"},
        {"67-12467", "C", "C", "There is a Paint code problem.  (C-C)"},
        {"12467", "C", "C", "There is a Paint code problem.  (C-C)"},
        {"12637", "C", "C", "C-C = Car Color is Ermine White"},
        {"67-12337", "C", "C", "C-C = Car Color is Ermine White"},
        {"67-12667", "D", "4", "D-4 = Lower Color is Nantucket Blue and the Convertible Top Color is Med. Blue."},
        {"67-12637", "D", "4", "There is a Paint code problem.  (D-4)"},
    };
    for (const StyleCase& c : styleCases) {
        TagFields fields;
        fields.strYear = "1967";
        fields.strStyle = c.szStyle;
        fields.strLowerPaint = c.szLower;
        fields.strTopPaint = c.szTop;
        EXPECT_EQ(Decode(fields).m_strPaint, c.szLine) << c.szStyle;
    }
    struct Case { const char* szYear; const char* szLower; const char* szTop; const char* szDate; const char* szCode; const char* szLine; };
    const std::vector<Case> cases = {
        {"1967", "C", "C", "", "C-C", "C-C = Car Color is Ermine White"},
        {"67", "d", " _2", "", "D-2", "D-2 = Lower Color is Nantucket Blue and the Vinyl Top Color is Black."},
        {"1968", "Z", "Z", "08A", "Z-Z", "Z-Z = Car Color is SPECIAL PAINT"},
        {"68", "Z", "Z", "07E", "Z-Z", "Z-Z = Car Color is British Green"},
        {"1969", "51", "C", "", "51-C", "51-C = Lower Color is Dusk Blue and the Vinyl Top Color is Dark Blue."},
        {"1969", "10", "", "", "10- ", "paint code incomplete"},
        {"1970", "10", "10", "", " - ", "There is a Paint code problem.  (10-10)"},
        {"1968", "", "2", "", " - ", "No paint code was given."},
    };
    for (const Case& c : cases) {
        TagFields fields;
        fields.strYear = c.szYear;
        fields.strLowerPaint = c.szLower;
        fields.strTopPaint = c.szTop;
        fields.strBuildDate = c.szDate;
        const DecodeResult result = Decode(fields);
        EXPECT_EQ(result.m_strPaintCode, c.szCode) << c.szYear << " " << c.szLower;
        EXPECT_EQ(result.m_strPaint, c.szLine) << c.szYear << " " << c.szLower;
    }
}

}  // namespace
}  // namespace vexlor
