#pragma once
// One field of a CSV line, quoted as RFC 4180 has it.

#include <string>
#include <string_view>

namespace vexlor {

// A spreadsheet runs a cell that begins with =, +, -, @, a tab or a carriage
// return as a formula: NoFormulas writes such a cell with a leading ' so that
// a code from an owner's file stays text; Raw writes every value as it is.
enum class CsvCells { NoFormulas, Raw };

// Then as it is, unless it holds a comma, a double quote or a line break:
// then in double quotes, each double quote doubled.
std::string CsvField(std::string_view strValue, CsvCells cells);

// A line of such fields (strings or views), ended by CR LF.
template <typename Values>
std::string CsvLine(const Values& values, CsvCells cells) {
    std::string strLine;
    const char* pszBefore = "";
    for (const auto& value : values) {
        strLine += pszBefore;
        strLine += CsvField(value, cells);
        pszBefore = ",";
    }
    strLine += "\r\n";
    return strLine;
}

}  // namespace vexlor
