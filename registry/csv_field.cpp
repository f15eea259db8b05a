#include "registry/csv_field.h"

namespace vexlor {

std::string CsvField(std::string_view strValue) {
    if (strValue.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(strValue);
    std::string strOut = "\"";
    for (char ch : strValue) {
        if (ch == '"') strOut += '"';
        strOut += ch;
    }
    strOut += '"';
    return strOut;
}

}  // namespace vexlor
