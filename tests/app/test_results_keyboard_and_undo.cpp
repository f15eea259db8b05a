// What the results window offers keyboard and screen-reader users, its long
// lines and its growing; the form's "Form cleared. Undo" line.
#include <QAccessible>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include "app/results_window.h"
#include "app_test_support.h"
#include "form/control_ids.h"

using namespace vexlor;
using namespace vexlor::testing;

class ResultsKeyboardAndUndoTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TagFormWindow> m_form;

private slots:
    void init() { QVERIFY((m_form = ShowForm())); }
    void cleanup() { m_form.reset(); }

    void theResultsStartOnTheLinesAndOfferTheAddressAsALink() {
        m_form->Form().OnHelpDecoding(true);
        ResultsWindow results(*m_form->Form().DecodeForm(), m_form->Saves());
        results.show();
        QVERIFY(QTest::qWaitForWindowActive(&results));
        QCOMPARE(QApplication::focusWidget(), results.Control(ctl::ResultsList));  // Ctrl+A, Ctrl+C work at once
        auto* request = results.ControlAs<QLabel>(ctl::ResultsEmail);
        QAccessibleInterface* link = QAccessible::queryAccessibleInterface(request);
        QCOMPARE(link->role(), QAccessible::Link);
        QCOMPARE(link->text(QAccessible::Name), QStringLiteral("Please e-mail this information to VELK at velk@example.org"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);  // the first Tab onto the request focuses its link
        QTRY_COMPARE(request->selectedText(), QStringLiteral("velk@example.org"));
    }

    void aLongLineScrollsAndShowsWholeAndTheListGrowsWithTheWindow() {
        const std::string strNumber(120, '7');
        m_form->Controls().SetText(ctl::BodyNumber, strNumber);
        ResultsWindow results(*m_form->Form().DecodeForm(), m_form->Saves());
        results.show();
        auto* list = results.ControlAs<QListWidget>(ctl::ResultsList);
        QVERIFY(list->item(0)->toolTip() == QString::fromStdString("Decode for body number: " + strNumber) && list->item(1)->toolTip().isEmpty());
        QTRY_VERIFY(list->horizontalScrollBar()->maximum() > 0);
        const QRect listBefore = list->geometry(), backBefore = results.Control(ctl::Ok)->geometry();
        results.resize(results.size() + QSize(100, 50));
        QCOMPARE(list->geometry(), listBefore.adjusted(0, 0, 100, 50));
        QCOMPARE(results.Control(ctl::Ok)->geometry(), backBefore.translated(100, 50));
    }

    void theUndoLineTakesAClearingBackAndGoesAtTheNextEdit() {
        const QSize drawn = m_form->size();
        m_form->Form().OnHelpDecoding(true);
        QVERIFY(PickFromList(m_form->ControlAs<FormComboBox>(ctl::Year), "1969"));
        auto* undo = m_form->findChildren<QPushButton*>().constLast();
        QVERIFY(undo->text() == "&Undo" && undo->isVisible() && m_form->height() > drawn.height());
        QCOMPARE(undo->parentWidget()->findChild<QLabel*>()->text(), QStringLiteral("Form cleared."));
        QVERIFY(undo->mapTo(m_form.get(), QPoint(0, 0)).y() >= m_form->Control(ctl::Decode)->geometry().bottom());
        QTest::mouseClick(undo, Qt::LeftButton);
        QVERIFY(m_form->Controls().GetText(ctl::BodyNumber) == "65727" && !undo->isVisible() && m_form->size() == drawn);
        QTest::mouseClick(m_form->Control(ctl::ClearAll), Qt::LeftButton);
        QVERIFY(undo->isVisible());
        QTest::keyClicks(m_form->Control(ctl::BodyNumber), "1");
        QVERIFY(!undo->isVisible());
    }
};

QTEST_MAIN(ResultsKeyboardAndUndoTest)
#include "test_results_keyboard_and_undo.moc"
