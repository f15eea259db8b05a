#include "form/pick_list_data.h"

#include <algorithm>

#include "decoder/text.h"
#include "decoder/trim_tables.h"

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

constexpr std::string_view kLowerPaints67[] = {"A", "C", "D", "E", "F", "G", "H", "K",
                                               "L", "M", "N", "O", "R", "S", "T", "Y"};
constexpr std::string_view kLowerPaints68[] = {"A", "C", "D", "E", "F", "G", "H", "J", "K", "L",
                                               "N", "O", "P", "R", "T", "U", "V", "Y", "Z", "-"};
constexpr std::string_view kLowerPaints69[] = {"10", "69", "50", "53", "51", "71", "65",
                                               "79", "55", "63", "67", "76", "72", "52",
                                               "61", "57", "59", "40", "-"};

struct YearLists {
    CodeList vinPrefixes;
    CodeList coupeStyles;
    CodeList convertibleStyles;
    CodeList allStyles;
    CodeList lowerPaints;
};

constexpr YearLists kYearLists[] = {
    {kVinPrefixes67, kCoupeStyles67, kConvertibleStyles67, kAllStyles67, kLowerPaints67},
    {kVinPrefixes68, kCoupeStyles68, kConvertibleStyles68, kAllStyles68, kLowerPaints68},
    {kVinPrefixes69, kCoupeStyles69, kConvertibleStyles69, kAllStyles69, kLowerPaints69},
};

const YearLists* ListsOf(int nYear) {
    return nYear >= 7 && nYear <= 9 ? &kYearLists[nYear - 7] : nullptr;
}

// --- Seat style: bucket seats give "Y" and "Z", bench seats "H" and "T" ---

constexpr int kBucketTrims[] = {707, 709, 711, 717, 732, 741, 742, 760, 765, 779, 797};
constexpr int kBenchTrims[] = {712, 716, 739, 756, 767, 796};
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

bool Contains(std::span<const int> codes, int nCode) {
    return std::find(codes.begin(), codes.end(), nCode) != codes.end();
}

void Append(std::vector<std::string>& codes, CodeList more) {
    for (std::string_view code : more) codes.emplace_back(code);
}

}  // namespace

CodeList VinPrefixList(int nYear) {
    const YearLists* pLists = ListsOf(nYear);
    return pLists ? pLists->vinPrefixes : CodeList{};
}

CodeList StyleList(int nYear, StyleRow row) {
    const YearLists* pLists = ListsOf(nYear);
    if (!pLists) return {};
    switch (row) {
        case StyleRow::Coupe: return pLists->coupeStyles;
        case StyleRow::Convertible: return pLists->convertibleStyles;
        case StyleRow::NoVinPrefix: return pLists->allStyles;
    }
    return {};
}

CodeList LowerPaintList(int nYear) {
    const YearLists* pLists = ListsOf(nYear);
    return pLists ? pLists->lowerPaints : CodeList{};
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

bool IsConvertibleStyle(std::string_view strStyle) {
    const std::string_view strBody = LastChars(strStyle, 5);
    return strBody == "12467" || strBody == "12667";
}

CodeList SeatStyleList(std::string_view strStyle, int nTrim) {
    if (IsConvertibleStyle(strStyle)) return kBucketLetters;
    const std::string_view strBody = LastChars(strStyle, 5);
    if (strBody != "12437" && strBody != "12637") return {};
    if (Contains(kBucketTrims, nTrim)) return kBucketLetters;
    if (Contains(kBenchTrims, nTrim)) return kBenchLetters;
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
