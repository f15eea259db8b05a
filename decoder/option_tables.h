#pragma once
// The 1967 seat style letters and the five option groups of the 1967 tag.
// Every option text ends in the comma at which the results list splits a
// group's line into items.

#include <array>
#include <span>
#include <string_view>

namespace vexlor {

struct OptionCode {
    char cLetter;
    std::string_view strText;
};

// Appended to the seat letter.
inline constexpr std::array<OptionCode, 4> kSeatStyles{{
    {'H', " = (AL4) Strato Back (bench Seat)."},
    {'T', " = (AL4) Strato Back (bench Seat) and (AS2) Head Rest."},
    {'Y', " = (AS2) Buckets and Head Rest."},
    {'Z', " = (A50) Strato Bucket Seats (without headrests)."},
}};

inline constexpr std::array<OptionCode, 5> kOptionGroup1{{
    {'E', "(A01) Tinted All Glass,"},
    {'W', "(A02) Tinted W/S only,"},
    {'X', "(A31) Power Windows,"},
    {'L', "(A67) Fold-down rear seat,"},
    {'D', "(C06) Power top convertible,"},
}};

// M, L, Z and B are the transmissions.
inline constexpr std::array<OptionCode, 10> kOptionGroup2{{
    {'G', "(D55) Console front compartment,"},
    {'M', "(M35) Powerglide Transmission,"},
    {'L', "(M20) 4-speed floor shifter,"},
    {'Z', "(M40) THM400 Automatic Transmission,"},
    {'B', "(M11) 3-speed floor shifter,"},
    {'H', "(C48) Heater delete,"},
    {'E', "(C60) Air Conditioner,"},
    {'U', "(U57) Tape Player,"},
    {'S', "(U73) Antenna Manual right rear,"},
    {'R', "(U80) Speaker rear,"},
}};

inline constexpr std::array<OptionCode, 5> kOptionGroup3{{
    {'L', "(Z22) Rally Sport Package,"},
    {'D', "(U29) Courtesy Lamp,"},
    {'B', "(C50) Defogger rear window,"},
    {'S', "(Z23) Interior Decor group,"},
    {'K', "(Z21) Deluxe exterior trim,"},
}};

// P, N, K and L are the engines; '-' starts a special order (fleet) code.
inline constexpr std::array<OptionCode, 6> kOptionGroup4{{
    {'P', "(L48) SS 350,"},
    {'N', "(L35) SS 396,"},
    {'K', "(L78) SS 396,"},
    {'L', "(Z28) 302,"},
    {'F', "(D33) Mirror Remote Control,"},
    {'-', "Special Order/Fleet Code,"},
}};

inline constexpr std::array<OptionCode, 6> kOptionGroup5{{
    {'C', "(AS1) Shoulder harness - regular,"},
    {'Y', "(A39) Belts All Deluxe,"},
    {'B', "(V32) Rear Large Bumper Guards,"},
    {'Z', "(A85) Shoulder harness - Deluxe,"},
    {'O', "(A48) Export - Seatbelt delete,"},
    {'-', "Special Order/Fleet Code,"},
}};

// Texts that replace a table entry under the engine and date rules.
inline constexpr std::string_view kThm400WithSs396 = "(M40) THM400 Automatic Transmission,";
inline constexpr std::string_view kHd3SpeedWithSs350 = "(M13) HD 3-speed floor shifter,";
inline constexpr std::string_view kM21FourSpeed = "(M21) 4-speed floor shifter,";
inline constexpr std::string_view kSs350Or327 = "(L48) SS 350 or (L30) 327-275H,";

// Messages of the option groups.
inline constexpr std::string_view kNotInTable = " = ?,";
inline constexpr std::string_view kConvertibleOnly = "Error- can only be used on a convertible car.,";
inline constexpr std::string_view kOneTransmission = "Cannot have more than one transmission option.,";
inline constexpr std::string_view kOneEngine = "Cannot have more than one engine option.,";
inline constexpr std::string_view kNoSeatStyle = "No seat style was given.";

// The table of option group 1 to 5; empty for any other number.
constexpr std::span<const OptionCode> OptionGroupTable(int nGroup) {
    switch (nGroup) {
        case 1: return kOptionGroup1;
        case 2: return kOptionGroup2;
        case 3: return kOptionGroup3;
        case 4: return kOptionGroup4;
        case 5: return kOptionGroup5;
        default: return {};
    }
}

// The entry for a letter (exact comparison), or null.
constexpr const OptionCode* FindOptionCode(std::span<const OptionCode> table, char cLetter) {
    for (const OptionCode& code : table) {
        if (code.cLetter == cLetter) return &code;
    }
    return nullptr;
}

}  // namespace vexlor
