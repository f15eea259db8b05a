#pragma once
// A tag form on in-memory controls built from the form's template, recording
// every visibility and text change in the order it happens.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "form/control_ids.h"
#include "form/control_table.h"
#include "form/fake_form_controls.h"
#include "form/tag_form.h"

namespace vexlor::testing {

class RecordingFormControls : public FakeFormControls {
public:
    using FakeFormControls::FakeFormControls;

    void SetShown(int nId, bool bShown) override {
        m_log.push_back("S" + std::to_string(nId) + (bShown ? "+" : "-"));
        FakeFormControls::SetShown(nId, bShown);
    }
    void SetText(int nId, std::string_view strText) override {
        m_log.push_back("T" + std::to_string(nId) + "=" + std::string(strText));
        FakeFormControls::SetText(nId, strText);
    }
    std::vector<std::string>& Log() { return m_log; }

private:
    std::vector<std::string> m_log;
};

// The eighteen data fields, every one but the year box.
inline const std::vector<int> kDataIds{1022, 1023, 1001, 1000, 1002, 1003, 1004, 1005, 1011,
                                       1006, 1014, 1015, 1016, 1017, 1018, 1019, 1007, 1008};

// What is hidden at start and in the 1967 layout (2 is the never-shown Exit).
inline const std::set<int> kHidden67{2, 1007, 1008, 1045, 1046, 1047, 1048};
inline const std::set<int> kHidden68{2,    1007, 1008, 1046, 1047, 1048, 1015, 1016, 1017,
                                     1018, 1019, 1039, 1040, 1041, 1042, 1044, 1011, 1049};
inline const std::set<int> kHidden69{2,    1000, 1001, 1045, 1015, 1016, 1017, 1018, 1019,
                                     1039, 1040, 1041, 1042, 1044, 1011, 1049};

class LayoutTest : public ::testing::Test {
protected:
    LayoutTest() : controls(TagFormTemplate()) { form.InitForm(); }

    std::set<int> HiddenIds() const {
        std::set<int> hidden;
        for (const ControlSpec& spec : TagFormTemplate().controls) {
            if (spec.nId >= 0 && !controls.IsShown(spec.nId)) hidden.insert(spec.nId);
        }
        return hidden;
    }
    void FillDataFields(const std::string& strText = "X") {
        for (int nId : kDataIds) controls.SetText(nId, strText);
    }
    void ExpectDataFieldsEmpty() const {
        for (int nId : kDataIds) EXPECT_EQ(controls.GetText(nId), "") << nId;
    }
    // The user picks a year from the list.
    void PickYear(const std::string& strYear) {
        const int nIndex = controls.Select(ctl::Year, strYear);
        form.OnYearSelChange(nIndex);
        controls.SetText(ctl::Year, strYear);
    }
    // The user's typing leaves strYear in the box.
    void TypeYear(const std::string& strYear) {
        controls.SetText(ctl::Year, strYear);
        form.OnYearEditChange();
    }
    // Everything the window shows: text, list, visibility, enabled state, selection.
    using ControlState = std::tuple<std::string, std::vector<std::string>, bool, bool, int>;
    std::vector<ControlState> Snapshot() const {
        std::vector<ControlState> state;
        for (const ControlSpec& spec : TagFormTemplate().controls) {
            if (spec.nId < 0) continue;
            state.emplace_back(controls.GetText(spec.nId), controls.GetList(spec.nId), controls.IsShown(spec.nId),
                               controls.IsEnabled(spec.nId), controls.GetCurSel(spec.nId));
        }
        return state;
    }

    RecordingFormControls controls;
    TagForm form{controls};
};

}  // namespace vexlor::testing
