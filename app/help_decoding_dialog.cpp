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
    if (auto* cancel = ControlAs<QPushButton>(ctl::Cancel))
        connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

}  // namespace vexlor
