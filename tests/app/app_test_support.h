#pragma once
// Helpers of the window tests: the shown form, answering the modal windows
// that a handler opens, picking from a drop-down list and typing as a user
// does, and a launcher that records what would have been started.

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "app/desktop_launcher.h"
#include "app/form_combo_box.h"
#include "app/tag_form_window.h"

namespace vexlor::testing {

// A new form, shown and active as at start-up (null if it never became active).
inline std::unique_ptr<TagFormWindow> ShowForm() {
    auto form = std::make_unique<TagFormWindow>();
    form->show();
    form->activateWindow();
    return QTest::qWaitForWindowActive(form.get()) ? std::move(form) : nullptr;
}

// Waits for a modal window of type T, shown and active (so that keys reach
// its focus), and hands it to act; after about ten seconds, as it is.
// Several waits may run at once, each for its own type.
template <typename T>
void WhenModalIs(std::function<void(T*)> act) {
    auto* timer = new QTimer(qApp);
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, qApp, [timer, tries, act] {
        T* modal = qobject_cast<T*>(QApplication::activeModalWidget());
        if ((modal && modal->isVisible() && modal->isActiveWindow()) || ++*tries > 500) {
            timer->stop();
            timer->deleteLater();
            if (modal) act(modal);
        }
    });
    timer->start(20);
}

// While it lives, answers every message box with Enter (its default button)
// and keeps the title and text of each.
class MessageBoxAnswerer {
public:
    MessageBoxAnswerer() {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible()) return;
            seen.push_back(box->windowTitle() + ": " + box->text());
            QTest::keyClick(box, Qt::Key_Return);
        });
        m_timer.start(20);
    }
    QStringList seen;  // "title: text"

private:
    QTimer m_timer;
};

// Picks the entry text from a box's list as a user does: the list drops
// down, the entry is clicked.
inline bool PickFromList(QComboBox* box, const QString& text) {
    box->setFocus(Qt::MouseFocusReason);
    box->showPopup();
    QAbstractItemView* view = box->view();
    const int nIndex = box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (nIndex < 0 || !view->isVisible()) {
        box->hidePopup();
        return false;
    }
    const QModelIndex index = box->model()->index(nIndex, 0);
    view->scrollTo(index);
    const QPoint at = view->visualRect(index).center();
    QTest::mouseMove(view->viewport(), at);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    return box->currentIndex() == nIndex && !view->isVisible();
}

// Replaces a box's edit text by typing text, one key at a time.
inline void TypeOver(QComboBox* box, const QString& text) {
    box->setFocus(Qt::OtherFocusReason);
    box->lineEdit()->selectAll();
    QTest::keyClicks(box, text);
}

// Records what would have been started; starting fails while bStarts is false.
class RecordingLauncher : public DesktopLauncher {
public:
    RecordingLauncher() { SetLauncher(this); }
    ~RecordingLauncher() override { SetLauncher(nullptr); }
    bool OpenUrl(const QUrl& url) override {
        urls.push_back(url);
        return bStarts;
    }
    bool StartDetached(const QString& strProgram, const QStringList& args, const QString& strWorkingDir) override {
        programs.push_back(QStringList{strProgram, strWorkingDir} + args);
        return bStarts;
    }
    QString FindProgram(const QString& strName) override { return found.contains(strName) ? "/bin/" + strName : ""; }
    std::vector<QUrl> urls;
    std::vector<QStringList> programs;  // program, working directory, arguments
    QStringList found;                  // the programs on the search path
    bool bStarts = true;
};

}  // namespace vexlor::testing
