#include "registry/csv_field.h"

namespace vexlor {
namespace {

constexpr std::string_view kFormulaStarts = "=+-@\t\r";

}  // namespace

std::string CsvField(std::string_view strValue, CsvCells cells) {
    const bool bGuard = cells == CsvCells::NoFormulas && !strValue.empty() &&
                        kFormulaStarts.find(strValue.front()) != std::string_view::npos;
    const bool bQuote = strValue.find_first_of(",\"\r\n") != std::string_view::npos;
    std::string strOut;
    strOut.reserve(strValue.size() + 3);
    if (bQuote) strOut.push_back('"');
    if (bGuard) strOut.push_back('\'');
    for (char ch : strValue) {
        if (bQuote && ch == '"') strOut.push_back('"');
        strOut.push_back(ch);
    }
    if (bQuote) strOut.push_back('"');
    return strOut;
}

}  // namespace vexlor
