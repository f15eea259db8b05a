#pragma once
// A tag form on in-memory controls whose combo boxes sort as the window's do,
// with the style box's focus notification wired to its list.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "form/control_ids.h"
#include "form/tag_form.h"
#include "form/fake_form_controls.h"

namespace vexlor::testing {

using Codes = std::vector<std::string>;

class PickListTest : public ::testing::Test {
protected:
    PickListTest() {
        for (int nId : {ctl::VinPrefix, ctl::Style, ctl::Plant, ctl::Trim, ctl::Seat, ctl::LowerPaint,
                        ctl::TopPaint, ctl::Year}) {
            controls.SetSorted(nId);
        }
        controls.OnFocus([this](int nId) {
            if (nId == ctl::Style) form.FillStyleList();
        });
    }

    void SetYear(std::string_view strYear) { controls.SetText(ctl::Year, strYear); }
    void SetList(int nId, const Codes& entries) {
        controls.ResetList(nId);
        for (const std::string& entry : entries) controls.AddString(nId, entry);
    }
    // The user picks strEntry from box nId, which must be in its list.
    void Pick(int nId, const std::string& strEntry) {
        const Codes list = controls.GetList(nId);
        if (std::find(list.begin(), list.end(), strEntry) == list.end()) controls.AddString(nId, strEntry);
        ASSERT_GE(controls.Select(nId, strEntry), 0);
    }

    FakeFormControls controls;
    TagForm form{controls};
};

}  // namespace vexlor::testing
