#pragma once
// A saved decode file opened again: the tag form's texts worked out from the
// code echoes of its two records, so that decoding them gives the file's
// records and list again.

#include <optional>
#include <string>

#include "decoder/tag_fields.h"
#include "results/decode_file_reader.h"

namespace vexlor {

// The tag whose decode writes these records, the year text written out in
// full ("1968"). Where the echoes can be read more than one way (a VIN first
// half typed or worked out from the tag, LOS or VN, a fleet code in option
// group 4 or 5, the model year), the reading whose decode gives back the
// records and the list of the file is taken, else the one that gives back
// most of them. nullopt when the records tell no model year (the VIN tail
// does not begin with 7, 8 or 9).
std::optional<TagFields> TagFromRecords(const DecodeFileRecords& records);

// A decode file read from disk, or why it cannot be opened.
struct OpenedTag {
    std::optional<TagFields> fields;
    std::string strReason;  // one line, set when fields is not
};

// Reads the regular file strPath (at most kMaxDecodeFileSize bytes, opened
// without blocking) as a decode file and works out its tag.
OpenedTag OpenDecodeFile(const std::string& strPath);

// "The file NAME could not be opened: REASON."
std::string OpenFailureMessage(const std::string& strName, const std::string& strReason);

}  // namespace vexlor
