// The decode file byte for byte: both records, the notices, the list lines and
// the side file, and the date of the tab record.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "decoder/decode.h"
#include "support/tag.h"
#include "results/decode_file.h"
#include "results/result_lines.h"
#include "results_test_support.h"

namespace vexlor {
namespace {

using testing_support::EnvGuard;
using testing_support::Tag;

std::string FileOf(const TagFields& fields, const std::string& strDate, const std::string& strSaveDir,
                   const std::optional<std::string>& strSide) {
    const DecodeResult r = Decode(fields);
    return DecodeFileContent(r, BuildResultLines(r), strDate, strSaveDir, strSide);
}

TEST(DecodeFile, WholeSampleTag1967FileWithSourceDateEpoch) {
    EnvGuard epoch("SOURCE_DATE_EPOCH", "1120478400");
    EXPECT_EQ(FileOf(SampleTagFields(), DecodeFileDate(std::time(nullptr)), "", std::nullopt),
              "3.68,12_37,7N______,701A,,67-12437,N065727,741-Z,R-R,0D 1W 2E 3L 4- 5-\r\n"
              "\t07-04-2005\t\t\t12_37\t7N______\t701A\t\tN065727\t\tR-R\t741-Z\t0D 1W 2E 3L 4- 5-\r\n"
              "Please do not change the top two lines of this file.  They help VELK with our database work.\r\n"
              "\r\n"
              "This file was originaly saved in directory: \r\n"
              "Please e-mail this file to VELK (velk@example.org).\r\n"
              "\r\n"
              "Decode for body number: 065727\r\n"
              " \r\n"
              "01A = Built the First week of January.\r\n"
              "67-12437 = Standard Interior Coupe.\r\n"
              "NOR = Built in Norwood Ohio.\r\n"
              "741 = Standard Red Bucket Seats.\r\n"
              "Z = (A50) Strato Bucket Seats (without headrests).\r\n"
              "R-R = Car Color is Bolero Red\r\n"
              "D = Interior paint is Red\r\n"
              "Options:\r\n"
              "1W = (A02) Tinted W/S only\r\n"
              "2E = (C60) Air Conditioner\r\n"
              "3L = (Z22) Rally Sport Package\r\n"
              "\r\n"
              "\r\n");
}

TEST(DecodeFile, Whole1968FileWithVinEmptyFieldsSaveAsDirectoryAndSideFile) {
    const TagFields fields = Tag({{"year", "1968"}, {"vin", "124378N"}, {"serial", "400123"}});
    EXPECT_EQ(FileOf(fields, "12-31-2023", "/home/owner/cars", std::string("VELK thanks you.\nSecond line\n")),
              "3.68,12437,8N400123,____,,68-12__7,N______,, - ,\r\n"
              "\t12-31-2023\t\t\t12437\t8N400123\t____\t\tN______\t\t - \t\t\r\n"
              "Please do not change the top two lines of this file.  They help VELK with our database work.\r\n"
              "\r\n"
              "This file was originaly saved in directory: /home/owner/cars\r\n"
              "Please e-mail this file to VELK (velk@example.org).\r\n"
              "\r\n"
              "1 = Chevrolet\r\n"
              "2 = Camaro\r\n"
              "4 = 8-cylinder engine\r\n"
              "37 = coupe body\r\n"
              "8 = 1968 model year\r\n"
              "N = Norwood, OH assembly plant\r\n"
              "400123 = vehicle serial number sequence\r\n"
              " \r\n"
              "\r\n"
              " \r\n"
              "No Build date given.\r\n"
              "No body style was given.\r\n"
              " = Built in Norwood Ohio.\r\n"
              "No trim style was given.\r\n"
              "No paint code was given.\r\n"
              "No Assm. Plant given.\r\n"
              "\r\n"
              "\r\n"
              "VELK thanks you.\r\n"
              "Second line\r\n");
}

TEST(DecodeFile, Whole1969FileWithInvalidVin) {
    const TagFields fields = Tag({{"year", "1969"}, {"vin", "ABC"}, {"plant", "LOS"}, {"style", "69-12467"},
                                  {"body", "123456"}, {"date69", "02C"}, {"trim", "711"}, {"paint", "50"}, {"top", "A"}});
    EXPECT_EQ(FileOf(fields, "02-29-2000", "C:\\Cars", std::nullopt),
              "3.68,12_67,9L5_____,902C,Blank,69-12467,L123456,711,50-A,\r\n"
              "\t02-29-2000\t\t\t12_67\t9L5_____\t902C\tBlank\tL123456\t\t50-A\t711\t\r\n"
              "Please do not change the top two lines of this file.  They help VELK with our database work.\r\n"
              "\r\n"
              "This file was originaly saved in directory: C:\\Cars\r\n"
              "Please e-mail this file to VELK (velk@example.org).\r\n"
              "\r\n"
              "Not a valid Camaro vin number.\r\n"
              " \r\n"
              "Decode for body number: 123456\r\n"
              " \r\n"
              "02C = Built the Third week of February.\r\n"
              "69-12467 = Convertible.\r\n"
              "LOS = Built in Van Nuys California.\r\n"
              "711 = Standard Black Bucket Seats.\r\n"
              "50-A = Lower Color is Dover White and the Convertible Top Color is White.\r\n"
              "\r\n"
              "\r\n"
              "\r\n"
              "\r\n"
              "\r\n");
}

// Separators and line ends inside a record's field would shift the research
// group's columns; the list lines below keep the decoded text.
TEST(DecodeFile, SeparatorsInsideRecordFieldsBecomeUnderscores) {
    DecodeResult r;
    r.m_strVinPrefix = "1,2";
    r.m_strVinTail = "a\tb";
    r.m_strDateCode = "c\rd";
    r.m_strSchedCode = "e\nf";
    r.m_strOptionCodes = "1A,2B,";
    EXPECT_EQ(CsvRecord(r), "3.68,1_2,a\tb,c_d,e_f,,,,,1A_2B_");
    EXPECT_EQ(TabRecord(r, "x\ty"), "\tx_y\t\t\t1,2\ta_b\tc_d\te_f\t\t\t\t\t1A,2B,");
    const std::string strFile = DecodeFileContent(r, {"A, B", "C\tD"}, "01-02-2003", "", std::nullopt);
    EXPECT_TRUE(strFile.ends_with("\r\n\r\nA, B\r\nC\tD\r\n\r\n\r\n"));
}

// A CR or LF that reached a list line or the save directory must not break the
// decode file's lines: every line of the file still ends in CR LF.
TEST(DecodeFile, LineEndsInsideListLinesAndDirectoryBecomeBlanks) {
    EXPECT_EQ(DecodeFileContent(DecodeResult{}, {"\r = ~cylinder engine", "A\nB", "C\r\nD"}, "01-02-2003",
                                "/tmp/odd\ndir", std::nullopt),
              "3.68,,,,,,,,,\r\n"
              "\t01-02-2003\t\t\t\t\t\t\t\t\t\t\t\r\n"
              "Please do not change the top two lines of this file.  They help VELK with our database work.\r\n"
              "\r\n"
              "This file was originaly saved in directory: /tmp/odd dir\r\n"
              "Please e-mail this file to VELK (velk@example.org).\r\n"
              "\r\n"
              "  = ~cylinder engine\r\n"
              "A B\r\n"
              "C  D\r\n"
              "\r\n"
              "\r\n");
}

TEST(DecodeFile, SideFileIsCopiedWholeWithCrLf) {
    const std::string strLong(1000, 'x');
    const std::string str399(399, 'y');
    const std::vector<std::pair<std::optional<std::string>, std::string>> cases = {
        {std::nullopt, ""},
        {"", ""},
        {"one\ntwo\n", "one\r\ntwo\r\n"},
        {"one\r\ntwo\r\n", "one\r\ntwo\r\n"},
        {"one\rtwo\r", "one\r\ntwo\r\n"},
        {"a\r\n\nb\r\rc\n\r\n", "a\r\n\r\nb\r\n\r\nc\r\n\r\n"},
        {"one\ntwo", "one\r\ntwo\r\n"},
        {"\n", "\r\n"},
        {std::string("\xE9t\xE9\t,x\0y\n", 9), std::string("\xE9t\xE9\t,x\0y\r\n", 10)},
        {strLong + "\nend", strLong + "\r\nend\r\n"},
        {str399 + "\n", str399 + "\r\n"},
    };
    for (const auto& [strSide, strExpected] : cases) {
        SCOPED_TRACE(strSide.value_or("<none>").substr(0, 20));
        const std::string strFile = DecodeFileContent(DecodeResult{}, {"last"}, "01-02-2003", "", strSide);
        const std::string strMark = "last\r\n\r\n\r\n";
        ASSERT_NE(strFile.find(strMark), std::string::npos);
        EXPECT_EQ(strFile.substr(strFile.find(strMark) + strMark.size()), strExpected);
    }
}

TEST(DecodeFileDate, SourceDateEpochGivesThatUtcDateElseTheLocalDate) {
    EnvGuard tz("TZ", "XST-10");  // ten hours east of UTC
    for (const auto& [pszEpoch, pszDate] : {std::pair{"0", "01-01-1970"}, {"951782400", "02-29-2000"},
                                            {"951868799", "02-29-2000"}, {"1120435199", "07-03-2005"},
                                            {"1120435200", "07-04-2005"}, {"0001120478400", "07-04-2005"}}) {
        EnvGuard epoch("SOURCE_DATE_EPOCH", pszEpoch);
        EXPECT_EQ(DecodeFileDate(0), pszDate) << pszEpoch;
    }
    // Without a valid number the local date of the moment given is used.
    for (const char* pszEpoch : {"", "abc", "12x", "-5", " 5", "99999999999999999999999999"}) {
        EnvGuard epoch("SOURCE_DATE_EPOCH", pszEpoch);
        EXPECT_EQ(DecodeFileDate(1120435199), "07-04-2005") << pszEpoch;
    }
    EnvGuard epoch("SOURCE_DATE_EPOCH", std::nullopt);
    EXPECT_EQ(DecodeFileDate(1120435199), "07-04-2005");
    EnvGuard utc("TZ", "UTC0");
    EXPECT_EQ(DecodeFileDate(1120435199), "07-03-2005");
}

}  // namespace
}  // namespace vexlor
