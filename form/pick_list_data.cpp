#include "form/pick_list_data.h"

#include <optional>

#include "decoder/code_lists.h"

namespace vexlor {
namespace {

// --- Per model year ---

constexpr std::string_view kVinPrefixes67[] = {"123377N", "123377L", "123677N", "123677L",
                                               "124377N", "124377L", "124677N", "124677L"};
constexpr std::string_view kVinPrefixes68[] = {"123378N", "123378L", "123678N", "123678L",
                                               "124378N", "124378L", "124678N", "124678L"};
constexpr std::string_view kVinPrefixes69[] = {"123379N", "123379L", "123679N", "123679L",
                                               "124379N", "124379L", "124679N", "124679L"};

constexpr std::string_view kCoupeStyles67[] = {"67-12437", "67-12637"};
constexpr std::string_view kConvertibleStyles67[] = {"67-12467", "67-12667"};
constexpr std::string_view kAllStyles67[] = {"67-12437", "67-12467", "67-12637", "67-12667"};
constexpr std::string_view kCoupeStyles68[] = {"68-12437"};
constexpr std::string_view kConvertibleStyles68[] = {"68-12467"};
constexpr std::string_view kAllStyles68[] = {"68-12437", "68-12467"};
constexpr std::string_view kCoupeStyles69[] = {"69-12437"};
constexpr std::string_view kConvertibleStyles69[] = {"69-12467"};
constexpr std::string_view kAllStyles69[] = {"69-12437", "69-12467"};

struct YearLists {
    CodeList vinPrefixes;
    CodeList coupeStyles;
    CodeList convertibleStyles;
    CodeList allStyles;
};

constexpr YearLists kYearLists[] = {
    {kVinPrefixes67, kCoupeStyles67, kConvertibleStyles67, kAllStyles67},
    {kVinPrefixes68, kCoupeStyles68, kConvertibleStyles68, kAllStyles68},
    {kVinPrefixes69, kCoupeStyles69, kConvertibleStyles69, kAllStyles69},
};

const YearLists* ListsOf(int nYear) {
    return nYear >= 7 && nYear <= 9 ? &kYearLists[nYear - 7] : nullptr;
}

// --- Seat style: bucket seats give "Y" and "Z", bench seats "H" and "T" ---

constexpr std::string_view kBucketLetters[] = {"Y", "Z"};
constexpr std::string_view kBenchLetters[] = {"H", "T"};

// --- Top paint ---

constexpr std::string_view kCoupeTops6768[] = {"2", "6"};
constexpr std::string_view kConvertibleTops6768[] = {"1", "2", "4"};
constexpr std::string_view kCoupeTops69[] = {"B", "C", "E", "F", "S"};
constexpr std::string_view kConvertibleTops69[] = {"A", "B"};

// 1969 coupes: a lower paint that also fits some other tops.
constexpr std::string_view kTop50[] = {"50"};
constexpr std::string_view kTop5051[] = {"50", "51"};
constexpr std::string_view kTop53[] = {"53"};
constexpr std::string_view kTop63[] = {"63"};

struct LowerPaintTops {
    std::string_view strLower;
    CodeList extraTops;
};

constexpr LowerPaintTops kExtraTops69[] = {
    {"51", kTop53}, {"53", kTop5051}, {"55", kTop50}, {"61", kTop63}, {"65", kTop50},
};

void Append(std::vector<std::string>& codes, CodeList more) {
    for (std::string_view code : more) codes.emplace_back(code);
}

}  // namespace

CodeList VinPrefixList(int nYear) {
    const YearLists* pLists = ListsOf(nYear);
    return pLists ? pLists->vinPrefixes : CodeList{};
}

CodeList StyleList(int nYear, StyleFilter filter) {
    const YearLists* pLists = ListsOf(nYear);
    if (!pLists) return {};
    switch (filter) {
        case StyleFilter::Coupe: return pLists->coupeStyles;
        case StyleFilter::Convertible: return pLists->convertibleStyles;
        case StyleFilter::NoVinPrefix: return pLists->allStyles;
    }
    return {};
}

std::vector<std::string> TrimCodeList(int nYear) {
    std::vector<std::string> codes;
    const std::span<const TrimEntry> table = TrimTable(nYear);
    for (bool bCustom : {false, true}) {
        for (const TrimEntry& entry : table) {
            if (entry.bCustom == bCustom) codes.push_back(std::to_string(entry.nCode));
        }
    }
    return codes;
}

CodeList SeatStyleList(std::string_view strStyle, int nTrim) {
    const std::optional<BodyStyle> style = FindBodyStyle(strStyle);
    if (!style) return {};
    if (style->bConvertible) return kBucketLetters;
    for (const TrimEntry& entry : TrimTable(7)) {
        if (entry.nCode == nTrim) return entry.bBench ? kBenchLetters : kBucketLetters;
    }
    return {};
}

std::vector<std::string> TopPaintCodes(int nYear, bool bConvertible, std::string_view strLowerPaint) {
    std::vector<std::string> codes;
    if (nYear == 7 || nYear == 8) {
        if (bConvertible) {
            Append(codes, kConvertibleTops6768);
        } else {
            Append(codes, kCoupeTops6768);
            codes.emplace_back(strLowerPaint);
        }
    } else if (nYear == 9) {
        if (bConvertible) {
            Append(codes, kConvertibleTops69);
        } else {
            Append(codes, kCoupeTops69);
            codes.emplace_back(strLowerPaint);
            for (const LowerPaintTops& row : kExtraTops69) {
                if (row.strLower == strLowerPaint) Append(codes, row.extraTops);
            }
        }
    }
    return codes;
}

}  // namespace vexlor
