#pragma once
// An in-memory form for the tests: every control is a record of text, list,
// visibility, enabled state and selection. Controls spring into being when
// first used; a template fills them with their start state. Every text and
// visibility change is logged in the order it happens.

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "form/control_table.h"
#include "form/form_controls.h"

namespace vexlor::testing {

class FakeFormControls : public FormControls {
public:
    struct Control {
        std::string strText;
        std::vector<std::string> list;
        bool bSorted = false;
        bool bShown = true;
        bool bEnabled = true;
        int nCurSel = -1;
    };

    FakeFormControls() = default;
    explicit FakeFormControls(const DialogTemplate& dialog) {
        for (const ControlSpec& spec : dialog.controls) {
            if (spec.nId < 0) continue;
            Control& c = m_controls[spec.nId];
            c.bSorted = (spec.nFlags & kSorted) != 0;
            c.bShown = (spec.nFlags & kHidden) == 0;
            c.bEnabled = (spec.nFlags & kDisabled) == 0;
            if (spec.kind != ControlKind::ComboBox && spec.kind != ControlKind::ListBox) c.strText = std::string(spec.strText);
            for (std::string_view entry : spec.initialList) AddString(spec.nId, entry);
        }
    }

    std::string GetText(int nId) const override { return Find(nId).strText; }
    void SetText(int nId, std::string_view strText) override {
        m_log.push_back("T" + std::to_string(nId) + "=" + std::string(strText));
        m_controls[nId].strText = std::string(strText);
    }
    void SetShown(int nId, bool bShown) override {
        m_log.push_back("S" + std::to_string(nId) + (bShown ? "+" : "-"));
        m_controls[nId].bShown = bShown;
    }
    bool IsShown(int nId) const override { return Find(nId).bShown; }
    void SetEnabled(int nId, bool bEnabled) override { m_controls[nId].bEnabled = bEnabled; }
    bool IsEnabled(int nId) const override { return Find(nId).bEnabled; }
    void ResetList(int nId) override {
        m_controls[nId].list.clear();
        m_controls[nId].nCurSel = -1;
    }
    void AddString(int nId, std::string_view strEntry) override {
        Control& c = m_controls[nId];
        auto it = c.bSorted ? std::upper_bound(c.list.begin(), c.list.end(), std::string(strEntry)) : c.list.end();
        c.list.insert(it, std::string(strEntry));
    }
    std::vector<std::string> GetList(int nId) const override { return Find(nId).list; }
    int GetCurSel(int nId) const override { return Find(nId).nCurSel; }
    void SetFocus(int nId) override {
        m_focusLog.push_back(nId);
        if (m_onFocus) m_onFocus(nId);
    }
    void MessageBox(std::string_view strText, std::string_view strCaption) override {
        m_messages.emplace_back(std::string(strText), std::string(strCaption));
    }

    // Selects the list entry strEntry, as a user's pick does before the
    // selection-change notification (the edit text is not yet updated). Returns its index.
    int Select(int nId, std::string_view strEntry) {
        Control& c = m_controls[nId];
        auto it = std::find(c.list.begin(), c.list.end(), strEntry);
        c.nCurSel = it == c.list.end() ? -1 : static_cast<int>(it - c.list.begin());
        return c.nCurSel;
    }
    void OnFocus(std::function<void(int)> onFocus) { m_onFocus = std::move(onFocus); }
    const std::vector<std::pair<std::string, std::string>>& Messages() const { return m_messages; }
    const std::vector<int>& FocusLog() const { return m_focusLog; }
    std::vector<std::string>& Log() { return m_log; }

private:
    const Control& Find(int nId) const {
        static const Control kAbsent{};
        auto it = m_controls.find(nId);
        return it == m_controls.end() ? kAbsent : it->second;
    }

    std::map<int, Control> m_controls;
    std::vector<std::pair<std::string, std::string>> m_messages;
    std::vector<int> m_focusLog;
    std::vector<std::string> m_log;
    std::function<void(int)> m_onFocus;
};

}  // namespace vexlor::testing
