#pragma once
// The work of one decode, timed alike in the native and the WebAssembly
// build: the decode of a tag, its results list and its JSON object.

#include <chrono>
#include <string>
#include <vector>

#include "decoder/decode.h"
#include "decoder/tag_fields.h"
#include "results/decode_json.h"
#include "results/result_lines.h"

namespace vexlor::bench {

// Nanoseconds per tag over nRounds passes, after one pass to warm up.
inline double NsPerDecode(const std::vector<TagFields>& tags, int nRounds) {
    size_t nBytes = 0;
    const auto decodeAll = [&] {
        for (const TagFields& tag : tags) {
            const DecodeResult result = Decode(tag);
            std::string strJson;
            AppendDecodeJson(strJson, result, BuildResultLines(result));
            nBytes += strJson.size();
        }
    };
    decodeAll();
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < nRounds; ++i) decodeAll();
    const std::chrono::duration<double, std::nano> elapsed = std::chrono::steady_clock::now() - start;
    return nBytes == 0 || tags.empty() ? 0.0 : elapsed.count() / (static_cast<double>(tags.size()) * nRounds);
}

}  // namespace vexlor::bench
