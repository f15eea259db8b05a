#pragma once
// Starting other programs: the browser for a web site, the viewer for a saved
// file, the e-mail helper, a program with an argument list. The tests put
// their own in place.

#include <QString>
#include <QStringList>
#include <QUrl>

namespace vexlor {

class DesktopLauncher {
public:
    virtual ~DesktopLauncher() = default;
    // Opens a web address, a mailto: address or a local file in the desktop's
    // program for it; false when none could be started.
    virtual bool OpenUrl(const QUrl& url);
    // Starts a program with an argument list in a working directory, never
    // through a shell; does not wait. False when it could not be started.
    virtual bool StartDetached(const QString& strProgram, const QStringList& args, const QString& strWorkingDir);
    // The full path of a program found on the search path, or empty.
    virtual QString FindProgram(const QString& strName);
};

// The launcher in use; the desktop's by default.
DesktopLauncher& Launcher();
// Puts a launcher in place (null: the desktop's again). The caller keeps it alive.
void SetLauncher(DesktopLauncher* launcher);

}  // namespace vexlor
