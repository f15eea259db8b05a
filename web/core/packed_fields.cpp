#include "packed_fields.h"

#include <vector>

#include "decoder/decode.h"
#include "decoder/field_names.h"
#include "js_text.h"
#include "results/decode_file.h"
#include "results/decode_json.h"
#include "results/result_lines.h"

namespace vexlor::web {

using emscripten::val;

namespace {

constexpr char16_t kNoString = u'\uFFFF';
// U+FFFF in UTF-8.
constexpr std::string_view kSeparator = "\xEF\xBF\xBF";

}  // namespace

val FieldNamesJs() {
    std::vector<std::string> names;
    for (const FieldName& row : kFieldNames) names.emplace_back(row.strName);
    return ToJsArray(names);
}

TagFields UnpackFields(const std::u16string& packed) {
    TagFields fields;
    fields.strYear = "1967";
    size_t nAt = 0;
    for (const FieldName& row : kFieldNames) {
        if (packed.size() - nAt < 2) break;
        const char16_t high = packed[nAt];
        const char16_t low = packed[nAt + 1];
        nAt += 2;
        if (high == kNoString && low == kNoString) continue;
        const size_t nLength = (static_cast<size_t>(high) << 16) | low;
        if (nLength > packed.size() - nAt) break;
        std::string& strText = FieldText(fields, row.field);
        strText.assign(nLength, '?');
        for (size_t i = 0; i < nLength; ++i) {
            if (packed[nAt + i] <= 0xFF) strText[i] = static_cast<char>(packed[nAt + i]);
        }
        nAt += nLength;
    }
    return fields;
}

val DecodePackedFields(const std::u16string& packed) {
    const DecodeResult result = Decode(UnpackFields(packed));
    const std::vector<std::string> lines = BuildResultLines(result);
    std::string strOut;
    AppendDecodeJson(strOut, result, lines);
    for (const std::string& strLine : lines) {
        strOut += kSeparator;
        AppendLatin1AsUtf8(strOut, strLine);
    }
    // UTF-8 crosses faster than UTF-16: most of it is ASCII.
    return Utf8ToJs(strOut);
}

// Saved under the default name, so no directory was chosen: line 5 names
// none, as the desktop's file does then.
val FileBytesOfPackedFields(const std::u16string& packed, int nYear, int nMonth, int nDay) {
    const std::string strDate = DecodeFileDate(nYear, nMonth, nDay);
    if (strDate.empty()) return val::null();
    const DecodeResult result = Decode(UnpackFields(packed));
    return ToUint8Array(DecodeFileContent(result, BuildResultLines(result), strDate, "", std::nullopt));
}

}  // namespace vexlor::web
