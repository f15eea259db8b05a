#pragma once
// The body styles and assembly plants of the cowl tag's "ST" row.

#include <array>
#include <string_view>

namespace vexlor {

// A style is known by the last five characters of the style text.
struct StyleRow {
    std::string_view strStyle;
    std::string_view strLine67;    // 1967 tags
    std::string_view strLine6869;  // 1968 and 1969 tags
    bool bConvertible;
    bool bCustomInterior;
};

inline constexpr std::array<StyleRow, 4> kStyles{{
    {"12437", " = Standard Interior Coupe.", " = Coupe.", false, false},
    {"12467", " = Standard Interior Convertible.", " = Convertible.", true, false},
    {"12637", " = Custom Interior Coupe.", " = Custom Interior Coupe.", false, true},
    {"12667", " = Custom Interior Convertible.", " = Custom Interior Convertible.", true, true},
}};
inline constexpr size_t kStyleKeyLength = 5;

inline constexpr std::string_view kStyleBlank = "No body style was given.";
inline constexpr std::string_view kStyleIncorrect = "Incorrect style was given.";

constexpr const StyleRow* FindStyle(std::string_view strKey) {
    for (const StyleRow& row : kStyles) {
        if (row.strStyle == strKey) return &row;
    }
    return nullptr;
}

// The style echo when no known style was given; empty for no year.
constexpr std::string_view BlankStylePattern(int nYear) {
    switch (nYear) {
        case 7: return "67-12__7";
        case 8: return "68-12__7";
        case 9: return "69-12__7";
        default: return {};
    }
}

struct PlantRow {
    std::string_view strPlant;
    std::string_view strLine;
    char cLetter;      // the plant letter of the plant-and-body-number echo
    bool bLosAngeles;
};

inline constexpr std::string_view kNorwoodLine = " = Built in Norwood Ohio.";
inline constexpr std::string_view kVanNuysLine = " = Built in Van Nuys California.";

inline constexpr PlantRow kNorwoodPlant{"NOR", kNorwoodLine, 'N', false};
inline constexpr PlantRow kLosAngelesPlant{"LOS", kVanNuysLine, 'L', true};

inline constexpr std::array<PlantRow, 3> kPlants{{
    kNorwoodPlant,
    kLosAngelesPlant,
    {"VN", kVanNuysLine, 'L', true},
}};

constexpr const PlantRow* FindPlant(std::string_view strPlant) {
    for (const PlantRow& row : kPlants) {
        if (row.strPlant == strPlant) return &row;
    }
    return nullptr;
}

inline constexpr std::string_view kPlantUnknown = " = ??";
inline constexpr std::string_view kPlantBlank = "No Assm. Plant given.";
inline constexpr std::string_view kSchedCodeLine = " = internal plant scheduling code.";
inline constexpr std::string_view kSchedCodeBlank = "Blank";
inline constexpr char kNoPlantLetter = '_';

}  // namespace vexlor
