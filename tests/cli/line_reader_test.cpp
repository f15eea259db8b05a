// Reading the batch input line by line through a fixed buffer.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/line_reader.h"

namespace vexlor {
namespace {

struct ReadLine {
    std::string strText;
    bool bTooLong;
    long long nNumber;
    bool operator==(const ReadLine&) const = default;
};

std::vector<ReadLine> ReadAll(const std::string& strInput, size_t nMaxLine) {
    std::istringstream in(strInput);
    LineReader reader(in, nMaxLine);
    std::vector<ReadLine> lines;
    std::string_view strLine;
    bool bTooLong = false;
    while (reader.Next(strLine, bTooLong)) lines.push_back({std::string(strLine), bTooLong, reader.LineNumber()});
    EXPECT_FALSE(reader.Failed());
    return lines;
}

struct ReaderCase {
    const char* pszName;
    std::string strInput;
    size_t nMaxLine;
    std::vector<ReadLine> lines;
};

class LineReaderTest : public testing::TestWithParam<ReaderCase> {};

TEST_P(LineReaderTest, Lines) { EXPECT_EQ(ReadAll(GetParam().strInput, GetParam().nMaxLine), GetParam().lines); }

INSTANTIATE_TEST_SUITE_P(
    Cases, LineReaderTest,
    testing::Values(
        ReaderCase{"Empty", "", 8, {}},
        ReaderCase{"OneNewline", "\n", 8, {{"", false, 1}}},
        ReaderCase{"NoFinalNewline", "ab\ncd", 8, {{"ab", false, 1}, {"cd", false, 2}}},
        ReaderCase{"CrLf", "ab\r\n\r\ncd\r", 8, {{"ab", false, 1}, {"", false, 2}, {"cd", false, 3}}},
        ReaderCase{"LoneCrInside", "a\rb\n", 8, {{"a\rb", false, 1}}},
        ReaderCase{"LinesAcrossRefills", "abcde\nfghij\nklmno\n", 8,
                   {{"abcde", false, 1}, {"fghij", false, 2}, {"klmno", false, 3}}},
        ReaderCase{"ExactlyTheLimitWithoutNewline", "abcdefgh", 8, {{"abcdefgh", false, 1}}},
        ReaderCase{"ExactlyTheLimitWithNewline", "abcdefgh\nx", 8, {{"abcdefgh", false, 1}, {"x", false, 2}}},
        ReaderCase{"OneOverTheLimit", "abcdefghi\nx", 8, {{"", true, 1}, {"x", false, 2}}},
        ReaderCase{"TooLong", "abcdefghijk\nxy\n", 8, {{"", true, 1}, {"xy", false, 2}}},
        ReaderCase{"TooLongManyBuffers", std::string(50, 'a') + "\nxy", 8, {{"", true, 1}, {"xy", false, 2}}},
        ReaderCase{"TooLongAtTheEnd", "xy\n" + std::string(20, 'a'), 8, {{"xy", false, 1}, {"", true, 2}}},
        ReaderCase{"GrowsForALongLine", std::string(100000, 'a') + "\nx", 200000,
                   {{std::string(100000, 'a'), false, 1}, {"x", false, 2}}},
        ReaderCase{"TooLongAfterGrowing", std::string(300000, 'a') + "\nx", 200000, {{"", true, 1}, {"x", false, 2}}},
        ReaderCase{"NulBytesKept", std::string("a\0b\n", 4), 8, {{std::string("a\0b", 3), false, 1}}}),
    [](const testing::TestParamInfo<ReaderCase>& info) { return std::string(info.param.pszName); });

}  // namespace
}  // namespace vexlor
