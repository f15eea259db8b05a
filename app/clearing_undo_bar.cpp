#include "app/clearing_undo_bar.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/form_combo_box.h"
#include "app/qt_text.h"
#include "app/tag_form_window.h"
#include "app/window_accessibility.h"
#include "form/control_ids.h"
#include "form/data_fields.h"
#include "form/program_texts.h"

namespace vexlor {
namespace {

constexpr int kBarHeightUnits = 16;

}  // namespace

ClearingUndoBar::ClearingUndoBar(TagFormWindow& window) : QWidget(window.Canvas()), m_window(window) {
    const DialogUnits& units = window.Units();
    setGeometry(units.ToPixels(5, window.Template().cy, window.Template().cx - 10, kBarHeightUnits));
    auto* line = new QLabel(ToQString(kFormClearedLine), this);
    line->setTextFormat(Qt::PlainText);
    MarkAsStatusLine(line);
    auto* undo = new QPushButton(ToQString(kUndoButtonText), this);
    undo->setAutoDefault(false);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(line);
    layout->addWidget(undo);
    layout->addStretch();
    hide();
    connect(undo, &QPushButton::clicked, this, &ClearingUndoBar::OnUndo);
    window.Form().SetUndoListener([this, line](bool bOffered) {
        Show(bOffered);
        if (bOffered) AnnounceNameChange(line);
    });
    WireDataFieldEdits();
}

void ClearingUndoBar::WireDataFieldEdits() {
    TagForm& form = m_window.Form();
    for (int nId : kDataFieldOrder) {
        QWidget* field = m_window.Control(nId);
        if (auto* box = qobject_cast<FormComboBox*>(field)) {
            connect(box->lineEdit(), &QLineEdit::textEdited, this, [&form] { form.OnDataFieldEdit(); });
            connect(box, &QComboBox::activated, this, [&form] { form.OnDataFieldEdit(); });
        } else if (auto* edit = qobject_cast<QLineEdit*>(field)) {
            connect(edit, &QLineEdit::textEdited, this, [&form] { form.OnDataFieldEdit(); });
        }
    }
}

void ClearingUndoBar::Show(bool bOffered) {
    const QSize drawing = m_window.Units().ToPixels(m_window.Template().cx, m_window.Template().cy);
    m_window.SetCanvasSize(bOffered ? QSize(drawing.width(), geometry().bottom() + 1 + height() / 4) : drawing);
    setVisible(bOffered);
}

void ClearingUndoBar::OnUndo() {
    const bool bHadFocus = isAncestorOf(QApplication::focusWidget());
    m_window.Form().OnUndo();
    if (bHadFocus) m_window.Control(ctl::Year)->setFocus(Qt::OtherFocusReason);
}

}  // namespace vexlor
