#pragma once
// What a screen reader and the keyboard need beyond the control tables: the
// name each field is read out by, the letter of each button's mnemonic, the
// fixed labels that name the field beside them, and the window parts that are
// drawing only. The tool tips of the control tables are the descriptions.

#include <string>
#include <string_view>

#include "form/control_table.h"

namespace vexlor {

// The accessible name of a control: what the field holds ("Model year"), or
// empty when the control's own text names it (a button, a label).
std::string_view AccessibleName(const DialogTemplate& dialog, const ControlSpec& control);

// The accessible name of the window itself: its caption, or for a window
// without one, the name it is known by.
std::string_view WindowAccessibleName(const DialogTemplate& dialog);

// The control's text with "&" before the letter of its mnemonic ("&Decode",
// "E&xit"); the text as it is when it has none. A "&" of the text itself is doubled.
std::string MnemonicText(const DialogTemplate& dialog, const ControlSpec& control);

// The id of the field that a fixed label names (the label stands beside it),
// or ctl::None.
int BuddyOf(const DialogTemplate& dialog, const ControlSpec& label);

// The tag's outline and its rivets are drawing only, never controls.
bool IsDecoration(const ControlSpec& control);

}  // namespace vexlor
