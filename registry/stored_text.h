#pragma once
// Text from a decode file as the database keeps it: UTF-8.

#include <string>
#include <string_view>

namespace vexlor {

// Decode files are written in Latin-1; a text that is valid UTF-8 (plain
// ASCII, or a file an owner's editor saved again as UTF-8) stays as it is,
// any other has each byte above 127 turned into its UTF-8 form.
std::string StoredText(std::string_view strFileText);

bool IsValidUtf8(std::string_view strText);

}  // namespace vexlor
