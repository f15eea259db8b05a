// The command line: both value forms, the last of an option given twice,
// values that begin with "-", --sample under the field options, each kind of
// usage error with exit status 2, --help and --version; what it adds to
// saving and to reading a saved file: the current directory, refusals and messages, programs started on
// the saved file, never through a shell.
#include "cli/cli_options.h"
#include "cli/field_names.h"
#include "cli/program_start.h"
#include "cli_test_support.h"
#include "support/tag.h"

namespace vexlor {
namespace {

using test::Args;
using test::CliRun;
using test::ReadFileBytes;
using test::RunInProcess;
using testing_support::Tag;

// A field option takes its text as given, as --opt VALUE or --opt=VALUE, the last one wins; --sample fills the
// fields the options do not name.
TEST(CliOptions, FieldOptionsTakeTheTextAsGivenAndTheLastOneWins) {
    TagFields sample = SampleTagFields();
    sample.strTrim = "760", sample.strYear = "70";
    const std::pair<Args, TagFields> cases[] = {
        {{"--vin", "124377N", "--serial=-1", "--code69=--X", "--code=a=b", "--top", "-", "--group5", " C", "--group5="},
         Tag({{"year", "1967"}, {"vin", "124377N"}, {"serial", "-1"}, {"code69", "--X"}, {"code", "a=b"},
              {"top", "-"}})},
        {{"--trim", "760", "--sample", "--year=70"}, sample}};
    for (const auto& [args, fields] : cases) {
        const TagFields parsed = ParseArguments(args).options.value().fields;
        for (const FieldName& row : kFieldNames) EXPECT_EQ(FieldText(parsed, row.field), FieldText(fields, row.field));
    }
}

// Usage errors exit with status 2 and one line; --help and --version come before any other option but an unknown
// one, --help first.
TEST(CliOptions, UsageErrorsHelpAndVersion) {
    const std::string strBatch = "--batch reads every tag from its input and takes no other option but --json";
    const std::string strAlone = "--force and --open go with --save PATH or --save-default";
    const std::string strYear = "Please select the model year (1967, 1968 or 1969).";
    const std::string strRead = "--read takes the whole tag from the file; give no field option or --sample with it";
    const std::string strHelp = " (see vexlor-decode --help)";
    const std::pair<Args, std::string> cases[] = {
        {{"--red=1"}, "unknown option '--red'" + strHelp}, {{"--x", "--help"}, "unknown option '--x'" + strHelp},
        {{"-vin", "1"}, "unexpected argument '-vin'" + strHelp}, {{"--"}, "unexpected argument '--'" + strHelp},
        {{"--vin"}, "option '--vin' needs a value"}, {{"--serial", "--json"}, "option '--serial' needs a value"},
        {{"--save"}, "option '--save' needs a value"}, {{"--save="}, "option '--save' needs a file name"},
        {{"--save", "a", "--save-default"}, "give either --save PATH or --save-default, not both"},
        {{"--force"}, strAlone}, {{"--sample", "--open"}, strAlone}, {{"--batch", "--vin", "1"}, strBatch},
        {{"--sample", "--batch"}, strBatch}, {{"--batch", "--save=x"}, strBatch}, {{"--force", "--batch"}, strBatch},
        {{"--open", "--batch"}, strBatch}, {{"--year="}, strYear}, {{"--sample", "--year", "70"}, strYear},
        {{"--read", "f", "--sample"}, strRead}, {{"--vin=1", "--read=f"}, strRead}, {{"--read=f", "--batch"}, strBatch},
        {{"--read"}, "option '--read' needs a value"}};
    for (const auto& [args, strMessage] : cases) {
        const std::string strLine = (strMessage == strYear ? "" : "vexlor-decode: ") + strMessage + "\n";
        EXPECT_EQ(RunInProcess(args), (CliRun{2, "", strLine})) << ::testing::PrintToString(args);
    }
    for (const std::string strFlag : {"sample", "json", "help", "version", "save-default", "force", "open"}) {
        EXPECT_EQ(RunInProcess({"--" + strFlag + "=x"}).strErr,
                  "vexlor-decode: option '--" + strFlag + "' takes no value\n");
    }
    EXPECT_EQ(RunInProcess({"--batch", "--version", "--save-default"}), (CliRun{0, "vexlor-decode 3.68\n", ""}));
    EXPECT_TRUE(RunInProcess({"--vin", "x", "--version", "--help"}).strOut.starts_with("Usage: vexlor-decode "));
}

// In an empty current directory: --save-default, refused for an existing file but with --force, and for a decode
// without a default name; --save; --open (only after a save); --batch FILE and the program itself.
TEST(CurrentDirectory, SaveRefusedWithoutForceShownOnlyWithOpenAndBatchFile) {
    const test::fs::path old = test::fs::current_path();
    const test::fs::path dir = test::fs::temp_directory_path() / ("vexlor-cli-" + std::to_string(getpid()));
    test::fs::create_directories(dir);
    test::fs::current_path(dir);
    const std::string strDir = dir.string(), strSample = RunInProcess({"--sample"}).strOut;
    std::vector<test::Args> starts;
    EXPECT_EQ(RunInProcess({"--sample", "--save-default"}, {}, &starts),
              (CliRun{0, strSample, "Saved " + strDir + "/7B_N065727.txt\n"}));
    const std::string strSaved = ReadFileBytes("7B_N065727.txt");
    EXPECT_NE(strSaved.find("\r\nThis file was originaly saved in directory: \r\n"), std::string::npos);
    std::ofstream("7B_N065727.txt") << "old";
    EXPECT_EQ(RunInProcess({"--sample", "--save-default", "--open"}, {}, &starts),
              (CliRun{1, strSample, "vexlor-decode: 7B_N065727.txt exists already; give --force to replace it, or "
                                    "--save PATH\n"}));
    EXPECT_EQ(ReadFileBytes("7B_N065727.txt"), "old");
    EXPECT_EQ(RunInProcess({"--sample", "--save-default", "--force"}).nStatus, 0);
    EXPECT_EQ(ReadFileBytes("7B_N065727.txt"), strSaved);
    // --read decodes a saved file as the tag it was saved from; a file it cannot open is named, with the reason.
    EXPECT_EQ(RunInProcess({"--read", "7B_N065727.txt", "--json"}), RunInProcess({"--sample", "--json"}));
    EXPECT_EQ(RunInProcess({"--read=none.txt", "--save-default"}),
              (CliRun{1, "", "vexlor-decode: The file none.txt could not be opened: No such file or directory.\n"}));
    EXPECT_EQ(RunInProcess({"--save-default", "--force"}).strErr,
              "vexlor-decode: this decode gives no default file name (it needs a VIN serial or a body number); give "
              "--save PATH\n");
    // --save: a path from here, written as after a Save As, so the file names its directory; a failed write is
    // reported on one line.
    test::fs::create_directory("sub");
    EXPECT_EQ(RunInProcess({"--sample", "--save", "sub/../sub/my tag.txt", "--open"}, {}, &starts).strErr,
              "Saved " + strDir + "/sub/my tag.txt\n");
    EXPECT_NE(ReadFileBytes("sub/my tag.txt").find("directory: " + strDir + "/sub\r\n"), std::string::npos);
    const CliRun failed = RunInProcess({"--sample", "--save", "none/out.txt", "--open"}, {}, &starts);
    EXPECT_TRUE(failed.nStatus == 1 && failed.strErr.starts_with("vexlor-decode: The file " + strDir + "/none/out.txt"
                                                                 " could not be saved: "));
    // --open: the companion program of the directory in its directory, else the viewer.
    std::ofstream("VURUverizi").close();
    test::fs::permissions("VURUverizi", test::fs::perms::owner_all);
    EXPECT_EQ(RunInProcess({"--sample", "--save", "out.txt", "--open"}, {}, &starts).nStatus, 0);
    EXPECT_EQ(RunInProcess({"--sample", "--save", "out.txt", "--open"}, {}, nullptr, false).strErr,
              "vexlor-decode: could not start " + strDir + "/VURUverizi\nSaved " + strDir + "/out.txt\n");
    EXPECT_EQ(starts, (std::vector<test::Args>{{"xdg-open", strDir + "/sub/my tag.txt", ""},
                                               {strDir + "/VURUverizi", "/out.txt", strDir}}));
    // --batch FILE reads as standard input does; the program shows no progress line on a file.
    const std::string strTags = "{\"plant\":\"VN\"}\n{\"x\":\"1\"}\n";
    std::ofstream("tags.jsonl") << strTags;
    EXPECT_EQ(RunInProcess({"--batch", "tags.jsonl"}), RunInProcess({"--batch"}, strTags));
    EXPECT_EQ(test::RunBinary({"--batch"}, dir, "tags.jsonl"), RunInProcess({"--batch"}, strTags));
    EXPECT_EQ(RunInProcess({"--batch=none.jsonl"}).strErr, "vexlor-decode: cannot open none.jsonl\n");
    // Programs start with an argument list, never through a shell, in the directory given, without waiting.
    EXPECT_TRUE(StartDetachedProgram("touch", {"started"}, strDir + "/sub"));
    for (int n = 0; n < 500 && !test::fs::exists("sub/started"); ++n) usleep(10000);
    EXPECT_TRUE(test::fs::exists("sub/started"));
    EXPECT_FALSE(StartDetachedProgram(strDir + "/no such program", {}));
    test::fs::current_path(old);
    test::fs::remove_all(dir);
}

}  // namespace
}  // namespace vexlor
