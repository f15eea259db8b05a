#pragma once
// Helpers of the window tests: answering the modal windows that a handler
// opens, picking from a drop-down list and typing as a user does, and a
// launcher that records what would have been started.

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "app/desktop_launcher.h"
#include "app/form_combo_box.h"
#include "app/template_dialog.h"

namespace vexlor::testing {

// Waits for a modal window of type T and hands it to act; gives up after
// about ten seconds. Several waits may run at once, each for its own type.
template <typename T>
void WhenModalIs(std::function<void(T*)> act) {
    auto* timer = new QTimer(qApp);
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, qApp, [timer, tries, act] {
        T* modal = qobject_cast<T*>(QApplication::activeModalWidget());
        if ((modal && modal->isVisible()) || ++*tries > 500) {
            timer->stop();
            timer->deleteLater();
            if (modal) act(modal);
        }
    });
    timer->start(20);
}

// A message box seen by a test.
struct MessageSeen {
    QString strTitle;
    QString strText;
};

// Answers the next message box with button and records it.
inline void AnswerMessageBox(std::vector<MessageSeen>& seen, QMessageBox::StandardButton button) {
    WhenModalIs<QMessageBox>([&seen, button](QMessageBox* box) {
        seen.push_back({box->windowTitle(), box->text()});
        if (QAbstractButton* answer = box->button(button)) answer->click();
        else box->reject();
    });
}

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
    if (text.isEmpty()) QTest::keyClick(box, Qt::Key_Backspace);
    else QTest::keyClicks(box, text);
}

inline QStringList Items(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
    return items;
}

class RecordingLauncher : public DesktopLauncher {
public:
    RecordingLauncher() { SetLauncher(this); }
    ~RecordingLauncher() override { SetLauncher(nullptr); }
    void OpenUrl(const QUrl& url) override { urls.push_back(url); }
    void StartDetached(const QString& strProgram, const QStringList& args, const QString& strWorkingDir) override {
        programs.push_back({strProgram, args, strWorkingDir});
    }
    struct Started {
        QString strProgram;
        QStringList args;
        QString strWorkingDir;
    };
    std::vector<QUrl> urls;
    std::vector<Started> programs;
};

}  // namespace vexlor::testing
