#pragma once
// SHA-256 of a file's bytes: the registry knows a file it has seen by it.

#include <string>
#include <string_view>

namespace vexlor {

// The digest as 64 lower-case hex digits.
std::string Sha256Hex(std::string_view strBytes);

}  // namespace vexlor
