#pragma once
// The decode as a JSON tree (--json) and the batch's error lines. The compact
// writer of the same object is results/decode_json.h.

#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "decoder/decode_result.h"
#include "results/decode_json.h"

namespace vexlor {

// The object with the keys year, vin_given, body_number ... option_codes and
// lines, in that order; dump() gives the same bytes as AppendDecodeJson.
nlohmann::ordered_json DecodeJson(const DecodeResult& result, const std::vector<std::string>& lines);

// One batch line that failed: {"line":N,"error":"..."}; strError is UTF-8.
std::string BatchErrorJson(long long nLine, std::string_view strError);

}  // namespace vexlor
