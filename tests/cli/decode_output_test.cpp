// Decoding from the command line: the list lines, --sample with overrides,
// --json with every key, --version and --help.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>
#include <vector>

#include "cli_test_support.h"

namespace vexlor {
namespace {

using test::kSampleLines;
using test::RunInProcess;

TEST(ListOutputTest, PrintsTheResultsListOneLinePerLine) {
    std::vector<std::string> overridden = kSampleLines;
    overridden[5] = "760 = Standard Black Bucket Seats.";
    overridden.push_back("-12 = Special Order/Fleet Code");
    std::vector<std::string> typedLineEnds = kSampleLines;
    typedLineEnds[5] = "7  41 = Interior not defined correctly. 7";
    std::vector<std::string> withoutBody(kSampleLines.begin(), kSampleLines.begin() + 10);  // up to "Options:"
    withoutBody[0] = "";
    const struct { std::vector<std::string> args; std::vector<std::string> lines; } cases[] = {
        {{"--sample"}, kSampleLines},
        {{"--sample", "--trim", "760", "--group4=-12"}, overridden},
        {{"--sample", "--trim", "7\r\n41"}, typedLineEnds},
        {{"--sample", "--body=", "--group1", "", "--group2=", "--group3="}, withoutBody},
    };
    for (const auto& c : cases) {
        const test::CliRun run = RunInProcess(c.args);
        EXPECT_EQ(run.nStatus, 0);
        EXPECT_EQ(run.strErr, "");
        EXPECT_EQ(run.strOut, test::JoinLines(c.lines, "\n"));
    }
}

TEST(JsonOutputTest, SampleAsOneCompactObjectWithEveryKeyInOrder) {
    std::string strLines;
    for (const std::string& strLine : kSampleLines) strLines += (strLines.empty() ? "\"" : ",\"") + strLine + "\"";
    const test::CliRun run = RunInProcess({"--sample", "--json"});
    EXPECT_EQ(run.nStatus, 0);
    EXPECT_EQ(run.strOut,
              R"({"year":7,"vin_given":false,"body_number":"Decode for body number: 065727",)"
              R"("build_date":"01A = Built the First week of January.","style":"67-12437 = Standard Interior Coupe.",)"
              R"("plant":"NOR = Built in Norwood Ohio.","trim":"741 = Standard Red Bucket Seats.",)"
              R"("seat":"Z = (A50) Strato Bucket Seats (without headrests).","paint":"R-R = Car Color is Bolero Red",)"
              R"("options1":"1W = (A02) Tinted W/S only,","options2":"2E = (C60) Air Conditioner,",)"
              R"("options3":"3L = (Z22) Rally Sport Package,","options4":"","options5":"",)"
              R"("plant_note":"D = Interior paint is Red","vin_make":"","vin_line":"","vin_engine":"","vin_body":"",)"
              R"("vin_year":"","vin_plant":"","vin_serial":"","vin_prefix":"12_37","vin_tail":"7N______",)"
              R"("date_code":"701A","sched_code":"","plant_body":"N065727","style_code":"67-12437","paint_code":"R-R",)"
              R"("trim_code":"741-Z","option_codes":"0D 1W 2E 3L 4- 5-","lines":[)" + strLines + "]}\n");
}

TEST(JsonOutputTest, YearVinAndOptionMembersBeforeSplitting) {
    const auto json = nlohmann::ordered_json::parse(
        RunInProcess({"--vin=124377N", "--serial=100001", "--group1=EW", "--json"}).strOut);
    EXPECT_EQ(json["vin_given"], true);
    EXPECT_EQ(json["vin_tail"], "7N100001");
    EXPECT_EQ(json["vin_prefix"], "12437");
    EXPECT_EQ(json["options1"], "1E = (A01) Tinted All Glass,1W = (A02) Tinted W/S only,");
    EXPECT_EQ(json["option_codes"], "0- 1E 1W 2- 3- 4- 5-");
    const auto json69 = nlohmann::ordered_json::parse(RunInProcess({"--year", "1969", "--json"}).strOut);
    EXPECT_EQ(json69["year"], 9);
    EXPECT_EQ(json69["vin_tail"], "9_______");
}

TEST(JsonOutputTest, HighBytesAreLatin1AndControlBytesEscaped) {
    const test::CliRun run = RunInProcess({"--trim", "\xE9\x01\"\\", "--json"});
    ASSERT_EQ(run.nStatus, 0);
    EXPECT_NE(run.strOut.find("\"trim\":\"\xC3\xA9\\u0001\\\"\\\\ = Interior not defined correctly. 0\""),
              std::string::npos) << run.strOut;
    EXPECT_TRUE(nlohmann::json::accept(run.strOut));
}

TEST(VersionAndHelpTest, VersionAndHelpNamingEveryOptionAndAnExample) {
    const test::CliRun version = RunInProcess({"--version"});
    EXPECT_EQ(std::tie(version.nStatus, version.strOut, version.strErr),
              std::make_tuple(0, std::string("vexlor-decode 3.68\n"), std::string()));
    const test::CliRun help = RunInProcess({"--help"});
    EXPECT_EQ(help.nStatus, 0);
    EXPECT_TRUE(help.strOut.starts_with("Usage: vexlor-decode [OPTION]...\n"));
    for (const char* pszOption :
         {"--year", "--vin", "--serial", "--date", "--code", "--style", "--plant", "--body", "--trim", "--seat",
          "--paint", "--top", "--group1", "--group5", "--date69", "--code69", "--sample", "--json", "--save PATH",
          "--save-default", "--force", "--open", "--batch [FILE]", "--help", "--version", "Example:"}) {
        EXPECT_NE(help.strOut.find(pszOption), std::string::npos) << pszOption;
    }
}

}  // namespace
}  // namespace vexlor
