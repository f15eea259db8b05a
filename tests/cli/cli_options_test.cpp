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

using Args = std::vector<std::string>;

TEST(ParseArgumentsTest, FieldHoldsTheTextAsGiven) {
    const struct { Args args; std::string TagFields::*pMember; std::string strExpected; } cases[] = {
        {{"--vin", "124377N"}, &TagFields::strVinPrefix, "124377N"},
        {{"--vin=124377N"}, &TagFields::strVinPrefix, "124377N"},
        {{"--body="}, &TagFields::strBodyNumber, ""},
        {{"--body", ""}, &TagFields::strBodyNumber, ""},
        {{"--style= 67-12437"}, &TagFields::strStyle, " 67-12437"},
        {{"--trim", "7 41"}, &TagFields::strTrim, "7 41"},
        {{"--code69=-X33"}, &TagFields::strCode69, "-X33"},
        {{"--paint", "-"}, &TagFields::strLowerPaint, "-"},
        {{"--top", "-1"}, &TagFields::strTopPaint, "-1"},
        {{"--code69=--X"}, &TagFields::strCode69, "--X"},
        {{"--code=a=b"}, &TagFields::strCodeField, "a=b"},
        {{"--serial", "1", "--serial", "2"}, &TagFields::strSerial, "2"},  // the last one wins
        {{}, &TagFields::strYear, "1967"},
        {{"--year", "69"}, &TagFields::strYear, "69"},
        {{"--year", "1970"}, &TagFields::strYear, "1970"},  // checked later, not while parsing
        {{"--date", "10b"}, &TagFields::strBuildDate, "10b"},
        {{"--date69", "04L"}, &TagFields::strBuildDate69, "04L"},
        {{"--plant", "VN"}, &TagFields::strPlant, "VN"},
        {{"--seat", "Z"}, &TagFields::strSeat, "Z"},
        {{"--sample"}, &TagFields::strCodeField, "D"},
        {{"--sample"}, &TagFields::strYear, "1967"},
        {{"--sample", "--trim", "760"}, &TagFields::strTrim, "760"},
        {{"--trim", "760", "--sample"}, &TagFields::strTrim, "760"},
        {{"--sample", "--body="}, &TagFields::strBodyNumber, ""},
        {{"--sample", "--year=68"}, &TagFields::strYear, "68"},
    };
    for (const auto& c : cases) {
        const ParseOutcome outcome = ParseArguments(c.args);
        ASSERT_TRUE(outcome.options) << outcome.strError;
        EXPECT_EQ(outcome.options->action, CliAction::Decode);
        EXPECT_EQ(outcome.options->fields.*(c.pMember), c.strExpected) << testing::PrintToString(c.args);
    }
    const ParseOutcome groups =
        ParseArguments(Args{"--group1", "EW", "--group2=GL", "--group3", "L", "--group4=-12", "--group5", "C"});
    ASSERT_TRUE(groups.options);
    EXPECT_EQ(groups.options->fields.strGroups, (std::array<std::string, 5>{"EW", "GL", "L", "-12", "C"}));
}

TEST(ParseArgumentsTest, FlagsAndBatchFile) {
    ParseOutcome outcome = ParseArguments(Args{"--batch", "tags.jsonl", "--json"});
    ASSERT_TRUE(outcome.options);
    EXPECT_EQ(outcome.options->action, CliAction::Batch);
    EXPECT_EQ(outcome.options->strBatchFile, "tags.jsonl");
    outcome = ParseArguments(Args{"--batch"});
    ASSERT_TRUE(outcome.options);
    EXPECT_EQ(outcome.options->strBatchFile, "");
    outcome = ParseArguments(Args{"--sample", "--save-default", "--force", "--open", "--json"});
    ASSERT_TRUE(outcome.options);
    EXPECT_TRUE(outcome.options->bSaveDefault && outcome.options->bForce && outcome.options->bOpen &&
                outcome.options->bJson);
    outcome = ParseArguments(Args{"--save", "out file.txt"});
    ASSERT_TRUE(outcome.options);
    EXPECT_EQ(outcome.options->strSavePath, "out file.txt");
    EXPECT_FALSE(ParseArguments(Args{"--foo", "--help"}).options);
    outcome = ParseArguments(Args{"--vin", "x", "--help", "--version"});
    ASSERT_TRUE(outcome.options);
    EXPECT_EQ(outcome.options->action, CliAction::Help);
}

TEST(UsageErrorTest, ExitsTwoWithOneLine) {
    const std::string strBatch =
        "vexlor-decode: --batch reads every tag from its input and takes no other option but --json\n";
    const std::string strAlone = "vexlor-decode: --force and --open go with --save PATH or --save-default\n";
    const std::string strYear = "Please select the model year (1967, 1968 or 1969).\n";
    const std::pair<Args, std::string> cases[] = {
        {{"--colour", "red"}, "vexlor-decode: unknown option '--colour' (see vexlor-decode --help)\n"},
        {{"--colour=red"}, "vexlor-decode: unknown option '--colour' (see vexlor-decode --help)\n"},
        {{"--VIN", "1"}, "vexlor-decode: unknown option '--VIN' (see vexlor-decode --help)\n"},
        {{"-vin", "1"}, "vexlor-decode: unexpected argument '-vin' (see vexlor-decode --help)\n"},
        {{"124377N"}, "vexlor-decode: unexpected argument '124377N' (see vexlor-decode --help)\n"},
        {{"--"}, "vexlor-decode: unexpected argument '--' (see vexlor-decode --help)\n"},
        {{"--vin"}, "vexlor-decode: option '--vin' needs a value\n"},
        {{"--serial", "--json"}, "vexlor-decode: option '--serial' needs a value\n"},
        {{"--save"}, "vexlor-decode: option '--save' needs a value\n"},
        {{"--save="}, "vexlor-decode: option '--save' needs a file name\n"},
        {{"--json=yes"}, "vexlor-decode: option '--json' takes no value\n"},
        {{"--save", "a.txt", "--save-default"}, "vexlor-decode: give either --save PATH or --save-default, not both\n"},
        {{"--force"}, strAlone},
        {{"--sample", "--open"}, strAlone},
        {{"--batch", "--vin", "1"}, strBatch},
        {{"--sample", "--batch"}, strBatch},
        {{"--year", "1970"}, strYear},
        {{"--year="}, strYear},
        {{"--year", "1967 "}, strYear},
        {{"--year= 67"}, strYear},
        {{"--year", "967"}, strYear},
        {{"--sample", "--year", "70"}, strYear},
    };
    for (const auto& [args, strMessage] : cases) {
        const test::CliRun run = test::RunInProcess(args);
        EXPECT_EQ(run.nStatus, 2) << testing::PrintToString(args);
        EXPECT_EQ(run.strOut, "");
        EXPECT_EQ(run.strErr, strMessage);
    }
}

}  // namespace
}  // namespace vexlor
