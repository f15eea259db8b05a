// What vexlor-decode prints: the results list one line per line, --json (its
// shape once), and --batch: JSON Lines in, one object per tag out, each kind
// of refused line, the progress line, failing streams, reading line by line.
// (--batch FILE and the program itself: command_line_test.cpp.)
#include <nlohmann/json.hpp>

#include "cli/batch.h"
#include "cli/json_output.h"
#include "cli/line_reader.h"
#include "cli_test_support.h"
#include "decoder/decode.h"
#include "results/result_lines.h"
#include "support/tag.h"

namespace vexlor {
namespace {

using test::CliRun;
using test::RunInProcess;
using testing_support::Tag;

std::string JsonLine(const TagFields& fields) {
    const DecodeResult result = Decode(fields);
    return DecodeJson(result, BuildResultLines(result)).dump() + "\n";
}

TEST(Output, TheResultsListOneLinePerLineOrOneJsonObject) {
    const TagFields fields = Tag({{"year", "1968"}, {"vin", "124378N"}, {"trim", "7\r\n\xE9\x01"}});
    test::Args args{"--year=1968", "--vin=124378N", "--trim", "7\r\n\xE9\x01"};
    std::string strList;
    for (const std::string& strLine : BuildResultLines(Decode(fields))) strList += SingleLine(strLine) + "\n";
    EXPECT_EQ(RunInProcess(args), (CliRun{0, strList, ""}));
    EXPECT_NE(strList.find("\n7  \xE9\x01 = Interior not defined correctly. 7\n"), std::string::npos) << strList;
    args.push_back("--json");
    const CliRun run = RunInProcess(args);
    EXPECT_EQ(run, (CliRun{0, JsonLine(fields), ""}));
    const auto json = nlohmann::ordered_json::parse(run.strOut);
    std::string strKeys;
    for (const auto& item : json.items()) strKeys += item.key() + " ";
    EXPECT_EQ(strKeys, "year vin_given body_number build_date style plant trim seat paint options1 options2 options3 "
                       "options4 options5 plant_note vin_make vin_line vin_engine vin_body vin_year vin_plant "
                       "vin_serial vin_prefix vin_tail date_code sched_code plant_body style_code paint_code trim_code "
                       "option_codes lines ");
    EXPECT_TRUE(json["year"] == 8 && json["vin_given"] == true && json["lines"].size() > 3 &&
                json["trim"].get<std::string>().starts_with("7\r\n\xC3\xA9\x01 = "));  // Latin-1 as UTF-8
}

// The batch's own writer writes the same bytes as the library, after what the buffer holds.
TEST(Output, BatchWriterWritesEveryByteAsNlohmannDoes) {
    DecodeResult result;
    result.m_bVinGiven = true;
    for (int n = 0; n < 256; ++n) result.m_strBodyNumber.push_back(static_cast<char>(n));
    for (const std::vector<std::string>& lines : {std::vector<std::string>{}, {""}, {result.m_strBodyNumber, "\x1F"}}) {
        std::string strOut = "before\n";
        AppendDecodeJson(strOut, result, lines);
        EXPECT_EQ(strOut, "before\n" + DecodeJson(result, lines).dump());
    }
}

TEST(Batch, EachKindOfRefusedLineGivesItsErrorObjectAndStatusOne) {
    const std::pair<std::string, std::string> cases[] = {
        {"not json", "the line is not valid JSON"}, {"{\"vin\":\"\xE9\"}", "the line is not valid JSON"},
        {"[1]", "the line is not a JSON object"}, {R"({"VIN":"1"})", R"(unknown key \"VIN\")"},
        {R"({"vin":"1","vin":"2"})", R"(key \"vin\" is given twice)"},
        {R"({"year":1967})", R"(the value of \"year\" is not a string)"},
        {R"({"trim":"\ud83d\ude00"})", R"(the value of \"trim\" holds a character beyond Latin-1)"},
        {R"({"year":"69 "})", "Please select the model year (1967, 1968 or 1969)."},
        {std::string(1 << 20, ' ') + "{}", "the line is longer than 1048576 bytes"}};
    for (const auto& [strLine, strError] : cases) {
        EXPECT_EQ(RunInProcess({"--batch"}, strLine + "\n"),
                  (CliRun{1, R"({"line":1,"error":")" + strError + "\"}\n", "vexlor-decode: 1 of 1 lines failed\n"}));
    }
}

// Blank lines are skipped but counted; texts are Latin-1, a raw byte 0x7F included.
TEST(Batch, DecodesLineByLineSkipsBlankOnesAndTakesBytesAsLatin1) {
    const std::string strInput = "\n" + std::string(300000, ' ') + "{}\n \t\r\n[1]\r\n" +
                                 R"({"year":"68","trim":"\u00e97)" "\x7F" R"(\"\\\b"})" "\r\n\n" R"({"year":"70"})";
    EXPECT_EQ(RunInProcess({"--batch", "-"}, strInput),
              (CliRun{1,
                      JsonLine(Tag({{"year", "1967"}})) + R"({"line":4,"error":"the line is not a JSON object"})" "\n" +
                          JsonLine(Tag({{"year", "68"}, {"trim", "\xE9" "7\x7F\"\\\b"}})) +
                          R"({"line":7,"error":"Please select the model year (1967, 1968 or 1969)."})" "\n",
                      "vexlor-decode: 2 of 4 lines failed\n"}));
    EXPECT_EQ(RunInProcess({"--batch", "--json"}, "\n \r\n"), (CliRun{0, "", ""}));
}

