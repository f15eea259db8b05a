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

namespace {

using vexlor::TagFields;

TagFields Norwood1969Tag() {
    TagFields fields;
    fields.strYear = "1969";
    fields.strVinPrefix = "124379N";
    fields.strSerial = "612345";
    fields.strStyle = "69-12437";
    fields.strPlant = "NOR";
    fields.strBodyNumber = "123456";
    fields.strTrim = "711";
    fields.strLowerPaint = "51";
    fields.strTopPaint = "50";
    fields.strBuildDate69 = "09C";
    fields.strCode69 = "X33D80Z10";
    return fields;
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
