#include "registry/submission_hash.h"

#include "registry/sha256.h"

namespace vexlor {
namespace {

// Between fields: no record field or line holds it.
constexpr char kFieldEnd = '\x1F';

void AppendWithoutTrailingBlanks(std::string& strOut, std::string_view strLine) {
    while (!strLine.empty() && strLine.back() == ' ') strLine.remove_suffix(1);
    strOut += strLine;
}

}  // namespace

std::string SubmissionHash(std::string_view strVersion, const TagCodes& codes, std::string_view strSavedDate,
                           std::string_view strDecodeText) {
    std::string strContent(strVersion);
    strContent += kFieldEnd;
    for (const std::string& strCode : codes) strContent += strCode + kFieldEnd;
    strContent += strSavedDate;
    strContent += kFieldEnd;
    for (;;) {
        const size_t nEnd = strDecodeText.find('\n');
        AppendWithoutTrailingBlanks(strContent, strDecodeText.substr(0, nEnd));
        if (nEnd == std::string_view::npos) break;
        strContent += '\n';
        strDecodeText.remove_prefix(nEnd + 1);
    }
    return Sha256Hex(strContent);
}

}  // namespace vexlor
