#include "app/template_dialog.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollArea>
#include <algorithm>

#include "app/form_combo_box.h"
#include "app/pictures.h"
#include "app/qt_text.h"
#include "app/screen_fit.h"
#include "app/window_accessibility.h"
#include "form/accessible_texts.h"
#include "form/control_ids.h"

namespace vexlor {
namespace {

// The edit boxes of the templates are 12 units high; a closed drop-down box
// takes the same height, the rest of its rectangle is its dropped list.
constexpr int kEditHeightUnits = 12;
// The smallest a window that scrolls can be made.
constexpr int kSmallestWidthUnits = 60, kSmallestHeightUnits = 40;

Qt::WindowFlags WindowFlagsOf(const DialogTemplate& dialog) {
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint;
    if (dialog.nFlags & kCaption) flags |= Qt::WindowTitleHint;
    else flags |= Qt::FramelessWindowHint;
    if (dialog.nFlags & kSysMenu) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (dialog.nFlags & kMinimizeBox) flags |= Qt::WindowMinimizeButtonHint;
    if (dialog.nFlags & kTaskBar) flags = (flags & ~Qt::WindowType_Mask) | Qt::Window;
    return flags;
}

}  // namespace

TemplateDialog::TemplateDialog(const DialogTemplate& dialog, QWidget* parent)
    : QDialog(parent, WindowFlagsOf(dialog)),
      m_template(dialog),
      m_font(DialogFont(dialog.strFontFace, dialog.nPointSize)),
      m_units(m_font) {
    InstallTemplateWindowAccessibility();
    setFont(m_font);
    setWindowTitle(ToQString(dialog.strCaption));
    setAccessibleName(ToQString(WindowAccessibleName(dialog)));
    m_canvasSize = m_units.ToPixels(dialog.cx, dialog.cy);
    setSizeGripEnabled(false);
    for (const ControlSpec& spec : dialog.controls) {
        QWidget* widget = CreateControl(spec);
        widget->setGeometry(m_units.ToPixels(spec.x, spec.y, spec.cx, spec.cy));
        if (spec.kind == ControlKind::ComboBox) {
            widget->setFixedHeight(m_units.ToPixelsY(kEditHeightUnits));
            const int nListHeight = m_units.ToPixelsY(spec.cy) - m_units.ToPixelsY(kEditHeightUnits);
            static_cast<QComboBox*>(widget)->setMaxVisibleItems(std::max(1, nListHeight / QFontMetrics(m_font).height()));
        }
        if (spec.nFlags & kHidden) widget->hide();
        if (spec.nFlags & kDisabled) widget->setEnabled(false);
        widget->setToolTip(ToQString(spec.strToolTip));
        SetAccessibleTexts(spec, widget);
        if (spec.nId != ctl::None && !m_byId.count(spec.nId)) m_byId[spec.nId] = widget;
        m_widgets.push_back(widget);
    }
    for (size_t i = 0; i < m_widgets.size(); ++i) {
        const ControlSpec& spec = dialog.controls[i];
        // A fixed label beside a field names it, and its mnemonic moves the focus there.
        auto* label = qobject_cast<QLabel*>(m_widgets[i]);
        if (QWidget* field = Control(BuddyOf(dialog, spec)); label && field) {
            label->setBuddy(field);
            label->setText(ToQString(MnemonicText(dialog, spec)));
            label->setWordWrap(false);  // a one-line label; its "&" must not make it wrap
        }
        // The tag's outline lies under the fields it frames. Nothing else is
        // restacked, so screen readers meet the controls in template order.
        if (spec.kind == ControlKind::GroupBox) m_widgets[i]->lower();
    }
    FitToScreen();
    ApplySizeLimits();
}

void TemplateDialog::FitToScreen() {
    const QSize smallest = m_units.ToPixels(kSmallestWidthUnits, kSmallestHeightUnits);
    const QSize fitted = FittedClientSize(m_canvasSize, AvailableScreenSize(*this), ExpectedFrame(*this), smallest);
    if (fitted == m_canvasSize) {
        resize(m_canvasSize);
        return;
    }
    // The controls keep their places on a page of the template's size, in
    // template order (the tab order), with their shown or hidden state.
    m_scroll = new QScrollArea(this);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setFocusPolicy(Qt::NoFocus);
    m_scroll->setWidgetResizable(true);
    m_canvas = new QWidget;
    m_canvas->setFont(m_font);
    for (QWidget* widget : m_widgets) {
        const bool bHidden = widget->isHidden();
        widget->setParent(m_canvas);
        widget->setHidden(bHidden);
    }
    m_canvas->installEventFilter(this);
    m_scroll->setWidget(m_canvas);
    // Whatever takes the focus, by key, click or the program, scrolls into view.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && m_canvas->isAncestorOf(now)) m_scroll->ensureWidgetVisible(now);
    });
    resize(fitted);
}

