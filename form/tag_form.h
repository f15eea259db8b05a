#pragma once
// The tag form's logic: year layouts, Clear All, the sample tag, the pick-lists
// and the fields that depend on them. It works on any FormControls, so the
// window and the tests drive the same code.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "decoder/decode_result.h"
#include "decoder/tag_fields.h"
#include "form/form_controls.h"
#include "form/form_snapshot.h"

namespace vexlor {

class TagForm {
public:
    explicit TagForm(FormControls& controls) : m_controls(controls) {}

    // --- Start state, layouts and Clear All (layouts.cpp) ---

    // The start state after the window was built from its template: year text
    // "1967" without a list selection, the 1967 layout.
    void InitForm();
    // Shows and enables, or hides and disables, one control.
    void ShowField(int nId, bool bShow);
    // The layout of a model-year digit (7, 8, 9); nothing for any other digit.
    void ApplyLayout(int nYear);
    // The user picked list entry nIndex of the year box (-1: none).
    void OnYearSelChange(int nIndex);
    // The user typed into the year box: one of the six year texts gives that
    // year's full layout, as a pick does; every text empties the data fields.
    void OnYearEditChange();
    // "Clear All Values".
    void OnClearAll();
    // After the sample-tag dialog closed: with OK the form takes the 1967 layout and the sample values.
    void OnHelpDecoding(bool bEndedWithOk);
    // A whole tag at once: the year text, that year's layout and every data field.
    void ShowTag(const TagFields& fields);
    // A decode file was opened: its tag fills the form; a file that gave no
    // tag shows strFailure and leaves the form exactly as it was.
    void OnOpenDecodeFile(const std::optional<TagFields>& fields, std::string_view strFailure);

    // --- Taking a clearing back (clearing_undo.cpp) ---

    // Whether "Undo" is offered: a change of year or Clear All emptied at
    // least one data field, and no data field has been edited since. A
    // clearing that empties nothing keeps the offer, so typing a year one
    // key at a time can still be taken back whole.
    bool UndoOffered() const { return m_undo.has_value(); }
    // "Undo": the year box (text and list selection), the layout and every
    // data field as they were before that clearing.
    void OnUndo();
    // The user typed into a data field or picked from its list: the offer ends.
    void OnDataFieldEdit();
    // Called with the new state each time the offer starts or ends.
    void SetUndoListener(std::function<void(bool bOffered)> listener) { m_undoListener = std::move(listener); }

    // The texts of the data fields, as typed.
    TagFields ReadTagFields() const;
    // "Decode": the decode of the form, or, for a year text that is none of the
    // six, the message box "Please select the model year (1967, 1968 or 1969)." and nullopt.
    std::optional<DecodeResult> DecodeForm();

    // --- Pick-lists and dependent fields (pick_lists.cpp) ---

    // The year test on the year box's text: 7, 8, 9 or 0.
    int FormYear() const;
    void FillVinPrefixList();
    void FillStyleList();
    void FillPlantList();
    void FillTrimList();
    void FillSeatList();
    void FillLowerPaintList();
    void FillTopPaintList();
    void OnLowerPaintSelChange();
    void OnStyleSelChange();
    void OnVinPrefixSelChange();
    void OnPlantSelChange();
    // Asks for the body style (1 top paint, 2-4 trim in 1967-1969, 5 seat
    // style): each cause shows its message at most once until the style box
    // is found filled or the form is cleared, so a keyboard user tabbing
    // through with an empty style is not sent back to it again and again.
    void RequireStyle(int nCause);
    // The cause of the last style request shown; 0 before the first.
    int StyleGuard() const { return m_nStyleGuard; }

private:
    // Empties every data field; offers to take it back when that lost a text.
    void ClearDataFields(FormSnapshot before);
    // The form now, with the year box as it stood before the user's last change of it.
    FormSnapshot SnapshotBeforeYearChange() const;
    void NoteYear();
    void SetUndo(std::optional<FormSnapshot> undo);

    void ResetTopPaint();
    bool TopPaintFits(int nYear, bool bConvertible) const;
    // The style box's text; a filled box lets every cause ask again.
    std::string StyleText();

    FormControls& m_controls;
    int m_nStyleGuard = 0;
    unsigned m_nCausesShown = 0;  // bit n: cause n has shown its request
    // The year box as the form last left it: a year handler runs after the
    // box has already changed.
    std::string m_strYear;
    int m_nYearSel = -1;
    std::optional<FormSnapshot> m_undo;
    std::function<void(bool)> m_undoListener;
};

}  // namespace vexlor
