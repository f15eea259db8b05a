// A window on a screen smaller than it is drawn (640 x 450 pixels, as a
// 1280 x 900 screen at scale factor 2) opens at a size that fits, and every
// control can still be reached.
#include <QAccessible>
#include <QScreen>
#include <QtTest>

#include "app/screen_fit.h"
#include "app_test_support.h"
#include "form/control_ids.h"

using namespace vexlor;
using namespace vexlor::testing;

class SmallScreenTest : public QObject {
    Q_OBJECT

private slots:
    void theFittedSizeLeavesRoomForTheFrame() {
        const QMargins frame(4, 30, 4, 4);
        const struct { QSize wanted, available, fitted; } cases[] = {
            {{680, 400}, {640, 450}, {632, 400}},  // too wide
            {{632, 430}, {640, 450}, {632, 416}},  // too high once the title bar is counted
            {{680, 400}, {50, 40}, {100, 60}},     // never below the smallest size
            {{80, 50}, {50, 40}, {80, 50}},        // nor above what is wanted
        };
        for (const auto& c : cases) QCOMPARE(FittedClientSize(c.wanted, c.available, frame, {100, 60}), c.fitted);
    }

    void theFormFitsAndScrollsEveryControlIntoView() {
        std::unique_ptr<TagFormWindow> form = ShowForm();
        QVERIFY(form && form->Scrolls());
        QVERIFY(form->screen()->availableGeometry().contains(form->frameGeometry()));
        for (int nId : {ctl::Decode, ctl::ExitButton, ctl::Year}) {
            QWidget* control = form->Control(nId);
            control->setFocus(Qt::TabFocusReason);
            QTRY_VERIFY(form->rect().contains(QRect(control->mapTo(form.get(), QPoint(0, 0)), control->size())));
        }
        // Screen readers still meet the controls, in template order.
        QAccessibleInterface* view = QAccessible::queryAccessibleInterface(form.get());
        QCOMPARE(view->child(0)->text(QAccessible::Name), QStringLiteral("Model year"));
        // The page grows by the undo bar, the window within the screen.
        form->Controls().SetText(ctl::BodyNumber, "1");
        form->Form().OnClearAll();
        QVERIFY(form->Canvas()->minimumHeight() > form->Units().ToPixelsY(form->Template().cy));
        QVERIFY(form->screen()->availableGeometry().contains(form->frameGeometry()));
    }
};

QTEST_MAIN(SmallScreenTest)
#include "test_small_screen.moc"
