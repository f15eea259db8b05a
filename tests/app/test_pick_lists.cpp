// The pick-lists on real widgets: lists built when a box drops down or gets
// the focus, the request for the body style, the re-checks after a pick, and
// typing that re-checks nothing.
#include <QtTest>

#include "app/tag_form_window.h"
#include "app_test_support.h"
#include "form/control_ids.h"

using namespace vexlor;
using namespace vexlor::testing;

namespace {

// Answers every message box with OK and keeps what it said.
class MessageBoxAnswerer {
public:
    MessageBoxAnswerer() {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible()) return;
            seen.push_back({box->windowTitle(), box->text()});
            box->button(QMessageBox::Ok)->click();
        });
        m_timer.start(20);
    }
    std::vector<MessageSeen> seen;

private:
    QTimer m_timer;
};

QStringList DroppedList(FormComboBox* box) {
    box->setFocus(Qt::MouseFocusReason);
    box->showPopup();
    const QStringList items = Items(box);
    box->hidePopup();
    return items;
}

}  // namespace

class PickListsTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TagFormWindow> m_form;

    FormComboBox* Box(int nId) { return m_form->ControlAs<FormComboBox>(nId); }
    FormControls& Controls() { return m_form->Controls(); }
    std::string Text(int nId) { return Controls().GetText(nId); }

