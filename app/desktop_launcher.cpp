#include "app/desktop_launcher.h"

#include <QDesktopServices>
#include <QProcess>

namespace vexlor {
namespace {
DesktopLauncher* g_launcher = nullptr;
}

void DesktopLauncher::OpenUrl(const QUrl& url) { QDesktopServices::openUrl(url); }

void DesktopLauncher::StartDetached(const QString& strProgram, const QStringList& args,
                                    const QString& strWorkingDir) {
    QProcess::startDetached(strProgram, args, strWorkingDir);
}

DesktopLauncher& Launcher() {
    static DesktopLauncher desktop;
    return g_launcher ? *g_launcher : desktop;
}

void SetLauncher(DesktopLauncher* launcher) { g_launcher = launcher; }

}  // namespace vexlor
