// The sample 1967 tag of Help Decoding, decoded end to end.
#include <gtest/gtest.h>

#include "decoder/decode.h"

namespace vexlor {
namespace {

class SampleTag : public testing::Test {
protected:
    const DecodeResult result = Decode(SampleTagFields());
};

TEST_F(SampleTag, CodeEchoes) {
    EXPECT_EQ(result.m_strDateCode, "701A");
    EXPECT_EQ(result.m_strTrimCode, "741-Z");
    EXPECT_EQ(result.m_strOptionCodes, "0D 1W 2E 3L 4- 5-");
    EXPECT_EQ(result.m_strPlantBody, "N065727");
    EXPECT_EQ(result.m_strStyleCode, "67-12437");
    EXPECT_EQ(result.m_strPaintCode, "R-R");
    EXPECT_EQ(result.m_strSchedCode, "");
    EXPECT_EQ(result.m_strVinPrefix, "12_37");
    EXPECT_EQ(result.m_strVinTail, "7N______");
    EXPECT_EQ(result.m_nYear, 7);
}

TEST_F(SampleTag, SeatAndOptionLines) {
    EXPECT_EQ(result.m_strBuildDate, "01A = Built the First week of January.");
    EXPECT_EQ(result.m_strSeat, "Z = (A50) Strato Bucket Seats (without headrests).");
    EXPECT_EQ(result.m_strOptions1, "1W = (A02) Tinted W/S only,");
    EXPECT_EQ(result.m_strOptions2, "2E = (C60) Air Conditioner,");
    EXPECT_EQ(result.m_strOptions3, "3L = (Z22) Rally Sport Package,");
    EXPECT_EQ(result.m_strOptions4, "");
    EXPECT_EQ(result.m_strOptions5, "");
}

TEST_F(SampleTag, OtherLines) {
    EXPECT_EQ(result.m_bVinGiven, 0);
    EXPECT_EQ(result.m_bVinValid, 0);
    EXPECT_EQ(result.m_bVinLosAngeles, 0);
    EXPECT_EQ(result.m_strBodyNumber, "Decode for body number: 065727");
    EXPECT_EQ(result.m_strStyle, "67-12437 = Standard Interior Coupe.");
    EXPECT_EQ(result.m_strPlant, "NOR = Built in Norwood Ohio.");
    EXPECT_EQ(result.m_strTrim, "741 = Standard Red Bucket Seats.");
    EXPECT_EQ(result.m_strPaint, "R-R = Car Color is Bolero Red");
    EXPECT_EQ(result.m_strPlantNote, "D = Interior paint is Red");
    EXPECT_EQ(result.m_strVinMake, "");
    EXPECT_EQ(result.m_strVinSerial, "");
}

}  // namespace
}  // namespace vexlor
