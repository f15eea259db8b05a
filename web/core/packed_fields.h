#pragma once
// decodeFields for many tags at a time: a crossing between JavaScript and
// WebAssembly costs more than decoding a field, so the texts of a tag are
// written straight into the module's pack buffer and its lines and JSON come
// back as one string. decode_fields.js packs and unpacks them and is what
// callers use.
//
// The packed fields: for each name of kFieldNames in its order, the text's
// length in two UTF-16 units (high, low) and then its units; a field that is
// no string is the two units FFFF FFFF. A packing cut short or too long ends
// the reading: the fields not read keep their start texts.

#include <cstdint>
#include <string>
#include <string_view>

#include <emscripten/val.h>

#include "decoder/tag_fields.h"

namespace vexlor::web {

// The field names in the order the packing lists them.
emscripten::val FieldNamesJs();

// The pack buffer with room for nUnits UTF-16 units: its address in the
// module's memory (it moves when it grows).
std::uintptr_t PackBuffer(std::size_t nUnits);

// The fields of a packing; a year not given is "1967", as the form starts.
TagFields UnpackFields(std::u16string_view packed);

// The decode of the fields as one string: the lengths of the result lines,
// joined by ",", then ";", the lines one after another and last the JSON
// vexlor-decode --json prints. It is UTF-8 and holds no character above
// U+00FF, so it becomes a one-byte string in JavaScript, which reads it
// straight from the module's memory: the address of its byte count (32 bits,
// little-endian), the text following; valid until the next call.
// The fields are the first nUnits of the pack buffer (no more than it holds).
std::uintptr_t DecodePackedFields(std::size_t nUnits);

// The decode file of the fields' decode as the desktop writes it under its
// default name on that date, without a side file: a Uint8Array; null for a
// date that is no calendar day.
emscripten::val FileBytesOfPackedFields(std::size_t nUnits, int nYear, int nMonth, int nDay);

}  // namespace vexlor::web
