#pragma once
// What the command line of vexlor-registry asked for, and its parser.

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "registry/car_facts.h"
#include "registry/car_search.h"
#include "registry/registry_queries.h"

namespace vexlor {

enum class RegistryCommand { Help, Version, Import, List, Search, Show, Conflicts, Stats, Report, Export, Check };
enum class ExportFormat { Csv, CsvRaw, JsonLines };
enum class StatsFormat { Text, Json, Csv };

struct RegistryOptions {
    RegistryCommand command = RegistryCommand::Help;
    std::string strDatabase;
    std::vector<std::string> paths;  // import
    std::string strKey;              // show
    CarFilter filter;                // list
    CarSearch search;                // search
    bool bJson = false;              // list, search
    StatsFormat statsFormat = StatsFormat::Text;
    bool bCrossTable = false;        // stats --by ROWS,COLUMNS
    Dimension byRows = Dimension::Year;
    Dimension byColumns = Dimension::Year;
    std::string strHtmlFile;         // report
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
