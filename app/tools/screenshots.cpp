// Writes PNG pictures of Vexlor's windows into a folder: the form in each
// model-year layout, with the sample tag and with the line that undoes a
// clearing, the results of the sample tag, and every dialog.
//   QT_QPA_PLATFORM=offscreen vexlor-screenshots <folder>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <cstdio>

#include "app/about_dialog.h"
#include "app/help_decoding_dialog.h"
#include "app/pictures.h"
#include "app/results_window.h"
#include "app/tag_form_window.h"
#include "app/web_sites_dialog.h"
#include "form/control_ids.h"

namespace {

bool Save(QWidget& window, const QDir& folder, const char* pszName) {
    window.show();
    QApplication::processEvents();
    const QString path = folder.filePath(QString::fromLatin1(pszName));
    const bool bSaved = window.grab().save(path, "PNG");
    std::printf("%s %s\n", bSaved ? "wrote" : "could not write", qPrintable(path));
    window.hide();
    return bSaved;
}

bool SavePixmap(const QPixmap& pixmap, const QDir& folder, const char* pszName) {
    const QString path = folder.filePath(QString::fromLatin1(pszName));
    const bool bSaved = pixmap.save(path, "PNG");
    std::printf("%s %s\n", bSaved ? "wrote" : "could not write", qPrintable(path));
    return bSaved;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: vexlor-screenshots <folder>\n");
        return 2;
    }
    QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "vexlor-screenshots: cannot create %s\n", argv[1]);
        return 1;
    }
    bool bAll = true;
    vexlor::TagFormWindow form;
    bAll &= Save(form, folder, "form-1967.png");
    const char* pszNames[] = {"form-1967.png", "form-1968.png", "form-1969.png"};
    for (int nIndex : {1, 2}) {
        form.Form().OnYearSelChange(nIndex);
        form.Controls().SetText(vexlor::ctl::Year, nIndex == 1 ? "1968" : "1969");
        bAll &= Save(form, folder, pszNames[nIndex]);
    }
    form.Form().OnHelpDecoding(true);
    bAll &= Save(form, folder, "form-sample.png");
    form.Form().OnClearAll();  // the sample taken back at once
    bAll &= Save(form, folder, "form-cleared-undo.png");
    form.Form().OnUndo();

    if (std::optional<vexlor::DecodeResult> result = form.Form().DecodeForm()) {
        vexlor::ResultsWindow results(*result, form.Saves(), &form);
        bAll &= Save(results, folder, "results-sample.png");
    }
    vexlor::AboutDialog about;
    bAll &= Save(about, folder, "about.png");
    vexlor::WebSitesDialog sites;
    bAll &= Save(sites, folder, "web-sites.png");
    vexlor::HelpDecodingDialog help;
    bAll &= Save(help, folder, "help-decoding.png");
    QMessageBox request(QMessageBox::NoIcon, QStringLiteral("Vexlor"),
                        QStringLiteral("Please select the body style (ST) first."), QMessageBox::Ok);
    bAll &= Save(request, folder, "style-request.png");

    bAll &= SavePixmap(vexlor::DrawSampleTag(), folder, "picture-147-sample-tag.png");
    bAll &= SavePixmap(vexlor::DrawCarPicture(), folder, "picture-144-car.png");
    bAll &= SavePixmap(vexlor::DrawVelkLogo(), folder, "picture-132-velk.png");
    bAll &= SavePixmap(vexlor::DrawSorvanLogo(), folder, "picture-141-sorvan.png");
    bAll &= SavePixmap(vexlor::DrawProgramIcon(64), folder, "icon.png");
    return bAll ? 0 : 1;
}
