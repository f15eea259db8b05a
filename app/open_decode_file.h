#pragma once
// Opening a saved decode file in the tag form: a file chosen in the Open
// dialog (Ctrl+O, the form's context menu), dropped anywhere on the form, or
// named on the command line.

#include <QString>
#include <functional>

class QWidget;

namespace vexlor {

class TagForm;

// Opens the file in the form: its tag fills the form in its year's layout, or
// a message box names the file and the reason and the form stays as it was.
void OpenDecodeFileInForm(TagForm& form, const QString& strPath);

// The Open dialog, started in strDirectory; the chosen path, or an empty text on Cancel.
QString AskDecodeFilePath(QWidget* parent, const QString& strDirectory);

// Takes a file dropped on window or any control in it (a field would
// otherwise take the file's address as typed text) and hands its local path
// to onDrop; texts and remote addresses are left to the controls.
void AcceptDecodeFileDrops(QWidget& window, std::function<void(const QString&)> onDrop);

// The form's context-menu item that opens the Open dialog.
inline constexpr char kOpenMenuText[] = "&Open Decode File...";

}  // namespace vexlor
