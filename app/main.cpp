// Vexlor: decodes the cowl tag and VIN of 1967-1969 Camaro cars. The tag form
// is its one window and "Exit" ends it; "vexlor FILE" opens a saved decode
// file in the form as soon as it is shown.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>

#include "app/pictures.h"
#include "app/startup_report.h"
#include "app/tag_form_window.h"
#include "vexlor_config.h"

int main(int argc, char* argv[]) {
    QElapsedTimer sinceMain;
    sinceMain.start();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vexlor"));
    // Names the desktop entry, so that a Wayland desktop shows its name and icon.
    QApplication::setDesktopFileName(QStringLiteral(VEXLOR_APP_ID));
    QApplication::setWindowIcon(vexlor::ProgramIcon());

    vexlor::TagFormWindow form;
    if (vexlor::StartupReportWanted())
        QObject::connect(&form, &vexlor::TagFormWindow::FirstShown, [&sinceMain] {
            vexlor::ReportStartup(sinceMain.elapsed());
        });
    // Qt has taken its own options out of argv by now.
    if (argc > 1) {
        const QString strPath = QFile::decodeName(argv[1]);
        QObject::connect(&form, &vexlor::TagFormWindow::FirstShown, &form,
                         [&form, strPath] { form.OpenDecodeFile(strPath); });
    }
    form.exec();
    return 0;
}
