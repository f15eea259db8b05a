#include "form/year_layouts.h"

#include "form/control_ids.h"

namespace vexlor {
namespace {

// 1967: option groups with their labels, the seat letter after the trim, the
// build date at the top and "BODY BY FISHER" at the bottom.
// 1968: no option groups and no seat letter; the certification in one block.
// 1969: the build date moves to the middle row beside the code field 1008;
// the certification in three lines.
constexpr LayoutRow kRows[] = {
    {ctl::Group1, true, false, false},
    {ctl::Group2, true, false, false},
    {ctl::Group3, true, false, false},
    {ctl::Group4, true, false, false},
    {ctl::Group5, true, false, false},
    {ctl::GroupLabel2, true, false, false},
    {ctl::GroupLabel3, true, false, false},
    {ctl::GroupLabel4, true, false, false},
    {ctl::GroupLabel5, true, false, false},
    {ctl::BottomLegend67, true, false, false},
    {ctl::BuildDate, true, true, false},
    {ctl::CodeField, true, true, false},
    {ctl::Seat, true, false, false},
    {ctl::SeatDash, true, false, false},
    {ctl::Legend69Line1, false, false, true},
    {ctl::Legend69Line2, false, false, true},
    {ctl::Legend69Line3, false, false, true},
    {ctl::BuildDate69, false, false, true},
    {ctl::Code69, false, false, true},
    {ctl::TopLegend, true, true, true},
    {ctl::Legend68, false, true, false},
};

}  // namespace

std::span<const LayoutRow> LayoutRows() { return kRows; }

bool ShownInLayout(const LayoutRow& row, int nYear) {
    switch (nYear) {
        case 7: return row.bShown67;
        case 8: return row.bShown68;
        case 9: return row.bShown69;
        default: return false;
    }
}

std::string_view TopLegendText(int nYear) {
    return nYear == 7 ? "GENERAL MOTORS CORPORATION" : "BODY BY FISHER";
}

}  // namespace vexlor
