// The registry's reader of decode files, two ways from one input. Write,
// read, compare: the bytes are a tag (and a side file) whose decode file our
// writer writes; reading it must give back every record field, and the list
// wherever its end can be told. Any bytes: the reader takes them as a file
// from a stranger and must refuse them or give fields that the store and
// the terminal can take.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "decoder/decode.h"
#include "fuzz_check.h"
#include "fuzz_tag_input.h"
#include "registry/car_key.h"
#include "results/decode_file_reader.h"
#include "registry/stored_text.h"
#include "registry/terminal_text.h"
#include "results/decode_file.h"
#include "results/result_lines.h"

namespace {

using vexlor::ReadOutcome;
using vexlor::Rejection;

constexpr std::string_view kDate = "07-04-2005";

// A record field as the writer leaves it: a line end becomes the stand-in,
// and so does a comma in a field that only line 1 carries.
std::string AsWritten(std::string strField, bool bOnlyInLine1) {
    for (char& ch : strField) {
        if (ch == '\r' || ch == '\n' || (bOnlyInLine1 && ch == ',')) ch = vexlor::kRecordFieldStandIn;
    }
    return strField;
}

// The reader finds the list's end at the first two empty lines: exact unless
// the list holds two empty lines before more of it, or the side file begins
// with an empty line.
bool ListEndIsClear(const std::vector<std::string>& lines, const std::optional<std::string>& strSide) {
    for (size_t i = 0; i + 2 < lines.size(); ++i) {
        if (lines[i].empty() && lines[i + 1].empty()) {
            for (size_t k = i + 2; k < lines.size(); ++k) {
                if (!lines[k].empty()) return false;
            }
        }
    }
    return !strSide || strSide->empty() || (strSide->front() != '\r' && strSide->front() != '\n');
}

void WriteReadCompare(const uint8_t* pData, size_t nSize) {
    std::optional<std::string_view> strRest;
    const vexlor::TagFields fields = vexlor::fuzz::TagFieldsFromBytes(pData, nSize, &strRest);
    const vexlor::DecodeResult result = vexlor::Decode(fields);
    const std::vector<std::string> lines = vexlor::BuildResultLines(result);
    std::optional<std::string> strSide;
    if (strRest) strSide = std::string(*strRest);
    const std::string strFile = vexlor::DecodeFileContent(result, lines, kDate, "", strSide);

    const ReadOutcome read = vexlor::ReadDecodeFile(strFile);
    if (strFile.find('\0') != std::string::npos) {
        FUZZ_CHECK(read.rejection == Rejection::HoldsNul);
        return;
    }
    FUZZ_CHECK(read.rejection == Rejection::None);
    FUZZ_CHECK(read.records.strVersion == vexlor::kVersion);
    FUZZ_CHECK(read.records.strSavedDate == kDate);
    for (size_t i = 0; i < vexlor::kCodeFieldCount; ++i) {
        const vexlor::CodeFieldInfo& info = vexlor::kCodeFields[i];
        FUZZ_CHECK(read.records.codes[i] == AsWritten(result.*info.pMember, info.nTabColumn < 0));
    }
    if (!ListEndIsClear(lines, strSide)) return;
    std::string strText;
    for (size_t i = 0; i < lines.size(); ++i) strText += (i == 0 ? "" : "\n") + vexlor::SingleLine(lines[i]);
    FUZZ_CHECK(read.records.strDecodeText == strText);
}

bool HasControl(std::string_view strText) {
    for (char ch : strText) {
        const auto chByte = static_cast<unsigned char>(ch);
        if (chByte < 0x20 || chByte == 0x7F) return true;
    }
    return strText.find("\xC2\x80") != std::string_view::npos || strText.find("\xC2\x9B") != std::string_view::npos ||
           strText.find("\xE2\x80\xAE") != std::string_view::npos || strText.find("\xE2\x81\xA6") != std::string_view::npos;
}

void ReadAnyBytes(const uint8_t* pData, size_t nSize) {
    const std::string_view strBytes(reinterpret_cast<const char*>(pData), nSize);
    const ReadOutcome read = vexlor::ReadDecodeFile(strBytes);
    FUZZ_CHECK((read.rejection == Rejection::None) == read.strReason.empty());
    if (read.rejection != Rejection::None) return;
    FUZZ_CHECK(strBytes.find('\0') == std::string_view::npos);
    const vexlor::FileEncoding encoding = vexlor::EncodingOf(strBytes);
    vexlor::TagCodes codes;
    for (size_t i = 0; i < vexlor::kCodeFieldCount; ++i) {
        FUZZ_CHECK(read.records.codes[i].find_first_of("\r\n") == std::string::npos);
        codes[i] = vexlor::StoredText(read.records.codes[i], encoding);
        FUZZ_CHECK(vexlor::IsValidUtf8(codes[i]));
        FUZZ_CHECK(!HasControl(vexlor::Shown(codes[i])));
    }
    const std::string strText = vexlor::StoredText(read.records.strDecodeText, encoding);
    FUZZ_CHECK(vexlor::IsValidUtf8(strText));
    FUZZ_CHECK(!HasControl(vexlor::Shown(strText)));
    const vexlor::CarKey key = vexlor::CarKeyOf(codes, "hash");
    FUZZ_CHECK(!key.strKey.empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize) {
    WriteReadCompare(pData, nSize);
    ReadAnyBytes(pData, nSize);
    return 0;
}
