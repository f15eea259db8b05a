#include "form/form_snapshot.h"

#include <algorithm>

#include "form/control_ids.h"
#include "form/year_layouts.h"

namespace vexlor {

bool FormSnapshot::HoldsData() const {
    // Not std::ranges: the web build's standard library lacks its algorithms.
    return std::any_of(fields.begin(), fields.end(), [](const std::string& strText) { return !strText.empty(); });
}

FormSnapshot TakeSnapshot(const FormControls& controls) {
    FormSnapshot snapshot;
    snapshot.strYear = controls.GetText(ctl::Year);
    snapshot.nYearSel = controls.GetCurSel(ctl::Year);
    snapshot.strTopLegend = controls.GetText(ctl::TopLegend);
    for (const LayoutRow& row : LayoutRows()) snapshot.layoutShown.push_back(controls.IsShown(row.nId));
    for (size_t i = 0; i < kDataFieldOrder.size(); ++i) snapshot.fields[i] = controls.GetText(kDataFieldOrder[i]);
    return snapshot;
}

}  // namespace vexlor
