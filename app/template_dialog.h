#pragma once
// A window built from a dialog template: the template's font, its size in
// dialog units as the client size, and one widget per control, placed where
// the template puts it.

#include <QDialog>
#include <QFont>
#include <map>
#include <vector>

#include "app/dialog_units.h"
#include "form/control_table.h"

namespace vexlor {

class TemplateDialog : public QDialog {
    Q_OBJECT
public:
    explicit TemplateDialog(const DialogTemplate& dialog, QWidget* parent = nullptr);

    const DialogTemplate& Template() const { return m_template; }
    const DialogUnits& Units() const { return m_units; }

    // The widget of a control id, or null.
    QWidget* Control(int nId) const;
    template <typename Widget>
    Widget* ControlAs(int nId) const { return qobject_cast<Widget*>(Control(nId)); }
    // Every control's widget in template order, controls without an id included.
    const std::vector<QWidget*>& Widgets() const { return m_widgets; }

private:
    QWidget* CreateControl(const ControlSpec& spec);
    void SetAccessibleTexts(const ControlSpec& spec, QWidget* widget);

    const DialogTemplate& m_template;
    QFont m_font;
    DialogUnits m_units;
    std::map<int, QWidget*> m_byId;
    std::vector<QWidget*> m_widgets;
};

}  // namespace vexlor
