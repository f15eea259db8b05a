// --batch: JSON Lines in, one object per tag out, errors per line.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>
#include <vector>

#include "cli_test_support.h"

namespace vexlor {
namespace {

using test::RunInProcess;

const char* const kSampleTagLine =
    R"({"date":"01A","code":"D","style":"67-12437","plant":"NOR","body":"65727","trim":"741","seat":"Z",)"
    R"("paint":"R","top":"R","group1":"W","group2":"E","group3":"L"})";

struct BadLineCase {
    const char* pszName;
    std::string strLine;
    std::string strOutput;
};

class BadLineTest : public testing::TestWithParam<BadLineCase> {};

TEST_P(BadLineTest, ErrorObjectAndStatusOne) {
    const test::CliRun run = RunInProcess({"--batch"}, GetParam().strLine + "\n");
    EXPECT_EQ(run.nStatus, 1);
    EXPECT_EQ(run.strOut, GetParam().strOutput + "\n");
    EXPECT_EQ(run.strErr, "vexlor-decode: 1 of 1 lines failed\n");
}

INSTANTIATE_TEST_SUITE_P(
    Lines, BadLineTest,
    testing::Values(
        BadLineCase{"Array", "[1]", R"({"line":1,"error":"the line is not a JSON object"})"},
        BadLineCase{"String", R"("124377N")", R"({"line":1,"error":"the line is not a JSON object"})"},
        BadLineCase{"Null", "null", R"({"line":1,"error":"the line is not a JSON object"})"},
        BadLineCase{"Text", "not json", R"({"line":1,"error":"the line is not valid JSON"})"},
        BadLineCase{"Unclosed", R"({"vin":"1243)", R"({"line":1,"error":"the line is not valid JSON"})"},
        BadLineCase{"TrailingComma", R"({"vin":"1",})", R"({"line":1,"error":"the line is not valid JSON"})"},
        BadLineCase{"TwoObjects", R"({} {})", R"({"line":1,"error":"the line is not valid JSON"})"},
        BadLineCase{"BadUtf8", "{\"vin\":\"\xE9\"}", R"({"line":1,"error":"the line is not valid JSON"})"},
        BadLineCase{"UnknownKey", R"({"colour":"red"})", R"({"line":1,"error":"unknown key \"colour\""})"},
        BadLineCase{"KeyCaseMatters", R"({"VIN":"1"})", R"({"line":1,"error":"unknown key \"VIN\""})"},
        BadLineCase{"Number", R"({"serial":100001})",
                    R"({"line":1,"error":"the value of \"serial\" is not a string"})"},
        BadLineCase{"NullValue", R"({"vin":null})", R"({"line":1,"error":"the value of \"vin\" is not a string"})"},
        BadLineCase{"ArrayValue", R"({"group1":["W"]})",
                    R"({"line":1,"error":"the value of \"group1\" is not a string"})"},
        BadLineCase{"YearNumber", R"({"year":1967})",
                    R"({"line":1,"error":"the value of \"year\" is not a string"})"},
        BadLineCase{"BadYear", R"({"year":"1970"})",
                    R"({"line":1,"error":"Please select the model year (1967, 1968 or 1969)."})"},
        BadLineCase{"EmptyYear", R"({"year":""})",
                    R"({"line":1,"error":"Please select the model year (1967, 1968 or 1969)."})"},
        BadLineCase{"YearWithBlank", R"({"year":"69 "})",
                    R"({"line":1,"error":"Please select the model year (1967, 1968 or 1969)."})"},
        BadLineCase{"BeyondLatin1", R"({"trim":"\u20ac"})",
                    R"({"line":1,"error":"the value of \"trim\" holds a character beyond Latin-1"})"},
        BadLineCase{"KeyTwice", R"({"vin":"1","vin":"2"})", R"({"line":1,"error":"key \"vin\" is given twice"})"}),
    [](const testing::TestParamInfo<BadLineCase>& info) { return std::string(info.param.pszName); });

TEST(BatchTest, SampleTagLineGivesTheJsonForm) {
    const test::CliRun single = RunInProcess({"--sample", "--json"});
    const test::CliRun batch = RunInProcess({"--batch"}, std::string(kSampleTagLine) + "\n");
    EXPECT_EQ(batch.nStatus, 0);
    EXPECT_EQ(batch.strErr, "");
    EXPECT_EQ(batch.strOut, single.strOut);
    EXPECT_TRUE(batch.strOut.starts_with(R"({"year":7,"vin_given":false,"body_number":"Decode for body number: 065727",)"));
}

