#pragma once
// The one way tests and benchmarks write a tag: the form's texts by the names
// the command line gives them, such as Tag({{"year", "1969"}, {"plant", "NOR"}}).
// Fields not named stay empty; a name that is no field stops the test run.

#include <cstdlib>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "decoder/field_names.h"
#include "decoder/tag_fields.h"

namespace vexlor::testing_support {

inline TagFields Tag(std::initializer_list<std::pair<std::string_view, std::string>> texts) {
    TagFields fields;
    for (const auto& [strName, strText] : texts) {
        const std::optional<TagField> field = FindFieldByName(strName);
        if (!field) std::abort();
        FieldText(fields, *field) = strText;
    }
    return fields;
}

}  // namespace vexlor::testing_support
