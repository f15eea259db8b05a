// 1969 Norwood special codes and their rules.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "decoder/decode_context.h"
#include "decoder/sections.h"

namespace vexlor {
namespace {

struct SpecialCase {
    const char* szName;
    std::string strField;
    int bSixCylinder;
    int bConvertible;
    std::string strPaintCode;
    std::string strTrimCode;
    std::string strPlantNote;
    std::string strOptions1;
    std::string strOptions2;
    std::string strCodes;
    int bV8;
};

const std::vector<SpecialCase> kSpecialCases = {
    {"X11", "X11", 0, 0, "10-10", "711", "X11 = non-SS396, non-Z28, with style trim", "", "", "X11", 0},
    {"X22", "X22", 0, 0, "10-10", "711", "X22 = SS396 with style trim", "", "", "X22", 1},
    {"X22SixCylinder", "X22", 1, 0, "10-10", "711", "X22 - can not be 6 cylinder car.", "", "", "", 0},
    {"X33", "X33", 0, 0, "10-10", "711", "X33 = Z28 with style trim", "", "", "X33", 1},
    {"X33Convertible", "X33", 0, 1, "10-10", "711", "Z28 - can not be a convertible.", "", "", "", 0},
    {"X33SixCylinder", "X33", 1, 1, "10-10", "711", "X33 - can not be 6 cylinder car.", "", "", "", 0},
    {"X44", "X44", 1, 1, "10-10", "711", "X44 = non-SS, non-Z28, without style trim", "", "", "X44", 0},
    {"X55", "X55", 0, 1, "10-10", "711", "X55 = SS350 without style trim", "", "", "X55", 1},
    {"X55SixCylinder", "X55", 1, 0, "10-10", "711", "X55 - can not be 6 cylinder car.", "", "", "", 0},
    {"X66", "x66", 0, 0, "10-10", "711", "X66 = SS396 without style trim", "", "", "X66", 1},
    {"X66SixCylinder", "X66", 1, 0, "10-10", "711", "X66 - can not be 6 cylinder car.", "", "", "", 0},
    {"X77", "X77", 0, 0, "10-10", "711", "X77 = Z28 without style trim", "", "", "X77", 1},
    {"X77Convertible", "X77", 0, 1, "10-10", "711", "Z28 - can not be a convertible.", "", "", "", 0},
    {"Z10", "Z10", 0, 0, "50-50", "711", "Z10 = Accent Striping (coupe version of Pace Car Accents)", "", "", "Z10", 1},
    {"Z10WrongPaint", "Z10", 0, 0, "10-10", "711", "Z10 - has to have a 50 paint code.", "", "", "", 0},
    {"Z10Convertible", "Z10", 0, 1, "50-50", "711", "Z10 - cannot be a convertible.", "", "", "", 0},
    {"Z10SixCylinder", "Z10", 1, 0, "50-50", "711", "Z10 - can not be 6 cylinder car.", "", "", "", 0},
    {"Z11", "Z11", 0, 1, "50-A", "720", "Z11 = Indy Pace Car accents - Convertible", "", "", "Z11", 1},
    {"Z11WrongTrim", "Z11", 0, 1, "50-A", "711", "Z11 - has to have 720 trim code.", "", "", "", 0},
    {"Z11WrongPaint", "Z11", 0, 1, "50-50", "720", "Z11 - has to have a 50-A paint code.", "", "", "", 0},
    {"Z11Coupe", "Z11", 0, 0, "50-A", "720", "Z11 - has to be a Convertible.", "", "", "", 0},
    {"Z11SixCylinder", "Z11", 1, 1, "50-A", "720", "Z11 - can not be 6 cylinder car.", "", "", "", 0},
    {"D80", "D80", 0, 0, "10-10", "711", "D80 = Spoiler equipment", "", "", "D80", 0},
    {"A", "A", 0, 0, "10-10", "711", "A = Undetermined - please contact VELK if your car has this code.", "", "", "A",
     0},
    {"Unknown", "Q12", 0, 0, "10-10", "711", "Q12 = ??", "", "", "", 0},
    {"BlankRemovedBetweenCodes", "X11 D80", 0, 0, "10-10", "711", "X11 = non-SS396, non-Z28, with style trim",
     "D80 = Spoiler equipment", "", "X11 D80", 0},
    {"ThreeCodesZ10RuleFirst", "X11D80Z10", 0, 0, "50-50", "711", "X11 = non-SS396, non-Z28, with style trim",
     "D80 = Spoiler equipment", "Z10 = Accent Striping (coupe version of Pace Car Accents)", "X11 D80 Z10", 1},
    {"ThreeCodesZ10RuleFails", "X11D80Z10", 0, 1, "50-50", "711", "Z10 - cannot be a convertible.", "", "", "", 0},
    {"ThirdCodeNotCut", "X11D80Z10X44X55A", 0, 0, "10-10", "711", "X11 = non-SS396, non-Z28, with style trim",
     "D80 = Spoiler equipment", "Z10X44X55A = ", "X11 D80 Z10X44X55A", 1},
    {"UnknownSecondCode", "X11 QQQ", 0, 0, "10-10", "711", "X11 = non-SS396, non-Z28, with style trim", "QQQ = ", "",
     "X11 QQQ", 0},
    {"ShortSecondCode", "d80x1", 0, 0, "10-10", "711", "D80 = Spoiler equipment", "X1 = ", "", "D80 X1", 0},
    {"LetterAAnywhereListsCodes", "QA X1 1", 0, 0, "10-10", "711", "QAX = ", "11 = ", "", "QAX 11", 0},
    {"MessageKeepsLeadingBlank", " X22", 1, 0, "10-10", "711", " X2 - can not be 6 cylinder car.", "", "", "", 0},
    {"BlanksOnly", "   ", 0, 0, "10-10", "711", "    = ??", "", "", "", 0},
    {"OneUnknownCharacter", "Q", 0, 0, "10-10", "711", "Q = ??", "", "", "", 0},
    {"HighBytes", "\xE9\xFFQQ", 0, 0, "10-10", "711", "\xE9\xFFQ = ??", "", "", "", 0},
};

class SpecialCodes69 : public testing::TestWithParam<SpecialCase> {};

TEST_P(SpecialCodes69, LinesEchoAndV8) {
    const SpecialCase& c = GetParam();
    TagFields fields;
    DecodeResult result;
    result.m_strPaintCode = c.strPaintCode;
    result.m_strTrimCode = c.strTrimCode;
    DecodeContext ctx{fields, result};
    ctx.nYear = 9;
    ctx.bSixCylinder = c.bSixCylinder;
    ctx.bConvertible = c.bConvertible;
    DecodeSpecialCodes69(ctx, c.strField);
    EXPECT_EQ(result.m_strPlantNote, c.strPlantNote);
    EXPECT_EQ(result.m_strOptions1, c.strOptions1);
    EXPECT_EQ(result.m_strOptions2, c.strOptions2);
    EXPECT_EQ(result.m_strOptionCodes, c.strCodes);
    EXPECT_EQ(ctx.bV8, c.bV8);
}

INSTANTIATE_TEST_SUITE_P(Cases, SpecialCodes69, testing::ValuesIn(kSpecialCases),
                         [](const testing::TestParamInfo<SpecialCase>& info) { return info.param.szName; });

TEST(SpecialCodes69, EmptyFieldChangesNothing) {
    TagFields fields;
    DecodeResult result;
    result.m_strPlantNote = "No Assm. Plant given.";
    result.m_strOptionCodes = "keep";
    const DecodeResult before = result;
    DecodeContext ctx{fields, result};
    ctx.nYear = 9;
    DecodeSpecialCodes69(ctx, "");
    EXPECT_EQ(result, before);
    EXPECT_EQ(ctx.bV8, 0);
}

TEST(SpecialCodes69, RuleFailureLeavesOtherLinesAsTheyWere) {
    TagFields fields;
    DecodeResult result;
    result.m_strOptions1 = "one";
    result.m_strOptions2 = "two";
    result.m_strOptionCodes = "codes";
    DecodeContext ctx{fields, result};
    ctx.nYear = 9;
    ctx.bConvertible = 1;
    DecodeSpecialCodes69(ctx, "X33 D80 Z10");
    EXPECT_EQ(result.m_strPlantNote, "Z28 - can not be a convertible.");
    EXPECT_EQ(result.m_strOptions1, "one");
    EXPECT_EQ(result.m_strOptions2, "two");
    EXPECT_EQ(result.m_strOptionCodes, "codes");
}

}  // namespace
}  // namespace vexlor
