// The decode file byte for byte: both records, the notices, the list lines and
// the side file, and the date of the tab record.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "env_guard.h"
#include "results/decode_file.h"
#include "results/result_lines.h"

namespace vexlor {
namespace {

using testing_support::EnvGuard;

// The Norwood 1967 coupe of the sample tag, without a VIN.
DecodeResult Coupe1967() {
    DecodeResult r;
    r.m_nYear = 7;
    r.m_bVinGiven = 0;
    r.m_bVinValid = 0;
    r.m_strBodyNumber = "Decode for body number: 065727";
    r.m_strBuildDate = "01A = Built the First week of January.";
    r.m_strStyle = "67-12437 = Standard Interior Coupe.";
    r.m_strPlant = "NOR = Built in Norwood Ohio.";
    r.m_strTrim = "741 = Standard Black Vinyl Bucket Seats.";
    r.m_strSeat = "Z = (A50) Strato Bucket Seats (without headrests).";
    r.m_strPaint = "R-R = Bolero Red.";
    r.m_strPlantNote = "D = Interior paint is Black";
    r.m_strOptions1 = "1W = Power Windows,";
    r.m_strOptions2 = "2E = Soft Ray Tinted Glass,";
    r.m_strOptions3 = "3L = Console,";
    r.m_strVinPrefix = "12437";
    r.m_strVinTail = "7N______";
    r.m_strDateCode = "701A";
    r.m_strSchedCode = "";
    r.m_strPlantBody = "N065727";
    r.m_strStyleCode = "67-12437";
    r.m_strPaintCode = "R-R";
    r.m_strTrimCode = "741Z";
    r.m_strOptionCodes = "0D 1W 2E 3L ";
    return r;
}

TEST(DecodeFile, Whole1967FileWithSourceDateEpoch) {
    EnvGuard epoch("SOURCE_DATE_EPOCH", "1120478400");
    const DecodeResult r = Coupe1967();
    const std::string strFile =
        DecodeFileContent(r, BuildResultLines(r), DecodeFileDate(std::time(nullptr)), "", std::nullopt);
    EXPECT_EQ(strFile,
              "3.68,12437,7N______,701A,,67-12437,N065727,741Z,R-R,0D 1W 2E 3L \r\n"
              "\t07-04-2005\t\t\t12437\t7N______\t701A\t\tN065727\t\tR-R\t741Z\t0D 1W 2E 3L \r\n"
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
              "741 = Standard Black Vinyl Bucket Seats.\r\n"
              "Z = (A50) Strato Bucket Seats (without headrests).\r\n"
              "R-R = Bolero Red.\r\n"
              "D = Interior paint is Black\r\n"
              "Options:\r\n"
              "1W = Power Windows\r\n"
              "2E = Soft Ray Tinted Glass\r\n"
              "3L = Console\r\n"
              "\r\n"
              "\r\n");
}

TEST(DecodeFile, Whole1968FileWithVinSaveAsDirectoryAndSideFile) {
    DecodeResult r;
    r.m_nYear = 8;
    r.m_bVinGiven = 1;
    r.m_strVinMake = "1 = Chevrolet";
    r.m_strVinLine = "2 = Camaro";
    r.m_strVinEngine = "4 = 8-cylinder engine";
    r.m_strVinBody = "37 = Coupe";
    r.m_strVinYear = "8 = 1968 model year";
    r.m_strVinPlant = "N = Norwood Ohio";
    r.m_strVinSerial = "400123 = vehicle serial number sequence";
    r.m_strBodyNumber = "";
    r.m_strBuildDate = "";
    r.m_strStyle = "No body style was given.";
    r.m_strPlant = "";
    r.m_strTrim = "No trim style was given.";
    r.m_strPaint = "No paint code was given.";
    r.m_strPlantNote = "No Assm. Plant given.";
    r.m_strVinPrefix = "12437";
    r.m_strVinTail = "8N400123";
    r.m_strDateCode = "____";
    r.m_strPlantBody = "_______";
    r.m_strStyleCode = "68-12__7";
    const std::string strFile = DecodeFileContent(r, BuildResultLines(r), "12-31-2023", "/home/owner/cars",
                                                  std::string("VELK thanks you.\nSecond line\n"));
    EXPECT_EQ(strFile,
              "3.68,12437,8N400123,____,,68-12__7,_______,,,\r\n"
              "\t12-31-2023\t\t\t12437\t8N400123\t____\t\t_______\t\t\t\t\r\n"
              "Please do not change the top two lines of this file.  They help VELK with our database work.\r\n"
              "\r\n"
              "This file was originaly saved in directory: /home/owner/cars\r\n"
              "Please e-mail this file to VELK (velk@example.org).\r\n"
              "\r\n"
              "1 = Chevrolet\r\n"
              "2 = Camaro\r\n"
              "4 = 8-cylinder engine\r\n"
              "37 = Coupe\r\n"
              "8 = 1968 model year\r\n"
              "N = Norwood Ohio\r\n"
              "400123 = vehicle serial number sequence\r\n"
              " \r\n"
              "\r\n"
              " \r\n"
              "\r\n"
              "No body style was given.\r\n"
              "\r\n"
              "No trim style was given.\r\n"
              "No paint code was given.\r\n"
              "No Assm. Plant given.\r\n"
              "\r\n"
              "\r\n"
              "VELK thanks you.\r\n"
              "Second line\r\n");
}

TEST(DecodeFile, Whole1969FileWithInvalidVin) {
    DecodeResult r;
    r.m_nYear = 9;
    r.m_bVinGiven = 1;
    r.m_bVinValid = 0;
    r.m_strVinMake = "Not a valid Camaro vin number.";
    r.m_strBodyNumber = "Decode for body number: 123456";
    r.m_strBuildDate = "02C = Built the Third week of February.";
    r.m_strStyle = "69-12467 = Convertible.";
    r.m_strPlant = "LOS = Built in Van Nuys California.";
    r.m_strTrim = "711 = Standard Black Vinyl Bucket Seats.";
    r.m_strPaint = "50-A = Dover White with a White top.";
    r.m_strPlantNote = "";
    r.m_strOptions1 = "";
    r.m_strOptions2 = "";
    r.m_strVinPrefix = "12_67";
    r.m_strVinTail = "9L5_____";
    r.m_strDateCode = "902C";
    r.m_strSchedCode = "Blank";
    r.m_strPlantBody = "L123456";
    r.m_strStyleCode = "69-12467";
    r.m_strPaintCode = "50-A";
    r.m_strTrimCode = "711";
    r.m_strOptionCodes = "";
    const std::string strFile = DecodeFileContent(r, BuildResultLines(r), "02-29-2000", "C:\\Cars", std::nullopt);
    EXPECT_EQ(strFile,
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
              "711 = Standard Black Vinyl Bucket Seats.\r\n"
              "50-A = Dover White with a White top.\r\n"
              "\r\n"
              "\r\n"
              "\r\n"
              "\r\n"
              "\r\n");
}

TEST(DecodeFile, RecordsOfAnEmptyDecodeKeepEveryField) {
    EXPECT_EQ(CsvRecord(DecodeResult{}), "3.68,,,,,,,,,");
    EXPECT_EQ(TabRecord(DecodeResult{}, "01-02-2003"), "\t01-02-2003\t\t\t\t\t\t\t\t\t\t\t");
    EXPECT_EQ(TabRecord(DecodeResult{}, ""), "\t\t\t\t\t\t\t\t\t\t\t\t");
}

TEST(DecodeFile, RecordsPutTheirFieldsInTheirOwnOrder) {
    DecodeResult r;
    r.m_strVinPrefix = "P";
    r.m_strVinTail = "T";
    r.m_strDateCode = "D";
    r.m_strSchedCode = "S";
    r.m_strStyleCode = "Y";
    r.m_strPlantBody = "B";
    r.m_strTrimCode = "R";
    r.m_strPaintCode = "A";
    r.m_strOptionCodes = "O";
    EXPECT_EQ(CsvRecord(r), "3.68,P,T,D,S,Y,B,R,A,O");
    EXPECT_EQ(TabRecord(r, "d"), "\td\t\t\tP\tT\tD\tS\tB\t\tA\tR\tO");
}

TEST(DecodeFile, SeparatorsAndLineEndsInsideFieldsBecomeUnderscores) {
    DecodeResult r;
    r.m_strVinPrefix = "1,2";
    r.m_strVinTail = "a\tb";
    r.m_strDateCode = "c\rd";
    r.m_strSchedCode = "e\nf";
    r.m_strOptionCodes = "1A,2B,";
    EXPECT_EQ(CsvRecord(r), "3.68,1_2,a\tb,c_d,e_f,,,,,1A_2B_");
    EXPECT_EQ(TabRecord(r, "x\ty"), "\tx_y\t\t\t1,2\ta_b\tc_d\te_f\t\t\t\t\t1A,2B,");
}

TEST(DecodeFile, ListLinesKeepTheirCommasAndTabs) {
    const std::string strFile =
        DecodeFileContent(DecodeResult{}, {"A, B", "C\tD"}, "01-02-2003", "", std::nullopt);
    EXPECT_NE(strFile.find("\r\n\r\nA, B\r\nC\tD\r\n\r\n\r\n"), std::string::npos);
}

// What follows the two empty lines after the list.
std::string SideFilePart(const std::optional<std::string>& strSide) {
    const std::string strFile = DecodeFileContent(DecodeResult{}, {"last"}, "01-02-2003", "", strSide);
    const std::string strMark = "last\r\n\r\n\r\n";
    const size_t nPos = strFile.find(strMark);
    return nPos == std::string::npos ? "<missing>" : strFile.substr(nPos + strMark.size());
}

struct SideCase {
    const char* pszName;
    std::optional<std::string> strSide;
    std::string strExpected;
};

void PrintTo(const SideCase& c, std::ostream* pOut) { *pOut << c.pszName; }

class SideFile : public ::testing::TestWithParam<SideCase> {};

TEST_P(SideFile, IsCopiedWholeWithCrLf) { EXPECT_EQ(SideFilePart(GetParam().strSide), GetParam().strExpected); }

INSTANTIATE_TEST_SUITE_P(
    DecodeFile, SideFile,
    ::testing::Values(SideCase{"Missing", std::nullopt, ""},
                      SideCase{"Empty", std::string(), ""},
                      SideCase{"LfLines", std::string("one\ntwo\n"), "one\r\ntwo\r\n"},
                      SideCase{"CrLfLines", std::string("one\r\ntwo\r\n"), "one\r\ntwo\r\n"},
                      SideCase{"LoneCrLines", std::string("one\rtwo\r"), "one\r\ntwo\r\n"},
                      SideCase{"MixedAndEmptyLines", std::string("a\r\n\nb\r\rc\n\r\n"),
                               "a\r\n\r\nb\r\n\r\nc\r\n\r\n"},
                      SideCase{"NoFinalLineEnd", std::string("one\ntwo"), "one\r\ntwo\r\n"},
                      SideCase{"SingleLineNoEnd", std::string("only"), "only\r\n"},
                      SideCase{"OnlyALineEnd", std::string("\n"), "\r\n"},
                      SideCase{"BytesKept", std::string("\xE9t\xE9\t,x\0y\n", 9), std::string("\xE9t\xE9\t,x\0y\r\n", 10)}),
    [](const auto& info) { return std::string(info.param.pszName); });

TEST(DecodeFile, SideFileLineLongerThan398CharactersIsNeitherCutNorBroken) {
    const std::string strLong(1000, 'x');
    EXPECT_EQ(SideFilePart(strLong + "\nend"), strLong + "\r\nend\r\n");
    const std::string str399(399, 'y');
    EXPECT_EQ(SideFilePart(str399 + "\n"), str399 + "\r\n");
}

TEST(DecodeFileDate, SourceDateEpochGivesThatUtcDate) {
    struct Case {
        const char* pszEpoch;
        const char* pszDate;
    };
    EnvGuard tz("TZ", "America/New_York");
    for (const Case& c : {Case{"0", "01-01-1970"}, Case{"951782400", "02-29-2000"}, Case{"951868799", "02-29-2000"},
                          Case{"1120435199", "07-03-2005"}, Case{"1120435200", "07-04-2005"},
                          Case{"0001120478400", "07-04-2005"}}) {
        EnvGuard epoch("SOURCE_DATE_EPOCH", c.pszEpoch);
        EXPECT_EQ(DecodeFileDate(0), c.pszDate) << c.pszEpoch;
    }
}

TEST(DecodeFileDate, WithoutAValidSourceDateEpochTheLocalDateIsUsed) {
    EnvGuard tz("TZ", "UTC0");
    for (const char* pszEpoch : {"", "abc", "12x", "-5", " 5", "99999999999999999999999999"}) {
        EnvGuard epoch("SOURCE_DATE_EPOCH", pszEpoch);
        EXPECT_EQ(DecodeFileDate(1120478400), "07-04-2005") << pszEpoch;
    }
    EnvGuard epoch("SOURCE_DATE_EPOCH", std::nullopt);
    EXPECT_EQ(DecodeFileDate(1120435199), "07-03-2005");
}

TEST(DecodeFileDate, LocalDateFollowsTheTimeZone) {
    EnvGuard epoch("SOURCE_DATE_EPOCH", std::nullopt);
    EnvGuard tz("TZ", "XST-10");  // ten hours east of UTC
    EXPECT_EQ(DecodeFileDate(1120435199), "07-04-2005");
}

}  // namespace
}  // namespace vexlor
