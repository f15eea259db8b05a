#pragma once
// The tag form on in-memory controls built from its template and started as
// the window starts it; the style box's focus notification builds its list.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "form/control_ids.h"
#include "form/control_table.h"
#include "form/fake_form_controls.h"
#include "form/tag_form.h"

namespace vexlor::testing {

using Codes = std::vector<std::string>;

// The eighteen data fields, every one but the year box.
inline const std::vector<int> kDataIds{1022, 1023, 1001, 1000, 1002, 1003, 1004, 1005, 1011,
                                       1006, 1014, 1015, 1016, 1017, 1018, 1019, 1007, 1008};

// What each layout hides (2 is the never-shown Exit).
inline const std::set<int> kHidden67{2, 1007, 1008, 1045, 1046, 1047, 1048};
inline const std::set<int> kHidden68{2, 1007, 1008, 1046, 1047, 1048, 1015, 1016, 1017,
                                     1018, 1019, 1039, 1040, 1041, 1042, 1044, 1011, 1049};
inline const std::set<int> kHidden69{2, 1000, 1001, 1045, 1015, 1016, 1017, 1018, 1019,
                                     1039, 1040, 1041, 1042, 1044, 1011, 1049};

class FormTest : public ::testing::Test {
protected:
    FormTest() : controls(TagFormTemplate()) {
        form.InitForm();
        controls.OnFocus([this](int nId) {
            if (nId == ctl::Style) form.FillStyleList();
        });
    }

    void SetYear(std::string_view strYear) { controls.SetText(ctl::Year, strYear); }
    void SetList(int nId, const Codes& entries) {
        controls.ResetList(nId);
        for (const std::string& entry : entries) controls.AddString(nId, entry);
    }
    // The user picks strEntry from box nId (added to its list when missing).
    void Pick(int nId, const std::string& strEntry) {
        const Codes list = controls.GetList(nId);
        if (std::find(list.begin(), list.end(), strEntry) == list.end()) controls.AddString(nId, strEntry);
        ASSERT_GE(controls.Select(nId, strEntry), 0);
    }
    void PickYear(const std::string& strYear) {
        form.OnYearSelChange(controls.Select(ctl::Year, strYear));
        controls.SetText(ctl::Year, strYear);
    }
    // The user's typing leaves strYear in the box.
    void TypeYear(const std::string& strYear) {
        controls.SetText(ctl::Year, strYear);
        form.OnYearEditChange();
    }
    void FillDataFields(const std::string& strText = "X") {
        for (int nId : kDataIds) controls.SetText(nId, strText);
    }
    void ExpectDataFieldsEmpty() const {
        for (int nId : kDataIds) EXPECT_EQ(controls.GetText(nId), "") << nId;
    }
    std::set<int> HiddenIds() const {
        std::set<int> hidden;
        for (const ControlSpec& spec : TagFormTemplate().controls) {
            if (spec.nId >= 0 && !controls.IsShown(spec.nId)) hidden.insert(spec.nId);
        }
        return hidden;
    }
    // Every shown field is enabled and every hidden one disabled; the rivets never are.
    void ExpectEnabledAsShown() const {
        for (const ControlSpec& spec : TagFormTemplate().controls) {
            if (spec.nId < 0 || spec.nId == 2) continue;
            const bool bRivet = spec.nId == 1012 || spec.nId == 1013;
            EXPECT_EQ(controls.IsEnabled(spec.nId), controls.IsShown(spec.nId) && !bRivet) << spec.nId;
        }
    }
    // Everything the window shows: text, list, visibility, enabled state, selection.
    using ControlState = std::tuple<std::string, Codes, bool, bool, int>;
    std::vector<ControlState> Snapshot() const {
        std::vector<ControlState> state;
        for (const ControlSpec& spec : TagFormTemplate().controls) {
            if (spec.nId < 0) continue;
            state.emplace_back(controls.GetText(spec.nId), controls.GetList(spec.nId), controls.IsShown(spec.nId),
                               controls.IsEnabled(spec.nId), controls.GetCurSel(spec.nId));
        }
        return state;
    }

    FakeFormControls controls;
    TagForm form{controls};
};

}  // namespace vexlor::testing
