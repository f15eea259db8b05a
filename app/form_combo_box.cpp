#include "app/form_combo_box.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QSignalBlocker>
#include <algorithm>

#include "app/qt_text.h"

namespace vexlor {

FormComboBox::FormComboBox(bool bSorted, QWidget* parent) : QComboBox(parent), m_bSorted(bSorted) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setDuplicatesEnabled(true);
    setCompleter(nullptr);
    // Leaving the box with a typed text that matches an entry would select
    // that entry as if it had been picked; typing is never a pick here.
    disconnect(lineEdit(), &QLineEdit::editingFinished, nullptr, nullptr);
    setCurrentIndex(-1);
}

std::string FormComboBox::Text() const { return FromQString(currentText()); }

void FormComboBox::SetTextQuietly(std::string_view strText) {
    const QSignalBlocker blockBox(this);
    const QSignalBlocker blockEdit(lineEdit());
    setEditText(ToQString(strText));
}

template <typename Change>
void FormComboBox::ChangeListKeepingText(Change change) {
    const QSignalBlocker blockBox(this);
    const QSignalBlocker blockEdit(lineEdit());
    const QString text = lineEdit()->text();
    const int nCursor = lineEdit()->cursorPosition();
    const int nSelection = change(currentIndex());
    setCurrentIndex(nSelection);
    lineEdit()->setText(text);
    lineEdit()->setCursorPosition(std::min(nCursor, static_cast<int>(text.size())));
}

void FormComboBox::ResetList() {
    ChangeListKeepingText([this](int) {
        clear();
        return -1;
    });
}

void FormComboBox::AddEntry(std::string_view strEntry) {
    ChangeListKeepingText([this, strEntry](int nSelected) {
        int nAt = count();
        if (m_bSorted) {
            // Byte order: '-' before the digits, the digits before the letters.
            const std::string entry(strEntry);
            const std::vector<std::string> entries = Entries();
            nAt = static_cast<int>(std::upper_bound(entries.begin(), entries.end(), entry) - entries.begin());
        }
        insertItem(nAt, ToQString(strEntry));
        return nSelected >= nAt ? nSelected + 1 : nSelected;
    });
}

void FormComboBox::SelectQuietly(int nIndex) {
    ChangeListKeepingText([this, nIndex](int) { return nIndex >= 0 && nIndex < count() ? nIndex : -1; });
}

std::vector<std::string> FormComboBox::Entries() const {
    std::vector<std::string> entries;
    entries.reserve(static_cast<size_t>(count()));
    for (int i = 0; i < count(); ++i) entries.push_back(FromQString(itemText(i)));
    return entries;
}

void FormComboBox::showPopup() {
    QPointer<FormComboBox> self(this);
    const bool bHadFocus = hasFocus();
    if (m_onDropDown) m_onDropDown();
    // A handler may have sent the focus elsewhere (the request for the body
    // style): the list then stays up.
    if (!self) return;
    if (bHadFocus && !hasFocus()) return;
    if (QApplication::activeModalWidget() && QApplication::activeModalWidget() != window()) return;
    QComboBox::showPopup();
}

void FormComboBox::focusInEvent(QFocusEvent* event) {
    QComboBox::focusInEvent(event);
    // Only a real change of focus counts: a popup closing gives the focus back
    // without the box ever losing it to another control.
    if (event->reason() != Qt::PopupFocusReason && m_onFocusIn) m_onFocusIn();
}

void FormComboBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // Enter belongs to the window's default button; the typed text is not
        // a pick from the list.
        event->ignore();
        return;
    }
    QComboBox::keyPressEvent(event);
}

}  // namespace vexlor
