#include "js_text.h"

#include <cstdint>

namespace vexlor::web {

using emscripten::val;

bool ReadJsString(const val& text, std::string& strOut) {
    if (!text.isString()) return false;
    const std::u16string units = text.as<std::u16string>();
    strOut.assign(units.size(), '?');
    for (size_t i = 0; i < units.size(); ++i) {
        if (units[i] <= 0xFF) strOut[i] = static_cast<char>(units[i]);
    }
    return true;
}

std::string FromJs(const val& text) {
    std::string strOut;
    ReadJsString(text, strOut);
    return strOut;
}

namespace {

// Texts of this many units and more cross through the environment's
// TextDecoder, which reads the units at once; shorter ones cross as a string value.
constexpr size_t kDecoderThreshold = 48;

val Utf16Text(const std::u16string& units) {
    if (units.size() < kDecoderThreshold) return val(units);
    static const val decoder = val::global("TextDecoder").new_(val("utf-16le"));
    return decoder.call<val>("decode", val(emscripten::typed_memory_view(units.size(), reinterpret_cast<const std::uint16_t*>(units.data()))));
}

std::u16string Units(std::string_view strText) {
    std::u16string units(strText.size(), u'\0');
    for (size_t i = 0; i < strText.size(); ++i) units[i] = static_cast<unsigned char>(strText[i]);
    return units;
}

}  // namespace

val ToJs(std::string_view strText) { return Utf16Text(Units(strText)); }

val Utf8ToJs(std::string_view strUtf8) {
    static const val decoder = val::global("TextDecoder").new_(val("utf-8"));
    const auto* pBytes = reinterpret_cast<const unsigned char*>(strUtf8.data());
    return decoder.call<val>("decode", val(emscripten::typed_memory_view(strUtf8.size(), pBytes)));
}

// Each crossing of the boundary costs far more than the decode of a field: the
// texts go as one string, split at a character no text from the core can
// hold (every character of those is at most U+00FF).
val ToJsArray(const std::vector<std::string>& texts) {
    if (texts.empty()) return val::array();
    constexpr char16_t kSeparator = u'\uFFFF';
    std::u16string joined;
    for (size_t i = 0; i < texts.size(); ++i) {
        if (i > 0) joined += kSeparator;
        for (const char ch : texts[i]) joined += static_cast<unsigned char>(ch);
    }
    return Utf16Text(joined).call<val>("split", val(std::u16string(1, kSeparator)));
}

val ToUint8Array(std::string_view strBytes) {
    const auto* pBytes = reinterpret_cast<const unsigned char*>(strBytes.data());
    const val view(emscripten::typed_memory_view(strBytes.size(), pBytes));
    return val::global("Uint8Array").new_(view);
}

}  // namespace vexlor::web
