#pragma once
// The tag form as it stands: the year box, the layout and every data field,
// kept so that a clearing can be taken back.

#include <array>
#include <string>
#include <vector>

#include "form/data_fields.h"
#include "form/form_controls.h"

namespace vexlor {

struct FormSnapshot {
    std::string strYear;
    int nYearSel = -1;                 // the year list's selected entry, -1 for none
    std::string strTopLegend;
    std::vector<bool> layoutShown;     // per row of LayoutRows(), the top legend's row by its text
    std::array<std::string, kDataFieldOrder.size()> fields;  // in kDataFieldOrder

    // Whether any data field holds a text, so that emptying them loses something.
    bool HoldsData() const;
};

// The form as the controls show it now.
FormSnapshot TakeSnapshot(const FormControls& controls);

}  // namespace vexlor
