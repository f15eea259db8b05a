// What the results window and the decode file make of a decode: the list
// lines in their order, the file byte for byte, its default name and the date
// of its tab record.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <functional>
#include <sstream>
#include <tuple>

#include "decoder/decode.h"
#include "results/decode_file.h"
#include "results/result_lines.h"

namespace vexlor {

// The list: which members show, in which order, and how the 1967 option groups are split into lines.
TEST(ResultLines, OrderAndWhatShows) {
    // Every member holds a text that names it, so the order can be read off.
    DecodeResult m;
    std::string* pMembers[] = {&m.m_strVinMake, &m.m_strVinLine, &m.m_strVinEngine, &m.m_strVinBody, &m.m_strVinYear,
        &m.m_strVinPlant, &m.m_strVinSerial, &m.m_strBodyNumber, &m.m_strBuildDate, &m.m_strStyle, &m.m_strPlant,
        &m.m_strTrim, &m.m_strSeat, &m.m_strPaint, &m.m_strPlantNote, &m.m_strOptions1, &m.m_strOptions2,
        &m.m_strOptions4, &m.m_strOptions5};
    std::istringstream names("make line engine body year vplant serial number date style plant trim seat paint note "
                             "o1a,o1b, o2, o4, o5,");
    for (std::string* pMember : pMembers) names >> *pMember;
    m.m_bVinGiven = 1, m.m_bCamaroVin = true;
    const std::string kTail = "date|style|plant|trim|seat|paint|note", kTag = "number| |" + kTail;
    const std::string kVin = "make|line|engine|body|year|vplant|serial| |";
    const std::vector<std::tuple<int, std::function<void(DecodeResult&)>, std::string>> cases = {
        {7, [](DecodeResult&) {}, kVin + kTag + "|Options:|o1a|o1b|o2|o4|o5"},
        {9, [](DecodeResult&) {}, kVin + kTag + "|o1a,o1b,|o2,"},
        {9, [](DecodeResult& r) { r.m_strOptions1 = r.m_strOptions2 = ""; }, kVin + kTag + "||"},
        {8, [](DecodeResult& r) { r.m_bVinGiven = 0, r.m_strBodyNumber = ""; }, "| |" + kTail},
        {8, [](DecodeResult& r) { r.m_bCamaroVin = false; }, "make| |" + kTag},  // only the invalid-VIN message
        {8, [](DecodeResult& r) { r.m_strVinSerial = r.m_strSeat = r.m_strVinEngine = r.m_strPlantNote = ""; },
         "make|line||body|year|vplant| |number| |date|style|plant|trim|paint|"},
        // 1967 items: an empty group gives no line, two commas an empty one, a remainder without a comma a last
        // line, and \x1F shows as a comma
        {7, [](DecodeResult& r) { r.m_strOptions1 = "A = ?,,B = ?,", r.m_strOptions5 = "-A\x1F" "B = Fleet,tail"; },
         kVin + kTag + "|Options:|A = ?||B = ?|o2|o4|-A,B = Fleet|tail"},
    };
    for (const auto& [nYear, change, strExpected] : cases) {
        DecodeResult r = m;
        r.m_nYear = nYear;
        change(r);
        std::string strLines;
        for (const std::string& strLine : BuildResultLines(r)) strLines += strLine + "|";
        EXPECT_EQ(strLines, strExpected + "|");
    }
}

TEST(DecodeFile, SampleTag) {
    const DecodeResult r = Decode(SampleTagFields());
    EXPECT_EQ(DecodeFileContent(r, BuildResultLines(r), "07-04-2005", "", std::nullopt),
              "3.68,12_37,7N______,701A,,67-12437,N065727,741-Z,R-R,0D 1W 2E 3L 4- 5-\r\n"
              "\t07-04-2005\t\t\t12_37\t7N______\t701A\t\tN065727\t\tR-R\t741-Z\t0D 1W 2E 3L 4- 5-\r\n"
              "Please do not change the top two lines of this file.  They help VELK with our database work.\r\n\r\n"
              "This file was originaly saved in directory: \r\nPlease e-mail this file to VELK (velk@example.org).\r\n"
              "\r\nDecode for body number: 065727\r\n \r\n01A = Built the First week of January.\r\n"
              "67-12437 = Standard Interior Coupe.\r\nNOR = Built in Norwood Ohio.\r\n"
              "741 = Standard Red Bucket Seats.\r\nZ = (A50) Strato Bucket Seats (without headrests).\r\n"
              "R-R = Car Color is Bolero Red\r\nD = Interior paint is Red\r\nOptions:\r\n1W = (A02) Tinted W/S only\r\n"
              "2E = (C60) Air Conditioner\r\n3L = (Z22) Rally Sport Package\r\n\r\n\r\n");
}

// Every record field is written, also when empty; a record's separator or a
// line end inside a field becomes '_', and a line end in a list line or in the
// directory a blank. The side file's lines all end in CR LF.
TEST(DecodeFile, OddFieldsDirectoryAndSideFile) {
    using namespace std::string_literals;
    DecodeResult r;
    r.m_strVinPrefix = "1,2", r.m_strVinTail = "a\tb", r.m_strDateCode = "c\rd", r.m_strOptionCodes = "e\nf,g";
    EXPECT_EQ(DecodeFileContent(r, {"A, B\tC", "D\nE\rF", "", " "}, "x\ty", "/tmp/odd\r\ndir",
                                "a\r\n\nb\r\rc\n\r\n\xE9\0z"s),
              "3.68,1_2,a\tb,c_d,,,,,,e_f_g\r\n\tx_y\t\t\t1,2\ta_b\tc_d\t\t\t\t\t\te_f,g\r\n"
              "Please do not change the top two lines of this file.  They help VELK with our database work.\r\n\r\n"
              "This file was originaly saved in directory: /tmp/odd  dir\r\n"
              "Please e-mail this file to VELK (velk@example.org).\r\n\r\nA, B\tC\r\nD E F\r\n\r\n \r\n\r\n\r\n" +
                  "a\r\n\r\nb\r\n\r\nc\r\n\r\n\xE9\0z\r\n"s);
}

// The local date of the moment given; with SOURCE_DATE_EPOCH set to a number, that moment's UTC date.
TEST(DecodeFileDate, SourceDateEpochElseTheLocalDate) {
    ::setenv("TZ", "XST-10", 1), ::tzset();  // ten hours east of UTC, where 1120435199 is the fourth of July
    for (const auto& [psz, pszDate] : {std::pair{"0", "01-01-1970"}, {"951868799", "02-29-2000"}, {"", "07-04-2005"},
             {"1x", "07-04-2005"}, {"99999999999999999999", "07-04-2005"}, {nullptr, "07-04-2005"}}) {
        psz ? ::setenv("SOURCE_DATE_EPOCH", psz, 1) : ::unsetenv("SOURCE_DATE_EPOCH");
        EXPECT_EQ(DecodeFileDate(1120435199), pszDate) << (psz ? psz : "unset");
    }
    ::setenv("SOURCE_DATE_EPOCH", "9223372036854775807", 1);  // the largest time there is, and one more
    EXPECT_EQ(SourceDateEpoch(), std::optional<std::time_t>(9223372036854775807));
    ::setenv("SOURCE_DATE_EPOCH", "9223372036854775808", 1);
    EXPECT_EQ(SourceDateEpoch(), std::nullopt);
    ::unsetenv("SOURCE_DATE_EPOCH");
}

// A day given as numbers (where the caller has no clock of its own): calendar days only, four-digit years.
TEST(DecodeFileDate, OfACalendarDay) {
    const struct {
        int nYear, nMonth, nDay;
        const char* pszDate;
    } kCases[] = {
        {2005, 7, 4, "07-04-2005"},   {2024, 2, 29, "02-29-2024"}, {2000, 2, 29, "02-29-2000"},
        {1900, 2, 29, ""},            {2023, 2, 29, ""},           {2005, 4, 30, "04-30-2005"},
        {2005, 4, 31, ""},            {2005, 12, 31, "12-31-2005"}, {2005, 13, 1, ""},
        {2005, 0, 1, ""},             {2005, 1, 0, ""},            {1000, 1, 1, "01-01-1000"},
        {999, 12, 31, ""},            {9999, 12, 31, "12-31-9999"}, {10000, 1, 1, ""},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(DecodeFileDate(c.nYear, c.nMonth, c.nDay), c.pszDate) << c.nYear << "-" << c.nMonth << "-" << c.nDay;
    }
}

TEST(DefaultName, VinKeyElseYearAndBodyNumberElseNone) {
    for (const auto& [pszTail, pszPlantBody, pszName] : {
             std::tuple{"7N100001", "N065727", "124377N100001.txt"}, {"7n______", "N______", "124377n______.txt"},
             {"9L5_____", "L123456", "9B_L123456.txt"}, {"8_______", "", "8B_.txt"},  // no serial: the body number
             {"7N______", "N______", ""}, {"8_______", "_______", ""},  // neither
             // Only letters, digits, '_' and '-' reach the name.
             {"7N/0:9@A[Z`a{z", "N______", "124377N_0_9_A_Z_a_z.txt"}, {"7N______", "N/.\\-9", "7B_N___-9.txt"}}) {
        DecodeResult r;
        r.m_strVinPrefix = "12437", r.m_strVinTail = pszTail, r.m_strPlantBody = pszPlantBody;
        EXPECT_EQ(DefaultFileName(r), pszName) << pszTail << " " << pszPlantBody;
    }
}

}  // namespace vexlor
