#include "registry/registry_options.h"

#include <array>
#include <string_view>

#include "decoder/decode.h"
#include "decoder/text.h"

namespace vexlor {
namespace {

struct CommandInfo {
    std::string_view strName;
    RegistryCommand command;
    size_t nMinArgs;  // after the database
    size_t nMaxArgs;
};

constexpr size_t kAnyNumber = static_cast<size_t>(-1);

constexpr std::array<CommandInfo, 9> kCommands{{
    {"import", RegistryCommand::Import, 1, kAnyNumber},
    {"list", RegistryCommand::List, 0, 0},
    {"search", RegistryCommand::Search, 0, kAnyNumber},
    {"report", RegistryCommand::Report, 0, 0},
    {"show", RegistryCommand::Show, 1, 1},
    {"conflicts", RegistryCommand::Conflicts, 0, 0},
    {"stats", RegistryCommand::Stats, 0, 0},
    {"export", RegistryCommand::Export, 0, 0},
    {"check", RegistryCommand::Check, 0, 0},
}};

const CommandInfo* FindCommand(std::string_view strName) {
    for (const CommandInfo& info : kCommands) {
        if (info.strName == strName) return &info;
    }
    return nullptr;
}

RegistryParse Fail(const std::string& strError) {
    return RegistryParse{std::nullopt, "vexlor-registry: " + strError + " (see vexlor-registry --help)"};
}

// "N", "NOR" and the other names of Norwood give N; "L", "LOS" and "VN" give L.
std::string PlantLetter(std::string_view strPlant) {
    const std::string strUpper = ToUpperAscii(strPlant);
    if (strUpper == "N" || strUpper == "NOR" || strUpper == "NORWOOD") return "N";
    if (strUpper == "L" || strUpper == "LOS" || strUpper == "VN" || strUpper == "LOS ANGELES") return "L";
    return {};
}

std::string LowerAscii(std::string_view strText) {
    std::string strLower(strText);
    for (char& ch : strLower) {
        if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
    }
    return strLower;
}

// --by ROWS,COLUMNS: two different dimensions.
std::string ApplyCrossTable(RegistryOptions& options, std::string_view strValue) {
    const size_t nComma = strValue.find(',');
    const std::optional<Dimension> rows = FindDimension(LowerAscii(strValue.substr(0, nComma)));
    const std::optional<Dimension> columns =
        nComma == std::string_view::npos ? std::nullopt : FindDimension(LowerAscii(strValue.substr(nComma + 1)));
    if (!rows || !columns || *rows == *columns) {
        return "--by takes two of year, plant, style, paint, trim and month, such as paint,year";
    }
    options.bCrossTable = true;
    options.byRows = *rows;
    options.byColumns = *columns;
    return {};
}

bool IsExportFormat(std::string_view strName) { return strName == "csv" || strName == "csv-raw" || strName == "jsonl"; }

// A whole number of seconds, at most a day.
std::optional<int> WaitSeconds(std::string_view strText) {
    if (strText.empty() || strText.size() > 5) return std::nullopt;
    int nSeconds = 0;
    for (char ch : strText) {
        if (ch < '0' || ch > '9') return std::nullopt;
        nSeconds = nSeconds * 10 + (ch - '0');
    }
    if (nSeconds > 86400) return std::nullopt;
    return nSeconds;
}

// Sets a list filter or a flag of the command; the error when it does not fit.
std::string ApplyOption(RegistryOptions& options, std::string_view strName, const std::optional<std::string>& strValue) {
    const bool bList = options.command == RegistryCommand::List;
    if (bList && strName == "year") {
        const int nYear = YearDigit(*strValue);
        if (nYear == 0) return "--year takes 1967, 67, 1968, 68, 1969 or 69";
        options.filter.strYearDigit = std::string(1, static_cast<char>('0' + nYear));
    } else if (bList && strName == "plant") {
        options.filter.strPlantLetter = PlantLetter(*strValue);
        if (options.filter.strPlantLetter.empty()) return "--plant takes NOR, LOS or VN";
    } else if (bList && strName == "style") {
        options.filter.strStyle = ToUpperAscii(*strValue);
    } else if (bList && strName == "paint") {
        options.filter.strPaint = ToUpperAscii(*strValue);
    } else if (options.command == RegistryCommand::Search && strName == "built") {
        options.search.built = ParseBuildRange(*strValue);
        if (!options.search.built) return "--built takes a range of build dates such as 02A..04C";
    } else if ((bList || options.command == RegistryCommand::Search) && strName == "json") {
        options.bJson = true;
    } else if (options.command == RegistryCommand::Stats && (strName == "json" || strName == "csv")) {
        options.statsFormat = strName == "json" ? StatsFormat::Json : StatsFormat::Csv;
    } else if (options.command == RegistryCommand::Stats && strName == "by") {
        return ApplyCrossTable(options, *strValue);
    } else if (options.command == RegistryCommand::Report && strName == "html") {
        options.strHtmlFile = *strValue;
    } else if (options.command == RegistryCommand::Export && IsExportFormat(strName) && !strValue) {
        options.format = strName == "csv" ? ExportFormat::Csv : strName == "csv-raw" ? ExportFormat::CsvRaw
                                                                                     : ExportFormat::JsonLines;
    } else if (options.command == RegistryCommand::Import && strName == "wait") {
        const std::optional<int> nSeconds = WaitSeconds(*strValue);
        if (!nSeconds) return "--wait takes a number of seconds from 0 to 86400";
        options.nWaitSeconds = *nSeconds;
    } else {
        return "option '--" + std::string(strName) + "' does not go with this command";
    }
    return {};
}

bool TakesValue(std::string_view strName) {
    return strName == "year" || strName == "plant" || strName == "style" || strName == "paint" || strName == "by" ||
           strName == "built" || strName == "html" || strName == "wait";
}

bool IsKnownOption(std::string_view strName) {
    return TakesValue(strName) || strName == "json" || IsExportFormat(strName);
}

}  // namespace

RegistryParse ParseRegistryArguments(std::span<const std::string> args) {
    RegistryOptions options;
    for (const std::string& strArg : args) {
        if (strArg == "--") break;
        if (strArg == "--help" || strArg == "--version") {
            options.command = strArg == "--help" ? RegistryCommand::Help : RegistryCommand::Version;
            return RegistryParse{std::move(options), {}};
        }
    }
    std::vector<std::string> plain;
    std::vector<std::pair<std::string, std::optional<std::string>>> given;
    bool bOptionsEnd = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& strArg = args[i];
        if (bOptionsEnd || !strArg.starts_with("--")) {
            plain.push_back(strArg);
            continue;
        }
        if (strArg == "--") {
            bOptionsEnd = true;
            continue;
        }
        const size_t nEquals = strArg.find('=');
        std::string strName = strArg.substr(2, nEquals == std::string::npos ? std::string::npos : nEquals - 2);
        if (!IsKnownOption(strName)) return Fail("unknown option '--" + strName + "'");
        std::optional<std::string> strValue;
        if (nEquals != std::string::npos) {
            strValue = strArg.substr(nEquals + 1);
        } else if (TakesValue(strName)) {
            if (i + 1 >= args.size() || args[i + 1].starts_with("--")) {
                return Fail("option '--" + strName + "' needs a value");
            }
            strValue = args[++i];
        }
        if (TakesValue(strName) != strValue.has_value()) {
            return Fail("option '--" + strName + "' " + (strValue ? "takes no value" : "needs a value"));
        }
        given.emplace_back(std::move(strName), std::move(strValue));
    }

