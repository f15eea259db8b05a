#include "registry/csv_field.h"

namespace vexlor {

std::string CsvField(std::string_view strValue, CsvCells cells) {
    std::string strCell;
    if (cells == CsvCells::NoFormulas && !strValue.empty() && std::string_view("=+-@\t\r").find(strValue.front()) != std::string_view::npos) {
        strCell = "'";
    }
    strCell += strValue;
    if (strCell.find_first_of(",\"\r\n") == std::string::npos) return strCell;
    std::string strOut = "\"";
    for (char ch : strCell) {
        if (ch == '"') strOut += '"';
        strOut += ch;
    }
    strOut += '"';
    return strOut;
}

}  // namespace vexlor
