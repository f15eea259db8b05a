#pragma once
// The tag form's logic driving a page: the page's controls object is the
// form's FormControls, and the page calls one method per event.

#include <emscripten/val.h>

#include "form/tag_form.h"
#include "js_form_controls.h"

namespace vexlor::web {

class TagFormSession {
public:
    explicit TagFormSession(emscripten::val controls) : m_controls(std::move(controls)), m_form(m_controls) {}

    void InitForm() { m_form.InitForm(); }
    void OnYearSelChange(int nIndex) { m_form.OnYearSelChange(nIndex); }
    void OnYearEditChange() { m_form.OnYearEditChange(); }
    void OnClearAll() { m_form.OnClearAll(); }
    void OnHelpDecoding(bool bEndedWithOk) { m_form.OnHelpDecoding(bEndedWithOk); }
    // True when the box has a handler for the event.
    bool OnDropDown(int nId) { return m_form.OnDropDown(nId); }
    bool OnFocus(int nId) { return m_form.OnFocus(nId); }
    bool OnPick(int nId) { return m_form.OnPick(nId); }
    // The decode view of the form (decode_view.h), or null when the form
    // asked for the model year with its message box.
    emscripten::val Decode();

private:
    JsFormControls m_controls;
    TagForm m_form;
};

}  // namespace vexlor::web
