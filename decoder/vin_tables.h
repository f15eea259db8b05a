#pragma once
// The codes of the VIN's first half, the serial ranges of the model years and
// the texts of the VIN and body-number lines.

#include <array>
#include <string_view>

namespace vexlor {

// One known value of a VIN position and its line.
struct VinCodeRow {
    std::string_view strCode;
    std::string_view strLine;
};

inline constexpr std::string_view kVinMake = "1 = Chevrolet";
inline constexpr std::string_view kVinLine = "2 = Camaro";
inline constexpr std::string_view kVinNotCamaro = "Not a valid Camaro vin number.";

// Position 3.
inline constexpr std::array<VinCodeRow, 2> kVinEngines{{
    {"3", "3 = 6-cylinder engine"},
    {"4", "4 = 8-cylinder engine"},
}};
inline constexpr std::string_view kVinEngineUnknown = " = ~cylinder engine";
inline constexpr std::string_view kVinSixCylinder = "3";

// Positions 4 and 5.
inline constexpr std::array<VinCodeRow, 2> kVinBodies{{
    {"37", "37 = coupe body"},
    {"67", "67 = convertible body"},
}};
inline constexpr std::string_view kVinBodyUnknown = " = ?? body";

// Position 6.
inline constexpr std::array<VinCodeRow, 3> kVinYears{{
    {"7", "7 = 1967 model year"},
    {"8", "8 = 1968 model year"},
    {"9", "9 = 1969 model year"},
}};
inline constexpr std::string_view kVinYearUnknown = " = ?? model year";

// Position 7.
inline constexpr std::array<VinCodeRow, 2> kVinPlants{{
    {"L", "L = Los Angeles, CA assembly plant (Van Nuys)"},
    {"N", "N = Norwood, OH assembly plant"},
}};
inline constexpr std::string_view kVinPlantUnknown = " = ?? assembly plant";
inline constexpr char kVinLosAngeles = 'L';
inline constexpr char kVinNorwood = 'N';

// The first digits a serial of a model year may start with. The 1969 Los
// Angeles row comes first; every other car of that year takes the next row.
struct SerialRange {
    char cYearDigit;
    bool bLosAngelesOnly;
    std::string_view strFirstDigits;
    std::string_view strMessage;
};

inline constexpr std::array<SerialRange, 4> kSerialRanges{{
    {'7', false, "12", " - the first digit must be a 1 or a 2."},
    {'8', false, "34", " - the first digit must be a 3 or a 4."},
    {'9', true, "5", " - the first digit must be a 5."},
    {'9', false, "567", " - the first digit must be a 5,6 or 7."},
}};

inline constexpr std::string_view kSerialAccepted = " = vehicle serial number sequence";
inline constexpr std::string_view kSerialWrongLength = " - this the wrong length.  Should be 6 digits.";
inline constexpr size_t kSerialLength = 6;
inline constexpr size_t kVinTailLength = 8;

// The serial range of a year digit, for a Los Angeles car or any other; null
// for a digit that is no model year.
constexpr const SerialRange* FindSerialRange(char cYearDigit, bool bLosAngeles) {
    for (const SerialRange& range : kSerialRanges) {
        if (range.cYearDigit == cYearDigit && (!range.bLosAngelesOnly || bLosAngeles)) return &range;
    }
    return nullptr;
}

inline constexpr std::string_view kBodyNumberPrefix = "Decode for body number: ";
inline constexpr std::string_view kBodyNumberWrongLength = "Number has to be 6 digits long.";
inline constexpr std::string_view kBodyNumberBlank = "______";
inline constexpr size_t kBodyNumberLength = 6;

}  // namespace vexlor
