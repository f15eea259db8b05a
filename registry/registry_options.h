#pragma once
// What the command line of vexlor-registry asked for, and its parser.

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "registry/registry_queries.h"

namespace vexlor {

enum class RegistryCommand { Help, Version, Import, List, Show, Conflicts, Stats, Export, Check };
enum class ExportFormat { Csv, CsvRaw, JsonLines };

struct RegistryOptions {
    RegistryCommand command = RegistryCommand::Help;
    std::string strDatabase;
    std::vector<std::string> paths;  // import
    std::string strKey;              // show
    CarFilter filter;                // list
    bool bJson = false;              // stats
    ExportFormat format = ExportFormat::Csv;
    int nWaitSeconds = 300;          // import: how long to wait for another import
};

struct RegistryParse {
    std::optional<RegistryOptions> options;  // set when the arguments make sense
    std::string strError;                    // one line, set otherwise
};

// Reads the arguments after the program name: a command, the database and
// the command's arguments and options ("--opt VALUE" or "--opt=VALUE"; after
// "--" every argument is a plain one). --help or --version anywhere wins.
RegistryParse ParseRegistryArguments(std::span<const std::string> args);

}  // namespace vexlor
