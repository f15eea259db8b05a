// The pick-lists on real widgets: lists built when a box drops down or gets
// the focus, the request for the body style, the re-checks after a pick, and
// typing that re-checks nothing.
#include <QtTest>

#include "app_test_support.h"
#include "form/control_ids.h"

using namespace vexlor;
using namespace vexlor::testing;

class PickListsTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TagFormWindow> m_form;

    FormComboBox* Box(int nId) { return m_form->ControlAs<FormComboBox>(nId); }
    FormControls& Controls() { return m_form->Controls(); }
    std::string Text(int nId) { return Controls().GetText(nId); }
    QStringList DroppedList(int nId) {
        Box(nId)->setFocus(Qt::MouseFocusReason);
        Box(nId)->showPopup();
        const QStringList items = Items(Box(nId));
        Box(nId)->hidePopup();
        return items;
    }

private slots:
    void init() { QVERIFY((m_form = ShowForm())); }
    void cleanup() { m_form.reset(); }

    void theStyleIsRequestedOncePerCause() {
        MessageBoxAnswerer answerer;
        Controls().SetText(ctl::Year, "1968");
        Box(ctl::Trim)->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(answerer.seen.size(), size_t(1));
        QCOMPARE(answerer.seen[0],
                 qMakePair(QStringLiteral("Vexlor"), QStringLiteral("Please select the body style (ST) first.")));
        // The focus goes to the style box, which builds its list for 1968.
        QTRY_VERIFY(Box(ctl::Style)->hasFocus());
        QCOMPARE(Items(Box(ctl::Style)), QStringList({"68-12437", "68-12467"}));
        // The trim box again: no second message, and its list stays empty.
        Box(ctl::Trim)->setFocus(Qt::TabFocusReason);
        QTest::qWait(100);
        QCOMPARE(answerer.seen.size(), size_t(1));
        QCOMPARE(Box(ctl::Trim)->count(), 0);
        // Dropping the top paint list asks again (its cause differs) and keeps the list up.
        Box(ctl::TopPaint)->showPopup();
        QTRY_COMPARE(answerer.seen.size(), size_t(2));
        QVERIFY(!Box(ctl::TopPaint)->view()->isVisible());
        QTRY_VERIFY(Box(ctl::Style)->hasFocus());
    }

    void plantListOf1969ForALosAngelesVin() {
        QVERIFY(PickFromList(Box(ctl::Year), "1969"));
        Controls().SetText(ctl::VinPrefix, "124679L");
        QCOMPARE(DroppedList(ctl::Plant), QStringList({"LOS", "VN"}));
    }

    void sortedListsAreInByteOrder() {
        QVERIFY(PickFromList(Box(ctl::Year), "1968"));
        QCOMPARE(DroppedList(ctl::LowerPaint), QStringList({"-", "A", "C", "D", "E", "F", "G", "H", "J", "K", "L", "N",
                                                            "O", "P", "R", "T", "U", "V", "Y", "Z"}));
    }

    void pickingALowerPaintResetsTheTopPaint() {
        Controls().SetText(ctl::Style, "67-12437");
        Controls().SetText(ctl::LowerPaint, "R");
        QCOMPARE(DroppedList(ctl::TopPaint), QStringList({"2", "6", "R"}));
        Controls().SetText(ctl::TopPaint, "6");
        QVERIFY(PickFromList(Box(ctl::LowerPaint), "C"));
        QCOMPARE(Text(ctl::LowerPaint), std::string("C"));
        QCOMPARE(Text(ctl::TopPaint), std::string(" "));
        QCOMPARE(Box(ctl::TopPaint)->count(), 0);
    }

    void pickingAConvertibleStyleChecksTheTopPaint() {
        for (const auto& [strTop, strTopAfter] : {std::pair<std::string, std::string>{"2", "2"}, {"6", " "}}) {
            Controls().SetText(ctl::Style, "");
            Controls().SetText(ctl::TopPaint, strTop);
            QVERIFY(PickFromList(Box(ctl::Style), "67-12467"));
            QCOMPARE(Text(ctl::TopPaint), strTopAfter);
        }
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
};

QTEST_MAIN(PickListsTest)
#include "test_pick_lists.moc"
