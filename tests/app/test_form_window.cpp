// The tag form on real widgets: dialog units, its start state, the three year
// layouts picked from the list and typed, Clear All, the keys and the close
// box that must leave it open, the context menu and tool tips.
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QToolTip>
#include <QtTest>

#include "app/about_dialog.h"
#include "app/dialog_units.h"
#include "app_test_support.h"

using namespace vexlor;
using namespace vexlor::testing;

namespace {

const int kDataFields[] = {1022, 1023, 1001, 1000, 1002, 1003, 1004, 1005, 1011,
                           1006, 1014, 1015, 1016, 1017, 1018, 1019, 1007, 1008};
// Controls that differ between the layouts, and which of them each layout shows.
const int kLayoutControls[] = {1000, 1001, 1011, 1015, 1016, 1017, 1018, 1019, 1039, 1040,
                               1041, 1042, 1044, 1045, 1046, 1047, 1048, 1049, 1007, 1008};
const QList<int> kShown1967 = {1000, 1001, 1011, 1015, 1016, 1017, 1018, 1019, 1039, 1040, 1041, 1042, 1044, 1049};
const QList<int> kShown1968 = {1000, 1001, 1045};
const QList<int> kShown1969 = {1046, 1047, 1048, 1007, 1008};

QList<int> ShownLayoutControls(TagFormWindow& form) {
    QList<int> shown;
    for (int nId : kLayoutControls)
        if (form.Controls().IsShown(nId)) shown << nId;
    return shown;
}

void FillEveryDataField(TagFormWindow& form) {
    for (int nId : kDataFields) form.Controls().SetText(nId, "X" + std::to_string(nId));
}

bool DataFieldsEmpty(TagFormWindow& form) {
    for (int nId : kDataFields)
        if (!form.Controls().GetText(nId).empty()) return false;
    return true;
}

FormComboBox* Box(TagFormWindow& form, int nId) { return form.ControlAs<FormComboBox>(nId); }

// The tool tip that hovering at a point of the form (in dialog units) shows.
QString ToolTipAt(TagFormWindow& form, int x, int y) {
    QToolTip::hideText();
    if (!QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 5000)) return QStringLiteral("<tool tip stays>");
    const QPoint at = form.Units().ToPixels(x, y, 0, 0).topLeft();
    QWidget* target = form.childAt(at);
    if (!target) target = &form;
    QHelpEvent event(QEvent::ToolTip, target->mapFrom(&form, at), form.mapToGlobal(at));
    QApplication::sendEvent(target, &event);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

}  // namespace

class FormWindowTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TagFormWindow> m_form;

