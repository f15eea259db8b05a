#include "registry/submission_hash.h"

#include "registry/sha256.h"

namespace vexlor {
namespace {

// Each field after its length, so that no two lists of fields give one
// text, whatever characters a field holds.
void AppendField(std::string& strOut, std::string_view strField) {
    strOut += std::to_string(strField.size());
    strOut += ':';
    strOut += strField;
}

std::string WithoutTrailingBlanks(std::string_view strText) {
    std::string strOut;
    strOut.reserve(strText.size());
    for (;;) {
        const size_t nEnd = strText.find('\n');
        std::string_view strLine = strText.substr(0, nEnd);
        while (!strLine.empty() && strLine.back() == ' ') strLine.remove_suffix(1);
        strOut += strLine;
        if (nEnd == std::string_view::npos) return strOut;
        strOut += '\n';
        strText.remove_prefix(nEnd + 1);
    }
}

}  // namespace

std::string SubmissionHash(std::string_view strVersion, const TagCodes& codes, std::string_view strSavedDate,
                           std::string_view strDecodeText) {
    std::string strContent;
    AppendField(strContent, strVersion);
    for (const std::string& strCode : codes) AppendField(strContent, strCode);
    AppendField(strContent, strSavedDate);
    AppendField(strContent, WithoutTrailingBlanks(strDecodeText));
    return Sha256Hex(strContent);
}

}  // namespace vexlor
