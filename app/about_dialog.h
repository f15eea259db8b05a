#pragma once
// "About Vexlor": the version line, the maintainers' notes and the car picture.

#include "app/template_dialog.h"

namespace vexlor {

class AboutDialog : public TemplateDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

}  // namespace vexlor
