#pragma once
// The decode as one compact JSON object, the form vexlor-decode --json prints
// and the web core hands out. The decoder's texts are single bytes; bytes
// above 127 are read as Latin-1 and written as UTF-8.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "decoder/decode_result.h"

namespace vexlor {

struct JsonTextKey {
    std::string_view strKey;
    std::string DecodeResult::*pMember;
    std::string_view strPrefix;  // ,"key": as the compact object writes it before the value
};

// The text members in the order the object lists them, after year and vin_given.
std::span<const JsonTextKey> JsonTextKeys();

// Latin-1 bytes as UTF-8 text; the same appended to strOut, each run of
// ASCII at once.
std::string Latin1ToUtf8(std::string_view strText);
void AppendLatin1AsUtf8(std::string& strOut, std::string_view strText);

// The object with the keys year, vin_given, body_number ... option_codes and
// lines, in that order, written compactly without building a JSON tree (the
// batch's hot path), appended to strOut.
void AppendDecodeJson(std::string& strOut, const DecodeResult& result, const std::vector<std::string>& lines);

}  // namespace vexlor
