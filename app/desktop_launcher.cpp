#include "app/desktop_launcher.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>

namespace vexlor {
namespace {
DesktopLauncher* g_launcher = nullptr;
}

bool DesktopLauncher::OpenUrl(const QUrl& url) { return QDesktopServices::openUrl(url); }

bool DesktopLauncher::StartDetached(const QString& strProgram, const QStringList& args,
                                    const QString& strWorkingDir) {
    return QProcess::startDetached(strProgram, args, strWorkingDir);
}

QString DesktopLauncher::FindProgram(const QString& strName) { return QStandardPaths::findExecutable(strName); }

DesktopLauncher& Launcher() {
    static DesktopLauncher desktop;
    return g_launcher ? *g_launcher : desktop;
}

void SetLauncher(DesktopLauncher* launcher) { g_launcher = launcher; }

}  // namespace vexlor
