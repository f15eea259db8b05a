#include "app/window_accessibility.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QWidget>

#include "app/template_dialog.h"

namespace vexlor {
namespace {

constexpr const char* kDrawingOnly = "vexlorDrawingOnly";
constexpr const char* kLinkTarget = "vexlorLinkTarget";
constexpr const char* kStatusLine = "vexlorStatusLine";

class TemplateWindowAccessible : public QAccessibleWidget {
public:
    explicit TemplateWindowAccessible(QWidget* window) : QAccessibleWidget(window, QAccessible::Dialog) {}

    int childCount() const override { return static_cast<int>(Controls().size()); }
    QAccessibleInterface* child(int nIndex) const override {
        const QList<QWidget*> controls = Controls();
        return nIndex >= 0 && nIndex < controls.size() ? QAccessible::queryAccessibleInterface(controls[nIndex])
                                                       : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child || !child->object() || !child->object()->isWidgetType()) return -1;
        return static_cast<int>(Controls().indexOf(static_cast<QWidget*>(child->object())));
    }

private:
    QList<QWidget*> Controls() const {
        QList<QWidget*> controls;
        // The controls lie on the window, or on the page that scrolls inside it.
        for (QObject* child : static_cast<const TemplateDialog*>(widget())->Canvas()->children()) {
            auto* control = qobject_cast<QWidget*>(child);
            if (control && !control->isWindow() && !control->property(kDrawingOnly).toBool()) controls << control;
        }
        return controls;
    }
};

// The form's drop-down boxes, read out by what they hold ("Model year") and
// not, as a filled box otherwise is on some desktops, by their text ("1967").
// Their children are the dropped list and the edit field, as for any box.
class NamedComboAccessible : public QAccessibleWidget {
public:
    explicit NamedComboAccessible(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && !Box()->accessibleName().isEmpty()) return Box()->accessibleName();
        if (t == QAccessible::Value) return Box()->currentText();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = Box()->view()->isVisible();
        state.editable = Box()->isEditable();
        return state;
    }
    int childCount() const override { return Box()->lineEdit() ? 2 : 1; }
    QAccessibleInterface* child(int nIndex) const override {
        QWidget* child = nIndex == 0 ? static_cast<QWidget*>(Box()->view()) : nIndex == 1 ? Box()->lineEdit() : nullptr;
        return child ? QAccessible::queryAccessibleInterface(child) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child) return -1;
        if (child->object() == Box()->view()) return 0;
        return Box()->lineEdit() && child->object() == Box()->lineEdit() ? 1 : -1;
    }
    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& strAction) override {
        if (strAction == showMenuAction() || strAction == pressAction()) Box()->showPopup();
    }

private:
    QComboBox* Box() const { return static_cast<QComboBox*>(widget()); }
};

// A label offered as what it stands for: a link (pressing it opens the
// target, as a click on the link does) or a status line.
class MarkedLabelAccessible : public QAccessibleWidget {
public:
    MarkedLabelAccessible(QLabel* label, QAccessible::Role role) : QAccessibleWidget(label, role) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return Label()->accessibleName().isEmpty() ? Label()->text() : Label()->accessibleName();
        if (t == QAccessible::Value && role() == QAccessible::Link) return Label()->property(kLinkTarget).toString();
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override {
        return role() == QAccessible::Link ? QStringList{pressAction()} : QStringList{};
    }
    void doAction(const QString& strAction) override {
        if (role() == QAccessible::Link && strAction == pressAction())
            emit Label()->linkActivated(Label()->property(kLinkTarget).toString());
    }

private:
    QLabel* Label() const { return static_cast<QLabel*>(widget()); }
};

QAccessibleInterface* TemplateWindowFactory(const QString& strClass, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    if (strClass == QLatin1String("vexlor::TemplateDialog")) return new TemplateWindowAccessible(static_cast<QWidget*>(object));
    if (strClass == QLatin1String("vexlor::FormComboBox")) return new NamedComboAccessible(static_cast<QComboBox*>(object));
    if (strClass == QLatin1String("QLabel")) {
        auto* label = static_cast<QLabel*>(object);
        if (!label->property(kLinkTarget).toString().isEmpty()) return new MarkedLabelAccessible(label, QAccessible::Link);
        if (label->property(kStatusLine).toBool()) return new MarkedLabelAccessible(label, QAccessible::StatusBar);
    }
    return nullptr;
}

// A view of the label made before it was marked is dropped; the next one asked for shows the mark.
void DropAccessibleView(QWidget* widget) {
    if (QAccessibleInterface* view = QAccessible::queryAccessibleInterface(widget))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(view));
}

}  // namespace

void MarkAsDrawingOnly(QWidget* widget) { widget->setProperty(kDrawingOnly, true); }

void MarkAsLink(QLabel* label, const QString& strTarget) {
    label->setProperty(kLinkTarget, strTarget);
    DropAccessibleView(label);
}

void MarkAsStatusLine(QLabel* label) {
    label->setProperty(kStatusLine, true);
    DropAccessibleView(label);
}

void AnnounceNameChange(QWidget* widget) {
    QAccessibleEvent event(widget, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void InstallTemplateWindowAccessibility() {
    static const bool bInstalled = [] {
        QAccessible::installFactory(TemplateWindowFactory);
        return true;
    }();
    (void)bInstalled;
}

}  // namespace vexlor
