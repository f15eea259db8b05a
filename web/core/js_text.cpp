#include "js_text.h"

namespace vexlor::web {

using emscripten::val;

std::string FromJs(const val& text) {
    if (!text.isString()) return {};
    const std::u16string units = text.as<std::u16string>();
    std::string strOut(units.size(), '?');
    for (size_t i = 0; i < units.size(); ++i) {
        if (units[i] <= 0xFF) strOut[i] = static_cast<char>(units[i]);
    }
    return strOut;
}

val ToJs(std::string_view strText) {
    std::u16string units(strText.size(), u'\0');
    for (size_t i = 0; i < strText.size(); ++i) units[i] = static_cast<unsigned char>(strText[i]);
    return val(units);
}

val ToJsArray(const std::vector<std::string>& texts) {
    val array = val::array();
    for (const std::string& strText : texts) array.call<void>("push", ToJs(strText));
    return array;
}

val ToUint8Array(std::string_view strBytes) {
    const val view(emscripten::typed_memory_view(strBytes.size(), reinterpret_cast<const unsigned char*>(strBytes.data())));
    return val::global("Uint8Array").new_(view);
}

}  // namespace vexlor::web
