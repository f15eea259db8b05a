// The tag form on real widgets: its start state, the three year layouts picked
// from the list and typed, Clear All, the keys and the close box that must
// leave it open, the context menu, tool tips, and dialog units.
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QToolTip>
#include <QtTest>

#include "app/about_dialog.h"
#include "app/dialog_units.h"
#include "app/tag_form_window.h"
#include "app_test_support.h"
#include "form/control_ids.h"

using namespace vexlor;
using namespace vexlor::testing;

namespace {

// The eighteen data fields that Clear All empties.
const int kDataFields[] = {1022, 1023, 1001, 1000, 1002, 1003, 1004, 1005, 1011,
                           1006, 1014, 1015, 1016, 1017, 1018, 1019, 1007, 1008};

// Controls that differ between the layouts.
const int kLayoutControls[] = {1000, 1001, 1011, 1049, 1015, 1016, 1017, 1018, 1019, 1039,
                               1040, 1041, 1042, 1044, 1045, 1007, 1008, 1046, 1047, 1048};
const QList<int> kShown1967 = {1000, 1001, 1011, 1049, 1015, 1016, 1017, 1018, 1019, 1039, 1040, 1041, 1042, 1044};
const QList<int> kShown1968 = {1000, 1001, 1045};
const QList<int> kShown1969 = {1007, 1008, 1046, 1047, 1048};

QList<int> ShownLayoutControls(TagFormWindow& form) {
    QList<int> shown;
    for (int nId : kLayoutControls)
        if (form.Controls().IsShown(nId)) shown << nId;
    std::sort(shown.begin(), shown.end());
    return shown;
}

QList<int> Sorted(QList<int> ids) {
    std::sort(ids.begin(), ids.end());
    return ids;
}

void FillEveryDataField(TagFormWindow& form) {
    for (int nId : kDataFields) form.Controls().SetText(nId, "X" + std::to_string(nId));
}

void ExpectDataFieldsEmpty(TagFormWindow& form) {
    for (int nId : kDataFields) QCOMPARE(form.Controls().GetText(nId), std::string());
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
    void init() {
        m_form = std::make_unique<TagFormWindow>();
        m_form->show();
        m_form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    }
    void cleanup() { m_form.reset(); }

    void dialogUnitsFollowTheFontAverageWidthAndHeight() {
        const DialogUnits units(6, 13);
        QCOMPARE(units.ToPixelsX(4), 6);
        QCOMPARE(units.ToPixelsX(3), 5);    // 4.5 rounds up
        QCOMPARE(units.ToPixelsX(1), 2);    // 1.5 rounds up
        QCOMPARE(units.ToPixelsY(8), 13);
        QCOMPARE(units.ToPixelsY(5), 8);    // 8.125
        QCOMPARE(units.ToPixelsY(12), 20);  // 19.5 rounds up
        QCOMPARE(units.ToPixels(272, 158), QSize(408, 257));
        QCOMPARE(units.ToPixels(169, 3, 45, 12), QRect(254, 5, 68, 20));
    }

    void formHasTemplateSizeAndControlsWhereTheTablePutsThem() {
        TagFormWindow& form = *m_form;
        QCOMPARE(form.size(), form.Units().ToPixels(272, 158));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QCOMPARE(form.Control(1023)->geometry(), form.Units().ToPixels(169, 3, 45, 12));
        QCOMPARE(form.Control(1050)->geometry(), form.Units().ToPixels(235, 140, 35, 14));
        const QRect year = form.Units().ToPixels(69, 4, 30, 12);
        QCOMPARE(form.Control(1038)->geometry(), year);  // a closed box is as high as an edit box
        QVERIFY(qobject_cast<QGroupBox*>(form.Widgets()[static_cast<size_t>(
                    std::find_if(form.Template().controls.begin(), form.Template().controls.end(),
                                 [](const ControlSpec& s) { return s.kind == ControlKind::GroupBox; }) -
                    form.Template().controls.begin())]));
        const QRect screen = form.screen()->availableGeometry();
        QVERIFY(qAbs(form.frameGeometry().center().x() - screen.center().x()) <= 1);
        QVERIFY(qAbs(form.frameGeometry().center().y() - screen.center().y()) <= 1);
    }

    void startState() {
        TagFormWindow& form = *m_form;
        QCOMPARE(form.windowTitle(), QStringLiteral("Vexlor"));
        QVERIFY(!form.windowIcon().isNull());
        QCOMPARE(Box(form, 1038)->currentText(), QStringLiteral("1967"));
        QCOMPARE(Box(form, 1038)->currentIndex(), -1);
        QCOMPARE(Items(Box(form, 1038)), QStringList({"1967", "1968", "1969"}));
        QCOMPARE(Items(Box(form, 1022)), QStringList({"123377L", "123377N", "123677L", "123677N", "124377L",
                                                      "124377N", "124677L", "124677N"}));
        QCOMPARE(Items(Box(form, 1002)), QStringList({"67-12437", "67-12467", "67-12637", "67-12667"}));
        QCOMPARE(Items(Box(form, 1003)), QStringList({"LOS", "NOR"}));
        QCOMPARE(Items(Box(form, 1006)),
                 QStringList({"A", "C", "D", "E", "F", "G", "H", "K", "L", "M", "N", "R", "S", "T", "Y"}));
        QCOMPARE(Box(form, 1005)->count(), 0);
        QCOMPARE(Box(form, 1014)->count(), 0);
        // The build dates keep their order: August first.
        const QStringList dates = Items(Box(form, 1000));
        QCOMPARE(dates.size(), 60);
        QCOMPARE(dates.first(), QStringLiteral("08A"));
        QCOMPARE(dates.at(25), QStringLiteral("01A"));
        QCOMPARE(dates.last(), QStringLiteral("07E"));
        const QStringList dates69 = Items(Box(form, 1007));
        QCOMPARE(dates69.size(), 61);
        QCOMPARE(dates69.at(45), QStringLiteral("04L"));
        ExpectDataFieldsEmpty(form);
        QCOMPARE(ShownLayoutControls(form), Sorted(kShown1967));
        QCOMPARE(form.Controls().GetText(1043), std::string("GENERAL MOTORS CORPORATION"));
        QVERIFY(!form.Controls().IsShown(2));
        QVERIFY(!form.Controls().IsEnabled(2));
        QVERIFY(form.Control(1038)->hasFocus());
    }

    void yearPickedFromTheList_data() {
        QTest::addColumn<QString>("strYear");
        QTest::addColumn<QList<int>>("shown");
        QTest::addColumn<QString>("strTopLegend");
        QTest::newRow("1968") << "1968" << kShown1968 << "BODY BY FISHER";
        QTest::newRow("1969") << "1969" << kShown1969 << "BODY BY FISHER";
        QTest::newRow("1967") << "1967" << kShown1967 << "GENERAL MOTORS CORPORATION";
    }
    void yearPickedFromTheList() {
        QFETCH(QString, strYear);
        QFETCH(QList<int>, shown);
        QFETCH(QString, strTopLegend);
        TagFormWindow& form = *m_form;
        // Start from another layout than the one picked.
        QVERIFY(PickFromList(Box(form, 1038), strYear == "1969" ? "1968" : "1969"));
        FillEveryDataField(form);
        QVERIFY(PickFromList(Box(form, 1038), strYear));
        QCOMPARE(Box(form, 1038)->currentText(), strYear);
        QCOMPARE(ShownLayoutControls(form), Sorted(shown));
        for (int nId : kLayoutControls) QCOMPARE(form.Controls().IsEnabled(nId), shown.contains(nId));
        QCOMPARE(form.Controls().GetText(1043), strTopLegend.toStdString());
        ExpectDataFieldsEmpty(form);
    }

    void pickingTheChosenYearAgainStillClears() {
        TagFormWindow& form = *m_form;
        QVERIFY(PickFromList(Box(form, 1038), "1967"));
        FillEveryDataField(form);
        QVERIFY(PickFromList(Box(form, 1038), "1967"));
        ExpectDataFieldsEmpty(form);
        QCOMPARE(ShownLayoutControls(form), Sorted(kShown1967));
    }

    void yearTyped_data() {
        QTest::addColumn<QString>("strTyped");
        QTest::addColumn<bool>("bGroupsShown");
        QTest::newRow("68") << "68" << false;
        QTest::newRow("1969") << "1969" << false;
        QTest::newRow("blank before") << " 1968" << true;
        QTest::newRow("other text") << "abc" << true;
    }
    void yearTyped() {
        QFETCH(QString, strTyped);
        QFETCH(bool, bGroupsShown);
        TagFormWindow& form = *m_form;
        FillEveryDataField(form);
        TypeOver(Box(form, 1038), strTyped);
        QCOMPARE(Box(form, 1038)->currentText(), strTyped);
        for (int nId : {1015, 1016, 1017, 1018, 1019}) QCOMPARE(form.Controls().IsShown(nId), bGroupsShown);
        // Typing touches only the five option groups.
        for (int nId : {1039, 1040, 1041, 1042, 1011, 1049, 1044, 1000, 1001})
            QVERIFY(form.Controls().IsShown(nId));
        for (int nId : {1045, 1007, 1008, 1046}) QVERIFY(!form.Controls().IsShown(nId));
        QCOMPARE(form.Controls().GetText(1043), std::string("GENERAL MOTORS CORPORATION"));
        ExpectDataFieldsEmpty(form);
    }

    void yearTypedWithATrailingBlankChangesNoLayout() {
        TagFormWindow& form = *m_form;
        FormComboBox* year = Box(form, 1038);
        form.Controls().SetText(1038, "1967 ");
        FillEveryDataField(form);
        year->setFocus();
        year->lineEdit()->setCursorPosition(4);
        QTest::keyClick(year, Qt::Key_Backspace);  // "196 "
        QTest::keyClick(year, Qt::Key_8);          // "1968 "
        QCOMPARE(year->currentText(), QStringLiteral("1968 "));
        for (int nId : {1015, 1016, 1017, 1018, 1019}) QVERIFY(form.Controls().IsShown(nId));
        ExpectDataFieldsEmpty(form);
    }

    void clearAllEmptiesTheDataFieldsOnly() {
        TagFormWindow& form = *m_form;
        QVERIFY(PickFromList(Box(form, 1038), "1969"));
        FillEveryDataField(form);
        QTest::mouseClick(form.Control(5), Qt::LeftButton);
        ExpectDataFieldsEmpty(form);
        QCOMPARE(Box(form, 1038)->currentText(), QStringLiteral("1969"));
        QCOMPARE(ShownLayoutControls(form), Sorted(kShown1969));
        QCOMPARE(Box(form, 1000)->count(), 60);
        QCOMPARE(Items(Box(form, 1003)), QStringList({"LOS", "NOR"}));
    }

    void escapeAndTheCloseBoxLeaveTheFormOpen() {
        TagFormWindow& form = *m_form;
        form.Controls().SetText(1004, "65727");
        QTest::keyClick(form.Control(1004), Qt::Key_Escape);
        QVERIFY(form.isVisible());
        QVERIFY(!form.close());
        QVERIFY(form.isVisible());
        QCOMPARE(form.Controls().GetText(1004), std::string("65727"));
    }

    void exitEndsTheForm() {
        TagFormWindow& form = *m_form;
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

    void toolTipsOfTheTable() {
        TagFormWindow& form = *m_form;
        const struct {
            int nId;
            const char* text;
        } kTips[] = {
            {1038, "Year of Camaro to decode"},
            {1022, "First half of VIN"},
            {1023, "Second half of VIN (sequential number)"},
            {1000, "Build Date"},
            {1001, "NOR - Interior Paint code  /  LOS - Internal plant scheduling code"},
            {1002, "Body style"},
            {1003, "Assembly Plant"},
            {1004, "Body Number"},
            {1005, "Interior Trim code"},
            {1011, "Seat style"},
            {1006, "Lower Paint Code"},
            {1014, "Top Paint Code"},
            {1015, "Option Group One codes, should be letters"},
            {1016, "Option Group Two codes, should be letters"},
            {1017, "Option Group Three codes, should be letters"},
            {1018, "Option Group Four codes, should be letters"},
            {1019, "Option Group Five codes, should be letters"},
            {1007, "Build Date"},
            {1008, "NOR - Option Codes  /  LOS - Internal plant scheduling code"},
        };
        for (const auto& tip : kTips) QCOMPARE(form.Control(tip.nId)->toolTip(), QString::fromLatin1(tip.text));
        for (int nId : {3, 4, 5, 6, 1050, 1051, 1043}) QVERIFY(form.Control(nId)->toolTip().isEmpty());
    }

    void toolTipsShowForShownFieldsOnly() {
        TagFormWindow& form = *m_form;
        QCOMPARE(ToolTipAt(form, 140, 90), QStringLiteral("Option Group Three codes, should be letters"));
        QCOMPARE(ToolTipAt(form, 70, 8), QStringLiteral("Year of Camaro to decode"));
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
