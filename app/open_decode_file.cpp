#include "app/open_decode_file.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QMimeData>
#include <QUrl>
#include <utility>

#include "app/qt_save_host.h"
#include "form/tag_form.h"
#include "results/tag_from_records.h"

namespace vexlor {
namespace {

// The local file a drag carries, or an empty text.
QString DraggedFile(const QMimeData* pData) {
    if (pData == nullptr || !pData->hasUrls() || pData->urls().isEmpty()) return {};
    const QUrl url = pData->urls().constFirst();
    return url.isLocalFile() ? url.toLocalFile() : QString();
}

// Watches the window and each control in it for drags of a local file.
class DropFilter : public QObject {
public:
    DropFilter(QObject* parent, std::function<void(const QString&)> onDrop)
        : QObject(parent), m_onDrop(std::move(onDrop)) {}

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override {
        switch (pEvent->type()) {
            case QEvent::DragEnter:
            case QEvent::DragMove: {
                auto* pDrag = static_cast<QDragMoveEvent*>(pEvent);
                if (DraggedFile(pDrag->mimeData()).isEmpty()) break;
                pDrag->acceptProposedAction();
                return true;
            }
            case QEvent::Drop: {
                auto* pDrop = static_cast<QDropEvent*>(pEvent);
                const QString strPath = DraggedFile(pDrop->mimeData());
                if (strPath.isEmpty()) break;
                pDrop->acceptProposedAction();
                m_onDrop(strPath);
                return true;
            }
            default: break;
        }
        return QObject::eventFilter(pWatched, pEvent);
    }

private:
    std::function<void(const QString&)> m_onDrop;
};

}  // namespace

void OpenDecodeFileInForm(TagForm& form, const QString& strPath) {
    const OpenedTag opened = OpenDecodeFile(PathToBytes(strPath));
    form.OnOpenDecodeFile(opened.fields, OpenFailureMessage(PathToBytes(QDir::toNativeSeparators(strPath)),
                                                            opened.strReason));
}

QString AskDecodeFilePath(QWidget* parent, const QString& strDirectory) {
    QFileDialog dialog(parent, QString(), strDirectory);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({QStringLiteral("Decode files (*.txt)"), QStringLiteral("All files (*)")});
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

void AcceptDecodeFileDrops(QWidget& window, std::function<void(const QString&)> onDrop) {
    auto* pFilter = new DropFilter(&window, std::move(onDrop));
    window.setAcceptDrops(true);
    window.installEventFilter(pFilter);
    for (QWidget* pChild : window.findChildren<QWidget*>()) pChild->installEventFilter(pFilter);
}

}  // namespace vexlor
