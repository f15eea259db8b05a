#pragma once
// Turns fuzzer bytes into the texts of a tag form.
//
// Byte 0 chooses the year: a value below kYearChoiceLimit takes entry
// (value modulo 10) of kYearChoices (the six texts the form offers and near
// misses); a higher value means the year is a raw text, the first segment. The remaining bytes are split
// at kFieldSeparator into segments that fill the data fields in the order of
// TagField (year first only when it is raw); missing segments leave a
// field empty. What follows the separator after the last field is handed
// back as the rest (the side file of the decode-file target).

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "decoder/tag_fields.h"

namespace vexlor::fuzz {

inline constexpr char kFieldSeparator = '\x01';

inline constexpr std::array<std::string_view, 10> kYearChoices = {
    "1967", "67", "1968", "68", "1969", "69", "", "1970", " 1968", "1968 ",
};

// Byte 0 values below this take an entry of kYearChoices; the rest are raw.
inline constexpr unsigned kYearChoiceLimit = 0xC0;

TagFields TagFieldsFromBytes(const uint8_t* pData, size_t nSize, std::optional<std::string_view>* pRest = nullptr);

}  // namespace vexlor::fuzz
