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

}  // namespace

CarKey CarKeyOf(const TagCodes& codes, std::string_view strSha256Hex) {
    const std::string& strTail = codes[kVinTailField];
    if (strTail.size() == kVinTailLength && IsComplete(SafeSubstr(strTail, kSequenceStart))) {
        return {codes[kVinPrefixField] + strTail, CarKeyKind::Vin};
    }
    const std::string& strPlantBody = codes[kPlantBodyField];
    if (IsComplete(SafeSubstr(strPlantBody, 1))) {
        const char cYear = strTail.empty() ? kUnknown : strTail[0];
        return {std::string(1, cYear) + "B_" + strPlantBody, CarKeyKind::Body};
    }
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

}  // namespace vexlor
