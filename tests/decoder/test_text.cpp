// The bounds-checked text helpers every section reads typed text with.
#include <climits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "decoder/text.h"

namespace vexlor {
namespace {

TEST(Text, AtoiLikeReadsLikeAtoiAndSaturates) {
    struct Case {
        std::string strText;
        int nExpected;
    };
    const std::vector<Case> cases = {
        {"", 0}, {"0", 0}, {"123", 123}, {"065727", 65727}, {"  42", 42}, {"\t\n\v\f\r7", 7},
        {"+5", 5}, {"-5", -5}, {"12abc", 12}, {"12 34", 12}, {"abc", 0}, {"-", 0}, {"+-3", 0}, {"- 5", 0},
        {"\x80" "12", 0}, {std::string("1\0" "2", 3), 1}, {"0000000000000000000000000012", 12},
        {"2147483647", INT_MAX}, {"-2147483648", INT_MIN}, {"2147483648", INT_MAX}, {"-2147483649", INT_MIN},
        {std::string(100000, '9'), INT_MAX}, {"-" + std::string(100000, '9'), INT_MIN},
        {std::string(100000, ' ') + "17", 17},
    };
    for (const Case& c : cases) EXPECT_EQ(AtoiLike(c.strText), c.nExpected) << c.strText.substr(0, 24);
}

// The sections read these on every decode; here only their edges.
TEST(Text, HelpersStayInsideTheText) {
    // printf("%06d") widths: zeros after the sign, six characters in all.
    for (const auto& [nValue, strExpected] : std::vector<std::pair<int, std::string>>{
             {0, "000000"}, {123, "000123"}, {65727, "065727"}, {123456, "123456"}, {1234567, "1234567"},
             {-1, "-00001"}, {-123, "-00123"}, {-12345, "-12345"}, {INT_MIN, "-2147483648"}}) {
        EXPECT_EQ(Format06d(nValue), strExpected);
    }
    EXPECT_EQ(SafeSubstr("124377N", 6, 5), "N");
    EXPECT_EQ(SafeSubstr("124377N", 100, 1), "");
    EXPECT_EQ(SafeSubstr("12", std::string::npos, 2), "");
    EXPECT_EQ(CharAt("124377N", 7), '\0');
    EXPECT_EQ(CharAt("", 0), '\0');
    EXPECT_EQ(LastChars("437", 5), "437");
    EXPECT_EQ(ToUpperAscii("nor 12-a_z{`@[\xe9\xff\x80"), "NOR 12-A_Z{`@[\xe9\xff\x80");
    EXPECT_EQ(ToUpperAscii(std::string("a\0b", 3)), std::string("A\0B", 3));
}

}  // namespace
}  // namespace vexlor
