#include "app/qt_save_host.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QMessageBox>
#include <QSaveFile>
#include <QUrl>
#include <ctime>

#include "app/desktop_launcher.h"
#include "app/qt_text.h"
#include "form/program_texts.h"
#include "results/decode_file.h"

namespace vexlor {
namespace {

// Icons and file types from an entry's name and kind alone: the Save As
// dialog never opens a file it lists, so a FIFO or a file of /proc that
// blocks on reading cannot hang it.
class NameOnlyIconProvider : public QFileIconProvider {
public:
    QIcon icon(const QFileInfo& info) const override {
        return QFileIconProvider::icon(info.isDir() ? QAbstractFileIconProvider::Folder : QAbstractFileIconProvider::File);
    }
    QString type(const QFileInfo& info) const override {
        if (info.isDir()) return QStringLiteral("Folder");
        return info.suffix().isEmpty() ? QStringLiteral("File") : info.suffix() + QStringLiteral(" File");
    }
};

// A saved file that no program could be started on is named, not left unseen.
void ReportNotShown(QWidget* parent, const QString& strPath) {
    QMessageBox box(QMessageBox::Warning, ToQString(kProgramName),
                    QStringLiteral("The file %1 was saved, but no program could be started to show it.").arg(strPath),
                    QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace

std::string PathToBytes(const QString& strPath) { return QFile::encodeName(strPath).toStdString(); }

QString PathFromBytes(const std::string& strPath) {
    return QFile::decodeName(QByteArray(strPath.data(), static_cast<qsizetype>(strPath.size())));
}

bool QtSaveHost::FileExists(const std::string& strPath) { return QFileInfo::exists(PathFromBytes(strPath)); }

bool QtSaveHost::AskReplace(const std::string& strQuestion) {
    QMessageBox box(QMessageBox::Question, ToQString(kProgramName), ToQString(strQuestion),
                    QMessageBox::Yes | QMessageBox::No, m_parent);
    // Enter must never replace a file.
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

std::optional<std::string> QtSaveHost::AskSaveAsPath(const std::string& strDirectory) {
    NameOnlyIconProvider iconProvider;  // outlives the dialog
    QFileDialog dialog(m_parent, QString(), PathFromBytes(strDirectory));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setIconProvider(&iconProvider);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("any"));
    dialog.selectFile(QStringLiteral("*.txt"));
    for (;;) {
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
        const QFileInfo chosen(dialog.selectedFiles().constFirst());
        // A name with wildcards ("*.txt") is a filter for the listing, not a file.
        if (!chosen.fileName().contains(QLatin1Char('*')) && !chosen.fileName().contains(QLatin1Char('?')))
            return PathToBytes(chosen.absoluteFilePath());
        dialog.setDirectory(chosen.absolutePath());
        dialog.setNameFilter(chosen.fileName());
        dialog.selectFile(chosen.fileName());
    }
}

bool QtSaveHost::WriteFileAtomically(const std::string& strPath, const std::string& strContent,
                                     std::string& strError) {
    QSaveFile file(PathFromBytes(strPath));
    const auto nSize = static_cast<qint64>(strContent.size());
    if (!file.open(QIODevice::WriteOnly) || file.write(strContent.data(), nSize) != nSize || !file.commit()) {
        strError = FromQString(file.errorString());
        file.cancelWriting();
        return false;
    }
    return true;
}

void QtSaveHost::ReportWriteFailure(const std::string& strMessage) {
    QMessageBox box(QMessageBox::Warning, ToQString(kProgramName), ToQString(strMessage), QMessageBox::Ok, m_parent);
    box.exec();
}

bool QtSaveHost::IsExecutableFile(const std::string& strPath) {
    const QFileInfo info(PathFromBytes(strPath));
    return info.isFile() && info.isExecutable();
}

void QtSaveHost::StartProgram(const std::string& strProgram, const std::vector<std::string>& args) {
    QStringList arguments;
    for (const std::string& arg : args) arguments << PathFromBytes(arg);
    // The program is given a bare file name: it runs in its own directory,
    // where the file was saved.
    const QString program = PathFromBytes(strProgram);
    const QString directory = QFileInfo(program).absolutePath();
    if (!Launcher().StartDetached(program, arguments, directory) && !args.empty()) {
        // The companion's argument is "/" and the name.
        ReportNotShown(m_parent, QDir(directory).filePath(PathFromBytes(args.front()).mid(1)));
    }
}

void QtSaveHost::OpenInViewer(const std::string& strPath) {
    const QString path = PathFromBytes(strPath);
    if (!Launcher().OpenUrl(QUrl::fromLocalFile(path))) ReportNotShown(m_parent, path);
}

std::string QtSaveHost::Today() { return DecodeFileDate(std::time(nullptr)); }

}  // namespace vexlor
