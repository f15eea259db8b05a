#include "registry/car_key.h"

#include "decoder/text.h"

namespace vexlor {
namespace {

constexpr size_t kVinTailLength = 8;
constexpr size_t kSequenceStart = 2;  // after the year digit and the plant letter
constexpr char kUnknown = '_';

bool IsComplete(std::string_view strPart) {
    return !strPart.empty() && strPart.find(kUnknown) == std::string_view::npos;
}

std::string_view WithoutTrailingBlanks(std::string_view strText) {
    while (!strText.empty() && strText.back() == ' ') strText.remove_suffix(1);
    return strText;
}

}  // namespace

std::string VinKeyOf(const TagCodes& codes) {
    const std::string& strTail = codes[kVinTailField];
    if (strTail.size() != kVinTailLength || !IsComplete(SafeSubstr(strTail, kSequenceStart))) return {};
    return codes[kVinPrefixField] + strTail;
}

std::string BodyKeyOf(const TagCodes& codes) {
    const std::string& strPlantBody = codes[kPlantBodyField];
    if (!IsComplete(SafeSubstr(strPlantBody, 1))) return {};
    const std::string& strTail = codes[kVinTailField];
    const char cYear = strTail.empty() ? kUnknown : strTail[0];
    return std::string(1, cYear) + "B_" + strPlantBody;
}

CarKey CarKeyOf(const TagCodes& codes, std::string_view strSha256Hex) {
    if (std::string strVin = VinKeyOf(codes); !strVin.empty()) return {std::move(strVin), CarKeyKind::Vin};
    if (std::string strBody = BodyKeyOf(codes); !strBody.empty()) return {std::move(strBody), CarKeyKind::Body};
    return {std::string(strSha256Hex), CarKeyKind::File};
}

std::string_view KindName(CarKeyKind kind) {
    switch (kind) {
        case CarKeyKind::Vin: return "vin";
        case CarKeyKind::Body: return "body";
        case CarKeyKind::File: return "file";
    }
    return "file";
}

bool IsKnownCode(size_t nField, std::string_view strCode) {
    if (strCode.find(kUnknown) != std::string_view::npos) return false;
    const std::string_view strTrimmed = WithoutTrailingBlanks(strCode);
    if (strTrimmed.find_first_not_of(" -") == std::string_view::npos) return false;
    return nField != kPaintField || !strTrimmed.ends_with('-');
}

}  // namespace vexlor
