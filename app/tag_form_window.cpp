#include "app/tag_form_window.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

#include "app/about_dialog.h"
#include "app/clearing_undo_bar.h"
#include "app/form_combo_box.h"
#include "app/help_decoding_dialog.h"
#include "app/open_decode_file.h"
#include "app/pictures.h"
#include "app/qt_save_host.h"
#include "app/results_window.h"
#include "app/web_sites_dialog.h"
#include "form/control_ids.h"

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
    WireOpening();
    new ClearingUndoBar(*this);
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
    // The pick-lists: rebuilt when a list drops down and when a box gets the
    // focus; a pick re-checks the fields that depend on it.
    const struct {
        int nId;
        void (TagForm::*onDropDown)();
        void (TagForm::*onFocus)();
        void (TagForm::*onPick)();
    } kBoxes[] = {
        {ctl::VinPrefix, &TagForm::FillVinPrefixList, nullptr, &TagForm::OnVinPrefixSelChange},
        {ctl::Style, &TagForm::FillStyleList, &TagForm::FillStyleList, &TagForm::OnStyleSelChange},
        {ctl::Plant, &TagForm::FillPlantList, &TagForm::FillPlantList, &TagForm::OnPlantSelChange},
        {ctl::Trim, &TagForm::FillTrimList, &TagForm::FillTrimList, nullptr},
        {ctl::Seat, &TagForm::FillSeatList, &TagForm::FillSeatList, nullptr},
        {ctl::LowerPaint, &TagForm::FillLowerPaintList, nullptr, &TagForm::OnLowerPaintSelChange},
        {ctl::TopPaint, &TagForm::FillTopPaintList, &TagForm::FillTopPaintList, nullptr},
    };
    for (const auto& row : kBoxes) {
        FormComboBox* box = Box(row.nId);
        if (!box) continue;
        if (row.onDropDown) box->OnDropDown([&form, fill = row.onDropDown] { (form.*fill)(); });
        if (row.onFocus) box->OnFocusIn([&form, fill = row.onFocus] { (form.*fill)(); });
        if (row.onPick) connect(box, &QComboBox::activated, this, [&form, pick = row.onPick] { (form.*pick)(); });
    }
}

// Ctrl+O and the context menu ask for a decode file; a file dropped on the
// form opens once the drop is over.
void TagFormWindow::WireOpening() {
    auto* open = new QShortcut(QKeySequence::Open, this);
    connect(open, &QShortcut::activated, this, &TagFormWindow::OnOpenDecodeFile);
    AcceptDecodeFileDrops(*this, [this](const QString& strPath) {
        QTimer::singleShot(0, this, [this, strPath] { OpenDecodeFile(strPath); });
    });
}

void TagFormWindow::OnOpenDecodeFile() {
    const QString strPath = AskDecodeFilePath(this, PathFromBytes(m_saveFlow.CurrentDir()));
    if (!strPath.isEmpty()) OpenDecodeFile(strPath);
}

void TagFormWindow::OpenDecodeFile(const QString& strPath) { OpenDecodeFileInForm(m_form, strPath); }

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
    menu.addAction(QString::fromLatin1(kOpenMenuText), QKeySequence(QKeySequence::Open), this,
                   &TagFormWindow::OnOpenDecodeFile);
    menu.exec(event->globalPos());
}

void TagFormWindow::showEvent(QShowEvent* event) {
    TemplateDialog::showEvent(event);
    if (m_bShownOnce) return;
    m_bShownOnce = true;
    QTimer::singleShot(0, this, &TagFormWindow::FirstShown);
}

}  // namespace vexlor
