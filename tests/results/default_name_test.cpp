// The default file name: the VIN key, else the year digit and body number,
// else none; typed text never leaves the directory.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "results/decode_file.h"

namespace vexlor {
namespace {

struct NameCase {
    const char* pszName;
    std::string strPrefix;
    std::string strTail;
    std::string strPlantBody;
    std::string strExpected;
};

void PrintTo(const NameCase& c, std::ostream* pOut) { *pOut << c.pszName; }

class DefaultName : public ::testing::TestWithParam<NameCase> {};

TEST_P(DefaultName, Is) {
    DecodeResult r;
    r.m_strVinPrefix = GetParam().strPrefix;
    r.m_strVinTail = GetParam().strTail;
    r.m_strPlantBody = GetParam().strPlantBody;
    EXPECT_EQ(DefaultFileName(r), GetParam().strExpected);
}

INSTANTIATE_TEST_SUITE_P(
    VinKey, DefaultName,
    ::testing::Values(
        NameCase{"FullVin", "12437", "7N100001", "N065727", "124377N100001.txt"},
        NameCase{"SerialWithoutPlant", "12__7", "7_100001", "_______", "12__77_100001.txt"},
        NameCase{"ShortSerialPadded", "12467", "8L40____", "L______", "124678L40____.txt"},
        // Near misses of the blank patterns are VIN keys.
        NameCase{"LowerCaseN", "12437", "7n______", "N______", "124377n______.txt"},
        NameCase{"OneTooShort", "12437", "7N_____", "N______", "124377N_____.txt"},
        NameCase{"WrongLosAngelesDigit", "12437", "7L3_____", "N______", "124377L3_____.txt"},
        NameCase{"YearSix", "12437", "6N______", "N______", "124376N______.txt"}),
    [](const auto& info) { return std::string(info.param.pszName); });

INSTANTIATE_TEST_SUITE_P(
    BlankVinTail, DefaultName,
    ::testing::Values(
        NameCase{"Tail7N", "12437", "7N______", "N065727", "7B_N065727.txt"},
        NameCase{"Tail7L1", "12437", "7L1_____", "L065727", "7B_L065727.txt"},
        NameCase{"Tail7", "12__7", "7_______", "_065727", "7B__065727.txt"},
        NameCase{"Tail8N", "12437", "8N______", "N100200", "8B_N100200.txt"},
        NameCase{"Tail8L3", "12437", "8L3_____", "L100200", "8B_L100200.txt"},
        NameCase{"Tail8", "12__7", "8_______", "_100200", "8B__100200.txt"},
        NameCase{"Tail9N", "12437", "9N______", "N123456", "9B_N123456.txt"},
        NameCase{"Tail9L5", "12437", "9L5_____", "L123456", "9B_L123456.txt"},
        NameCase{"Tail9", "12__7", "9_______", "_123456", "9B__123456.txt"},
        NameCase{"NoBodyNumberNorwood", "12437", "7N______", "N______", ""},
        NameCase{"NoBodyNumberLosAngeles", "12437", "9L5_____", "L______", ""},
        NameCase{"NoBodyNumberNoPlant", "12__7", "8_______", "_______", ""},
        NameCase{"ShortBodyNumber1969", "12437", "9N______", "N12____", "9B_N12____.txt"},
        NameCase{"EmptyPlantBody", "12437", "9N______", "", "9B_.txt"}),
    [](const auto& info) { return std::string(info.param.pszName); });

INSTANTIATE_TEST_SUITE_P(
    Sanitised, DefaultName,
    ::testing::Values(
        NameCase{"DotsAndSlashInSerial", "12437", "7N../x__", "N______", "124377N___x__.txt"},
        NameCase{"BackslashAndColon", "12437", "7N\\:*?\"<", "N______", "124377N______.txt"},
        NameCase{"BlanksAndHighBytes", "12437", "7N1 \xE9\x80" "23", "N______", "124377N1___23.txt"},
        NameCase{"BodyNumberWithSlash", "12437", "7N______", "N/../../etc", "7B_N_______etc.txt"},
        NameCase{"DashKept", "12437", "9N______", "N-12345", "9B_N-12345.txt"},
        NameCase{"NulAndControlBytes", "12437", std::string("7N1\0\t\n23", 8), "N______", "124377N1___23.txt"},
        // The blank patterns are tested before the name is made safe.
        NameCase{"SanitisedTailLooksBlankButIsNot", "12437", "7N.,____", "N065727", "124377N______.txt"},
        NameCase{"SanitisedBodyLooksBlankButIsNot", "12437", "7N______", "N.,.,.,", "7B_N______.txt"},
        NameCase{"NoKeyAtAll", "", "", "", ""}),
    [](const auto& info) { return std::string(info.param.pszName); });

}  // namespace
}  // namespace vexlor
