#pragma once
// The tag form's logic on in-memory controls, started from the template as
// the window starts: each control a record of text, list (in the order its
// entries were added), visibility, enabled state and selection.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "form/control_table.h"
#include "form/data_fields.h"
#include "form/tag_form.h"

namespace vexlor::testing {

using Codes = std::vector<std::string>;
using Message = std::pair<std::string, std::string>;

struct FakeFormControls : FormControls {
    struct Control {
        std::string strText;
        Codes list;
        bool bShown = true, bEnabled = true;
        int nCurSel = -1;
        bool operator==(const Control&) const = default;
    };
    std::map<int, Control> all;        // by control id
    std::vector<Message> messages;     // text and caption of each message box shown
    std::vector<int> focusMoves;       // each control given the focus
    std::function<void(int)> onFocus;  // the window's focus notification, if a test needs one

    // The window's controls as the template builds them: combo boxes start empty but for their lists.
    FakeFormControls() {
        for (const ControlSpec& s : TagFormTemplate().controls) {
            if (s.nId == ctl::None) continue;
            all[s.nId] = {s.kind == ControlKind::ComboBox ? "" : std::string(s.strText),
                          Codes(s.initialList.begin(), s.initialList.end()), !(s.nFlags & kHidden),
                          !(s.nFlags & kDisabled)};
        }
    }
    std::string GetText(int nId) const override { return all.at(nId).strText; }
    void SetText(int nId, std::string_view strText) override { all.at(nId).strText = strText; }
    void SetShown(int nId, bool bShown) override { all.at(nId).bShown = bShown; }
    bool IsShown(int nId) const override { return all.at(nId).bShown; }
    void SetEnabled(int nId, bool bEnabled) override { all.at(nId).bEnabled = bEnabled; }
    bool IsEnabled(int nId) const override { return all.at(nId).bEnabled; }
    void ResetList(int nId) override { all.at(nId).list.clear(); }
    void AddString(int nId, std::string_view strEntry) override { all.at(nId).list.emplace_back(strEntry); }
    Codes GetList(int nId) const override { return all.at(nId).list; }
    int GetCurSel(int nId) const override { return all.at(nId).nCurSel; }
    void SetCurSel(int nId, int nIndex) override { all.at(nId).nCurSel = nIndex; }
    void SetFocus(int nId) override {
        focusMoves.push_back(nId);
        if (onFocus) onFocus(nId);
    }
    void MessageBox(std::string_view strText, std::string_view strCaption) override {
        messages.emplace_back(strText, strCaption);
    }
    // A box written "text[entry,entry*] off": its text, its list when it has one with "*" after the selected
    // entry ("]*" for a selection past the end), and " off" when disabled.
    void SetBox(int nId, std::string strState) {
        Control& c = all.at(nId);
        c.bEnabled = !strState.ends_with(" off");
        strState.resize(strState.size() - (c.bEnabled ? 0 : 4));
        const size_t nOpen = std::min(strState.find('['), strState.size());
        c.strText = strState.substr(0, nOpen);
        c.list.clear();
        c.nCurSel = -1;
        const size_t nClose = strState.rfind(']');
        std::istringstream entries(nClose == std::string::npos ? "" : strState.substr(nOpen + 1, nClose - nOpen - 1));
        for (std::string strEntry; std::getline(entries, strEntry, ',');) {
            if (strEntry.ends_with('*')) strEntry.pop_back(), c.nCurSel = static_cast<int>(c.list.size());
            c.list.push_back(strEntry);
        }
        if (strState.ends_with("]*")) c.nCurSel = static_cast<int>(c.list.size());
    }
    std::string Box(int nId) const {
        const Control& c = all.at(nId);
        std::string strList;
        for (const std::string& entry : c.list) strList += (strList.empty() ? "[" : ",") + entry;
        return c.strText + strList + (c.list.empty() ? "" : "]") + (c.bEnabled ? "" : " off");
    }
};

// The form as the window opens it.
struct FormTest : ::testing::Test {
    FormTest() { form.InitForm(); }

    FakeFormControls controls;
    TagForm form{controls};
};

}  // namespace vexlor::testing
