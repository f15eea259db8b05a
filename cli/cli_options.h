#pragma once
// What the command line asked for, and the parser that reads it.

#include <optional>
#include <span>
#include <string>

#include "decoder/tag_fields.h"

namespace vexlor {

enum class CliAction { Decode, Help, Version, Batch };

struct CliOptions {
    CliAction action = CliAction::Decode;
    TagFields fields;            // the tag to decode: sample or blank, year "1967", then the overrides
    bool bJson = false;
    std::optional<std::string> strSavePath;  // --save PATH
    bool bSaveDefault = false;   // --save-default
    bool bForce = false;         // --force
    bool bOpen = false;          // --open
    std::string strBatchFile;    // --batch FILE; empty or "-" for standard input
    std::optional<std::string> strReadPath;  // --read FILE: the tag comes from this decode file
};

struct ParseOutcome {
    std::optional<CliOptions> options;  // set when the arguments make sense
    std::string strError;                // one line, set otherwise
};

// Reads the arguments after the program name. Both "--opt VALUE" and
// "--opt=VALUE" work; a value that begins with "--" needs the "=" form. An
// option given twice keeps its last value. The year text is not checked here.
ParseOutcome ParseArguments(std::span<const std::string> args);

}  // namespace vexlor
