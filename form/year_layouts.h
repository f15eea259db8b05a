#pragma once
// The three model-year shapes of the tag: which controls each year's tag
// carries and the legend across its top. Controls not listed here are shown
// in every year.

#include <span>
#include <string_view>

namespace vexlor {

struct LayoutRow {
    int nId;
    bool bShown67;
    bool bShown68;
    bool bShown69;
};

// The controls that change with the year, in the order a layout sets them.
// The row of the top legend stands for writing the year's legend text.
std::span<const LayoutRow> LayoutRows();

// Whether the control of a row is shown in the layout of a year digit (7, 8, 9).
bool ShownInLayout(const LayoutRow& row, int nYear);

// The top legend of a year digit: "GENERAL MOTORS CORPORATION" on 1967 tags,
// "BODY BY FISHER" on 1968 and 1969 tags.
std::string_view TopLegendText(int nYear);

}  // namespace vexlor
