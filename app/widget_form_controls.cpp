#include "app/widget_form_controls.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>

#include "app/form_combo_box.h"
#include "app/qt_text.h"
#include "app/template_dialog.h"

namespace vexlor {

std::string WidgetFormControls::GetText(int nId) const {
    QWidget* widget = m_dialog.Control(nId);
    if (auto* box = qobject_cast<FormComboBox*>(widget)) return box->Text();
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) return FromQString(edit->text());
    if (auto* label = qobject_cast<QLabel*>(widget)) return FromQString(label->text());
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) return FromQString(button->text());
    if (auto* group = qobject_cast<QGroupBox*>(widget)) return FromQString(group->title());
    return {};
}

void WidgetFormControls::SetText(int nId, std::string_view strText) {
    QWidget* widget = m_dialog.Control(nId);
    const QString text = ToQString(strText);
    if (auto* box = qobject_cast<FormComboBox*>(widget)) {
        box->SetTextQuietly(strText);
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        const QSignalBlocker block(edit);
        edit->setText(text);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(text);
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        group->setTitle(text);
    }
}

void WidgetFormControls::SetShown(int nId, bool bShown) {
    if (QWidget* widget = m_dialog.Control(nId)) widget->setVisible(bShown);
}

bool WidgetFormControls::IsShown(int nId) const {
    QWidget* widget = m_dialog.Control(nId);
    return widget && !widget->isHidden();
}

void WidgetFormControls::SetEnabled(int nId, bool bEnabled) {
    if (QWidget* widget = m_dialog.Control(nId)) widget->setEnabled(bEnabled);
}

bool WidgetFormControls::IsEnabled(int nId) const {
    QWidget* widget = m_dialog.Control(nId);
    return widget && widget->isEnabled();
}

void WidgetFormControls::ResetList(int nId) {
    if (auto* box = m_dialog.ControlAs<FormComboBox>(nId)) box->ResetList();
    else if (auto* list = m_dialog.ControlAs<QListWidget>(nId)) list->clear();
}

void WidgetFormControls::AddString(int nId, std::string_view strEntry) {
    if (auto* box = m_dialog.ControlAs<FormComboBox>(nId)) box->AddEntry(strEntry);
    else if (auto* list = m_dialog.ControlAs<QListWidget>(nId)) list->addItem(ToQString(strEntry));
}

std::vector<std::string> WidgetFormControls::GetList(int nId) const {
    if (auto* box = m_dialog.ControlAs<FormComboBox>(nId)) return box->Entries();
    std::vector<std::string> entries;
    if (auto* list = m_dialog.ControlAs<QListWidget>(nId))
        for (int i = 0; i < list->count(); ++i) entries.push_back(FromQString(list->item(i)->text()));
    return entries;
}

int WidgetFormControls::GetCurSel(int nId) const {
    if (auto* box = m_dialog.ControlAs<FormComboBox>(nId)) return box->currentIndex();
    if (auto* list = m_dialog.ControlAs<QListWidget>(nId)) return list->currentRow();
    return -1;
}

void WidgetFormControls::SetCurSel(int nId, int nIndex) {
    if (auto* box = m_dialog.ControlAs<FormComboBox>(nId)) box->SelectQuietly(nIndex);
    else if (auto* list = m_dialog.ControlAs<QListWidget>(nId)) list->setCurrentRow(nIndex);
}

void WidgetFormControls::SetFocus(int nId) {
    if (QWidget* widget = m_dialog.Control(nId)) widget->setFocus(Qt::OtherFocusReason);
}

void WidgetFormControls::MessageBox(std::string_view strText, std::string_view strCaption) {
    QMessageBox box(QMessageBox::NoIcon, ToQString(strCaption), ToQString(strText), QMessageBox::Ok, &m_dialog);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
    // The window that asked is active again, so the focus it sets next takes
    // effect at once (some platforms leave no window active after a box).
    m_dialog.activateWindow();
}

}  // namespace vexlor
