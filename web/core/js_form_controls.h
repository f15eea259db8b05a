#pragma once
// The form's controls as a JavaScript object implements them: getText,
// setText, setShown, isShown, setEnabled, isEnabled, resetList, addString,
// getList, getCurSel, setFocus and messageBox, controls addressed by id.

#include <emscripten/val.h>

#include "form/form_controls.h"

namespace vexlor::web {

class JsFormControls : public FormControls {
public:
    explicit JsFormControls(emscripten::val controls) : m_controls(std::move(controls)) {}

    std::string GetText(int nId) const override;
    void SetText(int nId, std::string_view strText) override;
    void SetShown(int nId, bool bShown) override;
    bool IsShown(int nId) const override;
    void SetEnabled(int nId, bool bEnabled) override;
    bool IsEnabled(int nId) const override;
    void ResetList(int nId) override;
    void AddString(int nId, std::string_view strEntry) override;
    std::vector<std::string> GetList(int nId) const override;
    int GetCurSel(int nId) const override;
    void SetFocus(int nId) override;
    void MessageBox(std::string_view strText, std::string_view strCaption) override;

private:
    emscripten::val m_controls;
};

}  // namespace vexlor::web
