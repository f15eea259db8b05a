// The answers the registry gives on a small known registry: search, shares
// and cross-tables, the names beside the codes, and the HTML report's content.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "registry_test_support.h"
#include "support/tag.h"

namespace vexlor {
namespace {

using testing_support::Tag;

class RegistryAnswers : public testing::Test {
protected:
    void SetUp() override {
        const TagFields cars[] = {
            Tag({{"year", "1969"}, {"vin", "124379N"}, {"serial", "612345"}, {"style", "69-12437"}, {"plant", "NOR"},
                 {"body", "012345"}, {"trim", "711"}, {"paint", "72"}, {"top", "72"}, {"date69", "03B"},
                 {"code69", "X33"}}),
            Tag({{"year", "1969"}, {"vin", "124379L"}, {"serial", "500900"}, {"style", "69-12437"}, {"plant", "LOS"},
                 {"body", "001200"}, {"trim", "712"}, {"paint", "10"}, {"top", "10"}, {"date69", "04C"}}),
            Tag({{"year", "1968"}, {"vin", "124678N"}, {"serial", "300001"}, {"style", "68-12467"}, {"plant", "NOR"},
                 {"body", "000123"}, {"trim", "712"}, {"paint", "R"}, {"top", "1"}, {"date", "12E"}}),
            Tag({{"year", "1967"}, {"style", "67-12637"}, {"plant", "NOR"}, {"body", "065727"}, {"trim", "<b>"},
                 {"paint", "R"}, {"top", "R"}, {"date", "02A"}}),
        };
        std::vector<std::string> args = {"import", m_dir / "db"};
        for (size_t i = 0; i < std::size(cars); ++i) {
            args.push_back(m_dir / (std::to_string(i) + ".txt"));
            test::WriteFile(args.back(), test::DecodeFileOf(cars[i]));
        }
        ASSERT_EQ(test::RunRegistryWith(args).nStatus, 0);
    }

    test::RegistryRun Run(std::vector<std::string> args) {
        args.insert(args.begin() + 1, m_dir / "db");
        return test::RunRegistryWith(args);
    }

