// stats DB: cars per model year, plant, body style, paint, trim and build
// month with their share; with --by two of them, a cross-table. As aligned
// tables, --json or --csv.
#include <nlohmann/json.hpp>

#include <cmath>
#include <ostream>
#include <string>

#include "registry/csv_field.h"
#include "registry/cross_table.h"
#include "registry/json_text.h"
#include "registry/registry_commands.h"
#include "registry/terminal_text.h"
#include "registry/text_table.h"

namespace vexlor {
namespace {

std::string Label(const std::string& strValue, const std::string& strMeaning) {
    if (strValue.empty()) return std::string(kNoValue);
    return Shown(strMeaning.empty() ? strValue : strValue + " " + strMeaning);
}

double PercentNumber(int64_t nPart, int64_t nWhole) {
    return nWhole == 0 ? 0.0 : std::round(1000.0 * static_cast<double>(nPart) / static_cast<double>(nWhole)) / 10.0;
}

// A code from an owner's file that a spreadsheet would run stays text.
void WriteCsv(std::ostream& out, const std::vector<std::string>& cells) { out << CsvLine(cells, CsvCells::NoFormulas); }

// tallies: one for each of kDimensions, in order.
void WriteTallies(const std::vector<CrossTable>& tallies, int64_t nSubmissions, const RegistryOptions& options,
                  std::ostream& out, bool bTerminal) {
    const int64_t nCars = tallies.front().nCars;
    nlohmann::ordered_json json = {{"cars", nCars}, {"submissions", nSubmissions}};
    nlohmann::ordered_json percents = nlohmann::ordered_json::object(), meanings = nlohmann::ordered_json::object();
    if (options.statsFormat == StatsFormat::Csv) WriteCsv(out, {"dimension", "value", "meaning", "cars", "percent"});
    if (options.statsFormat == StatsFormat::Text) out << nCars << (nCars == 1 ? " car, " : " cars, ") <<
        json["submissions"].get<int64_t>() << (json["submissions"] == 1 ? " submission\n" : " submissions\n");
    for (size_t nDimension = 0; nDimension < kDimensions.size(); ++nDimension) {
        const DimensionInfo& info = kDimensions[nDimension];
        const CrossTable& tally = tallies[nDimension];
        const Grouping& rows = tally.rows;
        const std::string strKey(info.strJsonKey);
        nlohmann::ordered_json& counts = json[strKey] = nlohmann::ordered_json::object();
        nlohmann::ordered_json& percent = percents[strKey] = nlohmann::ordered_json::object();
        nlohmann::ordered_json named = nlohmann::ordered_json::object();
        TextTable table({false, true, true});
        table.AddRow({std::string(info.strTitle), "Cars", "%"});
        for (size_t i = 0; i < rows.values.size(); ++i) {
            const int64_t nCount = tally.rowTotals[i];
            counts[rows.values[i]] = nCount;
            percent[rows.values[i]] = PercentNumber(nCount, nCars);
            if (!rows.meanings[i].empty()) named[rows.values[i]] = rows.meanings[i];
            table.AddRow({Label(rows.values[i], rows.meanings[i]), std::to_string(nCount),
                          Percent(nCount, nCars)});
            if (options.statsFormat == StatsFormat::Csv) {
                WriteCsv(out, {strKey, rows.values[i], rows.meanings[i], std::to_string(nCount), Percent(nCount, nCars)});
            }
        }
        if (!named.empty()) meanings[strKey] = std::move(named);
        if (options.statsFormat == StatsFormat::Text) out << '\n' << table.Text();
    }
    json["percent"] = std::move(percents);
    json["meaning"] = std::move(meanings);
    if (options.statsFormat == StatsFormat::Json) out << JsonText(json, bTerminal) << '\n';
}

void WriteCrossTable(const CrossTable& table, const RegistryOptions& options, std::ostream& out, bool bTerminal) {
    const DimensionInfo& rowInfo = InfoOf(options.byRows);
    const DimensionInfo& columnInfo = InfoOf(options.byColumns);
    const std::vector<std::string>& columns = table.columns.values;
    if (options.statsFormat == StatsFormat::Json) {
        nlohmann::ordered_json json = {{"rows", rowInfo.strJsonKey}, {"columns", columnInfo.strJsonKey},
                                       {"cars", table.nCars}, {"column_values", columns},
                                       {"column_totals", table.columnTotals}};
        nlohmann::ordered_json& rows = json["table"] = nlohmann::ordered_json::array();
        for (size_t i = 0; i < table.rows.values.size(); ++i) {
            rows.push_back({{"value", table.rows.values[i]}, {"meaning", table.rows.meanings[i]},
                            {"counts", table.counts[i]}, {"total", table.rowTotals[i]},
                            {"percent", PercentNumber(table.rowTotals[i], table.nCars)}});
        }
        out << JsonText(json, bTerminal) << '\n';
        return;
    }
    if (options.statsFormat == StatsFormat::Csv) {
        std::vector<std::string> header = {std::string(rowInfo.strJsonKey), "meaning"};
        header.insert(header.end(), columns.begin(), columns.end());
        header.insert(header.end(), {"total", "percent"});
        WriteCsv(out, header);
        for (size_t i = 0; i < table.rows.values.size(); ++i) {
            std::vector<std::string> cells = {table.rows.values[i], table.rows.meanings[i]};
            for (const int64_t nCount : table.counts[i]) cells.push_back(std::to_string(nCount));
            cells.insert(cells.end(), {std::to_string(table.rowTotals[i]), Percent(table.rowTotals[i], table.nCars)});
            WriteCsv(out, cells);
        }
        std::vector<std::string> totals = {"total", ""};
        for (const int64_t nCount : table.columnTotals) totals.push_back(std::to_string(nCount));
        totals.insert(totals.end(), {std::to_string(table.nCars), Percent(table.nCars, table.nCars)});
        WriteCsv(out, totals);
        return;
    }
    std::vector<bool> rightAligned(columns.size() + 3, true);
    rightAligned[0] = false;
    TextTable text(std::move(rightAligned));
    std::vector<std::string> header = {std::string(rowInfo.strTitle) + " \\ " + std::string(columnInfo.strTitle)};
    for (const std::string& strColumn : columns) header.push_back(Label(strColumn, ""));
    header.insert(header.end(), {"Total", "%"});
    text.AddRow(header);
    for (size_t i = 0; i < table.rows.values.size(); ++i) {
        std::vector<std::string> cells = {Label(table.rows.values[i], table.rows.meanings[i])};
        for (const int64_t nCount : table.counts[i]) cells.push_back(std::to_string(nCount));
        cells.insert(cells.end(), {std::to_string(table.rowTotals[i]), Percent(table.rowTotals[i], table.nCars)});
        text.AddRow(cells);
    }
    std::vector<std::string> totals = {"Total"};
    for (const int64_t nCount : table.columnTotals) totals.push_back(std::to_string(nCount));
    totals.insert(totals.end(), {std::to_string(table.nCars), Percent(table.nCars, table.nCars)});
    text.AddRow(totals);
    out << text.Text();
}

}  // namespace

int StatsCommand(Database& db, const RegistryOptions& options, std::ostream& out, bool bTerminal) {
    // Counted as the cars come, none of them held.
    if (options.bCrossTable) {
        CrossTableCounter counter(options.byRows, options.byColumns);
        ForEachCar(db, {}, [&](const CarRow& car) { counter.Add(car); });
        WriteCrossTable(counter.Table(), options, out, bTerminal);
        return 0;
    }
    std::vector<CrossTableCounter> counters;
    for (const DimensionInfo& info : kDimensions) counters.emplace_back(info.dimension, info.dimension);
    int64_t nSubmissions = 0;
    ForEachCar(db, {}, [&](const CarRow& car) {
        nSubmissions += car.nSubmissions;
        for (CrossTableCounter& counter : counters) counter.Add(car);
    });
    std::vector<CrossTable> tallies;
    for (const CrossTableCounter& counter : counters) tallies.push_back(counter.Table());
    WriteTallies(tallies, nSubmissions, options, out, bTerminal);
    return 0;
}

}  // namespace vexlor
