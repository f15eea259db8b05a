#include "registry/car_search.h"

#include <array>

#include "decoder/decode.h"
#include "decoder/text.h"
#include "registry/car_facts.h"

namespace vexlor {
namespace {

constexpr int kWeeks = 5;
constexpr int kMonths = 12;

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

// A date code "02A" or "802A" as a number that grows with the date; nullopt
// for any other text. bCalendar: the code begins with the calendar digit.
std::optional<int> BuildOrder(std::string_view strCode, bool bCalendar) {
    if (strCode.size() != (bCalendar ? 4u : 3u)) return std::nullopt;
    const std::string_view strMonthWeek = bCalendar ? strCode.substr(1) : strCode;
    if ((bCalendar && !IsDigit(strCode[0])) || !IsDigit(strMonthWeek[0]) || !IsDigit(strMonthWeek[1])) {
        return std::nullopt;
    }
    const int nMonth = (strMonthWeek[0] - '0') * 10 + (strMonthWeek[1] - '0');
    const char cWeek = static_cast<char>(strMonthWeek[2] & ~0x20);  // either case
    if (nMonth < 1 || nMonth > kMonths || cWeek < 'A' || cWeek > 'E') return std::nullopt;
    // Within a model year August comes first; with the calendar digit, January.
    const int nMonthIndex = bCalendar ? (strCode[0] - '0') * kMonths + nMonth - 1 : (nMonth + 4) % kMonths;
    return nMonthIndex * kWeeks + (cWeek - 'A');
}

bool Contains(std::string_view strText, std::string_view strPart) {
    return ToUpperAscii(strText).find(strPart) != std::string::npos;
}

std::string_view WithoutLeadingZeros(std::string_view strNumber) {
    while (strNumber.size() > 1 && strNumber.front() == '0') strNumber.remove_prefix(1);
    return strNumber;
}

std::string PlantLetterOf(std::string_view strTerm) {
    for (std::string_view strName : {"N", "NOR", "NORWOOD"}) {
        if (strTerm == strName) return "N";
    }
    for (std::string_view strName : {"L", "LOS", "VN", "LOS ANGELES", "VAN NUYS"}) {
        if (strTerm == strName) return "L";
    }
    return {};
}

using FieldTest = bool (*)(const CarRow&, std::string_view);

struct SearchField {
    std::string_view strName;
    FieldTest fits;
};

constexpr std::array<SearchField, 8> kFields{{
    {"vin", [](const CarRow& car, std::string_view strTerm) {
         return strTerm.size() >= 3 && Contains(car.codes[kVinPrefixField] + car.codes[kVinTailField], strTerm);
     }},
    {"body", [](const CarRow& car, std::string_view strTerm) {
         const std::string strBody = BodyNumber(car.codes[kPlantBodyField]);
         return !strBody.empty() && WithoutLeadingZeros(strBody) == WithoutLeadingZeros(strTerm);
     }},
    {"option", [](const CarRow& car, std::string_view strTerm) {
         return strTerm.size() >= 2 && Contains(car.codes[kOptionsField], strTerm);
     }},
    {"trim", [](const CarRow& car, std::string_view strTerm) {
         const std::string& strTrim = car.codes[kTrimField];
         if (!strTrim.empty() && IsDigit(strTerm.front()) && LeadingNumberText(strTrim) == strTerm) return true;
         return strTerm.size() >= 3 && Contains(MeaningOf(Dimension::Trim, car.codes), strTerm);
     }},
    {"paint", [](const CarRow& car, std::string_view strTerm) {
         const std::string& strPaint = car.codes[kPaintField];
         if (strPaint == strTerm || (strPaint.starts_with(strTerm) && CharAt(strPaint, strTerm.size()) == '-')) {
             return true;
         }
         return strTerm.size() >= 3 && Contains(MeaningOf(Dimension::Paint, car.codes), strTerm);
     }},
    {"plant", [](const CarRow& car, std::string_view strTerm) {
         const std::string strLetter = PlantLetterOf(strTerm);
         return !strLetter.empty() && car.codes[kPlantBodyField].starts_with(strLetter);
     }},
    {"year", [](const CarRow& car, std::string_view strTerm) {
         return YearDigit(strTerm) != 0 && YearDigit(strTerm) == YearDigitOf(car.codes);
     }},
    {"style", [](const CarRow& car, std::string_view strTerm) {
         const std::string& strStyle = car.codes[kStyleField];
         return strTerm.size() >= 5 && strStyle.ends_with(strTerm);
     }},
}};

bool Fits(const CarRow& car, std::string_view strTerm) {
    const size_t nColon = strTerm.find(':');
    const std::string_view strField = nColon == std::string_view::npos ? "" : strTerm.substr(0, nColon);
    const std::string_view strValue = nColon == std::string_view::npos ? strTerm : strTerm.substr(nColon + 1);
    if (strValue.empty()) return false;
    for (const SearchField& field : kFields) {
        if ((strField.empty() || ToUpperAscii(field.strName) == strField) && field.fits(car, strValue)) return true;
    }
    return false;
}

}  // namespace

std::optional<BuildRange> ParseBuildRange(std::string_view strRange) {
    const size_t nDots = strRange.find("..");
    if (nDots == std::string_view::npos) return std::nullopt;
    const std::string_view strFrom = strRange.substr(0, nDots), strTo = strRange.substr(nDots + 2);
    const bool bCalendar = strFrom.size() == 4;
    const std::optional<int> nFrom = BuildOrder(strFrom, bCalendar), nTo = BuildOrder(strTo, bCalendar);
    if (!nFrom || !nTo || *nFrom > *nTo) return std::nullopt;
    return BuildRange{*nFrom, *nTo, bCalendar};
}

bool IsSearchTerm(std::string_view strTerm) {
    const size_t nColon = strTerm.find(':');
    if (nColon == std::string_view::npos) return true;
    const std::string strField = ToUpperAscii(strTerm.substr(0, nColon));
    for (const SearchField& field : kFields) {
        if (ToUpperAscii(field.strName) == strField) return true;
    }
    return false;
}

bool Finds(const CarSearch& search, const CarRow& car) {
    for (const std::string& strTerm : search.terms) {
        if (!Fits(car, ToUpperAscii(strTerm))) return false;
    }
    if (!search.built) return true;
    const std::string& strDate = car.codes[kDateField];
    const std::optional<int> nOrder =
        BuildOrder(search.built->bCalendar ? std::string_view(strDate) : SafeSubstr(strDate, 1), search.built->bCalendar);
    return nOrder && *nOrder >= search.built->nFrom && *nOrder <= search.built->nTo;
}

}  // namespace vexlor
