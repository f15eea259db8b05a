// Completion of the 13-character VIN key from whatever the entries gave.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "decoder/sections.h"
#include "decoder_test_support.h"

namespace vexlor {
namespace {

using testing_support::SectionRun;

TEST(VinKey, TailEveryBranch) {
    struct Case {
        int nYear;
        const char* pszPlant;
        int bLosAngeles;
        const char *pszTail, *pszPrefix;  // as the VIN step left them
        int bVinLosAngeles;
        const char* pszExpected;
    };
    const std::vector<Case> cases = {
        // No tail yet, a plant was entered.
        {7, "NOR", 0, "", "", 0, "7N______"},
        {8, "NOR", 0, "", "12437", 1, "8N______"},
        {9, "XYZ", 0, "", "", 0, "9N______"},
        {7, "LOS", 1, "", "", 0, "7L1_____"},
        {8, "VN", 1, "", "", 0, "8L3_____"},
        {9, "LOS", 1, "", "12437", 0, "9L5_____"},
        // No year: the format's numbers as they come out.
        {0, "NOR", 0, "", "", 0, "0N______"},
        {0, "LOS", 1, "", "", 0, "0L-13_____"},
        // No tail, no plant, no valid first half.
        {7, "", 0, "", "", 0, "7_______"},
        {9, "", 0, "", "", 1, "9_______"},
        // No tail, no plant, a valid first half: its plant letter decides.
        {7, "", 0, "", "12467", 1, "7L1_____"},
        {9, "", 0, "", "12437", 1, "9L5_____"},
        {8, "", 1, "", "12437", 0, "8N______"},
        // A tail without a plant letter takes the plant field's.
        {7, "NOR", 0, "7_100001", "", 0, "7N100001"},
        {7, "LOS", 1, "7_100001", "", 0, "7L100001"},
        {7, "ABC", 0, "7_1000__", "", 0, "7N1000__"},
        {7, "", 1, "7_100001", "", 0, "7_100001"},
        // A tail with its plant letter stays.
        {7, "LOS", 1, "7N100001", "12437", 0, "7N100001"},
        {8, "NOR", 0, "8L3_____", "12437", 1, "8L3_____"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.nYear) + " [" + c.pszPlant + "] [" + c.pszTail + "] [" + c.pszPrefix + "]");
        SectionRun run(c.nYear);
        run.result.m_strVinTail = c.pszTail;
        run.result.m_strVinPrefix = c.pszPrefix;
        run.result.m_bVinLosAngeles = c.bVinLosAngeles;
        run.ctx.strPlant = c.pszPlant;
        run.ctx.bLosAngeles = c.bLosAngeles;
        CompleteVinKey(run.ctx);
        EXPECT_EQ(run.result.m_strVinTail, c.pszExpected);
    }
}

TEST(VinKey, PrefixEveryPattern) {
    struct Case {
        const char* pszPrefix;
        int bV8, bStyleGiven, bConvertible;
        const char* pszExpected;
    };
    const std::vector<Case> cases = {
        {"", 1, 1, 1, "12467"}, {"", 1, 1, 0, "12437"}, {"", 1, 0, 0, "124_7"}, {"", 1, 0, 1, "124_7"},
        {"", 0, 1, 1, "12_67"}, {"", 0, 1, 0, "12_37"}, {"", 0, 0, 0, "12__7"}, {"", 0, 0, 1, "12__7"},
        {"12367", 1, 1, 0, "12367"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszExpected);
        SectionRun run(7);
        run.result.m_strVinPrefix = c.pszPrefix;
        run.result.m_strVinTail = "7N100001";
        run.ctx.bV8 = c.bV8;
        run.ctx.bStyleGiven = c.bStyleGiven;
        run.ctx.bConvertible = c.bConvertible;
        CompleteVinKey(run.ctx);
        EXPECT_EQ(run.result.m_strVinPrefix, c.pszExpected);
        EXPECT_EQ(run.result.m_strVinTail, "7N100001");
    }
}

}  // namespace
}  // namespace vexlor
