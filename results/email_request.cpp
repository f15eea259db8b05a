#include "results/email_request.h"

#include "results/decode_file.h"
#include "results/result_lines.h"

namespace vexlor {
namespace {

std::string PercentEncoded(std::string_view strText) {
    constexpr char kHex[] = "0123456789ABCDEF";
    std::string strOut;
    for (const char c : strText) {
        const bool bPlain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                            c == '-' || c == '.' || c == '_' || c == '~';
        if (bPlain) {
            strOut += c;
            continue;
        }
        const auto byte = static_cast<unsigned char>(c);
        strOut += '%';
        strOut += kHex[byte >> 4];
        strOut += kHex[byte & 0x0F];
    }
    return strOut;
}

}  // namespace

EmailRequest BuildEmailRequest(const DecodeResult& result, const std::string& strSavedPath, bool bCanAttach) {
    EmailRequest request;
    request.strAddress = std::string(kResearchGroupEmail);
    request.strSubject = std::string(kEmailSubject);
    // A typed key may hold a line end; a subject has one line.
    if (const std::string strKey = SingleLine(DecodeKey(result)); !strKey.empty()) request.strSubject += " " + strKey;
    if (strSavedPath.empty()) return request;
    if (bCanAttach) {
        request.strAttachment = strSavedPath;
    } else {
        request.strBody = std::string(kAttachNote) + strSavedPath;
    }
    return request;
}

std::vector<std::string> EmailHelperArguments(const EmailRequest& request) {
    std::vector<std::string> args = {"--subject", request.strSubject};
    if (!request.strBody.empty()) args.insert(args.end(), {"--body", request.strBody});
    if (!request.strAttachment.empty()) args.insert(args.end(), {"--attach", request.strAttachment});
    args.push_back(request.strAddress);
    return args;
}

std::string MailtoUrl(const EmailRequest& request) {
    std::string strUrl = "mailto:" + request.strAddress + "?subject=" + PercentEncoded(request.strSubject);
    if (!request.strBody.empty()) strUrl += "&body=" + PercentEncoded(request.strBody);
    return strUrl;
}

}  // namespace vexlor