    test::TempDir m_dir;
};

// The first column of each line after the heading.
std::string Keys(const std::string& strList) {
    std::istringstream lines(strList);
    std::string strLine, strKeys;
    std::getline(lines, strLine);
    while (std::getline(lines, strLine)) strKeys += (strKeys.empty() ? "" : " ") + strLine.substr(0, strLine.find(' '));
    return strKeys;
}

TEST_F(RegistryAnswers, SearchFindsTheCarsThatFitEveryTerm) {
    const struct {
        std::vector<std::string> terms;
        const char* pszKeys;
    } cases[] = {
        {{"9N61"}, "124379N612345"},
        {{"12345"}, "124379N612345"},
        {{"body:123"}, "124678N300001"},
        {{"x33"}, "124379N612345"},
        {{"712"}, "124379L500900 124678N300001"},
        {{"trim:712", "year:68"}, "124678N300001"},
        {{"R"}, "124678N300001 7B_N065727"},
        {{"bolero"}, "7B_N065727"},
        {{"LOS"}, "124379L500900"},
        {{"plant:norwood", "style:12637"}, "7B_N065727"},
        {{"--built", "02A..03B"}, "124379N612345 7B_N065727"},
        {{"--built", "10A..02A"}, "124678N300001 7B_N065727"},
        {{"--built", "903C..904C"}, "124379L500900"},
        {{"Z28"}, ""},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = {"search"};
        args.insert(args.end(), c.terms.begin(), c.terms.end());
        EXPECT_EQ(Keys(Run(args).strOut), c.pszKeys) << c.terms.front();
    }
}

TEST_F(RegistryAnswers, ListAndSearchGiveJsonWithTheMeaningOfEachCode) {
    EXPECT_EQ(Run({"search", "body:1200", "--json"}).strOut,
              R"([{"key":"124379L500900","kind":"vin","year":"1969","plant":"Los Angeles","body":"001200",)"
              R"("style":"69-12437","style_name":"Coupe","paint":"10-10","paint_name":"Tuxedo Black","trim":"712",)"
              R"("trim_name":"Custom Black Bucket Seats","built":"04C","option_codes":"","submissions":1}])"
              "\n");
}

TEST_F(RegistryAnswers, StatsGiveSharesAndCrossTablesWithTheMeaningOfEachCode) {
    EXPECT_EQ(Run({"stats", "--by", "plant,year", "--csv"}).strOut,
              "plant,meaning,1967,1968,1969,total,percent\r\n"
              "Los Angeles,,0,0,1,1,25.0\r\n"
              "Norwood,,1,1,1,3,75.0\r\n"
              "total,,1,1,2,4,100.0\r\n");
    EXPECT_EQ(Run({"stats", "--by", "paint,year"}).strOut,
              "Paint \\ Model year                      1967  1968  1969  Total      %\n"
              "10-10 Tuxedo Black                         0     0     1      1   25.0\n"
              "72-72 Hugger Orange                        0     0     1      1   25.0\n"
              "R-1 Matador Red, Convertible Top White     0     1     0      1   25.0\n"
              "R-R Bolero Red                             1     0     0      1   25.0\n"
              "Total                                      1     1     2      4  100.0\n");
    const std::string strStats = Run({"stats"}).strOut;
    EXPECT_NE(strStats.find("\nBuild month  Cars     %\n1967-02         1  25.0\n1967-12         1  25.0\n"),
              std::string::npos)
        << strStats;
    EXPECT_NE(Run({"stats", "--json"}).strOut.find(R"("percent":{"model_year":{"1967":25.0,"1968":25.0,"1969":50.0})"),
              std::string::npos);
}

TEST_F(RegistryAnswers, StatsOptionsThatDoNotFitAreUsageErrors) {
    const struct {
        std::vector<std::string> args;
        const char* pszError;
    } cases[] = {
        {{"stats", "--by", "paint,paint"}, "--by takes two of year, plant, style, paint, trim and month, such as paint,year"},
        {{"stats", "--by", "colour,year"}, "--by takes two of year, plant, style, paint, trim and month, such as paint,year"},
        {{"stats", "--json", "--csv"}, "stats takes --json or --csv, not both"},
        {{"search", "--built", "04C..02A"}, "--built takes a range of build dates such as 02A..04C"},
        {{"search", "--built", "02F..03A"}, "--built takes a range of build dates such as 02A..04C"},
        {{"search", "colour:red"}, "search term 'colour:red' names no field (vin, body, option, trim, paint, plant, year, style)"},
        {{"report"}, "report needs --html FILE"},
    };
    for (const auto& c : cases) {
        const test::RegistryRun run = Run(c.args);
        EXPECT_EQ(run.nStatus, 2);
        EXPECT_EQ(run.strErr, "vexlor-registry: " + std::string(c.pszError) + " (see vexlor-registry --help)\n");
    }
}

TEST_F(RegistryAnswers, TheReportHoldsEachChartWithItsTextAlternativeAndTable) {
    ASSERT_EQ(Run({"report", "--html", m_dir / "report.html"}).nStatus, 0);
    std::stringstream page;
    page << std::ifstream(m_dir / "report.html").rdbuf();
    const std::string strPage = page.str();
    for (const char* pszPart : {
             "<tr><td>Cars</td><td>4</td></tr>\n<tr><td>Submissions</td><td>4</td></tr>\n",
             "<title id=\"month-plant-title\">Cars per build month and plant</title>",
             "<desc id=\"paint-year-desc\">Paints per model year, 4 cars. 10-10 Tuxedo Black: 1.",
             "<tr><td>R-R Bolero Red</td><td>1</td><td>0</td><td>0</td><td>1</td><td>25.0</td></tr>",
             "<tr><td>&lt;B&gt;-</td><td>1</td><td>0</td><td>0</td><td>1</td><td>25.0</td></tr>",
             "<title id=\"body-sequence-title\">Body number against build date, per plant</title>",
             "<tr><td>Norwood</td><td>1969-03</td><td>1</td><td>12345</td><td>12345</td></tr>",
             "a body number is a point: 4 cars.",  // built in weeks A to E
             "<p>0 cars whose submissions carry different codes.</p>",
         }) {
        EXPECT_NE(strPage.find(pszPart), std::string::npos) << pszPart;
    }
    size_t nCharts = 0;
    for (size_t nPos = 0; (nPos = strPage.find("<svg ", nPos)) != std::string::npos; ++nPos) ++nCharts;
    EXPECT_EQ(nCharts, 4u);
    EXPECT_EQ(strPage.find("<script"), std::string::npos);
}

TEST_F(RegistryAnswers, TheReportDoesNotTakeTheRegistrysPlace) {
    const test::RegistryRun run = Run({"report", "--html", m_dir / "db"});
    EXPECT_EQ(run.strErr, "vexlor-registry: " + (m_dir / "db") + ": is the registry's own file, not a page\n");
    EXPECT_EQ(run.nStatus, 1);
    EXPECT_EQ(Run({"list"}).nStatus, 0);
}

}  // namespace
}  // namespace vexlor