private slots:
    void init() {
        m_form = std::make_unique<TagFormWindow>();
        m_form->show();
        m_form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    }
    void cleanup() { m_form.reset(); }

    void theStyleIsRequestedOncePerCause() {
        MessageBoxAnswerer answerer;
        Controls().SetText(ctl::Year, "1968");
        Box(ctl::Trim)->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(answerer.seen.size(), size_t(1));
        QCOMPARE(answerer.seen[0].strText, QStringLiteral("Please select the body style (ST) first."));
        QCOMPARE(answerer.seen[0].strTitle, QStringLiteral("Vexlor"));
        // The focus goes to the style box, which builds its list for 1968.
        QTRY_VERIFY(Box(ctl::Style)->hasFocus());
        QCOMPARE(Items(Box(ctl::Style)), QStringList({"68-12437", "68-12467"}));
        // The trim box again: no second message, and its list stays empty.
        Box(ctl::Trim)->setFocus(Qt::TabFocusReason);
        QTest::qWait(100);
        QCOMPARE(answerer.seen.size(), size_t(1));
        QCOMPARE(Box(ctl::Trim)->count(), 0);
        // The top paint box asks again: its cause differs.
        Box(ctl::TopPaint)->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(answerer.seen.size(), size_t(2));
        QCOMPARE(answerer.seen[1].strText, QStringLiteral("Please select the body style (ST) first."));
        QTRY_VERIFY(Box(ctl::Style)->hasFocus());
    }

    void droppingTheTrimListWithoutAStyleAsksAndKeepsTheListUp() {
        MessageBoxAnswerer answerer;
        Box(ctl::Trim)->showPopup();
        QTRY_COMPARE(answerer.seen.size(), size_t(1));
        QVERIFY(!Box(ctl::Trim)->view()->isVisible());
        QCOMPARE(Box(ctl::Trim)->count(), 0);
    }

    void plantListOf1969_data() {
        QTest::addColumn<QString>("strPrefix");
        QTest::addColumn<QStringList>("plants");
        QTest::newRow("Los Angeles") << "124679L" << QStringList({"LOS", "VN"});
        QTest::newRow("Norwood") << "124679N" << QStringList({"NOR"});
        QTest::newRow("no prefix") << "" << QStringList({"LOS", "NOR", "VN"});
    }
    void plantListOf1969() {
        QFETCH(QString, strPrefix);
        QFETCH(QStringList, plants);
        QVERIFY(PickFromList(Box(ctl::Year), "1969"));
        Controls().SetText(ctl::VinPrefix, strPrefix.toStdString());
        QCOMPARE(DroppedList(Box(ctl::Plant)), plants);
    }

    void sortedListsAreInByteOrder() {
        QVERIFY(PickFromList(Box(ctl::Year), "1968"));
        QCOMPARE(DroppedList(Box(ctl::LowerPaint)),
                 QStringList({"-", "A", "C", "D", "E", "F", "G", "H", "J", "K", "L", "N", "O", "P", "R", "T",
                              "U", "V", "Y", "Z"}));
        QVERIFY(PickFromList(Box(ctl::Year), "1969"));
        QCOMPARE(DroppedList(Box(ctl::LowerPaint)),
                 QStringList({"-", "10", "40", "50", "51", "52", "53", "55", "57", "59", "61", "63", "65", "67",
                              "69", "71", "72", "76", "79"}));
        QCOMPARE(DroppedList(Box(ctl::VinPrefix)),
                 QStringList({"123379L", "123379N", "123679L", "123679N", "124379L", "124379N", "124679L",
                              "124679N"}));
    }

    void pickingALowerPaintResetsTheTopPaint() {
        Controls().SetText(ctl::Style, "67-12437");
        Controls().SetText(ctl::LowerPaint, "R");
        QCOMPARE(DroppedList(Box(ctl::TopPaint)), QStringList({"2", "6", "R"}));
        Controls().SetText(ctl::TopPaint, "6");
        QVERIFY(PickFromList(Box(ctl::LowerPaint), "C"));
        QCOMPARE(Text(ctl::LowerPaint), std::string("C"));
        QCOMPARE(Text(ctl::TopPaint), std::string(" "));
        QCOMPARE(Box(ctl::TopPaint)->count(), 0);
    }

    void pickingAConvertibleStyleChecksTheTopPaint_data() {
        QTest::addColumn<QString>("strTop");
        QTest::addColumn<QString>("strTopAfter");
        QTest::newRow("vinyl top 6 does not fit") << "6" << " ";
        QTest::newRow("black top 2 fits") << "2" << "2";
    }
    void pickingAConvertibleStyleChecksTheTopPaint() {
        QFETCH(QString, strTop);
        QFETCH(QString, strTopAfter);
        Controls().SetText(ctl::TopPaint, strTop.toStdString());
        QVERIFY(PickFromList(Box(ctl::Style), "67-12467"));
        QCOMPARE(QString::fromStdString(Text(ctl::TopPaint)), strTopAfter);
    }

    void typingAVinPrefixRechecksNothingButPickingDoes() {
        Controls().SetText(ctl::Style, "67-12437");
        Controls().SetText(ctl::Plant, "LOS");
        TypeOver(Box(ctl::VinPrefix), "124677N");
        QTest::keyClick(Box(ctl::VinPrefix), Qt::Key_Tab);  // leaving the box is no pick either
        QCOMPARE(Text(ctl::VinPrefix), std::string("124677N"));
        QCOMPARE(Text(ctl::Style), std::string("67-12437"));
        QCOMPARE(Text(ctl::Plant), std::string("LOS"));
        QVERIFY(PickFromList(Box(ctl::VinPrefix), "124677N"));
        QCOMPARE(Text(ctl::Style), std::string());
        QCOMPARE(Text(ctl::Plant), std::string());
    }

    void typingAYearThatMatchesAnEntryIsNoPick() {
        // Typing "1969" hides only the option groups; leaving the box changes nothing more.
        TypeOver(Box(ctl::Year), "1969");
        QTest::keyClick(Box(ctl::Year), Qt::Key_Tab);
        QVERIFY(!Controls().IsShown(ctl::Group1));
        QVERIFY(Controls().IsShown(ctl::GroupLabel2));
        QVERIFY(Controls().IsShown(ctl::BottomLegend67));
        QVERIFY(!Controls().IsShown(ctl::BuildDate69));
        QCOMPARE(Box(ctl::Year)->currentIndex(), -1);
    }
};

QTEST_MAIN(PickListsTest)
#include "test_pick_lists.moc"
