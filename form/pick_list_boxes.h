#pragma once
// Which of the form's handlers each pick-list box runs when its list drops
// down, when it gets the focus and when the user picks an entry. Every window
// that shows the form wires its boxes from this one table.

#include <span>

#include "form/tag_form.h"

namespace vexlor {

struct PickListBox {
    int nId;
    void (TagForm::*onDropDown)();  // null: nothing runs
    void (TagForm::*onFocus)();
    void (TagForm::*onPick)();
};

std::span<const PickListBox> PickListBoxes();

}  // namespace vexlor
