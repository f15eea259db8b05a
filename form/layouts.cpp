// The tag form's start state, its three year layouts, Clear All, the sample
// tag, an opened decode file and the hand-over of the form's texts to the decoder.
#include "decoder/decode.h"
#include "form/program_texts.h"
#include "form/control_ids.h"
#include "form/data_fields.h"
#include "form/tag_form.h"
#include "form/year_layouts.h"

namespace vexlor {

void TagForm::InitForm() {
    // Only the text: no list entry is selected and no year handler runs. The
    // window opens in the 1967 layout as built.
    m_controls.SetText(ctl::Year, "1967");
    NoteYear();
}

void TagForm::ShowField(int nId, bool bShow) {
    m_controls.SetShown(nId, bShow);
    m_controls.SetEnabled(nId, bShow);
}

void TagForm::ApplyLayout(int nYear) {
    if (nYear != 7 && nYear != 8 && nYear != 9) return;
    for (const LayoutRow& row : LayoutRows()) {
        if (row.nId == ctl::TopLegend) {
            m_controls.SetText(ctl::TopLegend, TopLegendText(nYear));
        } else {
            ShowField(row.nId, ShownInLayout(row, nYear));
        }
    }
}

void TagForm::OnYearSelChange(int nIndex) {
    // The year list is "1967", "1968", "1969"; with no entry selected the
    // layout stays as it is.
    FormSnapshot before = SnapshotBeforeYearChange();
    if (nIndex >= 0 && nIndex <= 2) ApplyLayout(7 + nIndex);
    ClearDataFields(std::move(before));
}

void TagForm::OnYearEditChange() {
    // A typed year takes the same layout as a pick: the fields on screen are
    // always those the decode of that year reads. Any other text keeps the layout.
    FormSnapshot before = SnapshotBeforeYearChange();
    ApplyLayout(YearDigit(m_controls.GetText(ctl::Year)));
    ClearDataFields(std::move(before));
}

void TagForm::OnClearAll() { ClearDataFields(TakeSnapshot(m_controls)); }

void TagForm::OnHelpDecoding(bool bEndedWithOk) {
    if (bEndedWithOk) ShowTag(SampleTagFields());
}

void TagForm::ShowTag(const TagFields& fields) {
    m_controls.SetText(ctl::Year, fields.strYear);
    ApplyLayout(YearDigit(fields.strYear));
    for (int nId : kDataFieldOrder) {
        for (const FieldControl& control : kFieldControls) {
            if (control.nControlId == nId) m_controls.SetText(nId, FieldText(fields, control.field));
        }
    }
    m_nCausesShown = 0;  // a style given or not, each request may ask again
    NoteYear();
    SetUndo(std::nullopt);  // a tag shown replaces the form: nothing left to take back
}

void TagForm::OnOpenDecodeFile(const std::optional<TagFields>& fields, std::string_view strFailure) {
    if (fields) {
        ShowTag(*fields);
    } else {
        m_controls.MessageBox(strFailure, kProgramName);
    }
}

TagFields TagForm::ReadTagFields() const {
    TagFields fields;
    for (const FieldControl& control : kFieldControls) {
        FieldText(fields, control.field) = m_controls.GetText(control.nControlId);
    }
    return fields;
}

std::optional<DecodeResult> TagForm::DecodeForm() {
    TagFields fields = ReadTagFields();
    if (YearDigit(fields.strYear) == 0) {
        m_controls.MessageBox(kYearMessage, kProgramName);
        return std::nullopt;
    }
    return Decode(fields);
}

}  // namespace vexlor
