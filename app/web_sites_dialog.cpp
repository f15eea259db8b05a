#include "app/web_sites_dialog.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <algorithm>

#include "app/desktop_launcher.h"
#include "app/qt_text.h"
#include "form/program_texts.h"
#include "form/control_ids.h"

namespace vexlor {
namespace {

constexpr int kHeadingCellHeight = 30;

void OpenSite(std::string_view strUrl) {
    Launcher().OpenUrl(QUrl(ToQString(strUrl)));
}

}  // namespace

QFont WebSitesHeadingFont() {
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    if (!QFontDatabase::hasFamily(font.family())) font.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("serif")});
    // A positive height is the whole cell (ascent plus descent): scale the em
    // size until the cell is 30 pixels.
    font.setPixelSize(kHeadingCellHeight);
    const int nCell = QFontMetrics(font).height();
    if (nCell > 0) font.setPixelSize(std::max(1, (kHeadingCellHeight * kHeadingCellHeight + nCell / 2) / nCell));
    return font;
}

WebSitesDialog::WebSitesDialog(QWidget* parent) : TemplateDialog(WebSitesTemplate(), parent) {
    if (auto* heading = ControlAs<QLabel>(ctl::WebHeading)) heading->setFont(WebSitesHeadingFont());
    if (auto* back = ControlAs<QPushButton>(ctl::Ok)) {
        back->setDefault(true);
        connect(back, &QPushButton::clicked, this, &QDialog::accept);
    }
    if (auto* velk = ControlAs<QPushButton>(ctl::GoToVelk))
        connect(velk, &QPushButton::clicked, this, &WebSitesDialog::OnGoToVelk);
    if (auto* sorvan = ControlAs<QPushButton>(ctl::GoToSorvan))
        connect(sorvan, &QPushButton::clicked, this, &WebSitesDialog::OnGoToSorvan);
}

void WebSitesDialog::OnGoToVelk() { OpenSite(kResearchGroupUrl); }
void WebSitesDialog::OnGoToSorvan() { OpenSite(kPartnerClubUrl); }

}  // namespace vexlor
