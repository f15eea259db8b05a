// One decode, the results list and the decode file's content, for the sample
// 1967 tag and a 1969 Norwood tag with three special codes.
#include <benchmark/benchmark.h>

#include <optional>
#include <string>
#include <vector>

#include "decoder/decode.h"
#include "decoder/tag_fields.h"
#include "results/decode_file.h"
#include "results/result_lines.h"
#include "support/tag.h"

namespace {

using vexlor::TagFields;

TagFields Norwood1969Tag() {
    return vexlor::testing_support::Tag({{"year", "1969"}, {"vin", "124379N"}, {"serial", "612345"},
                                         {"style", "69-12437"}, {"plant", "NOR"}, {"body", "123456"},
                                         {"trim", "711"}, {"paint", "51"}, {"top", "50"}, {"date69", "09C"},
                                         {"code69", "X33D80Z10"}});
}

void BM_DecodeSampleTag(benchmark::State& state) {
    const TagFields fields = vexlor::SampleTagFields();
    for (auto _ : state) benchmark::DoNotOptimize(vexlor::Decode(fields));
}
BENCHMARK(BM_DecodeSampleTag);

void BM_DecodeNorwood1969SpecialCodes(benchmark::State& state) {
    const TagFields fields = Norwood1969Tag();
    for (auto _ : state) benchmark::DoNotOptimize(vexlor::Decode(fields));
}
BENCHMARK(BM_DecodeNorwood1969SpecialCodes);

void BM_BuildResultLines(benchmark::State& state) {
    const vexlor::DecodeResult result = vexlor::Decode(vexlor::SampleTagFields());
    for (auto _ : state) benchmark::DoNotOptimize(vexlor::BuildResultLines(result));
}
BENCHMARK(BM_BuildResultLines);

void BM_DecodeFileContent(benchmark::State& state) {
    const vexlor::DecodeResult result = vexlor::Decode(vexlor::SampleTagFields());
    const std::vector<std::string> lines = vexlor::BuildResultLines(result);
    const std::optional<std::string> strSideFile = std::string("Owner: J. Smith\r\nCity: Dayton\r\n");
    for (auto _ : state) {
        benchmark::DoNotOptimize(vexlor::DecodeFileContent(result, lines, "07-04-2005", "", strSideFile));
    }
}
BENCHMARK(BM_DecodeFileContent);

}  // namespace
