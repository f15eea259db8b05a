// The WebAssembly side of bench/web_core_timing.sh, a module of its own
// (vexlor-core-timing): nsPerDecode(tags, rounds) times the decodes of an
// array of tag objects, their texts taken in before the clock starts.
#include <emscripten/bind.h>

#include "decode_timing.h"
#include "decode_view.h"

namespace {

double NsPerDecode(const emscripten::val& tags, int nRounds) {
    std::vector<vexlor::TagFields> fields;
    const int nCount = tags["length"].as<int>();
    for (int i = 0; i < nCount; ++i) fields.push_back(vexlor::web::FieldsFromJs(tags[i]));
    return vexlor::bench::NsPerDecode(fields, nRounds);
}

}  // namespace

EMSCRIPTEN_BINDINGS(vexlor_core_timing) { emscripten::function("nsPerDecode", &NsPerDecode); }
