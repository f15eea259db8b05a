#include "js_text.h"

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

val ToJs(std::string_view strText) {
    std::u16string units(strText.size(), u'\0');
    for (size_t i = 0; i < strText.size(); ++i) units[i] = static_cast<unsigned char>(strText[i]);
    return val(units);
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
    return val(joined).call<val>("split", val(std::u16string(1, kSeparator)));
}

val ToUint8Array(std::string_view strBytes) {
    const auto* pBytes = reinterpret_cast<const unsigned char*>(strBytes.data());
    const val view(emscripten::typed_memory_view(strBytes.size(), pBytes));
    return val::global("Uint8Array").new_(view);
}

}  // namespace vexlor::web