// An output whose flush fails, an input whose reading breaks off.
struct FailingFlush : std::stringbuf { int sync() override { return -1; } };
struct FailingRead : std::streambuf { int_type underflow() override { throw std::ios_base::failure("read error"); } };
// An input that takes a quarter of a second to come, so that the progress line is due by its 4096th line.
struct SlowRead : std::stringbuf {
    using std::stringbuf::stringbuf;
    std::streamsize xsgetn(char* p, std::streamsize n) override {
        usleep(250000);
        return std::stringbuf::xsgetn(p, n);
    }
};

// The progress line shows every 4096 tags once it is due, and last the whole count; every line is written.
TEST(Batch, ProgressLineOnATerminalAndStreamsThatFail) {
    std::string strTags;
    for (int n = 0; n < 4097; ++n) strTags += "{}\n";
    SlowRead slowRead(strTags);
    std::istream in(&slowRead);
    std::ostringstream out, err, errs;
    EXPECT_TRUE(RunBatch(in, out, err, true) == 0 && std::ranges::count(out.str(), '\n') == 4097);
    EXPECT_TRUE(err.str().starts_with("\r4096 tags, ") && err.str().find(" tags/s\r4097 tags, ") != std::string::npos &&
                err.str().ends_with(" tags/s\n")) << err.str();
    FailingFlush failingOut;
    FailingRead failingIn;
    std::ostream brokenOut(&failingOut);
    std::istream brokenIn(&failingIn);
    EXPECT_EQ(RunBatch(in, brokenOut, errs, false) + RunBatch(brokenIn, out, errs, false), 2);
    EXPECT_EQ(RunCli(test::Args{"--sample"}, in, brokenOut, errs), 1);
    EXPECT_EQ(errs.str(), "vexlor-decode: the output could not be written\nvexlor-decode: the input could not be read\n"
                          "vexlor-decode: the output could not be written\n");
}

// Lines read as "number:text", "number:TOO LONG" for a line over the limit of 8 bytes.
TEST(Batch, LineReaderGivesLinesWithoutTheirEndsAndSkipsTooLongOnes) {
    const std::pair<std::string, std::string> cases[] = {
        {"\nab", "1: 2:ab "}, {"ab\r\n\r\ncd\r", "1:ab 2: 3:cd "}, {"a\rb\n", "1:a\rb "},
        {"abcdefgh\nx", "1:abcdefgh 2:x "}, {"abcdefghi\nxy\n", "1:TOO LONG 2:xy "}, {{"a\0b", 3}, {"1:a\0b ", 6}},
        {std::string(50, 'a') + "\nxy", "1:TOO LONG 2:xy "}, {"xy\n" + std::string(20, 'a'), "1:xy 2:TOO LONG "}};
    for (const auto& [strInput, strLines] : cases) {
        std::istringstream in(strInput);
        LineReader reader(in, 8);
        std::string strRead;
        std::string_view strLine;
        for (bool bTooLong = false; reader.Next(strLine, bTooLong);) {
            strRead += std::to_string(reader.LineNumber()) + ":" + (bTooLong ? "TOO LONG" : std::string(strLine)) + " ";
        }
        EXPECT_EQ(strRead, strLines) << strInput;
    }
}

}  // namespace
}  // namespace vexlor