void TemplateDialog::ApplySizeLimits() {
    const bool bResizable = (m_template.nFlags & kResizable) != 0;
    const QSize largest = bResizable ? QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX) : m_canvasSize;
    if (m_scroll) {
        m_canvas->setMinimumSize(m_canvasSize);
        setMinimumSize(m_units.ToPixels(kSmallestWidthUnits, kSmallestHeightUnits).boundedTo(m_canvasSize));
    } else {
        setMinimumSize(m_canvasSize);
    }
    setMaximumSize(largest);
}

void TemplateDialog::SetCanvasSize(QSize size) {
    if (size == m_canvasSize) return;
    const QSize grown = size - m_canvasSize;
    m_canvasSize = size;
    ApplySizeLimits();
    // A page that scrolls grows inside a window that stays within the screen.
    QSize largest = maximumSize();
    if (m_scroll)
        largest = largest.boundedTo(FittedClientSize(m_canvasSize, AvailableScreenSize(*this), ExpectedFrame(*this),
                                                     minimumSize()));
    resize((this->size() + grown).boundedTo(largest).expandedTo(minimumSize()));
    if (isVisible() && screen()) {
        const QPoint corner = KeptOnScreen(frameGeometry(), screen()->availableGeometry());
        move(pos() + (corner - frameGeometry().topLeft()));
    }
}

void TemplateDialog::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (m_scroll) m_scroll->setGeometry(rect());
    else LayOutControls((size() - m_canvasSize).expandedTo(QSize(0, 0)));
}

bool TemplateDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_canvas && m_canvas != this && event->type() == QEvent::Resize)
        LayOutControls((m_canvas->size() - m_canvasSize).expandedTo(QSize(0, 0)));
    return QDialog::eventFilter(watched, event);
}

// The field's name and its tool tip as its description, for screen readers;
// an editable box's edit field, which holds the focus, gets them too.
void TemplateDialog::SetAccessibleTexts(const ControlSpec& spec, QWidget* widget) {
    QList<QWidget*> targets{widget};
    if (auto* box = qobject_cast<QComboBox*>(widget); box && box->lineEdit()) targets << box->lineEdit();
    const QString name = ToQString(AccessibleName(m_template, spec));
    for (QWidget* target : targets) {
        if (!name.isEmpty()) target->setAccessibleName(name);
        target->setAccessibleDescription(ToQString(spec.strToolTip));
    }
    if (IsDecoration(spec)) MarkAsDrawingOnly(widget);
}

QWidget* TemplateDialog::CreateControl(const ControlSpec& spec) {
    const QString text = ToQString(spec.strText);
    switch (spec.kind) {
        case ControlKind::ComboBox: {
            auto* box = new FormComboBox((spec.nFlags & kSorted) != 0, this);
            for (std::string_view entry : spec.initialList) box->AddEntry(entry);
            box->SetTextQuietly("");
            return box;
        }
        case ControlKind::EditBox: {
            auto* edit = new QLineEdit(this);
            edit->setText(text);
            return edit;
        }
        case ControlKind::StaticText: {
            auto* label = new QLabel(text, this);
            label->setTextFormat(Qt::PlainText);
            label->setWordWrap(true);
            label->setAlignment(((spec.nFlags & kCentred) ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
            return label;
        }
        case ControlKind::GroupBox:
            return new QGroupBox(text, this);
        case ControlKind::PushButton: {
            auto* button = new QPushButton(this);
            button->setAutoDefault((spec.nFlags & kDefaultButton) != 0);
            if (spec.nFlags & kBitmapButton) {
                const QPixmap picture = DrawPicture(spec.nImage);
                button->setIcon(QIcon(picture));
                button->setIconSize(picture.size());
                button->setAccessibleName(text);
            } else {
                button->setText(ToQString(MnemonicText(m_template, spec)));
            }
            return button;
        }
        case ControlKind::RadioButton: {
            auto* rivet = new QRadioButton(text, this);
            rivet->setFocusPolicy(Qt::NoFocus);
            return rivet;
        }
        case ControlKind::ListBox: {
            auto* list = new QListWidget(this);
            if (spec.nFlags & kNoBorder) list->setFrameShape(QFrame::NoFrame);
            if (spec.nFlags & kVScroll) list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            list->setSelectionMode((spec.nFlags & kExtendedSel) ? QAbstractItemView::ExtendedSelection
                                                                 : QAbstractItemView::SingleSelection);
            list->setUniformItemSizes(true);
            for (std::string_view entry : spec.initialList) list->addItem(ToQString(entry));
            return list;
        }
        case ControlKind::Icon: {
            auto* icon = new QLabel(this);
            icon->setPixmap(ProgramIcon().pixmap(32, 32));
            icon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            return icon;
        }
        case ControlKind::Picture: {
            auto* picture = new QLabel(this);
            picture->setPixmap(DrawPicture(spec.nImage));
            picture->setAlignment((spec.nFlags & kCentred) ? Qt::AlignCenter : (Qt::AlignLeft | Qt::AlignTop));
            return picture;
        }
    }
    return new QWidget(this);
}

QWidget* TemplateDialog::Control(int nId) const {
    auto it = m_byId.find(nId);
    return it == m_byId.end() ? nullptr : it->second;
}

}  // namespace vexlor
