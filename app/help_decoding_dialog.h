#pragma once
// "Help Decoding": the sample tag picture as one button. Clicking it (or Enter)
// ends the dialog with OK; Cancel, Escape and the close box end it with Cancel.

#include "app/template_dialog.h"

namespace vexlor {

class HelpDecodingDialog : public TemplateDialog {
    Q_OBJECT
public:
    explicit HelpDecodingDialog(QWidget* parent = nullptr);
};

}  // namespace vexlor
