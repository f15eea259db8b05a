// --batch: JSON Lines in, one object per tag out, errors per line.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>
#include <vector>

#include "cli_test_support.h"

namespace vexlor {
namespace {

using test::RunInProcess;
using test::SplitLines;

const std::string kSampleTagLine =
    R"({"date":"01A","code":"D","style":"67-12437","plant":"NOR","body":"65727","trim":"741","seat":"Z",)"
    R"("paint":"R","top":"R","group1":"W","group2":"E","group3":"L"})";

TEST(BatchTest, BadLineGivesAnErrorObjectAndStatusOne) {
    const std::string strNoObject = "the line is not a JSON object";
    const std::string strInvalid = "the line is not valid JSON";
    const std::string strYear = "Please select the model year (1967, 1968 or 1969).";
    const std::pair<std::string, std::string> cases[] = {
        {"[1]", strNoObject},
        {R"("124377N")", strNoObject},
        {"null", strNoObject},
        {"not json", strInvalid},
        {R"({"vin":"1243)", strInvalid},
        {R"({"vin":"1",})", strInvalid},
        {R"({} {})", strInvalid},
        {"{\"vin\":\"\xE9\"}", strInvalid},
        {R"({"colour":"red"})", R"(unknown key \"colour\")"},
        {R"({"VIN":"1"})", R"(unknown key \"VIN\")"},
        {R"({"serial":100001})", R"(the value of \"serial\" is not a string)"},
        {R"({"vin":null})", R"(the value of \"vin\" is not a string)"},
        {R"({"group1":["W"]})", R"(the value of \"group1\" is not a string)"},
        {R"({"year":1967})", R"(the value of \"year\" is not a string)"},
        {R"({"year":"1970"})", strYear},
        {R"({"year":""})", strYear},
        {R"({"year":"69 "})", strYear},
        {R"({"trim":"\u20ac"})", R"(the value of \"trim\" holds a character beyond Latin-1)"},
        {R"({"vin":"1","vin":"2"})", R"(key \"vin\" is given twice)"},
    };
    for (const auto& [strLine, strError] : cases) {
        const test::CliRun run = RunInProcess({"--batch"}, strLine + "\n");
        EXPECT_EQ(run.nStatus, 1) << strLine;
        EXPECT_EQ(run.strOut, R"({"line":1,"error":")" + strError + "\"}\n");
        EXPECT_EQ(run.strErr, "vexlor-decode: 1 of 1 lines failed\n");
    }
}

TEST(BatchTest, GoodAndBadLinesInOrderEmptyLinesSkipped) {
    const std::string strInput = "\n" + kSampleTagLine + "\n   \n[1]\r\n" + R"({"year":"68","trim":"712"})" +
                                 "\r\n\t\n" + R"({"year":"70"})";
    const test::CliRun run = RunInProcess({"--batch", "-"}, strInput);
    EXPECT_EQ(run.nStatus, 1);
    EXPECT_EQ(run.strErr, "vexlor-decode: 2 of 4 lines failed\n");
    const std::vector<std::string> lines = SplitLines(run.strOut);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0] + "\n", RunInProcess({"--sample", "--json"}).strOut);  // the --json form
    EXPECT_EQ(lines[1], R"({"line":4,"error":"the line is not a JSON object"})");
    EXPECT_TRUE(lines[2].starts_with(R"({"year":8,)"));
    EXPECT_NE(lines[2].find(R"("trim":"712 = Standard Black Bucket Seats.")"), std::string::npos);
    EXPECT_EQ(lines[3], R"({"line":7,"error":"Please select the model year (1967, 1968 or 1969)."})");
    for (const char* pszInput : {"", "\n\n", " \r\n"}) {
        const test::CliRun empty = RunInProcess({"--batch"}, pszInput);
        EXPECT_EQ(std::tie(empty.nStatus, empty.strOut, empty.strErr), std::make_tuple(0, std::string(), std::string()));
    }
}

TEST(BatchTest, MissingKeysAreEmptyAndYearIs1967) {
    const test::CliRun run = RunInProcess({"--batch"}, "{}\n");
    EXPECT_EQ(run.nStatus, 0);
    const auto json = nlohmann::ordered_json::parse(run.strOut);
    EXPECT_EQ(json["year"], 7);
    EXPECT_EQ(json["style"], "No body style was given.");
    EXPECT_EQ(json["trim"], "No trim style was given.");
    EXPECT_EQ(json["plant_note"], "No Assm. Plant given.");
    EXPECT_EQ(json["vin_tail"], "7_______");
    EXPECT_EQ(json["vin_prefix"], "12__7");
}

TEST(BatchTest, EscapedAndLatin1ValuesDecodeAsBytes) {
    const test::CliRun run =
        RunInProcess({"--batch"}, R"({"trim":"\u00e9"})" "\n" "{\"trim\":\"\xC3\xA9\"}\n" R"({"body":"\u0000"})" "\n");
    EXPECT_EQ(run.nStatus, 0);
    const std::vector<std::string> lines = SplitLines(run.strOut);
    ASSERT_EQ(lines.size(), 3u);
    for (int i = 0; i < 2; ++i) {
        EXPECT_NE(lines[i].find("\"trim\":\"\xC3\xA9 = Interior not defined correctly. 0\""), std::string::npos);
    }
    EXPECT_NE(lines[2].find(R"("body_number":"Decode for body number: 000000")"), std::string::npos);
}

TEST(BatchTest, FileArgumentMissingFileAndTheProgramsStandardInput) {
    const test::TempDir dir;
    const std::string strFile = (dir.Path() / "tags.jsonl").string();
    test::WriteFileBytes(strFile, kSampleTagLine + "\n{\"x\":\"1\"}\n");
    const std::string strSampleJson = RunInProcess({"--sample", "--json"}).strOut;
    const std::string strBadLine = R"({"line":2,"error":"unknown key \"x\""})" "\n";
    test::CliRun run = RunInProcess({"--batch", strFile});
    EXPECT_EQ(run.nStatus, 1);
    EXPECT_EQ(run.strOut, strSampleJson + strBadLine);

    run = RunInProcess({"--batch=" + (dir.Path() / "none.jsonl").string()});
    EXPECT_EQ(run.nStatus, 1);
    EXPECT_EQ(run.strErr, "vexlor-decode: cannot open " + (dir.Path() / "none.jsonl").string() + "\n");

    run = test::RunBinary({"--batch"}, dir.Path(), strFile);
    EXPECT_EQ(run.nStatus, 1);
    EXPECT_EQ(run.strOut, strSampleJson + strBadLine);
    EXPECT_EQ(run.strErr, "vexlor-decode: 1 of 2 lines failed\n");  // no progress line: not a terminal
}

}  // namespace
}  // namespace vexlor
