// Builds the results list, the two database records, the decode file and the
// --json object from a decode of any texts, and checks their shape: the
// records keep their columns, every line of the file ends with CR LF, the
// default name stays in its directory, and the JSON written on the fast path
// is the one the JSON library writes.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/json_output.h"
#include "decoder/decode.h"
#include "fuzz_check.h"
#include "fuzz_tag_input.h"
#include "results/decode_file.h"
#include "results/result_lines.h"

namespace {

using vexlor::DecodeResult;

constexpr std::string_view kDate = "07-04-2005";
constexpr std::string_view kSaveDir = "/home/owner/camaro tags";
constexpr std::string_view kCrLf = "\r\n";

bool HasLineEnd(std::string_view strText) { return strText.find_first_of("\r\n") != std::string_view::npos; }

// True when every CR is followed by LF and every LF follows a CR.
bool OnlyCrLfLineEnds(std::string_view strText) {
    for (size_t i = 0; i < strText.size(); ++i) {
        if (strText[i] == '\r' && (i + 1 == strText.size() || strText[i + 1] != '\n')) return false;
        if (strText[i] == '\n' && (i == 0 || strText[i - 1] != '\r')) return false;
    }
    return true;
}

size_t CountCrLf(std::string_view strText) {
    size_t nCount = 0;
    for (size_t nPos = strText.find(kCrLf); nPos != std::string_view::npos; nPos = strText.find(kCrLf, nPos + 2)) {
        ++nCount;
    }
    return nCount;
}

void CheckRecords(const DecodeResult& result) {
    const std::string strCsv = vexlor::CsvRecord(result);
    FUZZ_CHECK(std::count(strCsv.begin(), strCsv.end(), ',') == 9);
    FUZZ_CHECK(strCsv.rfind("3.68,", 0) == 0);
    FUZZ_CHECK(!HasLineEnd(strCsv));

    const std::string strTab = vexlor::TabRecord(result, kDate);
    FUZZ_CHECK(std::count(strTab.begin(), strTab.end(), '\t') == 12);
    FUZZ_CHECK(strTab.rfind("\t07-04-2005\t\t\t", 0) == 0);
    FUZZ_CHECK(!HasLineEnd(strTab));
}

void CheckDecodeFile(const DecodeResult& result, const std::vector<std::string>& lines,
                     const std::optional<std::string>& strSide) {
    const std::string strFile = vexlor::DecodeFileContent(result, lines, kDate, kSaveDir, strSide);
    const std::string strTop = vexlor::CsvRecord(result) + "\r\n" + vexlor::TabRecord(result, kDate) + "\r\n";
    FUZZ_CHECK(strFile.rfind(strTop, 0) == 0);
    FUZZ_CHECK(OnlyCrLfLineEnds(strFile));
    FUZZ_CHECK(strFile.size() >= 2 && strFile.compare(strFile.size() - 2, 2, kCrLf) == 0);

    // Seven lines of head, one per list line and two empty lines; the side file follows.
    const std::string strNoSide = vexlor::DecodeFileContent(result, lines, kDate, kSaveDir, std::nullopt);
    FUZZ_CHECK(CountCrLf(strNoSide) == 7 + lines.size() + 2);
    FUZZ_CHECK(strFile.rfind(strNoSide, 0) == 0);
}

void CheckDefaultName(const DecodeResult& result) {
    const std::string strName = vexlor::DefaultFileName(result);
    if (strName.empty()) return;
    FUZZ_CHECK(strName.size() > 4 && strName.compare(strName.size() - 4, 4, ".txt") == 0);
    FUZZ_CHECK(strName.find_first_of(std::string_view("/\\:\0", 4)) == std::string::npos);
    FUZZ_CHECK(strName[0] != '.');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize) {
    std::optional<std::string_view> strRest;
    const vexlor::TagFields fields = vexlor::fuzz::TagFieldsFromBytes(pData, nSize, &strRest);
    const DecodeResult result = vexlor::Decode(fields);

    const std::vector<std::string> lines = vexlor::BuildResultLines(result);
    FUZZ_CHECK(vexlor::BuildResultLines(result) == lines);  // the list can be built again

    CheckRecords(result);
    std::optional<std::string> strSide;
    if (strRest) strSide = std::string(*strRest);
    CheckDecodeFile(result, lines, strSide);
    CheckDefaultName(result);

    std::string strJson;
    vexlor::AppendDecodeJson(strJson, result, lines);
    FUZZ_CHECK(strJson == vexlor::DecodeJson(result, lines).dump());
    return 0;
}
