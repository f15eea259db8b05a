// The batch's own JSON writer must write exactly what nlohmann::json writes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/json_output.h"

namespace vexlor {
namespace {

// Every byte value, in runs that cross the escaping boundaries.
std::string AllBytes(int nFrom, int nTo) {
    std::string strText;
    for (int n = nFrom; n <= nTo; ++n) strText.push_back(static_cast<char>(n));
    return strText;
}

TEST(BatchJsonWriterTest, SameBytesAsNlohmann) {
    std::vector<DecodeResult> results(4);
    results[0].m_nYear = 7;
    results[0].m_bVinGiven = 1;
    results[0].m_strBodyNumber = AllBytes(0, 255);
    results[0].m_strOptions1 = "1E = (A01) Tinted All Glass,1\x1F = ?,";
    results[1].m_strTrim = AllBytes(0x1E, 0x22) + AllBytes(0x5B, 0x5D) + AllBytes(0x7E, 0x81);
    results[1].m_strVinTail = std::string("a\0b", 3);
    results[2].m_nYear = 9;
    results[2].m_strOptionCodes = "\"\"\\\\\b\f\n\r\t";
    results[3].m_nYear = -2147483647 - 1;  // never written by a decode, but numbers must match too
    for (int n = 0; n < 256; ++n) results[3].m_strPlantNote += std::string(1, static_cast<char>(255 - n)) + "x";
    const std::vector<std::vector<std::string>> listings = {
        {}, {""}, {" ", "Options:"}, {AllBytes(0, 255), AllBytes(128, 255), "\x7F"}};
    for (const DecodeResult& result : results) {
        for (const std::vector<std::string>& lines : listings) {
            std::string strFast;
            AppendDecodeJson(strFast, result, lines);
            EXPECT_EQ(strFast, DecodeJson(result, lines).dump());
        }
    }
}

TEST(BatchJsonWriterTest, AppendsToWhatIsThereAndEscapesLikeThis) {
    std::string strOut = "before\n";
    DecodeResult result;
    result.m_nYear = 8;
    result.m_strStyle = std::string("\b\f\n\r\t\x1F\x7F\"\\/\0", 11);
    AppendDecodeJson(strOut, result, {"\xA9\xFF"});
    EXPECT_TRUE(strOut.starts_with("before\n{\"year\":8,\"vin_given\":false,\"body_number\":\"\","));
    EXPECT_NE(strOut.find("\"style\":\"\\b\\f\\n\\r\\t\\u001f\x7F\\\"\\\\/\\u0000\""), std::string::npos);
    EXPECT_TRUE(strOut.ends_with(",\"option_codes\":\"\",\"lines\":[\"\xC2\xA9\xC3\xBF\"]}"));
}

}  // namespace
}  // namespace vexlor
