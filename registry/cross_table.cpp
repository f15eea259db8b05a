#include "registry/cross_table.h"

#include <cstdio>

namespace vexlor {

std::string CrossTableCounter::GroupingBuilder::Add(const TagCodes& codes) {
    std::string strValue = ValueOf(dimension, codes);
    std::set<std::string>& known = meanings[strValue];
    if (std::string strMeaning = MeaningOf(dimension, codes); !strMeaning.empty()) known.insert(std::move(strMeaning));
    return strValue;
}

Grouping CrossTableCounter::GroupingBuilder::Build(std::map<std::string, size_t>& positions) const {
    Grouping grouping{dimension, {}, {}};
    auto add = [&](const std::string& strValue, const std::set<std::string>& names) {
        positions[strValue] = grouping.values.size();
        grouping.values.push_back(strValue);
        std::string strJoined;
        for (const std::string& strName : names) strJoined += (strJoined.empty() ? "" : " / ") + strName;
        grouping.meanings.push_back(std::move(strJoined));
    };
    for (const auto& [strValue, names] : meanings) {
        if (!strValue.empty()) add(strValue, names);
    }
    if (const auto blank = meanings.find(""); blank != meanings.end()) add("", blank->second);
    return grouping;
}

CrossTableCounter::CrossTableCounter(Dimension rows, Dimension columns) : m_rows{rows, {}}, m_columns{columns, {}} {}

void CrossTableCounter::Add(const CarRow& car) {
    const bool bTally = m_rows.dimension == m_columns.dimension;  // one value a car, counted once
    std::string strRow = m_rows.Add(car.codes);
    std::string strColumn = bTally ? strRow : m_columns.Add(car.codes);
    ++m_cells[{std::move(strRow), std::move(strColumn)}];
}

CrossTable CrossTableCounter::Table() const {
    const bool bTally = m_rows.dimension == m_columns.dimension;
    CrossTable table;
    std::map<std::string, size_t> rowAt, columnAt;
    table.rows = m_rows.Build(rowAt);
    table.columns = bTally ? m_rows.Build(columnAt) : m_columns.Build(columnAt);
    table.counts.assign(table.rows.values.size(), std::vector<int64_t>(table.columns.values.size(), 0));
    table.rowTotals.assign(table.rows.values.size(), 0);
    table.columnTotals.assign(table.columns.values.size(), 0);
    for (const auto& [key, nCount] : m_cells) {
        const size_t nRow = rowAt[key.first], nColumn = columnAt[key.second];
        table.counts[nRow][nColumn] += nCount;
        table.rowTotals[nRow] += nCount;
        table.columnTotals[nColumn] += nCount;
        table.nCars += nCount;
    }
    return table;
}

std::string Percent(int64_t nPart, int64_t nWhole) {
    char szText[32] = {};
    const double dPercent = nWhole == 0 ? 0.0 : 100.0 * static_cast<double>(nPart) / static_cast<double>(nWhole);
    std::snprintf(szText, sizeof szText, "%.1f", dPercent);
    return szText;
}

}  // namespace vexlor
