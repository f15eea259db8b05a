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
    TextTable measured(m_rightAligned);
    for (const std::vector<std::string>& row : m_rows) measured.Measure(row);
    std::string strOut;
    for (const std::vector<std::string>& row : m_rows) {
        strOut += measured.Line(row);
        strOut += '\n';
    }
    return strOut;
}

void TextTable::Measure(const std::vector<std::string>& cells) {
    if (m_widths.size() < cells.size()) m_widths.resize(cells.size(), 0);
    for (size_t i = 0; i < cells.size(); ++i) m_widths[i] = std::max(m_widths[i], Width(cells[i]));
}

std::string TextTable::Line(const std::vector<std::string>& cells) const {
    std::string strLine;
    for (size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) strLine += "  ";
        const bool bRight = i < m_rightAligned.size() && m_rightAligned[i];
        const bool bLast = i + 1 == cells.size();
        const size_t nWidth = i < m_widths.size() ? std::max(m_widths[i], Width(cells[i])) : Width(cells[i]);
        const std::string strPad(bLast && !bRight ? 0 : nWidth - Width(cells[i]), ' ');
        strLine += bRight ? strPad + cells[i] : cells[i] + strPad;
    }
    // An empty last cell leaves its separator behind.
    while (!cells.empty() && cells.back().empty() && !strLine.empty() && strLine.back() == ' ') strLine.pop_back();
    return strLine;
}

}  // namespace vexlor
