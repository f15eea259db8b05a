#include "registry/text_table.h"

#include <algorithm>
#include <string_view>

namespace vexlor {
namespace {

size_t Width(std::string_view strCell) {
    return static_cast<size_t>(std::count_if(strCell.begin(), strCell.end(), [](char ch) {
        return (static_cast<unsigned char>(ch) & 0xC0) != 0x80;  // one per character, not per byte
    }));
}

}  // namespace

std::string TextTable::Text() const {
    std::vector<size_t> widths;
    for (const std::vector<std::string>& row : m_rows) {
        if (widths.size() < row.size()) widths.resize(row.size(), 0);
        for (size_t i = 0; i < row.size(); ++i) widths[i] = std::max(widths[i], Width(row[i]));
    }
    std::string strOut;
    for (const std::vector<std::string>& row : m_rows) {
        std::string strLine;
        for (size_t i = 0; i < row.size(); ++i) {
            if (i > 0) strLine += "  ";
            const bool bRight = i < m_rightAligned.size() && m_rightAligned[i];
            const bool bLast = i + 1 == row.size();
            const std::string strPad(bLast && !bRight ? 0 : widths[i] - Width(row[i]), ' ');
            strLine += bRight ? strPad + row[i] : row[i] + strPad;
        }
        // An empty last cell leaves its separator behind.
        while (!row.empty() && row.back().empty() && !strLine.empty() && strLine.back() == ' ') strLine.pop_back();
        strOut += strLine;
        strOut += '\n';
    }
    return strOut;
}

}  // namespace vexlor
