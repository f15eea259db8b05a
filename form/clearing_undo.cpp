// Taking back a clearing: a change of year and "Clear All Values" empty every
// data field; the form as it was stays at hand until a data field is edited.
#include "form/control_ids.h"
#include "form/tag_form.h"
#include "form/year_layouts.h"

namespace vexlor {

void TagForm::ClearDataFields(FormSnapshot before) {
    for (int nId : kDataFieldOrder) m_controls.SetText(nId, "");
    m_nCausesShown = 0;
    if (before.HoldsData()) SetUndo(std::move(before));
    NoteYear();
}

FormSnapshot TagForm::SnapshotBeforeYearChange() const {
    FormSnapshot snapshot = TakeSnapshot(m_controls);
    snapshot.strYear = m_strYear;
    snapshot.nYearSel = m_nYearSel;
    return snapshot;
}

void TagForm::NoteYear() {
    m_strYear = m_controls.GetText(ctl::Year);
    m_nYearSel = m_controls.GetCurSel(ctl::Year);
}

void TagForm::SetUndo(std::optional<FormSnapshot> undo) {
    const bool bWasOffered = m_undo.has_value();
    m_undo = std::move(undo);
    if (m_undoListener && bWasOffered != m_undo.has_value()) m_undoListener(m_undo.has_value());
}

void TagForm::OnUndo() {
    if (!m_undo) return;
    const FormSnapshot before = *m_undo;
    m_controls.SetCurSel(ctl::Year, before.nYearSel);
    m_controls.SetText(ctl::Year, before.strYear);
    const auto rows = LayoutRows();  // the snapshot holds one state per row
    for (size_t i = 0; i < before.layoutShown.size(); ++i) {
        if (rows[i].nId == ctl::TopLegend) m_controls.SetText(ctl::TopLegend, before.strTopLegend);
        else ShowField(rows[i].nId, before.layoutShown[i]);
    }
    for (size_t i = 0; i < kDataFieldOrder.size(); ++i) m_controls.SetText(kDataFieldOrder[i], before.fields[i]);
    NoteYear();
    SetUndo(std::nullopt);
}

void TagForm::OnDataFieldEdit() {
    NoteYear();
    SetUndo(std::nullopt);
}

}  // namespace vexlor
