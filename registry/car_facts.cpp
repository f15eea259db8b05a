#include "registry/car_facts.h"

#include "decoder/code_names.h"
#include "decoder/text.h"
#include "registry/registry_queries.h"

namespace vexlor {
namespace {

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

int YearDigit(char cDigit) { return cDigit >= '7' && cDigit <= '9' ? cDigit - '0' : 0; }

}  // namespace

const DimensionInfo& InfoOf(Dimension dimension) { return kDimensions[static_cast<size_t>(dimension)]; }

std::optional<Dimension> FindDimension(std::string_view strName) {
    if (strName == "build month") return Dimension::Month;
    for (const DimensionInfo& info : kDimensions) {
        if (info.strName == strName) return info.dimension;
    }
    return std::nullopt;
}

int YearDigitOf(const TagCodes& codes) {
    const int nYear = YearDigit(CharAt(codes[kVinTailField], 0));
    return nYear != 0 ? nYear : YearDigit(CharAt(codes[kStyleField], 1));
}

std::string BuildMonth(std::string_view strDateCode) {
    const char cYear = CharAt(strDateCode, 0), cTens = CharAt(strDateCode, 1), cOnes = CharAt(strDateCode, 2);
    if (!IsDigit(cYear) || !IsDigit(cTens) || !IsDigit(cOnes)) return {};
    const int nMonth = (cTens - '0') * 10 + (cOnes - '0');
    if (nMonth < 1 || nMonth > 12) return {};
    return std::string("196") + cYear + "-" + cTens + cOnes;
}

std::string ValueOf(Dimension dimension, const TagCodes& codes) {
    switch (dimension) {
        case Dimension::Year: {
            const int nYear = YearDigitOf(codes);
            return nYear == 0 ? std::string() : "196" + std::to_string(nYear);
        }
        case Dimension::Plant: return PlantName(codes[kPlantBodyField]);
        case Dimension::Style: return codes[kStyleField];
        case Dimension::Paint: return codes[kPaintField];
        case Dimension::Trim: return codes[kTrimField];
        case Dimension::Month: return BuildMonth(codes[kDateField]);
    }
    return {};
}

std::string MeaningOf(Dimension dimension, const TagCodes& codes) {
    const int nYear = YearDigitOf(codes);
    switch (dimension) {
        case Dimension::Style: return StyleName(nYear, codes[kStyleField]);
        case Dimension::Paint: return PaintName(nYear, codes[kStyleField], codes[kPaintField], codes[kDateField]);
        case Dimension::Trim: return TrimName(nYear, codes[kTrimField]);
        default: return {};
    }
}

std::string FieldMeaning(size_t nField, const TagCodes& codes) {
    switch (nField) {
        case kDateField: return ValueOf(Dimension::Month, codes);
        case kStyleField: return MeaningOf(Dimension::Style, codes);
        case kPlantBodyField: return ValueOf(Dimension::Plant, codes);
        case kTrimField: return MeaningOf(Dimension::Trim, codes);
        case kPaintField: return MeaningOf(Dimension::Paint, codes);
        default: return {};
    }
}

}  // namespace vexlor
