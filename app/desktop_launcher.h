#pragma once
// Starting other programs: the browser for a web site, the viewer for a saved
// file, a program with an argument list. The tests put their own in place.

#include <QString>
#include <QStringList>
#include <QUrl>

namespace vexlor {

class DesktopLauncher {
public:
    virtual ~DesktopLauncher() = default;
    // Opens a web address or a local file in the desktop's program for it.
    virtual void OpenUrl(const QUrl& url);
    // Starts a program with an argument list in a working directory, never
    // through a shell; does not wait.
    virtual void StartDetached(const QString& strProgram, const QStringList& args, const QString& strWorkingDir);
};

// The launcher in use; the desktop's by default.
DesktopLauncher& Launcher();
// Puts a launcher in place (null: the desktop's again). The caller keeps it alive.
void SetLauncher(DesktopLauncher* launcher);

}  // namespace vexlor
