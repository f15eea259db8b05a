#pragma once
// The form's logic working on real widgets: texts, lists, visibility, focus
// and message boxes of a window built from its template.

#include "form/form_controls.h"

namespace vexlor {

class TemplateDialog;

class WidgetFormControls : public FormControls {
public:
    explicit WidgetFormControls(TemplateDialog& dialog) : m_dialog(dialog) {}

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
    void SetCurSel(int nId, int nIndex) override;
    void SetFocus(int nId) override;
    void MessageBox(std::string_view strText, std::string_view strCaption) override;

private:
    TemplateDialog& m_dialog;
};

}  // namespace vexlor
