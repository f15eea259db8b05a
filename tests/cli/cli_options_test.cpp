// Reading the command line: both value forms, empty and awkward values, and
// every usage error with its one-line message and exit status 2.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "cli_test_support.h"

namespace vexlor {
namespace {

struct ValueCase {
    const char* pszName;
    std::vector<std::string> args;
    std::string TagFields::*pMember;
    std::string strExpected;
};

class ParsedValueTest : public testing::TestWithParam<ValueCase> {};

TEST_P(ParsedValueTest, FieldHoldsTheText) {
    const ValueCase& c = GetParam();
    const ParseOutcome outcome = ParseArguments(c.args);
    ASSERT_TRUE(outcome.options) << outcome.strError;
    EXPECT_EQ(outcome.options->action, CliAction::Decode);
    EXPECT_EQ(outcome.options->fields.*(c.pMember), c.strExpected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ParsedValueTest,
    testing::Values(
        ValueCase{"SeparateValue", {"--vin", "124377N"}, &TagFields::strVinPrefix, "124377N"},
        ValueCase{"EqualsValue", {"--vin=124377N"}, &TagFields::strVinPrefix, "124377N"},
        ValueCase{"EmptyAfterEquals", {"--body="}, &TagFields::strBodyNumber, ""},
        ValueCase{"EmptySeparate", {"--body", ""}, &TagFields::strBodyNumber, ""},
        ValueCase{"LeadingBlank", {"--style= 67-12437"}, &TagFields::strStyle, " 67-12437"},
        ValueCase{"BlankInside", {"--trim", "7 41"}, &TagFields::strTrim, "7 41"},
        ValueCase{"DashAfterEquals", {"--code69=-X33"}, &TagFields::strCode69, "-X33"},
        ValueCase{"LoneDashSeparate", {"--paint", "-"}, &TagFields::strLowerPaint, "-"},
        ValueCase{"DashSeparate", {"--top", "-1"}, &TagFields::strTopPaint, "-1"},
        ValueCase{"DoubleDashAfterEquals", {"--code69=--X"}, &TagFields::strCode69, "--X"},
        ValueCase{"EqualsInsideValue", {"--code=a=b"}, &TagFields::strCodeField, "a=b"},
        ValueCase{"LastOneWins", {"--serial", "1", "--serial", "2"}, &TagFields::strSerial, "2"},
        ValueCase{"YearDefault", {}, &TagFields::strYear, "1967"},
        ValueCase{"YearGiven", {"--year", "69"}, &TagFields::strYear, "69"},
        ValueCase{"YearNotChecked", {"--year", "1970"}, &TagFields::strYear, "1970"},
        ValueCase{"Date", {"--date", "10b"}, &TagFields::strBuildDate, "10b"},
        ValueCase{"Date69", {"--date69", "04L"}, &TagFields::strBuildDate69, "04L"},
        ValueCase{"Plant", {"--plant", "VN"}, &TagFields::strPlant, "VN"},
        ValueCase{"Seat", {"--seat", "Z"}, &TagFields::strSeat, "Z"},
        ValueCase{"SampleValue", {"--sample"}, &TagFields::strCodeField, "D"},
        ValueCase{"SampleYear", {"--sample"}, &TagFields::strYear, "1967"},
        ValueCase{"SampleOverridden", {"--sample", "--trim", "760"}, &TagFields::strTrim, "760"},
        ValueCase{"OverrideBeforeSample", {"--trim", "760", "--sample"}, &TagFields::strTrim, "760"},
        ValueCase{"SampleEmptied", {"--sample", "--body="}, &TagFields::strBodyNumber, ""},
        ValueCase{"SampleYearOverridden", {"--sample", "--year=68"}, &TagFields::strYear, "68"}),
    [](const testing::TestParamInfo<ValueCase>& info) { return std::string(info.param.pszName); });

TEST(ParseArgumentsTest, OptionGroupsReachTheirFields) {
    const ParseOutcome outcome = ParseArguments(std::vector<std::string>{
        "--group1", "EW", "--group2=GL", "--group3", "L", "--group4=-12", "--group5", "C"});
    ASSERT_TRUE(outcome.options);
    const std::array<std::string, 5> expected = {"EW", "GL", "L", "-12", "C"};
    EXPECT_EQ(outcome.options->fields.strGroups, expected);
}

TEST(ParseArgumentsTest, FlagsAndBatchFile) {
    ParseOutcome outcome = ParseArguments(std::vector<std::string>{"--batch", "tags.jsonl", "--json"});
    ASSERT_TRUE(outcome.options);
    EXPECT_EQ(outcome.options->action, CliAction::Batch);
    EXPECT_EQ(outcome.options->strBatchFile, "tags.jsonl");

    outcome = ParseArguments(std::vector<std::string>{"--batch"});
    ASSERT_TRUE(outcome.options);
    EXPECT_EQ(outcome.options->strBatchFile, "");

    outcome = ParseArguments(std::vector<std::string>{"--sample", "--save-default", "--force", "--open", "--json"});
    ASSERT_TRUE(outcome.options);
    EXPECT_TRUE(outcome.options->bSaveDefault);
    EXPECT_TRUE(outcome.options->bForce);
    EXPECT_TRUE(outcome.options->bOpen);
    EXPECT_TRUE(outcome.options->bJson);

    outcome = ParseArguments(std::vector<std::string>{"--save", "out file.txt"});
    ASSERT_TRUE(outcome.options);
    EXPECT_EQ(outcome.options->strSavePath, "out file.txt");

    outcome = ParseArguments(std::vector<std::string>{"--foo", "--help"});
    EXPECT_FALSE(outcome.options);
    outcome = ParseArguments(std::vector<std::string>{"--vin", "x", "--help", "--version"});
    ASSERT_TRUE(outcome.options);
    EXPECT_EQ(outcome.options->action, CliAction::Help);
}

struct UsageErrorCase {
    const char* pszName;
    std::vector<std::string> args;
    std::string strMessage;
};

class UsageErrorTest : public testing::TestWithParam<UsageErrorCase> {};

TEST_P(UsageErrorTest, ExitsTwoWithOneLine) {
    const UsageErrorCase& c = GetParam();
    const test::CliRun run = test::RunInProcess(c.args);
    EXPECT_EQ(run.nStatus, 2);
    EXPECT_EQ(run.strOut, "");
    EXPECT_EQ(run.strErr, c.strMessage);
}

const char* const kYearLine = "Please select the model year (1967, 1968 or 1969).\n";

INSTANTIATE_TEST_SUITE_P(
    Errors, UsageErrorTest,
    testing::Values(
        UsageErrorCase{"UnknownOption", {"--colour", "red"},
                       "vexlor-decode: unknown option '--colour' (see vexlor-decode --help)\n"},
        UsageErrorCase{"UnknownWithEquals", {"--colour=red"},
                       "vexlor-decode: unknown option '--colour' (see vexlor-decode --help)\n"},
        UsageErrorCase{"CaseMatters", {"--VIN", "1"},
                       "vexlor-decode: unknown option '--VIN' (see vexlor-decode --help)\n"},
        UsageErrorCase{"SingleDash", {"-vin", "1"},
                       "vexlor-decode: unexpected argument '-vin' (see vexlor-decode --help)\n"},
        UsageErrorCase{"Positional", {"124377N"},
                       "vexlor-decode: unexpected argument '124377N' (see vexlor-decode --help)\n"},
        UsageErrorCase{"DoubleDashAlone", {"--"},
                       "vexlor-decode: unexpected argument '--' (see vexlor-decode --help)\n"},
        UsageErrorCase{"MissingValueAtEnd", {"--vin"}, "vexlor-decode: option '--vin' needs a value\n"},
        UsageErrorCase{"MissingValueBeforeOption", {"--serial", "--json"},
                       "vexlor-decode: option '--serial' needs a value\n"},
        UsageErrorCase{"SaveWithoutPath", {"--save"}, "vexlor-decode: option '--save' needs a value\n"},
        UsageErrorCase{"SaveEmptyPath", {"--save="}, "vexlor-decode: option '--save' needs a file name\n"},
        UsageErrorCase{"FlagWithValue", {"--json=yes"}, "vexlor-decode: option '--json' takes no value\n"},
        UsageErrorCase{"BothSaves", {"--save", "a.txt", "--save-default"},
                       "vexlor-decode: give either --save PATH or --save-default, not both\n"},
        UsageErrorCase{"ForceAlone", {"--force"},
                       "vexlor-decode: --force and --open go with --save PATH or --save-default\n"},
        UsageErrorCase{"OpenAlone", {"--sample", "--open"},
                       "vexlor-decode: --force and --open go with --save PATH or --save-default\n"},
        UsageErrorCase{"BatchWithField", {"--batch", "--vin", "1"},
                       "vexlor-decode: --batch reads every tag from its input and takes no other option but "
                       "--json\n"},
        UsageErrorCase{"BatchWithSample", {"--sample", "--batch"},
                       "vexlor-decode: --batch reads every tag from its input and takes no other option but "
                       "--json\n"},
        UsageErrorCase{"YearUnknown", {"--year", "1970"}, kYearLine},
        UsageErrorCase{"YearEmpty", {"--year="}, kYearLine},
        UsageErrorCase{"YearTrailingBlank", {"--year", "1967 "}, kYearLine},
        UsageErrorCase{"YearLeadingBlank", {"--year= 67"}, kYearLine},
        UsageErrorCase{"YearThreeDigits", {"--year", "967"}, kYearLine},
        UsageErrorCase{"YearWithSample", {"--sample", "--year", "70"}, kYearLine}),
    [](const testing::TestParamInfo<UsageErrorCase>& info) { return std::string(info.param.pszName); });

}  // namespace
}  // namespace vexlor