TEST(BatchTest, GoodAndBadLinesInOrderEmptyLinesSkipped) {
    const std::string strInput = std::string("\n") + kSampleTagLine + "\n   \n[1]\r\n" +
                                 R"({"year":"68","trim":"712"})" + "\r\n\t\n" + R"({"year":"70"})";
    const test::CliRun run = RunInProcess({"--batch", "-"}, strInput);
    EXPECT_EQ(run.nStatus, 1);
    EXPECT_EQ(run.strErr, "vexlor-decode: 2 of 4 lines failed\n");
    const std::vector<std::string> lines = test::SplitLines(run.strOut);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_TRUE(lines[0].starts_with(R"({"year":7,)"));
    EXPECT_EQ(lines[1], R"({"line":4,"error":"the line is not a JSON object"})");
    EXPECT_TRUE(lines[2].starts_with(R"({"year":8,)"));
    EXPECT_NE(lines[2].find(R"("trim":"712 = Standard Black Bucket Seats.")"), std::string::npos);
    EXPECT_EQ(lines[3], R"({"line":7,"error":"Please select the model year (1967, 1968 or 1969)."})");
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
    const std::vector<std::string> lines = test::SplitLines(run.strOut);
    ASSERT_EQ(lines.size(), 3u);
    for (int i = 0; i < 2; ++i) {
        EXPECT_NE(lines[i].find("\"trim\":\"\xC3\xA9 = Interior not defined correctly. 0\""), std::string::npos);
    }
    EXPECT_NE(lines[2].find(R"("body_number":"Decode for body number: 000000")"), std::string::npos);
}

TEST(BatchTest, EmptyInputAndOnlyEmptyLines) {
    for (const char* pszInput : {"", "\n\n", " \r\n"}) {
        const test::CliRun run = RunInProcess({"--batch"}, pszInput);
        EXPECT_EQ(run.nStatus, 0);
        EXPECT_EQ(run.strOut, "");
        EXPECT_EQ(run.strErr, "");
    }
}

TEST(BatchTest, ManyLinesStayInOrder) {
    std::string strInput;
    for (int n = 0; n < 3000; ++n) strInput += R"({"body":")" + std::to_string(100000 + n) + "\"}\n";
    const test::CliRun run = RunInProcess({"--batch"}, strInput);
    EXPECT_EQ(run.nStatus, 0);
    const std::vector<std::string> lines = test::SplitLines(run.strOut);
    ASSERT_EQ(lines.size(), 3000u);
    EXPECT_NE(lines[0].find(R"("body_number":"Decode for body number: 100000")"), std::string::npos);
    EXPECT_NE(lines[2999].find(R"("body_number":"Decode for body number: 102999")"), std::string::npos);
}

TEST(BatchTest, FileArgumentAndMissingFile) {
    const test::TempDir dir;
    test::WriteFileBytes(dir.Path() / "tags.jsonl", std::string(kSampleTagLine) + "\n");
    test::CliRun run = RunInProcess({"--batch", (dir.Path() / "tags.jsonl").string()});
    EXPECT_EQ(run.nStatus, 0);
    EXPECT_EQ(run.strOut, RunInProcess({"--sample", "--json"}).strOut);

    run = RunInProcess({"--batch=" + (dir.Path() / "none.jsonl").string()});
    EXPECT_EQ(run.nStatus, 1);
    EXPECT_EQ(run.strErr, "vexlor-decode: cannot open " + (dir.Path() / "none.jsonl").string() + "\n");
}

TEST(BatchTest, StandardInputOfTheProgram) {
    const test::TempDir dir;
    test::WriteFileBytes(dir.Path() / "tags.jsonl", std::string(kSampleTagLine) + "\n{\"x\":\"1\"}\n");
    const test::CliRun run = test::RunBinary({"--batch"}, dir.Path(), (dir.Path() / "tags.jsonl").string());
    EXPECT_EQ(run.nStatus, 1);
    const std::vector<std::string> lines = test::SplitLines(run.strOut);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0] + "\n", RunInProcess({"--sample", "--json"}).strOut);
    EXPECT_EQ(lines[1], R"({"line":2,"error":"unknown key \"x\""})");
    EXPECT_EQ(run.strErr, "vexlor-decode: 1 of 2 lines failed\n");  // no progress line: not a terminal
}

}  // namespace
}  // namespace vexlor
