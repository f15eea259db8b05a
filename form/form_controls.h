#pragma once
// What the form's logic needs from a window: the texts, lists, visibility and
// focus of its controls, addressed by id, and a message box. Setting a text or
// a list through this interface raises no notification.

#include <string>
#include <string_view>
#include <vector>

namespace vexlor {

class FormControls {
public:
    virtual ~FormControls() = default;

    virtual std::string GetText(int nId) const = 0;
    virtual void SetText(int nId, std::string_view strText) = 0;

    virtual void SetShown(int nId, bool bShown) = 0;
    virtual bool IsShown(int nId) const = 0;
    virtual void SetEnabled(int nId, bool bEnabled) = 0;
    virtual bool IsEnabled(int nId) const = 0;

    // Combo-box lists. A sorted box keeps its list sorted whatever the order of adding.
    virtual void ResetList(int nId) = 0;          // removes the entries; the edit text stays
    virtual void AddString(int nId, std::string_view strEntry) = 0;
    virtual std::vector<std::string> GetList(int nId) const = 0;
    // The selected entry's index, or -1 when none is selected.
    virtual int GetCurSel(int nId) const = 0;
    // Selects entry nIndex (-1: none); the edit text stays.
    virtual void SetCurSel(int nId, int nIndex) = 0;

    virtual void SetFocus(int nId) = 0;
    // A modal box with an OK button.
    virtual void MessageBox(std::string_view strText, std::string_view strCaption) = 0;
};

}  // namespace vexlor
