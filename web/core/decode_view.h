#pragma once
// One decode as the page shows and saves it, and the form's texts as a plain
// object keyed by the command line's field names.

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

}  // namespace vexlor::web
