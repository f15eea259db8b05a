#include "js_form_controls.h"

#include "js_text.h"

namespace vexlor::web {

using emscripten::val;

std::string JsFormControls::GetText(int nId) const { return FromJs(m_controls.call<val>("getText", nId)); }

void JsFormControls::SetText(int nId, std::string_view strText) {
    m_controls.call<void>("setText", nId, ToJs(strText));
}

void JsFormControls::SetShown(int nId, bool bShown) { m_controls.call<void>("setShown", nId, bShown); }

bool JsFormControls::IsShown(int nId) const { return m_controls.call<val>("isShown", nId).as<bool>(); }

void JsFormControls::SetEnabled(int nId, bool bEnabled) { m_controls.call<void>("setEnabled", nId, bEnabled); }

bool JsFormControls::IsEnabled(int nId) const { return m_controls.call<val>("isEnabled", nId).as<bool>(); }

void JsFormControls::ResetList(int nId) { m_controls.call<void>("resetList", nId); }

void JsFormControls::AddString(int nId, std::string_view strEntry) {
    m_controls.call<void>("addString", nId, ToJs(strEntry));
}

// Whatever the page hands back, only an array's strings count.
std::vector<std::string> JsFormControls::GetList(int nId) const {
    const val list = m_controls.call<val>("getList", nId);
    std::vector<std::string> entries;
    if (!list.isArray()) return entries;
    const int nCount = list["length"].as<int>();
    entries.reserve(static_cast<size_t>(nCount));
    for (int i = 0; i < nCount; ++i) entries.push_back(FromJs(list[i]));
    return entries;
}

// Anything but a whole number within int range is no selection (the form
// checks an index against the list itself).
int JsFormControls::GetCurSel(int nId) const {
    const val selection = m_controls.call<val>("getCurSel", nId);
    if (!selection.isNumber()) return -1;
    const double dIndex = selection.as<double>();
    if (!(dIndex >= 0 && dIndex <= 1e9) || dIndex != static_cast<double>(static_cast<int>(dIndex))) return -1;
    return static_cast<int>(dIndex);
}

void JsFormControls::SetFocus(int nId) { m_controls.call<void>("setFocus", nId); }

void JsFormControls::MessageBox(std::string_view strText, std::string_view strCaption) {
    m_controls.call<void>("messageBox", ToJs(strText), ToJs(strCaption));
}

}  // namespace vexlor::web
