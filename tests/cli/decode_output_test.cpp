// Decoding from the command line: the list lines, --sample with overrides,
// --json with every key, --version and --help.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>
#include <vector>

#include "cli_test_support.h"

namespace vexlor {
namespace {

using test::RunInProcess;

const std::vector<std::string> kSampleLines = {
    "Decode for body number: 065727",
    " ",
    "01A = Built the First week of January.",
    "67-12437 = Standard Interior Coupe.",
    "NOR = Built in Norwood Ohio.",
    "741 = Standard Red Bucket Seats.",
    "Z = (A50) Strato Bucket Seats (without headrests).",
    "R-R = Car Color is Bolero Red",
    "D = Interior paint is Red",
    "Options:",
    "1W = (A02) Tinted W/S only",
    "2E = (C60) Air Conditioner",
    "3L = (Z22) Rally Sport Package",
};

const char* const kSampleJson =
    R"({"year":7,"vin_given":false,"body_number":"Decode for body number: 065727",)"
    R"("build_date":"01A = Built the First week of January.","style":"67-12437 = Standard Interior Coupe.",)"
    R"("plant":"NOR = Built in Norwood Ohio.","trim":"741 = Standard Red Bucket Seats.",)"
    R"("seat":"Z = (A50) Strato Bucket Seats (without headrests).","paint":"R-R = Car Color is Bolero Red",)"
    R"("options1":"1W = (A02) Tinted W/S only,","options2":"2E = (C60) Air Conditioner,",)"
    R"("options3":"3L = (Z22) Rally Sport Package,","options4":"","options5":"",)"
    R"("plant_note":"D = Interior paint is Red","vin_make":"","vin_line":"","vin_engine":"","vin_body":"",)"
    R"("vin_year":"","vin_plant":"","vin_serial":"","vin_prefix":"12_37","vin_tail":"7N______",)"
    R"("date_code":"701A","sched_code":"","plant_body":"N065727","style_code":"67-12437","paint_code":"R-R",)"
    R"("trim_code":"741-Z","option_codes":"0D 1W 2E 3L 4- 5-","lines":["Decode for body number: 065727"," ",)"
    R"("01A = Built the First week of January.","67-12437 = Standard Interior Coupe.",)"
    R"("NOR = Built in Norwood Ohio.","741 = Standard Red Bucket Seats.",)"
    R"("Z = (A50) Strato Bucket Seats (without headrests).","R-R = Car Color is Bolero Red",)"
    R"("D = Interior paint is Red","Options:","1W = (A02) Tinted W/S only","2E = (C60) Air Conditioner",)"
    R"("3L = (Z22) Rally Sport Package"]})"
    "\n";

struct ListCase {
    const char* pszName;
    std::vector<std::string> args;
    std::vector<std::string> lines;
};

class ListOutputTest : public testing::TestWithParam<ListCase> {};

TEST_P(ListOutputTest, PrintsTheResultsList) {
    const test::CliRun run = RunInProcess(GetParam().args);
    EXPECT_EQ(run.nStatus, 0);
    EXPECT_EQ(run.strErr, "");
    EXPECT_EQ(test::SplitLines(run.strOut), GetParam().lines);
    EXPECT_TRUE(run.strOut.ends_with('\n'));
}

INSTANTIATE_TEST_SUITE_P(
    Lists, ListOutputTest,
    testing::Values(
        ListCase{"Sample", {"--sample"}, kSampleLines},
        ListCase{"SampleWithOverrides",
                 {"--sample", "--trim", "760", "--group4=-12"},
                 {"Decode for body number: 065727", " ", "01A = Built the First week of January.",
                  "67-12437 = Standard Interior Coupe.", "NOR = Built in Norwood Ohio.",
                  "760 = Standard Black Bucket Seats.", "Z = (A50) Strato Bucket Seats (without headrests).",
                  "R-R = Car Color is Bolero Red", "D = Interior paint is Red", "Options:",
                  "1W = (A02) Tinted W/S only", "2E = (C60) Air Conditioner", "3L = (Z22) Rally Sport Package",
                  "-12 = Special Order/Fleet Code"}},
        ListCase{"SampleWithoutBodyNumber",
                 {"--sample", "--body=", "--group1", "", "--group2=", "--group3="},
                 {"", " ", "01A = Built the First week of January.", "67-12437 = Standard Interior Coupe.",
                  "NOR = Built in Norwood Ohio.", "741 = Standard Red Bucket Seats.",
                  "Z = (A50) Strato Bucket Seats (without headrests).", "R-R = Car Color is Bolero Red",
                  "D = Interior paint is Red", "Options:"}},
        ListCase{"VinOnly1967",
                 {"--vin", "124377N", "--serial", "100001"},
                 {"1 = Chevrolet", "2 = Camaro", "4 = 8-cylinder engine", "37 = coupe body", "7 = 1967 model year",
                  "N = Norwood, OH assembly plant", "100001 = vehicle serial number sequence", " ", "", " ",
                  "No Build date given.", "No body style was given.", " = Built in Norwood Ohio.",
                  "No trim style was given.", "No seat style was given.", "No paint code was given.",
                  "No Assm. Plant given.", "Options:"}},
        ListCase{"LosAngeles1968",
                 {"--year", "68", "--style", "68-12437", "--plant", "LOS", "--body", "123", "--trim", "712",
                  "--paint", "C", "--top", "C", "--date", "03A"},
                 {"Decode for body number: 000123", " ", "03A = Built the First week of March.",
                  "68-12437 = Coupe.", "LOS = Built in Van Nuys California.", "712 = Standard Black Bucket Seats.",
                  "C-C = Car Color is Ermine White", ""}},
        ListCase{"Norwood1969ThreeSpecialCodes",
                 {"--year=1969", "--style=69-12437", "--plant=NOR", "--trim=711", "--paint=51", "--top=50",
                  "--date69=09C", "--code69=X33D80Z10"},
                 {"", " ", "09C = Built the Third week of September.", "69-12437 = Coupe.",
                  "NOR = Built in Norwood Ohio.", "711 = Standard Black Bucket Seats.",
                  "51-50 = Lower Color is Dusk Blue and the Top Color is Dover White.", "X33 = Z28 with style trim",
                  "D80 = Spoiler equipment", "Z10 = Accent Striping (coupe version of Pace Car Accents)"}}),
    [](const testing::TestParamInfo<ListCase>& info) { return std::string(info.param.pszName); });

TEST(JsonOutputTest, SampleAsOneCompactObject) {
    const test::CliRun run = RunInProcess({"--sample", "--json"});
    EXPECT_EQ(run.nStatus, 0);
    EXPECT_EQ(run.strOut, kSampleJson);
}

TEST(JsonOutputTest, EveryKeyInOrder) {
    const test::CliRun run = RunInProcess({"--year", "1969", "--json"});
    ASSERT_EQ(run.nStatus, 0);
    const auto json = nlohmann::ordered_json::parse(run.strOut);
    std::vector<std::string> keys;
    for (const auto& item : json.items()) keys.push_back(item.key());
    const std::vector<std::string> expected = {
        "year", "vin_given", "body_number", "build_date", "style", "plant", "trim", "seat", "paint",
        "options1", "options2", "options3", "options4", "options5", "plant_note", "vin_make", "vin_line",
        "vin_engine", "vin_body", "vin_year", "vin_plant", "vin_serial", "vin_prefix", "vin_tail", "date_code",
        "sched_code", "plant_body", "style_code", "paint_code", "trim_code", "option_codes", "lines"};
    EXPECT_EQ(keys, expected);
    EXPECT_EQ(json["year"], 9);
    EXPECT_EQ(json["vin_tail"], "9_______");
    EXPECT_EQ(json["vin_prefix"], "12__7");
}

TEST(JsonOutputTest, VinGivenAndOptionMembersBeforeSplitting) {
    const test::CliRun run = RunInProcess({"--vin=124377N", "--serial=100001", "--group1=EW", "--json"});
    ASSERT_EQ(run.nStatus, 0);
    const auto json = nlohmann::ordered_json::parse(run.strOut);
    EXPECT_EQ(json["vin_given"], true);
    EXPECT_EQ(json["vin_tail"], "7N100001");
    EXPECT_EQ(json["vin_prefix"], "12437");
    EXPECT_EQ(json["options1"], "1E = (A01) Tinted All Glass,1W = (A02) Tinted W/S only,");
    EXPECT_EQ(json["option_codes"], "0- 1E 1W 2- 3- 4- 5-");
}

TEST(JsonOutputTest, HighBytesAreLatin1AndControlBytesEscaped) {
    const test::CliRun run = RunInProcess({"--trim", "\xE9\x01\"\\", "--json"});
    ASSERT_EQ(run.nStatus, 0);
    EXPECT_NE(run.strOut.find(R"("trim":")"
                              "\xC3\xA9"
                              R"(\u0001\"\\ = Interior not defined correctly. 0")"),
              std::string::npos)
        << run.strOut;
    EXPECT_TRUE(nlohmann::json::accept(run.strOut));
}

TEST(VersionAndHelpTest, Version) {
    const test::CliRun run = RunInProcess({"--version"});
    EXPECT_EQ(run.nStatus, 0);
    EXPECT_EQ(run.strOut, "vexlor-decode 3.68\n");
    EXPECT_EQ(run.strErr, "");
}

TEST(VersionAndHelpTest, HelpNamesEveryOptionAndAnExample) {
    const test::CliRun run = RunInProcess({"--help"});
    EXPECT_EQ(run.nStatus, 0);
    EXPECT_TRUE(run.strOut.starts_with("Usage: vexlor-decode [OPTION]...\n"));
    for (const char* pszOption :
         {"--year", "--vin", "--serial", "--date", "--code", "--style", "--plant", "--body", "--trim", "--seat",
          "--paint", "--top", "--group1", "--group5", "--date69", "--code69", "--sample", "--json", "--save PATH",
          "--save-default", "--force", "--open", "--batch [FILE]", "--help", "--version", "Example:"}) {
        EXPECT_NE(run.strOut.find(pszOption), std::string::npos) << pszOption;
    }
}

}  // namespace
}  // namespace vexlor
