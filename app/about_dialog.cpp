#include "app/about_dialog.h"

#include <QLabel>
#include <QPushButton>

#include "app/qt_text.h"
#include "form/program_texts.h"
#include "form/control_ids.h"

namespace vexlor {

AboutDialog::AboutDialog(QWidget* parent) : TemplateDialog(AboutTemplate(), parent) {
    if (auto* version = ControlAs<QLabel>(ctl::AboutVersion))
        version->setText(ToQString(kAboutVersionLine));
    if (auto* ok = ControlAs<QPushButton>(ctl::Ok)) {
        ok->setDefault(true);
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    }
}

}  // namespace vexlor
