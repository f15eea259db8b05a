// What the registry shows people and hands to other programs: escapes in
// every human-readable output, cells a spreadsheet cannot run, cars named
// loosely, and columns that stay readable.
#include <gtest/gtest.h>

#include <string>

#include "registry/csv_field.h"
#include "registry/sqlite_database.h"
#include "registry/terminal_text.h"
#include "registry_test_support.h"
#include "support/tag.h"

namespace vexlor {
namespace {

using testing_support::Tag;

TEST(Shown, EscapesControlsAndDirectionChangesKeepsOtherText) {
    const std::pair<std::string, std::string> cases[] = {
        {"\x1B]52;c;aGk=\x07", "\\x1B]52;c;aGk=\\x07"},  // a clipboard write
        {"a\nb\r\tc\x7F", "a\\x0Ab\\x0D\\x09c\\x7F"},
        {"\xC2\x9B" "2J\xC2\x80", "\\u009B2J\\u0080"},
        {"\xE2\x80\xAE" "cba\xE2\x80\xAC", "\\u202Ecba\\u202C"},
        {"\xE2\x80\xAA\xE2\x80\xAD\xE2\x80\xAB", "\\u202A\\u202D\\u202B"},
        {"\xE2\x81\xA6x\xE2\x81\xA9\xE2\x81\xA7\xE2\x81\xA8", "\\u2066x\\u2069\\u2067\\u2068"},
        {"\xE2\x80\x8E\xE2\x80\x8F\xD8\x9C", "\\u200E\\u200F\\u061C"},
        {"R\xC3\xA9 \xC2\xA0\xE2\x80\x90\xE2\x80\xAF\xE2\x81\xA5\xD8\x9B", "R\xC3\xA9 \xC2\xA0\xE2\x80\x90\xE2\x80\xAF\xE2\x81\xA5\xD8\x9B"},
        {"\xE2\x80", "\xE2\x80"},
    };
    for (const auto& [strText, strShown] : cases) EXPECT_EQ(Shown(strText), strShown) << strShown;
    EXPECT_EQ(ShownLines("a\x1B\nb"), "a\\x1B\nb");
}

TEST(CsvField, QuotesAndKeepsFormulasFromRunning) {
    struct Case {
        std::string strValue, strSafe, strRaw;
    };
    const Case cases[] = {
        {"R-R", "R-R", "R-R"},
        {"", "", ""},
        {"=HYPERLINK(\"x\")", "\"'=HYPERLINK(\"\"x\"\")\"", "\"=HYPERLINK(\"\"x\"\")\""},
        {"+cmd", "'+cmd", "+cmd"},
        {"-2+3", "'-2+3", "-2+3"},
        {"@SUM(A1)", "'@SUM(A1)", "@SUM(A1)"},
        {"\tX", "'\tX", "\tX"},
        {"\r=1", "\"'\r=1\"", "\"\r=1\""},
        {"a,b", "\"a,b\"", "\"a,b\""},
        {"a=1\n", "\"a=1\n\"", "\"a=1\n\""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CsvField(c.strValue, CsvCells::NoFormulas), c.strSafe) << c.strValue;
        EXPECT_EQ(CsvField(c.strValue, CsvCells::Raw), c.strRaw) << c.strValue;
    }
}

DecodeResult HostileDecode() {
    DecodeResult hostile;
    hostile.m_strVinPrefix = "12437";
    hostile.m_strVinTail = "7N100001";
    hostile.m_strSchedCode = "=cmd|' /C calc'!A0";
    hostile.m_strPaintCode = "\x1B[2J\xE2\x80\xAE";
    hostile.m_strBuildDate = "01A = Built the First week of January.";
    hostile.m_strPlant = "\x1B]0;owned\x07";
    return hostile;
}

// Not on a terminal: through a pipe the escapes are shown escaped all the same.
TEST(RegistryOutput, PeopleSeeEscapesDataFormatsCarryTheValues) {
    test::TempDir dir;
    test::WriteFile(dir / "hostile\x1B[1m.txt", test::DecodeFileOf(HostileDecode()));
    EXPECT_EQ(test::RunRegistryWith({"import", dir / "db", dir / "hostile\x1B[1m.txt"}).nStatus, 0);

    const std::string strShown = test::RunRegistryWith({"show", dir / "db", "124377N100001"}).strOut;
    EXPECT_NE(strShown.find("/hostile\\x1B[1m.txt\n"), std::string::npos);
    EXPECT_NE(strShown.find("  paint            \\x1B[2J\\u202E\n"), std::string::npos);
    EXPECT_NE(strShown.find("\n    \\x1B]0;owned\\x07\n"), std::string::npos);
    EXPECT_NE(test::RunRegistryWith({"list", dir / "db"}).strOut.find("  \\x1B[2J\\u202E  "), std::string::npos);
    EXPECT_NE(test::RunRegistryWith({"stats", dir / "db"}).strOut.find("\n\\x1B[2J\\u202E  "), std::string::npos);

    const std::string strCsv = test::RunRegistryWith({"export", dir / "db", "--csv"}).strOut;
    EXPECT_NE(strCsv.find(",'=cmd|' /C calc'!A0,"), std::string::npos);
    EXPECT_NE(strCsv.find(",\x1B[2J\xE2\x80\xAE,"), std::string::npos);
    const std::string strRaw = test::RunRegistryWith({"export", dir / "db", "--csv-raw"}).strOut;
    EXPECT_NE(strRaw.find(",=cmd|' /C calc'!A0,"), std::string::npos);
    EXPECT_NE(test::RunRegistryWith({"export", dir / "db", "--jsonl"}).strOut.find(R"("paint_code":"\u001b[2J)" "\xE2\x80\xAE\""),
              std::string::npos);
    EXPECT_NE(test::RunRegistryWith({"export", dir / "db", "--jsonl"}, true).strOut.find(R"("paint_code":"\u001b[2J\u202e")"),
              std::string::npos);
}

TEST(RegistryOutput, ShowFindsACarByKeyVinOrBodyNumberInAnyCaseOrByTheStartOfItsKey) {
    test::TempDir dir;
    test::WriteFile(dir / "a.txt", test::DecodeFileOf(Tag({{"year", "1969"}, {"vin", "124379N"}, {"serial", "612345"}})));
    test::WriteFile(dir / "b.txt", test::DecodeFileOf(Tag({{"year", "1969"}, {"vin", "124379N"}, {"serial", "612346"}})));
    test::WriteFile(dir / "c.txt", test::DecodeFileOf(Tag({{"year", "1967"}, {"plant", "NOR"}, {"body", "65727"}})));
    test::RunRegistryWith({"import", dir / "db", dir / "a.txt", dir / "b.txt", dir / "c.txt"});
    struct Case {
        const char* pszGiven;
        const char* pszOut;  // first line
        const char* pszErr;
    };
    const Case cases[] = {
        {"124379N612345", "Car 124379N612345 (vin key), 1 submission", ""},
        {"124379n612346", "Car 124379N612346 (vin key), 1 submission", ""},
        {"065727", "Car 7B_N065727 (body key), 1 submission", ""},
        {"n065727", "Car 7B_N065727 (body key), 1 submission", ""},
        {"7b", "Car 7B_N065727 (body key), 1 submission", ""},
        {"12437", "", "vexlor-registry: more than one car fits 12437: 124379N612345, 124379N612346\n"},
        {"9B_N", "", "vexlor-registry: no car has the key 9B_N\n"},
    };
    for (const Case& c : cases) {
        const test::RegistryRun run = test::RunRegistryWith({"show", dir / "db", c.pszGiven});
        EXPECT_EQ(run.strOut.substr(0, run.strOut.find('\n')), c.pszOut) << c.pszGiven;
        EXPECT_EQ(run.strErr, c.pszErr);
        EXPECT_EQ(run.nStatus, *c.pszErr == '\0' ? 0 : 1);
    }
}

TEST(RegistryOutput, ListKeepsItsColumnsNarrow) {
    const std::string strFile = test::DecodeFileOf(Tag({{"year", "1969"}, {"trim", std::string(40, 'T')}}));
    test::TempDir dir;
    test::WriteFile(dir / "a.txt", strFile);
    test::RunRegistryWith({"import", dir / "db", dir / "a.txt"});
    Database db(dir / "db", false);
    Statement key(db, "SELECT car_key FROM car");
    ASSERT_TRUE(key.Step());
    EXPECT_EQ(test::RunRegistryWith({"list", dir / "db"}).strOut,
              "Key           Year  Style     Plant   Body    Paint  Trim                      Built   Submissions\n" +
                  std::string(key.Text(0).substr(0, 12)) +
                  "  1969  69-12__7  (none)  ______   -     TTTTTTTTTTTTTTTTTTTTT...  (none)            1\n");
}

}  // namespace
}  // namespace vexlor
