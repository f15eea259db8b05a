#pragma once
// The sample 1967 tag of Help Decoding as form values: one text per data
// field, in the order the form receives them.

#include <string>
#include <utility>
#include <vector>

namespace vexlor {

// (control id, text) for the eighteen data fields; empty texts included.
std::vector<std::pair<int, std::string>> SampleTagValues();

}  // namespace vexlor
