#pragma once
// A window built from a dialog template: the template's font, its size in
// dialog units as the client size, and one widget per control, placed where
// the template puts it. A window too large for the screen is shown smaller,
// its drawing scrolling inside it; a resizable one lays out its controls
// again when it grows.

#include <QDialog>
#include <QFont>
#include <map>
#include <vector>

class QScrollArea;

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

    // What the controls lie on: the window itself, or the page that scrolls
    // inside a window too large for the screen.
    QWidget* Canvas() const { return m_canvas; }
    bool Scrolls() const { return m_scroll != nullptr; }
    // The size of the drawing, the template's at first; a bar below the
    // template's controls makes it taller.
    QSize CanvasSize() const { return m_canvasSize; }
    void SetCanvasSize(QSize size);

protected:
    // The drawing is extra larger than its size; by default the controls stay put.
    virtual void LayOutControls(QSize extra) { (void)extra; }
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* CreateControl(const ControlSpec& spec);
    void SetAccessibleTexts(const ControlSpec& spec, QWidget* widget);
    // Moves the controls onto a page that scrolls when the window does not fit the screen.
    void FitToScreen();
    void ApplySizeLimits();

    const DialogTemplate& m_template;
    QFont m_font;
    DialogUnits m_units;
    std::map<int, QWidget*> m_byId;
    std::vector<QWidget*> m_widgets;
    QWidget* m_canvas = this;
    QScrollArea* m_scroll = nullptr;
    QSize m_canvasSize;
};

}  // namespace vexlor
