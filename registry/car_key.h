#pragma once
// Which car a decode file belongs to.

#include <string>
#include <string_view>

#include "results/code_fields.h"

namespace vexlor {

enum class CarKeyKind { Vin, Body, File };

struct CarKey {
    std::string strKey;
    CarKeyKind kind = CarKeyKind::File;
    bool operator==(const CarKey&) const = default;
};

// The VIN key (prefix and tail) when the tail's sequence number is complete;
// else "".
std::string VinKeyOf(const TagCodes& codes);
// When the body number is complete, the model-year digit, "B_" and the plant
// letter with the body number (as the decode file's default name has them);
// else "".
std::string BodyKeyOf(const TagCodes& codes);

// The VIN key, else the body key, else the file's own hash: a car that
// cannot be matched.
CarKey CarKeyOf(const TagCodes& codes, std::string_view strSha256Hex);

// "vin", "body" or "file", as the database keeps the kind.
std::string_view KindName(CarKeyKind kind);

// Whether a code says something: not empty, not only blanks and dashes, no
// '_' for an unread character, and for the paint a top as well as a body
// colour. A code that does not never replaces one that does.
bool IsKnownCode(size_t nField, std::string_view strCode);

}  // namespace vexlor
