// Body style and assembly plant, with the plant step's fall-back on the VIN.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "decoder/decode.h"
#include "decoder/sections.h"
#include "decoder_test_support.h"

namespace vexlor {
namespace {

using testing_support::SectionRun;
using testing_support::Tag;

TEST(BodyStyle, EveryRowEveryYearAndProblems) {
    struct Case {
        int nYear;
        std::string strText;
        const char *pszLine, *pszStyle;  // the context's style is also the echo
        int bStyleGiven, bConvertible, bCustomInterior;
    };
    const std::vector<Case> cases = {
        {7, "67-12437", "67-12437 = Standard Interior Coupe.", "67-12437", 1, 0, 0},
        {7, "67-12467", "67-12467 = Standard Interior Convertible.", "67-12467", 1, 1, 0},
        {7, "67-12637", "67-12637 = Custom Interior Coupe.", "67-12637", 1, 0, 1},
        {7, "67-12667", "67-12667 = Custom Interior Convertible.", "67-12667", 1, 1, 1},
        {8, "68-12437", "68-12437 = Coupe.", "68-12437", 1, 0, 0},
        {8, "68-12467", "68-12467 = Convertible.", "68-12467", 1, 1, 0},
        {8, "68-12637", "68-12637 = Custom Interior Coupe.", "68-12637", 1, 0, 1},
        {8, "68-12667", "68-12667 = Custom Interior Convertible.", "68-12667", 1, 1, 1},
        {9, "69-12437", "69-12437 = Coupe.", "69-12437", 1, 0, 0},
        {9, "69-12467", "69-12467 = Convertible.", "69-12467", 1, 1, 0},
        {9, "69-12637", "69-12637 = Custom Interior Coupe.", "69-12637", 1, 0, 1},
        {9, "69-12667", "69-12667 = Custom Interior Convertible.", "69-12667", 1, 1, 1},
        // Only the last five characters count.
        {8, "67-12437", "67-12437 = Coupe.", "67-12437", 1, 0, 0},
        {9, "12667", "12667 = Custom Interior Convertible.", "12667", 1, 1, 1},
        {7, "ab12437", "AB12437 = Standard Interior Coupe.", "AB12437", 1, 0, 0},
        // Blank and unknown styles take the year's pattern.
        {7, "", "No body style was given.", "67-12__7", 0, 0, 0},
        {8, "", "No body style was given.", "68-12__7", 0, 0, 0},
        {9, "", "No body style was given.", "69-12__7", 0, 0, 0},
        {7, "67-12337", "Incorrect style was given.", "67-12__7", 0, 0, 0},
        {8, "x", "Incorrect style was given.", "68-12__7", 0, 0, 0},
        {9, "69-12437 ", "Incorrect style was given.", "69-12__7", 0, 0, 0},
        {7, "437", "Incorrect style was given.", "67-12__7", 0, 0, 0},
        {7, std::string(100000, '7'), "Incorrect style was given.", "67-12__7", 0, 0, 0},
        // No year: the later years' texts, and no pattern.
        {0, "67-12437", "67-12437 = Coupe.", "67-12437", 1, 0, 0},
        {0, "", "No body style was given.", "", 0, 0, 0},
        {0, "zz", "Incorrect style was given.", "", 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.nYear) + " " + c.strText.substr(0, 12));
        SectionRun run(c.nYear, Tag({{"style", c.strText}}));
        DecodeStyle(run.ctx);
        EXPECT_EQ(run.result.m_strStyle, c.pszLine);
        EXPECT_EQ(run.ctx.strStyle, c.pszStyle);
        EXPECT_EQ(run.result.m_strStyleCode, c.pszStyle);
        EXPECT_EQ(run.ctx.bStyleGiven, c.bStyleGiven);
        EXPECT_EQ(run.ctx.bConvertible, c.bConvertible);
        EXPECT_EQ(run.ctx.bCustomInterior, c.bCustomInterior);
    }
}

// The VIN, body number and plant steps, with an option echo left from before so that its clearing shows.
TEST(AssemblyPlant, NamedPlantsAndTheVinFallBack) {
    struct Case {
        const char *pszYear, *pszVin, *pszPlantField, *pszCode, *pszCode69, *pszBody;  // code: 1001, code69: 1008
        const char *pszPlant, *pszPlantBody, *pszPlantNote, *pszSchedCode, *pszOptionCodes;
        int bLosAngeles;
    };
    constexpr const char* kNor = "NOR = Built in Norwood Ohio.";
    constexpr const char* kLos = "LOS = Built in Van Nuys California.";
    constexpr const char* kNoPlant = "No Assm. Plant given.";
    const std::vector<Case> cases = {
        {"1967", "", "nor", "d", "", "123456", kNor, "N123456", "D = Interior paint is Red", "", "0D ", 0},
        {"1967", "", "NOR", "", "", "65727", kNor, "N065727", "", "", "", 0},
        {"1968", "", "NOR", "D", "", "123456", kNor, "N123456", "", "", "", 0},
        {"1969", "", "NOR", "D", "D80", "123", kNor, "N123___", "D80 = Spoiler equipment", "", "D80", 0},
        {"1967", "", "LOS", "a12", "B7", "123456", kLos, "L123456", "A12 = internal plant scheduling code.", "A12", "",
         1},
        {"1968", "", "LOS", "", "B7", "123456", kLos, "L123456", "", "Blank", "", 1},
        {"1968", "", "VN", "C3", "ZZ", "", "VN = Built in Van Nuys California.", "L______",
         "C3 = internal plant scheduling code.", "C3", "", 1},
        {"1969", "", "VN", "X1", "b7", "123456", "VN = Built in Van Nuys California.", "L123456",
         "B7 = internal plant scheduling code.", "B7", "", 1},
        {"1969", "", "LOS", "X1", "", "123456", kLos, "L123456", "", "Blank", "", 1},
        {"1967", "124377L", "ABC", "D", "", "123456", "ABC = ??", "", "", "", "", 0},
        {"1968", "", " NOR", "", "", "123456", " NOR = ??", "", "", "", "", 0},
        // A blank plant field: a valid VIN's plant letter stands in for it.
        {"1967", "", "", "D", "", "123456", "", "_123456", kNoPlant, "", "", 0},
        {"1968", "", "", "", "", "", "", "_______", kNoPlant, "", "", 0},
        {"1967", "124377X", "", "D", "", "123456", "", "_123456", kNoPlant, "", "", 0},
        {"1967", "125377L", "", "A12", "", "123456", "", "_123456", kNoPlant, "", "", 0},
        {"1967", "124377L", "", "A12", "", "123456", " = Built in Van Nuys California.", "L123456",
         "A12 = internal plant scheduling code.", "A12", "", 1},
        {"1968", "124378L", "", "", "B7", "123456", " = Built in Van Nuys California.", "L123456", kNoPlant, "Blank",
         "", 1},
        {"1969", "124379L", "", "A12", "B7", "123456", " = Built in Van Nuys California.", "L123456",
         "B7 = internal plant scheduling code.", "B7", "", 1},
        {"1967", "124377N", "", "B", "", "123456", " = Built in Norwood Ohio.", "N123456", "B = Interior paint is Blue",
         "", "0B ", 0},
        {"1968", "124378N", "", "y", "", "123456", " = Built in Norwood Ohio.", "N123456",
         "Y = Interior paint is Yellow", "", "0Y ", 0},
        {"1967", "124377N", "", "Q", "", "", " = Built in Norwood Ohio.", "N______", kNoPlant, "", "", 0},
        {"1969", "124379N", "", "D", "D80", "123456", " = Built in Norwood Ohio.", "N123456",
         "D80 = Spoiler equipment", "", "D80", 0},
        {"1969", "124379N", "", "D", "", "123456", " = Built in Norwood Ohio.", "N123456", kNoPlant, "", "", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.pszYear) + " [" + c.pszVin + "] [" + c.pszPlantField + "]");
        SectionRun run(YearDigit(c.pszYear), Tag({{"vin", c.pszVin}, {"plant", c.pszPlantField}, {"code", c.pszCode},
                                                  {"code69", c.pszCode69}, {"body", c.pszBody}}));
        run.result.m_strOptionCodes = "left over";
        DecodeVin(run.ctx);
        DecodeBodyNumber(run.ctx);
        DecodePlant(run.ctx);
        EXPECT_EQ(run.result.m_strPlant, c.pszPlant);
        EXPECT_EQ(run.result.m_strPlantBody, c.pszPlantBody);
        EXPECT_EQ(run.result.m_strPlantNote, c.pszPlantNote);
        EXPECT_EQ(run.result.m_strSchedCode, c.pszSchedCode);
        EXPECT_EQ(run.result.m_strOptionCodes, c.pszOptionCodes);
        EXPECT_EQ(run.ctx.bLosAngeles, c.bLosAngeles);
    }
}

}  // namespace
}  // namespace vexlor
