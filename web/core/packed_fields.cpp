#include "packed_fields.h"

#include <cstring>
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

std::u16string& Buffer() {
    static std::u16string buffer;
    return buffer;
}

// The first nUnits of the pack buffer, or all of it when it holds fewer.
TagFields FieldsInBuffer(std::size_t nUnits) {
    const std::u16string_view buffer(Buffer());
    return UnpackFields(buffer.substr(0, nUnits));
}

}  // namespace

val FieldNamesJs() {
    std::vector<std::string> names;
    for (const FieldName& row : kFieldNames) names.emplace_back(row.strName);
    return ToJsArray(names);
}

std::uintptr_t PackBuffer(std::size_t nUnits) {
    if (Buffer().size() < nUnits) Buffer().resize(nUnits);
    return reinterpret_cast<std::uintptr_t>(Buffer().data());
}

TagFields UnpackFields(std::u16string_view packed) {
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

std::uintptr_t DecodePackedFields(std::size_t nUnits) {
    const DecodeResult result = Decode(FieldsInBuffer(nUnits));
    const std::vector<std::string> lines = BuildResultLines(result);
    // One buffer for every call: it keeps its room, so no call grows it twice.
    static std::string strOut;
    strOut.assign(sizeof(std::uint32_t), '\0');
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) strOut += ',';
        strOut += std::to_string(lines[i].size());
    }
    strOut += ';';
    for (const std::string& strLine : lines) AppendLatin1AsUtf8(strOut, strLine);
    AppendDecodeJson(strOut, result, lines);
    const auto nLength = static_cast<std::uint32_t>(strOut.size() - sizeof(std::uint32_t));
    std::memcpy(strOut.data(), &nLength, sizeof nLength);
    return reinterpret_cast<std::uintptr_t>(strOut.data());
}

// Saved under the default name, so no directory was chosen: line 5 names
// none, as the desktop's file does then.
val FileBytesOfPackedFields(std::size_t nUnits, int nYear, int nMonth, int nDay) {
    const std::string strDate = DecodeFileDate(nYear, nMonth, nDay);
    if (strDate.empty()) return val::null();
    const DecodeResult result = Decode(FieldsInBuffer(nUnits));
    return ToUint8Array(DecodeFileContent(result, BuildResultLines(result), strDate, "", std::nullopt));
}

}  // namespace vexlor::web
