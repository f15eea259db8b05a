#include "decoder/trim_tables.h"

#include <array>

#include "decoder/text.h"

namespace vexlor {
namespace {

constexpr bool kStandard = false;
constexpr bool kCustom = true;

constexpr std::array<TrimEntry, 17> kTrims1967{{
    {707, kCustom, "Custom Yellow Bucket Seats."},
    {709, kStandard, "Standard Gold Bucket Seats."},
    {711, kCustom, "Custom Gold Bucket Seats."},
    {712, kCustom, "Custom Gold Bench Seats."},
    {716, kCustom, "Custom Bright Blue Bench Seats."},
    {717, kStandard, "Standard Blue Bucket Seats."},
    {732, kCustom, "Custom Bright Blue Bucket Seats."},
    {739, kStandard, "Standard Blue Bench Seats."},
    {741, kStandard, "Standard Red Bucket Seats."},
    {742, kCustom, "Custom Red Bucket Seats."},
    {756, kStandard, "Standard Black Bench Seats."},
    {760, kStandard, "Standard Black Bucket Seats."},
    {765, kCustom, "Custom Black Bucket Seats."},
    {767, kCustom, "Custom Black Bench Seats."},
    {779, kCustom, "Custom Turquoise Bucket Seats."},
    {796, kStandard, "Standard Gold Bench Seats."},
    {797, kCustom, "Custom Parchment/Black Bucket Seats."},
}};

constexpr std::array<TrimEntry, 19> kTrims1968{{
    {711, kCustom, "Custom Ivory/Black Bucket Seats."},
    {712, kStandard, "Standard Black Bucket Seats."},
    {713, kStandard, "Standard Black Bench Seats."},
    {714, kCustom, "Custom Black Bucket Seats."},
    {715, kCustom, "Custom Black Bench Seats."},
    {716, kCustom, "Custom Ivory Houndstooth Bucket Seats."},
    {717, kStandard, "Standard Blue Bucket Seats."},
    {718, kStandard, "Standard Blue Bench Seats."},
    {719, kCustom, "Custom Blue Bucket Seats."},
    {720, kCustom, "Custom Blue Bench Seats."},
    {721, kCustom, "Custom Gold Bucket Seats."},
    {722, kStandard, "Standard Gold Bucket Seats."},
    {723, kStandard, "Standard Gold Bench Seats."},
    {724, kStandard, "Standard Red Bucket Seats."},
    {725, kCustom, "Custom Red Bucket Seats."},
    {726, kCustom, "Custom Turquoise Bucket Seats."},
    {727, kCustom, "Custom Turquoise Bench Seats."},
    {730, kCustom, "Custom Parchment/Black Bucket Seats."},
    {749, kCustom, "Custom Black Houndstooth Bucket Seats."},
}};

constexpr std::array<TrimEntry, 15> kTrims1969{{
    {711, kStandard, "Standard Black Bucket Seats."},
    {712, kCustom, "Custom Black Bucket Seats."},
    {713, kCustom, "Custom Houndstooth Black Bucket Seats."},
    {714, kCustom, "Custom Yellow Houndstooth Bucket Seats."},
    {715, kStandard, "Standard Dark Blue Bucket Seats."},
    {716, kCustom, "Custom Dark Blue Bucket Seats."},
    {718, kStandard, "Standard Medium Red Bucket Seats."},
    {719, kCustom, "Custom Medium Red Bucket Seats."},
    {720, kCustom, "Custom Orange Houndstooth Bucket Seats."},
    {721, kStandard, "Standard Medium Green Bucket Seats."},
    {722, kCustom, "Custom Medium Green Bucket Seats."},
    {723, kStandard, "Standard Midnight Green Bucket Seats."},
    {725, kCustom, "Custom Midnight Green Bucket Seats."},
    {727, kStandard, "Standard Ivory/Black Bucket Seats."},
    {729, kCustom, "Custom Ivory Houndstooth Bucket Seats."},
}};

// A Standard interior's description starts with "Standard", a Custom one's with "Custom".
constexpr bool KindMatchesText(std::span<const TrimEntry> table) {
    for (const TrimEntry& entry : table) {
        const std::string_view strKind = entry.bCustom ? "Custom " : "Standard ";
        if (entry.strText.substr(0, strKind.size()) != strKind) return false;
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
