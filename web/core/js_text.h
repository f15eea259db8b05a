#pragma once
// Texts across the JavaScript boundary. The core keeps single-byte Latin-1
// strings; JavaScript has UTF-16. Into the core each UTF-16 code unit up to
// 0xFF becomes that byte and any other unit becomes '?', as the desktop's
// conversion does; out of the core each byte becomes the character of that code.

#include <string>
#include <string_view>
#include <vector>

#include <emscripten/val.h>

namespace vexlor::web {

// A JavaScript value as Latin-1 bytes; anything but a string is empty.
std::string FromJs(const emscripten::val& text);
// The same into strOut; false, and strOut as it was, for anything but a string.
bool ReadJsString(const emscripten::val& text, std::string& strOut);
emscripten::val ToJs(std::string_view strText);
// UTF-8 text as a string.
emscripten::val Utf8ToJs(std::string_view strUtf8);
// An array of the texts, made in one crossing (they travel as one string).
emscripten::val ToJsArray(const std::vector<std::string>& texts);
// The bytes as a Uint8Array of their own (not a view of the module's memory).
emscripten::val ToUint8Array(std::string_view strBytes);

}  // namespace vexlor::web
