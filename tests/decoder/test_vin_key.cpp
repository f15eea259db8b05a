#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "decoder/decode.h"
#include "decoder/decode_context.h"
#include "decoder/sections.h"

namespace vexlor {
namespace {

struct TailCase {
    int nYear;
    std::string strPlant;
    int bLosAngeles;
    std::string strTail;    // as the VIN step left it
    std::string strPrefix;  // as the VIN step left it
    int bVinLosAngeles;
    std::string strExpected;
};

TEST(VinKeyTail, EveryBranch) {
    const std::vector<TailCase> cases = {
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
        {0, "", 0, "", "", 0, "0_______"},
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
    for (const TailCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.nYear) + " [" + c.strPlant + "] [" + c.strTail + "] [" +
                     c.strPrefix + "]");
        TagFields fields;
        DecodeResult result;
        result.m_strVinTail = c.strTail;
        result.m_strVinPrefix = c.strPrefix;
        result.m_bVinLosAngeles = c.bVinLosAngeles;
        DecodeContext ctx{fields, result};
        ctx.nYear = c.nYear;
        ctx.strPlant = c.strPlant;
        ctx.bLosAngeles = c.bLosAngeles;
        CompleteVinKey(ctx);
        EXPECT_EQ(result.m_strVinTail, c.strExpected);
    }
}

struct PrefixCase {
    std::string strPrefix;
    int bV8;
    int bStyleGiven;
    int bConvertible;
    std::string strExpected;
};

TEST(VinKeyPrefix, EveryPattern) {
    const std::vector<PrefixCase> cases = {
        {"", 1, 1, 1, "12467"},
        {"", 1, 1, 0, "12437"},
        {"", 1, 0, 0, "124_7"},
        {"", 1, 0, 1, "124_7"},
        {"", 0, 1, 1, "12_67"},
        {"", 0, 1, 0, "12_37"},
        {"", 0, 0, 0, "12__7"},
        {"", 0, 0, 1, "12__7"},
        {"12367", 1, 1, 0, "12367"},
    };
    for (const PrefixCase& c : cases) {
        SCOPED_TRACE(c.strExpected);
        TagFields fields;
        DecodeResult result;
        result.m_strVinPrefix = c.strPrefix;
        result.m_strVinTail = "7N100001";
        DecodeContext ctx{fields, result};
        ctx.nYear = 7;
        ctx.bV8 = c.bV8;
        ctx.bStyleGiven = c.bStyleGiven;
        ctx.bConvertible = c.bConvertible;
        CompleteVinKey(ctx);
        EXPECT_EQ(result.m_strVinPrefix, c.strExpected);
        EXPECT_EQ(result.m_strVinTail, "7N100001");
    }
}

struct KeyDecodeCase {
    std::string strName;
    std::string strYear;
    std::string strVin;
    std::string strSerial;
    std::string strStyle;
    std::string strPlant;
    std::string strCode69;
    std::string strPrefix;
    std::string strTail;
};

// The key as the whole decode leaves it.
TEST(VinKeyDecode, CompletedFromTheEntries) {
    const std::vector<KeyDecodeCase> cases = {
        {"all blank", "1967", "", "", "", "", "", "12__7", "7_______"},
        {"VIN L no serial", "1967", "124677L", "", "", "", "", "12467", "7L1_____"},
        {"LOS 1969", "1969", "", "", "", "LOS", "", "12__7", "9L5_____"},
        {"serial then plant", "1967", "", "100001", "", "NOR", "", "12__7", "7N100001"},
        {"serial out of range NOR", "1967", "124377N", "300001", "", "NOR", "", "12437", "7N______"},
        {"serial out of range blank plant", "1967", "124377N", "300001", "", "", "", "12437",
         "7N______"},
        {"full VIN", "1968", "123678L", "412345", "", "NOR", "", "12367", "8L412345"},
        {"invalid VIN", "1968", "124378X", "300001", "68-12467", "", "", "12_67", "8_______"},
        {"style coupe", "1969", "", "", "69-12637", "", "", "12_37", "9_______"},
        {"V8 special code", "1969", "", "", "69-12637", "NOR", "X33", "12437", "9N______"},
        {"no year", "1970", "", "", "", "", "", "12__7", "0_______"},
    };
    for (const KeyDecodeCase& c : cases) {
        SCOPED_TRACE(c.strName);
        TagFields fields;
        fields.strYear = c.strYear;
        fields.strVinPrefix = c.strVin;
        fields.strSerial = c.strSerial;
        fields.strStyle = c.strStyle;
        fields.strPlant = c.strPlant;
        fields.strCode69 = c.strCode69;
        const DecodeResult r = Decode(fields);
        EXPECT_EQ(r.m_strVinPrefix, c.strPrefix);
        EXPECT_EQ(r.m_strVinTail, c.strTail);
    }
}

TEST(VinKeyDecode, AllBlank1967) {
    TagFields fields;
    fields.strYear = "1967";
    const DecodeResult r = Decode(fields);
    EXPECT_EQ(r.m_bVinGiven, 0);
    EXPECT_EQ(r.m_bVinValid, 0);
    EXPECT_EQ(r.m_strStyle, "No body style was given.");
    EXPECT_EQ(r.m_strStyleCode, "67-12__7");
    EXPECT_EQ(r.m_strPlantNote, "No Assm. Plant given.");
    EXPECT_EQ(r.m_strPlantBody, "_______");
    EXPECT_EQ(r.m_strBodyNumber, "");
}

TEST(VinKeyDecode, ShortYearTextDecodesAsTheLongOne) {
    const std::vector<std::pair<std::string, std::string>> years = {
        {"67", "1967"}, {"68", "1968"}, {"69", "1969"}};
    for (const auto& [strShort, strLong] : years) {
        SCOPED_TRACE(strShort);
        TagFields fields;
        fields.strVinPrefix = "124677L";
        fields.strSerial = "10000";
        fields.strStyle = "12467";
        fields.strBodyNumber = "123";
        fields.strYear = strShort;
        const DecodeResult shortResult = Decode(fields);
        fields.strYear = strLong;
        EXPECT_EQ(shortResult, Decode(fields));
    }
}

// Huge texts and every byte in every field: nothing reads out of bounds.
TEST(VinKeyDecode, HugeAndOddFields) {
    std::string strAllBytes;
    for (int i = 0; i < 256; ++i) strAllBytes += static_cast<char>(i);
    for (const std::string& strYear : {std::string("1967"), std::string("68"), std::string("1969"),
                                       std::string("")}) {
        for (const std::string& strText : {std::string(100000, '9'), strAllBytes, std::string(1, '\0')}) {
            SCOPED_TRACE(strYear);
            TagFields fields;
            fields.strYear = strYear;
            for (const TagFieldInfo& info : kTagFieldInfos) {
                if (info.nControlId != 1038) FieldText(fields, info) = strText;
            }
            const DecodeResult r = Decode(fields);
            EXPECT_EQ(r.m_bVinGiven, 1);
            EXPECT_FALSE(r.m_strVinTail.empty());
            EXPECT_FALSE(r.m_strVinPrefix.empty());
        }
    }
}

}  // namespace
}  // namespace vexlor
