#pragma once
// The name of each tag text on the command line (--year, --vin, ...), as a
// key of a batch line ({"year": "1969", ...}) and of the web decode call.

#include <array>
#include <optional>
#include <string_view>

#include "decoder/tag_fields.h"

namespace vexlor {

struct FieldName {
    TagField field;
    std::string_view strName;
};

inline constexpr std::array<FieldName, kTagFieldCount> kFieldNames{{
    {TagField::Year, "year"},
    {TagField::VinPrefix, "vin"},
    {TagField::Serial, "serial"},
    {TagField::BuildDate, "date"},
    {TagField::CodeField, "code"},
    {TagField::Style, "style"},
    {TagField::Plant, "plant"},
    {TagField::BodyNumber, "body"},
    {TagField::Trim, "trim"},
    {TagField::Seat, "seat"},
    {TagField::LowerPaint, "paint"},
    {TagField::TopPaint, "top"},
    {TagField::Group1, "group1"},
    {TagField::Group2, "group2"},
    {TagField::Group3, "group3"},
    {TagField::Group4, "group4"},
    {TagField::Group5, "group5"},
    {TagField::BuildDate69, "date69"},
    {TagField::Code69, "code69"},
}};

// The field of a name; nullopt when no field has it.
constexpr std::optional<TagField> FindFieldByName(std::string_view strName) {
    for (const FieldName& row : kFieldNames) {
        if (row.strName == strName) return row.field;
    }
    return std::nullopt;
}

}  // namespace vexlor
