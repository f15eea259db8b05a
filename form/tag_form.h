#pragma once
// The tag form's logic: year layouts, Clear All, the sample tag, the pick-lists
// and the fields that depend on them. It works on any FormControls, so the
// window and the tests drive the same code.

#include <optional>
#include <string>
#include <string_view>

#include "decoder/decode_result.h"
#include "decoder/tag_fields.h"
#include "form/form_controls.h"

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
    // A pick-list box's list dropped down, it got the focus, or the user
    // picked an entry: runs that box's handler of PickListBoxes(). False when
    // the box has none for the event (or nId is no pick-list box).
    bool OnDropDown(int nId);
    bool OnFocus(int nId);
    bool OnPick(int nId);

    // The cause of the last style request shown; 0 before the first.
    int StyleGuard() const { return m_nStyleGuard; }

private:
    void ResetTopPaint();
    bool TopPaintFits(int nYear, bool bConvertible) const;
    // The style box's text; a filled box lets every cause ask again.
    std::string StyleText();

    FormControls& m_controls;
    int m_nStyleGuard = 0;
    unsigned m_nCausesShown = 0;  // bit n: cause n has shown its request
};

}  // namespace vexlor
