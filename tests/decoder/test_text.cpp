#include <climits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "decoder/text.h"

namespace vexlor {
namespace {

struct AtoiCase {
    std::string strText;
    int nExpected;
};

TEST(TextAtoiLike, ReadsLeadingNumberLikeAtoi) {
    const std::vector<AtoiCase> cases = {
        {"", 0},
        {"0", 0},
        {"123", 123},
        {"065727", 65727},
        {"  42", 42},
        {"\t\n\v\f\r7", 7},
        {"+5", 5},
        {"-5", -5},
        {"12abc", 12},
        {"12 34", 12},
        {"abc", 0},
        {"-", 0},
        {"+", 0},
        {"+-3", 0},
        {"- 5", 0},
        {"\x80" "12", 0},
        {std::string("1\0" "2", 3), 1},
        {"0000000000000000000000000012", 12},
        {"2147483647", INT_MAX},
        {"-2147483647", -INT_MAX},
        {"-2147483648", INT_MIN},
    };
    for (const AtoiCase& c : cases) {
        SCOPED_TRACE(c.strText);
        EXPECT_EQ(AtoiLike(c.strText), c.nExpected);
    }
}

TEST(TextAtoiLike, SaturatesInsteadOfOverflowing) {
    const std::vector<AtoiCase> cases = {
        {"2147483648", INT_MAX},
        {"4294967296", INT_MAX},
        {"99999999999999999999", INT_MAX},
        {"-2147483649", INT_MIN},
        {"-99999999999999999999", INT_MIN},
        {std::string(100000, '9'), INT_MAX},
        {"-" + std::string(100000, '9'), INT_MIN},
        {std::string(100000, ' ') + "17", 17},
        {std::string(100000, '0') + "17", 17},
    };
    for (const AtoiCase& c : cases) {
        SCOPED_TRACE(c.strText.substr(0, 24));
        EXPECT_EQ(AtoiLike(c.strText), c.nExpected);
    }
}

TEST(TextFormat06d, PadsToSixDigits) {
    EXPECT_EQ(Format06d(0), "000000");
    EXPECT_EQ(Format06d(123), "000123");
    EXPECT_EQ(Format06d(65727), "065727");
    EXPECT_EQ(Format06d(1234567), "1234567");
    EXPECT_EQ(Format06d(-5), "-00005");
    EXPECT_EQ(Format06d(INT_MAX), "2147483647");
    EXPECT_EQ(Format06d(INT_MIN), "-2147483648");
}

TEST(TextSafeSubstr, NeverReadsPastTheEnd) {
    EXPECT_EQ(SafeSubstr("124377N", 0, 5), "12437");
    EXPECT_EQ(SafeSubstr("124377N", 5, 2), "7N");
    EXPECT_EQ(SafeSubstr("124377N", 6, 5), "N");
    EXPECT_EQ(SafeSubstr("124377N", 7, 1), "");
    EXPECT_EQ(SafeSubstr("124377N", 100, 1), "");
    EXPECT_EQ(SafeSubstr("124377N", 3), "377N");
    EXPECT_EQ(SafeSubstr("", 0, 2), "");
    EXPECT_EQ(SafeSubstr("12", std::string::npos, 2), "");
}

TEST(TextCharAtAndLastChars, StayInsideTheText) {
    EXPECT_EQ(CharAt("124377N", 6), 'N');
    EXPECT_EQ(CharAt("124377N", 7), '\0');
    EXPECT_EQ(CharAt("", 0), '\0');
    EXPECT_EQ(LastChars("67-12437", 5), "12437");
    EXPECT_EQ(LastChars("437", 5), "437");
    EXPECT_EQ(LastChars("", 5), "");
}

TEST(TextToUpperAscii, ChangesOnlyAsciiLetters) {
    EXPECT_EQ(ToUpperAscii("abcxyz"), "ABCXYZ");
    EXPECT_EQ(ToUpperAscii("nor 12-a_z{`@["), "NOR 12-A_Z{`@[");
    EXPECT_EQ(ToUpperAscii("\xe9\xff\x80"), "\xe9\xff\x80");
    EXPECT_EQ(ToUpperAscii(std::string("a\0b", 3)), std::string("A\0B", 3));
    EXPECT_EQ(ToUpperAscii(""), "");
}

}  // namespace
}  // namespace vexlor
