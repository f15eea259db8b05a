#pragma once
// "My Favorite Web Sites": two logo buttons that open the research group's and
// the partner club's sites in the browser, and "Back". Escape closes it too.

#include "app/template_dialog.h"

namespace vexlor {

class WebSitesDialog : public TemplateDialog {
    Q_OBJECT
public:
    explicit WebSitesDialog(QWidget* parent = nullptr);

    void OnGoToVelk();
    void OnGoToSorvan();
};

// The heading font: "Times New Roman" (or the desktop's serif) with a cell
// height of 30 pixels.
QFont WebSitesHeadingFont();

}  // namespace vexlor
