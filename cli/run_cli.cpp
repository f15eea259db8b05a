#include "cli/run_cli.h"

#include <fstream>
#include <istream>
#include <ostream>
#include <utility>

#include "cli/batch.h"
#include "cli/cli_options.h"
#include "cli/help_text.h"
#include "cli/json_output.h"
#include "cli/save_command.h"
#include "decoder/decode.h"
#include "results/decode_file.h"
#include "results/result_lines.h"
#include "results/tag_from_records.h"

namespace vexlor {

namespace {

int Batch(const CliOptions& options, std::istream& in, std::ostream& out, std::ostream& err,
          const CliEnvironment& environment) {
    if (options.strBatchFile.empty() || options.strBatchFile == "-") {
        return RunBatch(in, out, err, environment.bErrIsTerminal);
    }
    std::ifstream file(options.strBatchFile, std::ios::binary);
    if (!file) {
        err << "vexlor-decode: cannot open " << options.strBatchFile << '\n';
        return 1;
    }
    return RunBatch(file, out, err, environment.bErrIsTerminal);
}

int DecodeOne(const CliOptions& options, std::ostream& out, std::ostream& err,
              const CliEnvironment& environment) {
    TagFields fields = options.fields;
    if (options.strReadPath) {
        OpenedTag opened = OpenDecodeFile(*options.strReadPath);
        if (!opened.fields) {
            err << "vexlor-decode: " << OpenFailureMessage(*options.strReadPath, opened.strReason) << '\n';
            return 1;
        }
        fields = std::move(*opened.fields);
    }
    if (YearDigit(fields.strYear) == 0) {
        err << kYearMessage << '\n';
        return 2;
    }
    const DecodeResult result = Decode(fields);
    const std::vector<std::string> lines = BuildResultLines(result);
    if (options.bJson) {
        out << DecodeJson(result, lines).dump() << '\n';
    } else {
        // One list line per output line, as the decode file writes them.
        for (const std::string& strLine : lines) out << SingleLine(strLine) << '\n';
    }
    out.flush();
    if (!out) {
        err << "vexlor-decode: the output could not be written\n";
        return 1;
    }
    return SaveFromCommandLine(options, result, lines, err, environment.starter);
}

}  // namespace

int RunCli(std::span<const std::string> args, std::istream& in, std::ostream& out, std::ostream& err,
           const CliEnvironment& environment) {
    const ParseOutcome parsed = ParseArguments(args);
    if (!parsed.options) {
        err << parsed.strError << '\n';
        return 2;
    }
    const CliOptions& options = *parsed.options;
    switch (options.action) {
        case CliAction::Help:
            out << kHelpText << std::flush;
            return out ? 0 : 1;
        case CliAction::Version:
            out << "vexlor-decode " << kVersion << '\n' << std::flush;
            return out ? 0 : 1;
        case CliAction::Batch:
            return Batch(options, in, out, err, environment);
        case CliAction::Decode:
            break;
    }
    return DecodeOne(options, out, err, environment);
}

}  // namespace vexlor
