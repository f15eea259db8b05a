#pragma once
// One decode as the page shows and saves it, and the decode of a plain object
// of field texts (the comparison with the command line uses it).

#include <emscripten/val.h>

#include "decoder/decode_result.h"
#include "decoder/tag_fields.h"

namespace vexlor::web {

// The name a download takes when the decode gives no default name (the
// desktop asks in its Save As dialog then; a browser has no such question).
inline constexpr std::string_view kFallbackFileName = "decode.txt";

// { year: "1969", vin: "...", ... }: every field by its command-line name.
emscripten::val FieldsToJs(const TagFields& fields);
// The texts of an object keyed by those names; a missing year (or one that is
// no string) is "1967" as the form starts, every other such field is empty.
TagFields FieldsFromJs(const emscripten::val& object);

// { lines, key, defaultFileName, downloadFileName, emailSubject, mailtoUrl,
//   fields, fileBytes(year, month, day) } of the decode of fields.
emscripten::val DecodeView(const TagFields& fields, const DecodeResult& result);

// The decode file of the fields' decode as the desktop writes it under its
// default name on that date, without a side file: a Uint8Array; null for a
// date that is no calendar day.
emscripten::val FileBytesOfFields(const emscripten::val& object, int nYear, int nMonth, int nDay);

// { lines, json, fileBytes(year, month, day) }: json is what
// vexlor-decode --json prints for the same fields, without its line end;
// fileBytes reads the object when called.
emscripten::val DecodeFields(const emscripten::val& object);

}  // namespace vexlor::web
