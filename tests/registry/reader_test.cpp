// Reading decode files back: the inverse of the writer, line ends and blanks
// that mail adds, and the refusals, named on standard error by the import.
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "decoder/decode.h"
#include "results/decode_file_reader.h"
#include "registry/sha256.h"
#include "registry_test_support.h"
#include "results/result_lines.h"
#include "support/tag.h"

namespace vexlor {
namespace {

using testing_support::Tag;

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

TEST(DecodeFileReader, GivesBackEveryRecordFieldAndTheListOfEachDecode) {
    for (const char* pszYear : {"1967", "1968", "1969"}) {
        for (TagFields fields : kTags) {
            fields.strYear = pszYear;
            const DecodeResult result = Decode(fields);
            const ReadOutcome read = ReadDecodeFile(test::DecodeFileOf(result));
            ASSERT_EQ(read.rejection, Rejection::None) << read.strReason;
            EXPECT_EQ(read.records.strVersion, "3.68");
            EXPECT_EQ(read.records.strSavedDate, "07-04-2005");
            for (size_t i = 0; i < kCodeFieldCount; ++i) {
                EXPECT_EQ(read.records.codes[i], AsWritten(result.*kCodeFields[i].pMember, kCodeFields[i]))
                    << pszYear << ' ' << kCodeFields[i].strColumn;
            }
            const std::vector<std::string> lines = BuildResultLines(result);
            std::string strText;
            for (size_t i = 0; i < lines.size(); ++i) strText += (i == 0 ? "" : "\n") + SingleLine(lines[i]);
            EXPECT_EQ(read.records.strDecodeText, strText);
        }
    }
}

std::string Replaced(std::string strText, const std::string& strFrom, const std::string& strTo, int nTimes = -1) {
    for (size_t nPos = 0; nTimes-- != 0 && (nPos = strText.find(strFrom, nPos)) != std::string::npos;
         nPos += strTo.size()) {
        strText.replace(nPos, strFrom.size(), strTo);
    }
    return strText;
}

TEST(DecodeFileReader, TakesLfLineEndsAByteOrderMarkAndBlanksAtTheEndOfLines) {
    TagFields fields = kTags[1];
    fields.strYear = "1967";
    const std::string strFile = test::DecodeFileOf(fields);
    const ReadOutcome original = ReadDecodeFile(strFile);
    EXPECT_EQ(original.records.codes[kPaintField], "R-R");
    for (const std::string& strChanged : {Replaced(strFile, "\r\n", "\n"), "\xEF\xBB\xBF" + strFile,
                                          Replaced(strFile, "\r\n", "  \r\n", 3)}) {
        const ReadOutcome read = ReadDecodeFile(strChanged);
        ASSERT_EQ(read.rejection, Rejection::None) << read.strReason;
        EXPECT_EQ(read.records.codes, original.records.codes);
        EXPECT_EQ(read.records.strDecodeText, original.records.strDecodeText);
    }
}

TEST(DecodeFileReader, ExactlyOneMebibyteIsTakenOneByteMoreIsNot) {
    const std::string strFile = test::DecodeFileOf(Tag({{"year", "1968"}}));
    const std::string strFull = strFile + std::string(kMaxDecodeFileSize - strFile.size(), 'x');
    EXPECT_EQ(ReadDecodeFile(strFull).rejection, Rejection::None);
    EXPECT_EQ(ReadDecodeFile(strFull + "x").rejection, Rejection::TooLarge);
}

TEST(RegistryImport, NamesEachRejectedFileWithItsReasonAndGoesOn) {
    const std::string strGood = test::DecodeFileOf(Tag({{"year", "1969"}}));
    struct Case {
        std::string strName;
        std::string strContent;
        std::string strReason;
    };
    const std::vector<Case> cases = {
        {"a_good.txt", strGood, ""},
        {"b_letter.txt", "Dear VELK,\r\nhere is my tag.\r\nBest\r\n", "not a decode file (line 3 is not the notice of one)"},
        {"c_nine.txt", Replaced(strGood, ", - ,\r\n", ", - \r\n"), "line 1 has 9 comma-separated fields, not 10"},
        {"d_twelve.txt", Replaced(strGood, "\t - \t\t\r\n", "\t - \t\r\n"), "line 2 has 12 tab-separated columns, not 13"},
        {"e_edited.txt", Replaced(strGood, "\t9_______\t", "\t9N100001\t"), "the two records disagree on the VIN tail"},
        {"f_date.txt", Replaced(strGood, "07-04-2005", "13-04-2005"), "line 2 has no date (mm-dd-yyyy) in column 2"},
        {"g_version.txt", Replaced(strGood, "3.68,", "V3,"), "not a decode file (line 1 does not begin with a version)"},
        {"h_nul.txt", Replaced(strGood, "No Build", std::string("No\0Build", 8)), "holds NUL bytes, so it is no text file"},
        {"i_large.txt", strGood + std::string(kMaxDecodeFileSize, ' '), "larger than 1 MiB"},
    };
    test::TempDir dir;
    for (const Case& c : cases) test::WriteFile(dir / ("in/" + c.strName), c.strContent);
    ASSERT_EQ(symlink("nowhere", (dir / "in/j_gone.txt").c_str()), 0);

    const test::RegistryRun run = test::RunRegistryWith({"import", dir / "db", dir / "in"});
    std::string strErr;
    for (const Case& c : cases) {
        if (!c.strReason.empty()) strErr += "vexlor-registry: " + (dir / "in/") + c.strName + ": " + c.strReason + "\n";
    }
    strErr += "vexlor-registry: " + (dir / "in/j_gone.txt") + ": cannot be read: No such file or directory\n";
    EXPECT_EQ(run.strErr, strErr);
    EXPECT_EQ(run.strOut, "1 imported, 0 already present, 9 rejected\n");
    EXPECT_EQ(run.nStatus, 1);
}

TEST(Sha256, KnownDigests) {
    EXPECT_EQ(Sha256Hex(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(Sha256Hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(Sha256Hex(std::string(56, 'a')), "b35439a4ac6f0948b6d6f9e3c6af0f5f590ce20f1bde7090ef7970686ec6738a");
}

}  // namespace
}  // namespace vexlor