private slots:
    void init() { QVERIFY((m_form = ShowForm())); }
    void cleanup() { m_form.reset(); }

    void dialogUnitsFollowTheFontAverageWidthAndHeight() {
        const DialogUnits units(6, 13);
        QCOMPARE(QList<int>({units.ToPixelsX(4), units.ToPixelsX(3), units.ToPixelsX(1)}), QList<int>({6, 5, 2}));
        QCOMPARE(QList<int>({units.ToPixelsY(8), units.ToPixelsY(5), units.ToPixelsY(12)}), QList<int>({13, 8, 20}));
        QCOMPARE(units.ToPixels(272, 158), QSize(408, 257));
        QCOMPARE(units.ToPixels(169, 3, 45, 12), QRect(254, 5, 68, 20));
    }

    void startsCentredAtTemplateSizeIn1967Layout() {
        TagFormWindow& form = *m_form;
        QCOMPARE(form.size(), form.Units().ToPixels(272, 158));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QCOMPARE(form.Control(1023)->geometry(), form.Units().ToPixels(169, 3, 45, 12));
        QCOMPARE(form.Control(1050)->geometry(), form.Units().ToPixels(235, 140, 35, 14));
        QCOMPARE(form.Control(1038)->geometry(), form.Units().ToPixels(69, 4, 30, 12));  // as high as an edit box
        const QRect screen = form.screen()->availableGeometry();
        QVERIFY((form.frameGeometry().center() - screen.center()).manhattanLength() <= 2);
        QCOMPARE(form.windowTitle(), QStringLiteral("Vexlor"));
        QVERIFY(!form.windowIcon().isNull());
        QVERIFY(form.Control(1038)->hasFocus());
        QCOMPARE(Box(form, 1038)->currentText(), QStringLiteral("1967"));
        QCOMPARE(Box(form, 1038)->currentIndex(), -1);
        // Sorted boxes sort their template lists; the build dates keep their order.
        QCOMPARE(Items(Box(form, 1022)), QStringList({"123377L", "123377N", "123677L", "123677N", "124377L",
                                                      "124377N", "124677L", "124677N"}));
        QCOMPARE(Items(Box(form, 1003)), QStringList({"LOS", "NOR"}));
        QCOMPARE(Items(Box(form, 1000)).mid(0, 2), QStringList({"08A", "08B"}));
        QCOMPARE(Box(form, 1005)->count() + Box(form, 1014)->count(), 0);
        QVERIFY(DataFieldsEmpty(form));
        QCOMPARE(ShownLayoutControls(form), kShown1967);
        QVERIFY(!form.Controls().IsShown(2) && !form.Controls().IsEnabled(2));
    }

    void yearPickedFromTheList_data() {
        QTest::addColumn<QString>("strFrom");
        QTest::addColumn<QString>("strYear");
        QTest::addColumn<QList<int>>("shown");
        QTest::addColumn<QString>("strTopLegend");
        QTest::newRow("1968") << "1969" << "1968" << kShown1968 << "BODY BY FISHER";
        QTest::newRow("1969") << "1968" << "1969" << kShown1969 << "BODY BY FISHER";
        QTest::newRow("1967") << "1969" << "1967" << kShown1967 << "GENERAL MOTORS CORPORATION";
        QTest::newRow("1967 again") << "1967" << "1967" << kShown1967 << "GENERAL MOTORS CORPORATION";
    }
    void yearPickedFromTheList() {
        QFETCH(QString, strFrom);
        QFETCH(QString, strYear);
        QFETCH(QList<int>, shown);
        QFETCH(QString, strTopLegend);
        TagFormWindow& form = *m_form;
        QVERIFY(PickFromList(Box(form, 1038), strFrom));
        FillEveryDataField(form);
        QVERIFY(PickFromList(Box(form, 1038), strYear));
        QCOMPARE(Box(form, 1038)->currentText(), strYear);
        QCOMPARE(ShownLayoutControls(form), shown);
        for (int nId : kLayoutControls) QCOMPARE(form.Controls().IsEnabled(nId), shown.contains(nId));
        QCOMPARE(QString::fromStdString(form.Controls().GetText(1043)), strTopLegend);
        QVERIFY(DataFieldsEmpty(form));
    }

    void yearTyped_data() {
        QTest::addColumn<QString>("strTyped");
        QTest::addColumn<bool>("bGroupsShown");
        QTest::newRow("68") << "68" << false;
        QTest::newRow("1969, an entry of the list") << "1969" << false;
        QTest::newRow("blank before") << " 1968" << true;
        QTest::newRow("other text") << "abc" << true;
    }
    void yearTyped() {
        QFETCH(QString, strTyped);
        QFETCH(bool, bGroupsShown);
        TagFormWindow& form = *m_form;
        FillEveryDataField(form);
        TypeOver(Box(form, 1038), strTyped);
        QTest::keyClick(Box(form, 1038), Qt::Key_Tab);  // leaving the box is no pick
        QCOMPARE(Box(form, 1038)->currentText(), strTyped);
        QCOMPARE(Box(form, 1038)->currentIndex(), -1);
        // Typing toggles only the five option groups.
        QList<int> shown = kShown1967;
        if (!bGroupsShown) shown = {1000, 1001, 1011, 1039, 1040, 1041, 1042, 1044, 1049};
        QCOMPARE(ShownLayoutControls(form), shown);
        QCOMPARE(form.Controls().GetText(1043), std::string("GENERAL MOTORS CORPORATION"));
        QVERIFY(DataFieldsEmpty(form));
    }

    void yearTypedWithATrailingBlankChangesNoLayout() {
        FormComboBox* year = Box(*m_form, 1038);
        m_form->Controls().SetText(1038, "1967 ");
        FillEveryDataField(*m_form);
        year->setFocus();
        year->lineEdit()->setCursorPosition(4);
        QTest::keyClick(year, Qt::Key_Backspace);  // "196 "
        QTest::keyClick(year, Qt::Key_8);          // "1968 "
        QCOMPARE(year->currentText(), QStringLiteral("1968 "));
        QCOMPARE(ShownLayoutControls(*m_form), kShown1967);
        QVERIFY(DataFieldsEmpty(*m_form));
    }

    void clearAllEmptiesTheDataFieldsOnly() {
        TagFormWindow& form = *m_form;
        QVERIFY(PickFromList(Box(form, 1038), "1969"));
        FillEveryDataField(form);
        QTest::mouseClick(form.Control(5), Qt::LeftButton);
        QVERIFY(DataFieldsEmpty(form));
        QCOMPARE(Box(form, 1038)->currentText(), QStringLiteral("1969"));
        QCOMPARE(ShownLayoutControls(form), kShown1969);
        QCOMPARE(Items(Box(form, 1003)), QStringList({"LOS", "NOR"}));
    }

    void escapeAndTheCloseBoxLeaveTheFormOpenExitEndsIt() {
        TagFormWindow& form = *m_form;
        form.Controls().SetText(1004, "65727");
        QTest::keyClick(form.Control(1004), Qt::Key_Escape);
        QVERIFY(form.isVisible());
        QVERIFY(!form.close());
        QVERIFY(form.isVisible());
        QCOMPARE(form.Controls().GetText(1004), std::string("65727"));
        QTest::mouseClick(form.Control(6), Qt::LeftButton);
        QVERIFY(!form.isVisible());
        QCOMPARE(form.result(), int(QDialog::Rejected));
    }

    void contextMenuOpensAbout() {
        TagFormWindow& form = *m_form;
        QString strMenuItem;
        QString strVersion;
        QTimer::singleShot(50, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu || menu->actions().isEmpty()) return;
            strMenuItem = menu->actions().first()->text();
            WhenModalIs<AboutDialog>([&strVersion](AboutDialog* about) {
                strVersion = about->ControlAs<QLabel>(1053)->text();
                QTest::keyClick(about, Qt::Key_Escape);
            });
            menu->actions().first()->trigger();
            menu->close();
        });
        const QPoint at = form.Units().ToPixels(5, 30, 0, 0).topLeft();
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, form.mapToGlobal(at));
        QApplication::sendEvent(&form, &event);
        QTRY_COMPARE(strVersion, QStringLiteral("Vexlor Version 3.68"));
        QCOMPARE(strMenuItem, QStringLiteral("&About Vexlor..."));
        QVERIFY(form.isVisible());
    }

    void toolTipsShowForShownFieldsOnly() {
        TagFormWindow& form = *m_form;
        QCOMPARE(ToolTipAt(form, 140, 90), QStringLiteral("Option Group Three codes, should be letters"));
        QCOMPARE(ToolTipAt(form, 70, 8), QStringLiteral("Year of Camaro to decode"));
        QCOMPARE(ToolTipAt(form, 200, 32), QStringLiteral("NOR - Interior Paint code  /  LOS - Internal plant scheduling code"));
        QCOMPARE(ToolTipAt(form, 240, 145), QString());  // the buttons have none
        // The hidden 1969 fields show nothing in the 1967 layout.
        QCOMPARE(ToolTipAt(form, 77, 91), QString());
        QCOMPARE(ToolTipAt(form, 175, 91), QString());
        QVERIFY(PickFromList(Box(form, 1038), "1969"));
        QCOMPARE(ToolTipAt(form, 77, 91), QStringLiteral("Build Date"));
        QCOMPARE(ToolTipAt(form, 175, 91), QStringLiteral("NOR - Option Codes  /  LOS - Internal plant scheduling code"));
        QCOMPARE(ToolTipAt(form, 140, 90), QString());  // option group 3 is hidden now
    }
};

QTEST_MAIN(FormWindowTest)
#include "test_form_window.moc"
