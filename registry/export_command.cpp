// export DB --csv|--csv-raw|--jsonl: every submission, one row or object
// each, with the same names as the submission table's columns. The values go
// out exactly as stored: these are data for other programs.
#include <nlohmann/json.hpp>

#include <array>
#include <ostream>
#include <string>
#include <string_view>

#include "registry/csv_field.h"
#include "registry/json_text.h"
#include "registry/registry_commands.h"
#include "registry/registry_queries.h"

namespace vexlor {
namespace {

constexpr std::array<std::string_view, 7> kLeadingColumns = {
    "car_key", "key_kind", "sha256", "file_name", "imported_at", "version", "saved_date",
};
constexpr std::string_view kTextColumn = "decode_text";

// The values of one submission, in the order of the columns.
std::vector<std::string_view> Values(const SubmissionRow& row) {
    std::vector<std::string_view> values = {row.strCarKey,     row.strKeyKind, row.strSha256,  row.strFileName,
                                            row.strImportedAt, row.strVersion, row.strSavedDate};
    for (const std::string& strCode : row.codes) values.push_back(strCode);
    values.push_back(row.strDecodeText);
    return values;
}

std::vector<std::string_view> ColumnNames() {
    std::vector<std::string_view> names(kLeadingColumns.begin(), kLeadingColumns.end());
    for (const CodeFieldInfo& info : kCodeFields) names.push_back(info.strColumn);
    names.push_back(kTextColumn);
    return names;
}

}  // namespace

int ExportCommand(Database& db, const RegistryOptions& options, std::ostream& out, bool bTerminal) {
    const std::vector<std::string_view> names = ColumnNames();
    if (options.format != ExportFormat::JsonLines) {
        const CsvCells cells = options.format == ExportFormat::CsvRaw ? CsvCells::Raw : CsvCells::NoFormulas;
        out << CsvLine(names, cells);
        ForEachSubmission(db, [&](const SubmissionRow& row) { out << CsvLine(Values(row), cells); });
        return 0;
    }
    ForEachSubmission(db, [&](const SubmissionRow& row) {
        const std::vector<std::string_view> values = Values(row);
        nlohmann::ordered_json json;
        for (size_t i = 0; i < names.size(); ++i) json[std::string(names[i])] = std::string(values[i]);
        out << JsonText(json, bTerminal) << '\n';
    });
    return 0;
}

}  // namespace vexlor
