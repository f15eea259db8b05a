#pragma once
// decodeFields for many tags at a time: a crossing between JavaScript and
// WebAssembly costs more than decoding a field, so the texts of a tag cross in
// as one string and its lines and JSON come back as one. decode_fields.js
// packs and unpacks them and is what callers use.
//
// The packed fields: for each name of kFieldNames in its order, the text's
// length in two UTF-16 units (high, low) and then its units; a field that is
// no string is the two units FFFF FFFF. A packing cut short or too long ends
// the reading: the fields not read keep their start texts.

#include <string>

#include <emscripten/val.h>

#include "decoder/tag_fields.h"

namespace vexlor::web {

// The field names in the order the packing lists them.
emscripten::val FieldNamesJs();

// The fields of a packing; a year not given is "1967", as the form starts.
TagFields UnpackFields(const std::u16string& packed);

// The JSON vexlor-decode --json prints for the fields, then each result line,
// every one after a U+FFFF (no text of the decode holds a character above
// U+00FF), as one string.
emscripten::val DecodePackedFields(const std::u16string& packed);

// The decode file of the fields' decode as the desktop writes it under its
// default name on that date, without a side file: a Uint8Array; null for a
// date that is no calendar day.
emscripten::val FileBytesOfPackedFields(const std::u16string& packed, int nYear, int nMonth, int nDay);

}  // namespace vexlor::web
