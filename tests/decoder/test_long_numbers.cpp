// Body and trim numbers too long for an int are echoed with the digits typed,
// never as a clamped value.
#include <gtest/gtest.h>

#include <string>

#include "decoder/decode.h"
#include "decoder/text.h"

namespace vexlor {
namespace {

TEST(LongNumbers, LeadingNumberKeepsEveryDigit) {
    const std::pair<std::string, std::string> cases[] = {
        {"99999999999", "99999999999"}, {" -0099999999999x", "-99999999999"}, {"+007", "7"},
        {"-0", "0"}, {"abc", "0"}, {"", "0"}, {"- 5", "0"}, {"12 34", "12"},
    };
    for (const auto& [strTyped, strNumber] : cases) EXPECT_EQ(LeadingNumberText(strTyped), strNumber) << strTyped;
    EXPECT_EQ(Format06d(std::string("-99999999999")), "-99999999999");
    EXPECT_EQ(Format06d(std::string("-42")), "-00042");
}

TEST(LongNumbers, BodyAndTrimNumbersAreEchoedAsTyped) {
    TagFields fields;
    fields.strYear = "1968";
    fields.strBodyNumber = "99999999999";
    fields.strTrim = "-99999999999";
    fields.strPlant = "NOR";
    const DecodeResult result = Decode(fields);
    EXPECT_EQ(result.m_strBodyNumber, "Decode for body number: 99999999999");
    EXPECT_EQ(result.m_strPlantBody, "N99999999999");
    EXPECT_EQ(result.m_strTrim, "-99999999999 = Interior not defined correctly. -99999999999");
    fields.strYear = "1967";
    fields.strBodyNumber = "-12";
    EXPECT_EQ(Decode(fields).m_strBodyNumber, "Decode for body number: -00012");
}

}  // namespace
}  // namespace vexlor
