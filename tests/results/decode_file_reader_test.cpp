// Reading decode files back: the inverse of the writer, the longest files it
// writes, the line ends and blanks that mail and editors add, and the size
// limit.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "decoder/decode.h"
#include "results/decode_file.h"
#include "results/decode_file_reader.h"
#include "results/result_lines.h"
#include "support/tag.h"

namespace vexlor {
namespace {

using testing_support::Tag;

std::string FileOf(const DecodeResult& result) {
    return DecodeFileContent(result, BuildResultLines(result), "07-04-2005", "", std::nullopt);
}

// Tags of each year with codes, without, and with typed text that holds the
// records' separators, line ends, blanks at the end and Latin-1 bytes.
const TagFields kTags[] = {
    {},
    Tag({{"style", "67-12437"}, {"plant", "NOR"}, {"body", "65727"}, {"trim", "741"}, {"seat", "Z"},
         {"paint", "R"}, {"top", "R"}, {"group1", "W"}, {"group2", "E"}, {"group3", "L"}}),
    Tag({{"vin", "124378N"}, {"serial", "400123"}, {"date69", "09C"}, {"code69", "X33"}}),
    Tag({{"vin", "124379L"}, {"serial", "612345"}, {"date", "10B"}, {"code", "A,B\tC"}}),
    Tag({{"date", "1,\t2"}, {"code", "x\r\ny"}, {"style", "6,-12667"}, {"plant", "LOS\t"}, {"body", "1,2"},
         {"trim", "7\t4,1 "}, {"paint", "R\xE9 "}, {"top", ","}, {"group1", "W,X"}, {"group2", "\xE9t\xE9"},
         {"group3", "\t"}, {"group5", "Z "}, {"code69", "S,\tT  "}}),
};

// A line end cannot stay in a record, nor a comma in the code only line 1 has.
std::string AsWritten(std::string strCode, const CodeFieldInfo& info) {
    for (char& ch : strCode) {
        if (ch == '\r' || ch == '\n' || (ch == ',' && info.nTabColumn < 0)) ch = '_';
    }
    return strCode;
}

void ExpectReadBack(const DecodeResult& result, const std::string& strFile) {
    const ReadOutcome read = ReadDecodeFile(strFile);
    ASSERT_EQ(read.rejection, Rejection::None) << read.strReason;
    EXPECT_EQ(read.records.strVersion, "3.68");
    EXPECT_EQ(read.records.strSavedDate, "07-04-2005");
    for (size_t i = 0; i < kCodeFieldCount; ++i) {
        EXPECT_EQ(read.records.codes[i], AsWritten(result.*kCodeFields[i].pMember, kCodeFields[i]))
            << kCodeFields[i].strColumn;
    }
    const std::vector<std::string> lines = BuildResultLines(result);
    std::string strText;
    for (size_t i = 0; i < lines.size(); ++i) strText += (i == 0 ? "" : "\n") + SingleLine(lines[i]);
    EXPECT_EQ(read.records.strDecodeText, strText);
}

TEST(DecodeFileReader, GivesBackEveryRecordFieldAndTheListOfEachDecode) {
    for (const char* pszYear : {"1967", "1968", "1969"}) {
        for (TagFields fields : kTags) {
            fields.strYear = pszYear;
            const DecodeResult result = Decode(fields);
            ExpectReadBack(result, FileOf(result));
        }
    }
}

// The writer's longest files: every field as long as one command-line
// argument can be, and option groups whose every item is a list line.
TEST(DecodeFileReader, TakesTheLongestFilesTheWriterWrites) {
    constexpr size_t kArgument = 128 * 1024;
    for (const char* pszYear : {"1967", "1969"}) {
        TagFields fields;
        for (const char* pszName : {"vin", "serial", "date", "code", "style", "plant", "body", "trim", "seat",
                                    "paint", "top", "date69", "code69"}) {
            FieldText(fields, *FindFieldByName(pszName)) = std::string(kArgument, 'A');
        }
        for (const char* pszName : {"group1", "group2", "group3", "group4", "group5"}) {
            std::string strItems;
            while (strItems.size() < kArgument) strItems += "Z,";
            FieldText(fields, *FindFieldByName(pszName)) = strItems;
        }
        fields.strYear = pszYear;
        const DecodeResult result = Decode(fields);
        const std::string strFile = FileOf(result);
        ASSERT_GT(strFile.size(), size_t{1} << 20) << pszYear;
        ExpectReadBack(result, strFile);
    }
}

std::string Replaced(std::string strText, const std::string& strFrom, const std::string& strTo, int nTimes = -1) {
    for (size_t nPos = 0; nTimes-- != 0 && (nPos = strText.find(strFrom, nPos)) != std::string::npos;
         nPos += strTo.size()) {
        strText.replace(nPos, strFrom.size(), strTo);
    }
    return strText;
}

TEST(DecodeFileReader, TakesLfAndCrLineEndsAByteOrderMarkAndBlanksAtTheEndOfLines) {
    TagFields fields = kTags[1];
    fields.strYear = "1967";
    const std::string strFile = FileOf(Decode(fields));
    const ReadOutcome original = ReadDecodeFile(strFile);
    EXPECT_EQ(original.records.codes[kPaintField], "R-R");
    for (const std::string& strChanged : {Replaced(strFile, "\r\n", "\n"), Replaced(strFile, "\r\n", "\r"),
                                          "\xEF\xBB\xBF" + strFile, Replaced(strFile, "\r\n", "  \r\n", 3)}) {
        const ReadOutcome read = ReadDecodeFile(strChanged);
        ASSERT_EQ(read.rejection, Rejection::None) << read.strReason;
        EXPECT_EQ(read.records.codes, original.records.codes);
        EXPECT_EQ(read.records.strDecodeText, original.records.strDecodeText);
    }
}

TEST(DecodeFileReader, SixtyFourMebibytesAreTakenOneByteMoreIsNot) {
    const std::string strFile = FileOf(Decode(Tag({{"year", "1968"}})));
    const std::string strFull = strFile + std::string(kMaxDecodeFileSize - strFile.size(), 'x');
    EXPECT_EQ(ReadDecodeFile(strFull).rejection, Rejection::None);
    const ReadOutcome over = ReadDecodeFile(strFull + "x");
    EXPECT_EQ(over.rejection, Rejection::TooLarge);
    EXPECT_EQ(over.strReason, "larger than 64 MiB");
}

}  // namespace
}  // namespace vexlor
