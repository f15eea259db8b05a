#pragma once
// Text from a decode file as the database keeps it: UTF-8.

#include <string>
#include <string_view>

namespace vexlor {

// Decode files are written in Latin-1; a file that is valid UTF-8 (plain
// ASCII, or a file an owner's editor saved again as UTF-8) is read as UTF-8.
// Decided once for a whole file, so that all its fields are read alike.
enum class FileEncoding { Utf8, Latin1 };
FileEncoding EncodingOf(std::string_view strFile);

// UTF-8 text as it is; Latin-1 with each byte above 127 turned into its UTF-8 form.
std::string StoredText(std::string_view strFileText, FileEncoding encoding);

bool IsValidUtf8(std::string_view strText);

}  // namespace vexlor
