#pragma once
// The decode as one JSON object (--json and every line of --batch). The
// decoder's texts are single bytes; bytes above 127 are read as Latin-1 and
// written as UTF-8.

#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "decoder/decode_result.h"

namespace vexlor {

// Latin-1 bytes as UTF-8 text.
std::string Latin1ToUtf8(std::string_view strText);

// The object with the keys year, vin_given, body_number ... option_codes and
// lines, in that order.
nlohmann::ordered_json DecodeJson(const DecodeResult& result, const std::vector<std::string>& lines);

// The same object written compactly, exactly as DecodeJson(...).dump() writes
// it, appended to strOut without building a JSON tree (the batch's hot path).
void AppendDecodeJson(std::string& strOut, const DecodeResult& result, const std::vector<std::string>& lines);

// One batch line that failed: {"line":N,"error":"..."}; strError is UTF-8.
std::string BatchErrorJson(long long nLine, std::string_view strError);

}  // namespace vexlor
