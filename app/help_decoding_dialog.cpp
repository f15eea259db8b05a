#include "app/help_decoding_dialog.h"

#include <QPushButton>

#include "form/control_ids.h"

namespace vexlor {

HelpDecodingDialog::HelpDecodingDialog(QWidget* parent) : TemplateDialog(HelpDecodingTemplate(), parent) {
    if (auto* tag = ControlAs<QPushButton>(ctl::Ok)) {
        tag->setDefault(true);
        tag->setToolTip(QString());
        connect(tag, &QPushButton::clicked, this, &QDialog::accept);
    }
    if (auto* cancel = ControlAs<QPushButton>(ctl::Cancel)) {
        // Enter on the focused "Cancel" cancels: it must not overwrite the form.
        cancel->setAutoDefault(true);
        connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    }
}

}  // namespace vexlor
