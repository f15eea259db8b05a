// Placeholder until the control tables are written.
#include "form/control_table.h"

namespace vexlor {
namespace {
const DialogTemplate kEmpty{0, "", 0, 0, "", 8, 0, {}};
}
const DialogTemplate& TagFormTemplate() { return kEmpty; }
const DialogTemplate& AboutTemplate() { return kEmpty; }
const DialogTemplate& WebSitesTemplate() { return kEmpty; }
const DialogTemplate& ResultsTemplate() { return kEmpty; }
const DialogTemplate& HelpDecodingTemplate() { return kEmpty; }
const ControlSpec* FindControl(const DialogTemplate& dialog, int nId) {
    for (const ControlSpec& c : dialog.controls) if (c.nId == nId) return &c;
    return nullptr;
}
}  // namespace vexlor
