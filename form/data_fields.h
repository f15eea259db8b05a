#pragma once
// The eighteen data fields of the tag form (all but the year box), in the
// order in which Clear All empties them and the sample tag fills them.

#include <array>

#include "form/control_ids.h"

namespace vexlor {

inline constexpr std::array<int, 18> kDataFieldOrder{
    ctl::VinPrefix, ctl::Serial, ctl::CodeField, ctl::BuildDate, ctl::Style,  ctl::Plant,
    ctl::BodyNumber, ctl::Trim,  ctl::Seat,      ctl::LowerPaint, ctl::TopPaint, ctl::Group1,
    ctl::Group2,    ctl::Group3, ctl::Group4,    ctl::Group5,    ctl::BuildDate69, ctl::Code69,
};

}  // namespace vexlor
