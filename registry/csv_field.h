#pragma once
// One field of a CSV line, quoted as RFC 4180 has it.

#include <string>
#include <string_view>

namespace vexlor {

// As it is, unless it holds a comma, a double quote or a line break: then in
// double quotes, each double quote doubled.
std::string CsvField(std::string_view strValue);

}  // namespace vexlor
