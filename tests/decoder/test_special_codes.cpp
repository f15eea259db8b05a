// 1969 Norwood special codes and their rules.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "decoder/sections.h"
#include "decoder_test_support.h"

namespace vexlor {
namespace {

using testing_support::SectionRun;

TEST(SpecialCodes69, LinesEchoAndV8) {
    struct Case {
        const char* pszField;
        int bSixCylinder, bConvertible;
        const char *pszPaintCode, *pszTrimCode, *pszPlantNote, *pszOptions1, *pszOptions2, *pszCodes;
        int bV8;
    };
    constexpr const char* kX11 = "X11 = non-SS396, non-Z28, with style trim";
    constexpr const char* kZ10 = "Z10 = Accent Striping (coupe version of Pace Car Accents)";
    const std::vector<Case> cases = {
        {"X11", 0, 0, "10-10", "711", kX11, "", "", "X11", 0},
        {"X22", 0, 0, "10-10", "711", "X22 = SS396 with style trim", "", "", "X22", 1},
        {"X22", 1, 0, "10-10", "711", "X22 - can not be 6 cylinder car.", "", "", "", 0},
        {"X33", 0, 0, "10-10", "711", "X33 = Z28 with style trim", "", "", "X33", 1},
        {"X33", 0, 1, "10-10", "711", "Z28 - can not be a convertible.", "", "", "", 0},
        {"X33", 1, 1, "10-10", "711", "X33 - can not be 6 cylinder car.", "", "", "", 0},
        {"X44", 1, 1, "10-10", "711", "X44 = non-SS, non-Z28, without style trim", "", "", "X44", 0},
        {"X55", 0, 1, "10-10", "711", "X55 = SS350 without style trim", "", "", "X55", 1},
        {"X55", 1, 0, "10-10", "711", "X55 - can not be 6 cylinder car.", "", "", "", 0},
        {"x66", 0, 0, "10-10", "711", "X66 = SS396 without style trim", "", "", "X66", 1},
        {"X66", 1, 0, "10-10", "711", "X66 - can not be 6 cylinder car.", "", "", "", 0},
        {"X77", 0, 0, "10-10", "711", "X77 = Z28 without style trim", "", "", "X77", 1},
        {"X77", 0, 1, "10-10", "711", "Z28 - can not be a convertible.", "", "", "", 0},
        {"Z10", 0, 0, "50-50", "711", kZ10, "", "", "Z10", 1},
        {"Z10", 0, 0, "10-10", "711", "Z10 - has to have a 50 paint code.", "", "", "", 0},
        {"Z10", 0, 1, "50-50", "711", "Z10 - cannot be a convertible.", "", "", "", 0},
        {"Z10", 1, 0, "50-50", "711", "Z10 - can not be 6 cylinder car.", "", "", "", 0},
        {"Z11", 0, 1, "50-A", "720", "Z11 = Indy Pace Car accents - Convertible", "", "", "Z11", 1},
        {"Z11", 0, 1, "50-A", "711", "Z11 - has to have 720 trim code.", "", "", "", 0},
        {"Z11", 0, 1, "50-50", "720", "Z11 - has to have a 50-A paint code.", "", "", "", 0},
        {"Z11", 0, 0, "50-A", "720", "Z11 - has to be a Convertible.", "", "", "", 0},
        {"Z11", 1, 1, "50-A", "720", "Z11 - can not be 6 cylinder car.", "", "", "", 0},
        {"D80", 0, 0, "10-10", "711", "D80 = Spoiler equipment", "", "", "D80", 0},
        {"A", 0, 0, "10-10", "711", "A = Undetermined - please contact VELK if your car has this code.", "", "", "A",
         0},
        {"Q12", 0, 0, "10-10", "711", "Q12 = ??", "", "", "", 0},
        {"X11 D80", 0, 0, "10-10", "711", kX11, "D80 = Spoiler equipment", "", "X11 D80", 0},
        {"X11D80Z10", 0, 0, "50-50", "711", kX11, "D80 = Spoiler equipment", kZ10, "X11 D80 Z10", 1},
        {"X11D80Z10", 0, 1, "50-50", "711", "Z10 - cannot be a convertible.", "", "", "", 0},
        {"X11D80Z10X44X55A", 0, 0, "10-10", "711", kX11, "D80 = Spoiler equipment", "Z10X44X55A = ",
         "X11 D80 Z10X44X55A", 1},
        {"X11 QQQ", 0, 0, "10-10", "711", kX11, "QQQ = ", "", "X11 QQQ", 0},
        {"d80x1", 0, 0, "10-10", "711", "D80 = Spoiler equipment", "X1 = ", "", "D80 X1", 0},
        {"QA X1 1", 0, 0, "10-10", "711", "QAX = ", "11 = ", "", "QAX 11", 0},
        {" X22", 1, 0, "10-10", "711", " X2 - can not be 6 cylinder car.", "", "", "", 0},
        {"   ", 0, 0, "10-10", "711", "    = ??", "", "", "", 0},
        {"Q", 0, 0, "10-10", "711", "Q = ??", "", "", "", 0},
        {"\xE9\xFFQQ", 0, 0, "10-10", "711", "\xE9\xFFQ = ??", "", "", "", 0},
        // an empty field changes nothing
        {"", 0, 0, "10-10", "711", "No Assm. Plant given.", "", "", "", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("[") + c.pszField + "] six " + std::to_string(c.bSixCylinder) + " convertible " +
                     std::to_string(c.bConvertible) + " " + c.pszPaintCode + " " + c.pszTrimCode);
        SectionRun run(9);
        run.result.m_strPlantNote = "No Assm. Plant given.";
        run.result.m_strPaintCode = c.pszPaintCode;
        run.ctx.strPaintLower = std::string(c.pszPaintCode).substr(0, 2);
        run.result.m_strTrimCode = c.pszTrimCode;
        run.ctx.bSixCylinder = c.bSixCylinder;
        run.ctx.bConvertible = c.bConvertible;
        DecodeSpecialCodes69(run.ctx, c.pszField);
        EXPECT_EQ(run.result.m_strPlantNote, c.pszPlantNote);
        EXPECT_EQ(run.result.m_strOptions1, c.pszOptions1);
        EXPECT_EQ(run.result.m_strOptions2, c.pszOptions2);
        EXPECT_EQ(run.result.m_strOptionCodes, c.pszCodes);
        EXPECT_EQ(run.ctx.bV8, c.bV8);
    }
}

TEST(SpecialCodes69, RuleFailureLeavesOtherLinesAsTheyWere) {
    SectionRun run(9);
    run.result.m_strOptions1 = "one";
    run.result.m_strOptions2 = "two";
    run.result.m_strOptionCodes = "codes";
    run.ctx.bConvertible = 1;
    DecodeSpecialCodes69(run.ctx, "X33 D80 Z10");
    EXPECT_EQ(run.result.m_strPlantNote, "Z28 - can not be a convertible.");
    EXPECT_EQ(run.result.m_strOptions1, "one");
    EXPECT_EQ(run.result.m_strOptions2, "two");
    EXPECT_EQ(run.result.m_strOptionCodes, "codes");
}

}  // namespace
}  // namespace vexlor