    if (plain.empty()) {
        return Fail("give a command: import, list, search, show, conflicts, stats, report, export or check");
    }
    const CommandInfo* pCommand = FindCommand(plain[0]);
    if (pCommand == nullptr) return Fail("unknown command '" + plain[0] + "'");
    options.command = pCommand->command;
    if (plain.size() < 2) return Fail(plain[0] + " needs the database");
    options.strDatabase = plain[1];
    const size_t nArgs = plain.size() - 2;
    if (nArgs < pCommand->nMinArgs) return Fail(plain[0] + (pCommand->command == RegistryCommand::Show
                                                                ? " needs the key of a car"
                                                                : " needs a file or folder"));
    if (nArgs > pCommand->nMaxArgs) return Fail("unexpected argument '" + plain[2 + pCommand->nMaxArgs] + "'");
    if (options.command == RegistryCommand::Import) options.paths.assign(plain.begin() + 2, plain.end());
    if (options.command == RegistryCommand::Show) options.strKey = plain[2];
    if (options.command == RegistryCommand::Search) {
        options.search.terms.assign(plain.begin() + 2, plain.end());
        for (const std::string& strTerm : options.search.terms) {
            if (!IsSearchTerm(strTerm)) {
                return Fail("search term '" + strTerm + "' names no field (" + std::string(kSearchFields) + ")");
            }
        }
    }

    int nFormats = 0;
    for (const auto& [strName, strValue] : given) {
        const std::string strError = ApplyOption(options, strName, strValue);
        if (!strError.empty()) return Fail(strError);
        if (IsExportFormat(strName) || strName == "json") ++nFormats;
    }
    if (options.command == RegistryCommand::Export && nFormats != 1) {
        return Fail("export needs one of --csv, --csv-raw or --jsonl");
    }
    if (options.command == RegistryCommand::Stats && nFormats > 1) return Fail("stats takes --json or --csv, not both");
    if (options.command == RegistryCommand::Report && options.strHtmlFile.empty()) {
        return Fail("report needs --html FILE");
    }
    if (options.command == RegistryCommand::Search && options.search.terms.empty() && !options.search.built) {
        return Fail("search needs a term or --built");
    }
    return RegistryParse{std::move(options), {}};
}

}  // namespace vexlor
