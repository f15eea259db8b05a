#include "decoder/trim_tables.h"

#include <array>

#include "decoder/text.h"

namespace vexlor {
namespace {

constexpr bool kStandard = false;
constexpr bool kCustom = true;
constexpr bool kBucket = false;
constexpr bool kBench = true;

constexpr std::array<TrimEntry, 17> kTrims1967{{
    {707, kCustom, kBucket, "Custom Yellow Bucket Seats."},
    {709, kStandard, kBucket, "Standard Gold Bucket Seats."},
    {711, kCustom, kBucket, "Custom Gold Bucket Seats."},
    {712, kCustom, kBench, "Custom Gold Bench Seats."},
    {716, kCustom, kBench, "Custom Bright Blue Bench Seats."},
    {717, kStandard, kBucket, "Standard Blue Bucket Seats."},
    {732, kCustom, kBucket, "Custom Bright Blue Bucket Seats."},
    {739, kStandard, kBench, "Standard Blue Bench Seats."},
    {741, kStandard, kBucket, "Standard Red Bucket Seats."},
    {742, kCustom, kBucket, "Custom Red Bucket Seats."},
    {756, kStandard, kBench, "Standard Black Bench Seats."},
    {760, kStandard, kBucket, "Standard Black Bucket Seats."},
    {765, kCustom, kBucket, "Custom Black Bucket Seats."},
    {767, kCustom, kBench, "Custom Black Bench Seats."},
    {779, kCustom, kBucket, "Custom Turquoise Bucket Seats."},
    {796, kStandard, kBench, "Standard Gold Bench Seats."},
    {797, kCustom, kBucket, "Custom Parchment/Black Bucket Seats."},
}};

constexpr std::array<TrimEntry, 19> kTrims1968{{
    {711, kCustom, kBucket, "Custom Ivory/Black Bucket Seats."},
    {712, kStandard, kBucket, "Standard Black Bucket Seats."},
    {713, kStandard, kBench, "Standard Black Bench Seats."},
    {714, kCustom, kBucket, "Custom Black Bucket Seats."},
    {715, kCustom, kBench, "Custom Black Bench Seats."},
    {716, kCustom, kBucket, "Custom Ivory Houndstooth Bucket Seats."},
    {717, kStandard, kBucket, "Standard Blue Bucket Seats."},
    {718, kStandard, kBench, "Standard Blue Bench Seats."},
    {719, kCustom, kBucket, "Custom Blue Bucket Seats."},
    {720, kCustom, kBench, "Custom Blue Bench Seats."},
    {721, kCustom, kBucket, "Custom Gold Bucket Seats."},
    {722, kStandard, kBucket, "Standard Gold Bucket Seats."},
    {723, kStandard, kBench, "Standard Gold Bench Seats."},
    {724, kStandard, kBucket, "Standard Red Bucket Seats."},
    {725, kCustom, kBucket, "Custom Red Bucket Seats."},
    {726, kCustom, kBucket, "Custom Turquoise Bucket Seats."},
    {727, kCustom, kBench, "Custom Turquoise Bench Seats."},
    {730, kCustom, kBucket, "Custom Parchment/Black Bucket Seats."},
    {749, kCustom, kBucket, "Custom Black Houndstooth Bucket Seats."},
}};

constexpr std::array<TrimEntry, 15> kTrims1969{{
    {711, kStandard, kBucket, "Standard Black Bucket Seats."},
    {712, kCustom, kBucket, "Custom Black Bucket Seats."},
    {713, kCustom, kBucket, "Custom Houndstooth Black Bucket Seats."},
    {714, kCustom, kBucket, "Custom Yellow Houndstooth Bucket Seats."},
    {715, kStandard, kBucket, "Standard Dark Blue Bucket Seats."},
    {716, kCustom, kBucket, "Custom Dark Blue Bucket Seats."},
    {718, kStandard, kBucket, "Standard Medium Red Bucket Seats."},
    {719, kCustom, kBucket, "Custom Medium Red Bucket Seats."},
    {720, kCustom, kBucket, "Custom Orange Houndstooth Bucket Seats."},
    {721, kStandard, kBucket, "Standard Medium Green Bucket Seats."},
    {722, kCustom, kBucket, "Custom Medium Green Bucket Seats."},
    {723, kStandard, kBucket, "Standard Midnight Green Bucket Seats."},
    {725, kCustom, kBucket, "Custom Midnight Green Bucket Seats."},
    {727, kStandard, kBucket, "Standard Ivory/Black Bucket Seats."},
    {729, kCustom, kBucket, "Custom Ivory Houndstooth Bucket Seats."},
}};

// A Standard interior's description starts with "Standard", a Custom one's with
// "Custom"; a bench interior's ends in "Bench Seats.", a bucket one's in "Bucket Seats.".
constexpr bool KindMatchesText(std::span<const TrimEntry> table) {
    for (const TrimEntry& entry : table) {
        const std::string_view strKind = entry.bCustom ? "Custom " : "Standard ";
        if (!entry.strText.starts_with(strKind)) return false;
        if (!entry.strText.ends_with(entry.bBench ? "Bench Seats." : "Bucket Seats.")) return false;
    }
    return true;
}
static_assert(KindMatchesText(kTrims1967) && KindMatchesText(kTrims1968) &&
              KindMatchesText(kTrims1969));

}  // namespace

std::string TrimLookup(int nYear, std::string_view strTrim) {
    if (const TrimEntry* pEntry = FindTrim(nYear, AtoiLike(strTrim))) return std::string(pEntry->strText);
    return "Interior not defined correctly. " + LeadingNumberText(strTrim);
}

std::span<const TrimEntry> TrimTable(int nYear) {
    switch (nYear) {
        case 7: return kTrims1967;
        case 8: return kTrims1968;
        case 9: return kTrims1969;
        default: return {};
    }
}

const TrimEntry* FindTrim(int nYear, int nCode) {
    for (const TrimEntry& entry : TrimTable(nYear)) {
        if (entry.nCode == nCode) return &entry;
    }
    return nullptr;
}

std::string TrimLookup67(int nCode) { return TrimLookup(7, std::to_string(nCode)); }
std::string TrimLookup68(int nCode) { return TrimLookup(8, std::to_string(nCode)); }
std::string TrimLookup69(int nCode) { return TrimLookup(9, std::to_string(nCode)); }

}  // namespace vexlor
