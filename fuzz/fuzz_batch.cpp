// Runs the batch over any bytes and checks its output: one JSON object per
// non-blank input line, in order, each either a decode or an error naming the
// input line; exit status 1 exactly when a line failed. For a line that the
// JSON library reads as an object in plain ASCII the outcome is predicted too.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/batch.h"
#include "decoder/field_names.h"
#include "cli/json_output.h"
#include "decoder/decode.h"
#include "decoder/tag_fields.h"
#include "fuzz_check.h"
#include "results/result_lines.h"

namespace {

using nlohmann::json;

struct InputLine {
    long long nNumber;  // 1-based
    std::string_view strText;
};

bool IsBlank(std::string_view strLine) { return strLine.find_first_not_of(" \t\r") == std::string_view::npos; }

// The lines that the batch answers: split at LF, blank lines left out.
std::vector<InputLine> AnsweredLines(std::string_view strInput) {
    std::vector<InputLine> lines;
    long long nNumber = 0;
    while (!strInput.empty()) {
        const size_t nEnd = strInput.find('\n');
        const std::string_view strLine = strInput.substr(0, nEnd);
        ++nNumber;
        if (!IsBlank(strLine)) lines.push_back({nNumber, strLine});
        if (nEnd == std::string_view::npos) break;
        strInput.remove_prefix(nEnd + 1);
    }
    return lines;
}

std::vector<std::string_view> OutputLines(std::string_view strOutput) {
    std::vector<std::string_view> lines;
    while (!strOutput.empty()) {
        const size_t nEnd = strOutput.find('\n');
        FUZZ_CHECK(nEnd != std::string_view::npos);  // every object ends its line
        lines.push_back(strOutput.substr(0, nEnd));
        strOutput.remove_prefix(nEnd + 1);
    }
    return lines;
}

bool IsAscii(std::string_view strText) {
    for (const char ch : strText) {
        if (static_cast<unsigned char>(ch) >= 0x80) return false;
    }
    return true;
}

// What a line should give: bPredicted false leaves it unchecked; otherwise
// fields holds the tag of a line that must decode (when its year is one of
// the six), and is empty for a line that must be refused (a key twice, a key
// that names no field, a value that is not a string).
struct Prediction {
    bool bPredicted = false;
    std::optional<vexlor::TagFields> fields;
};

Prediction Predict(std::string_view strLine) {
    Prediction prediction;
    const size_t nFirst = strLine.find_first_not_of(" \t\r");
    if (nFirst == std::string_view::npos || strLine[nFirst] != '{' || !IsAscii(strLine)) return prediction;
    if (strLine.find('\0') != std::string_view::npos) return prediction;  // the JSON library stops reading at NUL

    std::set<std::string> keys;
    bool bTwice = false;
    const json::parser_callback_t callback = [&](int nDepth, json::parse_event_t event, json& parsed) {
        if (event == json::parse_event_t::key && nDepth == 1 && !keys.insert(parsed.get<std::string>()).second) {
            bTwice = true;
        }
        return true;
    };
    const json object = json::parse(strLine.begin(), strLine.end(), callback, false);
    if (object.is_discarded() || !object.is_object()) return prediction;

    prediction.bPredicted = true;
    if (bTwice) return prediction;
    vexlor::TagFields fields;
    fields.strYear = "1967";
    for (const auto& [strKey, value] : object.items()) {
        const std::optional<vexlor::TagField> field = vexlor::FindFieldByName(strKey);
        if (!field || !value.is_string()) return prediction;
        if (!IsAscii(value.get_ref<const std::string&>())) {
            prediction.bPredicted = false;  // an escape beyond ASCII: Latin-1 is left to the other checks
            return prediction;
        }
        vexlor::FieldText(fields, *field) = value.get<std::string>();
    }
    prediction.fields = std::move(fields);
    return prediction;
}

void CheckErrorObject(const json& object, long long nLine) {
    FUZZ_CHECK(object.size() == 2);
    FUZZ_CHECK(object.contains("line") && object["line"].is_number_integer());
    FUZZ_CHECK(object["line"].get<long long>() == nLine);
    FUZZ_CHECK(object["error"].is_string() && !object["error"].get<std::string>().empty());
}

void CheckDecodeObject(const json& object) {
    FUZZ_CHECK(object.size() == 32);
    FUZZ_CHECK(object.contains("year") && object["year"].is_number_integer());
    const int nYear = object["year"].get<int>();
    FUZZ_CHECK(nYear == 7 || nYear == 8 || nYear == 9);
    FUZZ_CHECK(object.contains("vin_given") && object["vin_given"].is_boolean());
    FUZZ_CHECK(object.contains("lines") && object["lines"].is_array());
    for (const json& line : object["lines"]) FUZZ_CHECK(line.is_string());
    FUZZ_CHECK(object.contains("vin_prefix") && object["vin_prefix"].get<std::string>().size() == 5);
    // Bytes above 127 take two bytes in UTF-8, so the tail may be longer than eight.
    FUZZ_CHECK(object.contains("vin_tail") && object["vin_tail"].get<std::string>().size() >= 8);
}

void CheckPrediction(const Prediction& prediction, std::string_view strOutput, bool bError) {
    if (!prediction.bPredicted) return;
    if (!prediction.fields || vexlor::YearDigit(prediction.fields->strYear) == 0) {
        FUZZ_CHECK(bError);
        return;
    }
    FUZZ_CHECK(!bError);
    const vexlor::DecodeResult result = vexlor::Decode(*prediction.fields);
    FUZZ_CHECK(strOutput == vexlor::DecodeJson(result, vexlor::BuildResultLines(result)).dump());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize) {
    const std::string strInput(reinterpret_cast<const char*>(pData), nSize);
    std::istringstream in(strInput);
    std::ostringstream out;
    std::ostringstream err;
    const int nStatus = vexlor::RunBatch(in, out, err, false);
    FUZZ_CHECK(nStatus == 0 || nStatus == 1);

    const std::string strOutput = out.str();
    const std::vector<InputLine> inputLines = AnsweredLines(strInput);
    const std::vector<std::string_view> outputLines = OutputLines(strOutput);
    FUZZ_CHECK(outputLines.size() == inputLines.size());

    bool bAnyError = false;
    for (size_t i = 0; i < outputLines.size(); ++i) {
        for (const char ch : outputLines[i]) FUZZ_CHECK(static_cast<unsigned char>(ch) >= 0x20);  // all escaped
        const json object = json::parse(outputLines[i].begin(), outputLines[i].end(), nullptr, false);
        FUZZ_CHECK(!object.is_discarded() && object.is_object());
        const bool bError = object.contains("error");
        if (bError) {
            CheckErrorObject(object, inputLines[i].nNumber);
        } else {
            CheckDecodeObject(object);
        }
        bAnyError = bAnyError || bError;
        CheckPrediction(Predict(inputLines[i].strText), outputLines[i], bError);
    }
    FUZZ_CHECK(nStatus == (bAnyError ? 1 : 0));
    return 0;
}
