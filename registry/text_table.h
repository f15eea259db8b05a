#pragma once
// Rows of cells written as aligned columns, two blanks apart.

#include <string>
#include <utility>
#include <vector>

namespace vexlor {

class TextTable {
public:
    // Columns marked true are aligned to the right (counts).
    explicit TextTable(std::vector<bool> rightAligned = {}) : m_rightAligned(std::move(rightAligned)) {}

    void AddRow(std::vector<std::string> cells) { m_rows.push_back(std::move(cells)); }

    // One line per row; widths count UTF-8 characters, and the last cell of a
    // row is not padded.
    std::string Text() const;

    // The same lines without holding the rows: every row measured first,
    // then each one's line (without its line end).
    void Measure(const std::vector<std::string>& cells);
    std::string Line(const std::vector<std::string>& cells) const;

private:
    std::vector<bool> m_rightAligned;
    std::vector<std::vector<std::string>> m_rows;
    std::vector<size_t> m_widths;  // of the rows measured
};

}  // namespace vexlor
