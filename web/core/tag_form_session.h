#pragma once
// The tag form's logic driving a page: the page's controls object is the
// form's FormControls, and the page calls one method per event.

#include <emscripten/val.h>

#include "form/tag_form.h"
#include "js_form_controls.h"

namespace vexlor::web {

class TagFormSession {
public:
    explicit TagFormSession(emscripten::val controls);

    void InitForm() { m_form.InitForm(); }
    void OnYearSelChange(int nIndex) { m_form.OnYearSelChange(nIndex); }
    void OnYearEditChange() { m_form.OnYearEditChange(); }
    void OnClearAll() { m_form.OnClearAll(); }
    void OnHelpDecoding(bool bEndedWithOk) { m_form.OnHelpDecoding(bEndedWithOk); }
    // True when the box has a handler for the event.
    bool OnDropDown(int nId) { return m_form.OnDropDown(nId); }
    bool OnFocus(int nId) { return m_form.OnFocus(nId); }
    bool OnPick(int nId) { return m_form.OnPick(nId); }
    // Taking back a clearing: whether "Undo" is offered, and "Undo" itself.
    bool UndoOffered() const { return m_form.UndoOffered(); }
    void OnUndo() { m_form.OnUndo(); }
    // The user typed into a field or picked from its list: a data field's
    // edit ends the offer. False for the year box and any other control.
    bool OnFieldEdit(int nId);
    // listener(offered) runs each time the offer starts or ends; null: none.
    void SetUndoListener(emscripten::val listener) { m_undoListener = std::move(listener); }
    // The decode view of the form (decode_view.h), or null when the form
    // asked for the model year with its message box.
    emscripten::val Decode();

private:
    JsFormControls m_controls;
    TagForm m_form;
    emscripten::val m_undoListener = emscripten::val::null();
};

}  // namespace vexlor::web
