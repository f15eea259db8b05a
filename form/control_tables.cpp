// Lookups over the windows' control tables. The tables themselves live in one
// file per window (tag_form_template.cpp, about_template.cpp, ...).
#include "form/control_table.h"

namespace vexlor {

const ControlSpec* FindControl(const DialogTemplate& dialog, int nId) {
    for (const ControlSpec& control : dialog.controls) {
        if (control.nId == nId) return &control;
    }
    return nullptr;
}

}  // namespace vexlor
