#pragma once
// The tag form's data fields: the control that holds each text of a tag, and
// the order in which Clear All empties them and the sample tag fills them.

#include <array>

#include "decoder/tag_fields.h"
#include "form/control_ids.h"

namespace vexlor {

struct FieldControl {
    TagField field;
    int nControlId;
};

inline constexpr std::array<FieldControl, kTagFieldCount> kFieldControls{{
    {TagField::Year, ctl::Year},
    {TagField::VinPrefix, ctl::VinPrefix},
    {TagField::Serial, ctl::Serial},
    {TagField::BuildDate, ctl::BuildDate},
    {TagField::CodeField, ctl::CodeField},
    {TagField::Style, ctl::Style},
    {TagField::Plant, ctl::Plant},
    {TagField::BodyNumber, ctl::BodyNumber},
    {TagField::Trim, ctl::Trim},
    {TagField::Seat, ctl::Seat},
    {TagField::LowerPaint, ctl::LowerPaint},
    {TagField::TopPaint, ctl::TopPaint},
    {TagField::Group1, ctl::Group1},
    {TagField::Group2, ctl::Group2},
    {TagField::Group3, ctl::Group3},
    {TagField::Group4, ctl::Group4},
    {TagField::Group5, ctl::Group5},
    {TagField::BuildDate69, ctl::BuildDate69},
    {TagField::Code69, ctl::Code69},
}};

// The eighteen data fields (all but the year box) in Clear All and sample order.
inline constexpr std::array<int, 18> kDataFieldOrder{
    ctl::VinPrefix, ctl::Serial, ctl::CodeField, ctl::BuildDate, ctl::Style,  ctl::Plant,
    ctl::BodyNumber, ctl::Trim,  ctl::Seat,      ctl::LowerPaint, ctl::TopPaint, ctl::Group1,
    ctl::Group2,    ctl::Group3, ctl::Group4,    ctl::Group5,    ctl::BuildDate69, ctl::Code69,
};

}  // namespace vexlor
