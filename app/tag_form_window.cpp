#include "app/tag_form_window.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

#include "app/about_dialog.h"
#include "app/form_combo_box.h"
#include "app/help_decoding_dialog.h"
#include "app/pictures.h"
#include "app/qt_save_host.h"
#include "app/results_window.h"
#include "app/web_sites_dialog.h"
#include "form/control_ids.h"
#include "form/pick_list_boxes.h"

namespace vexlor {

TagFormWindow::TagFormWindow(QWidget* parent)
    : TemplateDialog(TagFormTemplate(), parent),
      m_controls(*this),
      m_form(m_controls),
      m_saveFlow(PathToBytes(QDir::currentPath())) {
    setWindowIcon(ProgramIcon());
    setModal(false);
    WireButtons();
    WireBoxes();
    m_form.InitForm();
    if (QWidget* year = Control(ctl::Year)) year->setFocus(Qt::OtherFocusReason);
}

FormComboBox* TagFormWindow::Box(int nId) const { return ControlAs<FormComboBox>(nId); }

void TagFormWindow::WireButtons() {
    const struct {
        int nId;
        void (TagFormWindow::*handler)();
    } kButtons[] = {
        {ctl::ProgramInfo, &TagFormWindow::OnProgramInfo},
        {ctl::FavoriteWebSites, &TagFormWindow::OnFavoriteWebSites},
        {ctl::ClearAll, &TagFormWindow::OnClearAll},
        {ctl::Decode, &TagFormWindow::OnDecode},
        {ctl::HelpDecoding, &TagFormWindow::OnHelpDecoding},
        {ctl::ExitButton, &TagFormWindow::OnExit},
    };
    for (const auto& button : kButtons)
        if (auto* widget = ControlAs<QPushButton>(button.nId))
            connect(widget, &QPushButton::clicked, this, button.handler);
    // Enter anywhere in the form decodes.
    if (auto* decode = ControlAs<QPushButton>(ctl::Decode)) decode->setDefault(true);
}

void TagFormWindow::WireBoxes() {
    TagForm& form = m_form;
    if (FormComboBox* year = Box(ctl::Year)) {
        connect(year, &QComboBox::activated, this, [&form](int nIndex) { form.OnYearSelChange(nIndex); });
        connect(year->lineEdit(), &QLineEdit::textEdited, this, [&form] { form.OnYearEditChange(); });
    }
    // The pick-lists: each box runs what the form's table names for it.
    for (const PickListBox& row : PickListBoxes()) {
        FormComboBox* box = Box(row.nId);
        if (!box) continue;
        const int nId = row.nId;
        if (row.onDropDown) box->OnDropDown([&form, nId] { form.OnDropDown(nId); });
        if (row.onFocus) box->OnFocusIn([&form, nId] { form.OnFocus(nId); });
        if (row.onPick) connect(box, &QComboBox::activated, this, [&form, nId] { form.OnPick(nId); });
    }
}

void TagFormWindow::OnProgramInfo() {
    AboutDialog about(this);
    about.exec();
}

void TagFormWindow::OnFavoriteWebSites() {
    WebSitesDialog sites(this);
    sites.exec();
}

void TagFormWindow::OnClearAll() { m_form.OnClearAll(); }

void TagFormWindow::OnDecode() {
    std::optional<DecodeResult> result = m_form.DecodeForm();
    if (!result) return;  // the form has asked for the model year
    ResultsWindow results(std::move(*result), m_saveFlow, this);
    results.exec();
}

void TagFormWindow::OnHelpDecoding() {
    HelpDecodingDialog help(this);
    const bool bOk = help.exec() == QDialog::Accepted;
    m_form.OnHelpDecoding(bOk);
}

void TagFormWindow::OnExit() { QDialog::done(QDialog::Rejected); }

void TagFormWindow::reject() {}

void TagFormWindow::closeEvent(QCloseEvent* event) { event->ignore(); }

void TagFormWindow::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    menu.addAction(QString::fromLatin1(kAboutMenuText), this, &TagFormWindow::OnProgramInfo);
    menu.exec(event->globalPos());
}

void TagFormWindow::showEvent(QShowEvent* event) {
    TemplateDialog::showEvent(event);
    if (m_bShownOnce) return;
    m_bShownOnce = true;
    QTimer::singleShot(0, this, &TagFormWindow::FirstShown);
}

}  // namespace vexlor
