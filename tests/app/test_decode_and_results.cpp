// Help Decoding, Decode and the results window on real widgets: the sample
// tag's lines, the year message, saving with the dialogs answered here.
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "app/help_decoding_dialog.h"
#include "app/results_window.h"
#include "app/tag_form_window.h"
#include "app_test_support.h"
#include "form/control_ids.h"

using namespace vexlor;
using namespace vexlor::testing;

namespace {

// The decode of the sample 1967 tag: no VIN, body 65727, date 01A, style
// 67-12437, plant NOR with interior paint D, trim 741-Z, paint R-R, options W, E, L.
const QStringList kSampleLines = {
    "Decode for body number: 065727",
    " ",
    "01A = Built the First week of January.",
    "67-12437 = Standard Interior Coupe.",
    "NOR = Built in Norwood Ohio.",
    "741 = Standard Red Bucket Seats.",
    "Z = (A50) Strato Bucket Seats (without headrests).",
    "R-R = Car Color is Bolero Red",
    "D = Interior paint is Red",
    "Options:",
    "1W = (A02) Tinted W/S only",
    "2E = (C60) Air Conditioner",
    "3L = (Z22) Rally Sport Package",
};

QStringList ListLines(ResultsWindow* results) {
    QStringList lines;
    auto* list = results->ControlAs<QListWidget>(ctl::ResultsList);
    for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
    return lines;
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QList<QByteArray> FileLines(const QString& path) { return ReadAll(path).split('\n'); }

}  // namespace

class DecodeAndResultsTest : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_strStartDir;
    std::unique_ptr<TagFormWindow> m_form;
    std::unique_ptr<RecordingLauncher> m_launcher;

    FormControls& Controls() { return m_form->Controls(); }

    // Presses a button of the form and hands the modal window it opens to act.
    template <typename T>
    void PressAndAnswer(int nButton, std::function<void(T*)> act) {
        WhenModalIs<T>(std::move(act));
        QTest::mouseClick(m_form->Control(nButton), Qt::LeftButton);
    }
    void Decode(std::function<void(ResultsWindow*)> act) { PressAndAnswer<ResultsWindow>(ctl::Decode, std::move(act)); }
    static void ClickSave(ResultsWindow* results) {
        qobject_cast<QAbstractButton*>(results->Control(ctl::SaveToFile))->click();
    }

    void FillSampleByClickingTheTag() {
        bool bSeen = false;
        PressAndAnswer<HelpDecodingDialog>(ctl::HelpDecoding, [&bSeen](HelpDecodingDialog* help) {
            bSeen = help->windowTitle() == QStringLiteral("Help Decoding");
            QTest::mouseClick(help->Control(ctl::Ok), Qt::LeftButton);
        });
        QVERIFY(bSeen);
    }

private slots:
    void init() {
        m_strStartDir = QDir::currentPath();
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        QVERIFY(QDir::setCurrent(m_dir->path()));
        m_launcher = std::make_unique<RecordingLauncher>();
        m_form = std::make_unique<TagFormWindow>();
        m_form->show();
        m_form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    }
    void cleanup() {
        m_form.reset();
        m_launcher.reset();
        QDir::setCurrent(m_strStartDir);
        m_dir.reset();
    }

    void helpDecodingFillsTheSampleInThe1967Layout() {
        QVERIFY(PickFromList(m_form->ControlAs<FormComboBox>(ctl::Year), "1969"));
        Controls().SetText(ctl::VinPrefix, "124379N");
        Controls().SetText(ctl::Serial, "512345");
        Controls().SetText(ctl::BuildDate69, "04L");
        Controls().SetText(ctl::Code69, "X33");
        FillSampleByClickingTheTag();
        const struct {
            int nId;
            const char* value;
        } kSample[] = {
            {1038, "1967"}, {1022, ""}, {1023, ""}, {1001, "D"}, {1000, "01A"}, {1002, "67-12437"},
            {1003, "NOR"}, {1004, "65727"}, {1005, "741"}, {1011, "Z"}, {1006, "R"}, {1014, "R"},
            {1015, "W"}, {1016, "E"}, {1017, "L"}, {1018, ""}, {1019, ""}, {1007, ""}, {1008, ""},
        };
        for (const auto& field : kSample) QCOMPARE(Controls().GetText(field.nId), std::string(field.value));
        for (int nId : {1015, 1016, 1017, 1018, 1019, 1039, 1040, 1041, 1042, 1044, 1000, 1001, 1011, 1049})
            QVERIFY(Controls().IsShown(nId));
        for (int nId : {1046, 1047, 1048, 1007, 1008, 1045}) QVERIFY(!Controls().IsShown(nId));
        QCOMPARE(Controls().GetText(ctl::TopLegend), std::string("GENERAL MOTORS CORPORATION"));
    }

    void helpDecodingCancelledLeavesTheFormAlone_data() {
        QTest::addColumn<int>("nHow");
        QTest::newRow("Cancel button") << 0;
        QTest::newRow("Escape") << 1;
        QTest::newRow("close box") << 2;
    }
    void helpDecodingCancelledLeavesTheFormAlone() {
        QFETCH(int, nHow);
        Controls().SetText(ctl::BodyNumber, "123456");
        Controls().SetText(ctl::Year, "1968");
        bool bSeen = false;
        PressAndAnswer<HelpDecodingDialog>(ctl::HelpDecoding, [&bSeen, nHow](HelpDecodingDialog* help) {
            bSeen = true;
            if (nHow == 0) QTest::mouseClick(help->Control(ctl::Cancel), Qt::LeftButton);
            else if (nHow == 1) QTest::keyClick(help, Qt::Key_Escape);
            else help->close();
        });
        QVERIFY(bSeen);
        QCOMPARE(QString::fromStdString(Controls().GetText(ctl::BodyNumber)), QStringLiteral("123456"));
        QCOMPARE(Controls().GetText(ctl::Year), std::string("1968"));
        QCOMPARE(Controls().GetText(ctl::Style), std::string());
    }

    void decodingTheSampleShowsItsLines() {
        FillSampleByClickingTheTag();
        QStringList lines;
        QString strCaption;
        QString strRequest;
        Decode([&](ResultsWindow* results) {
            strCaption = results->windowTitle();
            strRequest = results->ControlAs<QLabel>(ctl::ResultsEmail)->text();
            lines = ListLines(results);
            QTest::mouseClick(results->Control(ctl::Ok), Qt::LeftButton);
        });
        QCOMPARE(strCaption, QStringLiteral("Here is your car"));
        QCOMPARE(strRequest, QStringLiteral("Please e-mail this information to VELK at velk@example.org"));
        QCOMPARE(lines, kSampleLines);
        // The form keeps every value.
        QCOMPARE(Controls().GetText(ctl::BodyNumber), std::string("65727"));
        QCOMPARE(Controls().GetText(ctl::Group3), std::string("L"));
    }

    void resultsWindowEndsWithEnterEscapeAndTheCloseBox_data() {
        QTest::addColumn<int>("nHow");
        QTest::newRow("Enter") << 0;
        QTest::newRow("Escape") << 1;
        QTest::newRow("close box") << 2;
    }
    void resultsWindowEndsWithEnterEscapeAndTheCloseBox() {
        QFETCH(int, nHow);
        FillSampleByClickingTheTag();
        bool bClosed = false;
        Decode([&bClosed, nHow](ResultsWindow* results) {
            // The focus starts on "Save data to a file"; Enter still means BACK.
            if (nHow == 0) QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : results, Qt::Key_Return);
            else if (nHow == 1) QTest::keyClick(results, Qt::Key_Escape);
            else results->close();
            bClosed = !results->isVisible();
        });
        QVERIFY(bClosed);
        QVERIFY(m_launcher->urls.empty());  // nothing was saved
        QVERIFY(QDir(m_dir->path()).entryList(QDir::Files).isEmpty());
    }

    void enterInTheFormDecodesAndAnUnknownYearShowsTheMessage() {
        std::vector<MessageSeen> seen;
        AnswerMessageBox(seen, QMessageBox::Ok);
        auto* year = m_form->ControlAs<FormComboBox>(ctl::Year);
        TypeOver(year, "1970");
        QTest::keyClick(year, Qt::Key_Return);
        QTRY_COMPARE(seen.size(), size_t(1));
        QCOMPARE(seen[0].strText, QStringLiteral("Please select the model year (1967, 1968 or 1969)."));
        QCOMPARE(seen[0].strTitle, QStringLiteral("Vexlor"));
        QCOMPARE(year->currentText(), QStringLiteral("1970"));
        QVERIFY(m_form->isVisible());
    }

    void savingFromTheResultsWindow() {
        FillSampleByClickingTheTag();
        const QString strDefault = QDir(m_dir->path()).filePath("7B_N065727.txt");
        std::vector<MessageSeen> seen;
        Decode([&](ResultsWindow* results) {
            // 1. No file yet: written under the default name, shown in the viewer.
            ClickSave(results);
            // 2. It exists now: the replace question, Yes overwrites it.
            QFile::resize(strDefault, 3);
            AnswerMessageBox(seen, QMessageBox::Yes);
            ClickSave(results);
            results->accept();
        });
        QCOMPARE(seen.size(), size_t(1));
        QCOMPARE(seen[0].strText, QStringLiteral("Do you want to replace this file (7B_N065727.txt)?"));
        QCOMPARE(seen[0].strTitle, QStringLiteral("Vexlor"));
        QCOMPARE(m_launcher->urls.size(), size_t(2));
        QCOMPARE(m_launcher->urls[0], QUrl::fromLocalFile(strDefault));
        const QList<QByteArray> lines = FileLines(strDefault);
        QCOMPARE(lines.size() > 21, true);
        QCOMPARE(lines[2], QByteArray("Please do not change the top two lines of this file.  They help VELK with our database work.\r"));
        QCOMPARE(lines[4], QByteArray("This file was originaly saved in directory: \r"));
        QCOMPARE(lines[7], QByteArray("Decode for body number: 065727\r"));
        QCOMPARE(lines[8], QByteArray(" \r"));
        QCOMPARE(lines[19], QByteArray("3L = (Z22) Rally Sport Package\r"));
        QCOMPARE(lines[20], QByteArray("\r"));
    }

    void saveAsCancelledWritesNothing() {
        FillSampleByClickingTheTag();
        const QString strDefault = QDir(m_dir->path()).filePath("7B_N065727.txt");
        QFile old(strDefault);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
        old.close();
        std::vector<MessageSeen> seen;
        QString strFileDialog;
        QString strDirectory;
        Decode([&](ResultsWindow* results) {
            AnswerMessageBox(seen, QMessageBox::No);
            // After the No, the Save As dialog comes up: cancel it.
            WhenModalIs<QFileDialog>([&](QFileDialog* dialog) {
                strFileDialog = dialog->defaultSuffix();
                strDirectory = dialog->directory().absolutePath();
                dialog->reject();
            });
            ClickSave(results);
            results->accept();
        });
        QCOMPARE(seen.size(), size_t(1));
        QCOMPARE(strFileDialog, QStringLiteral("any"));
        QCOMPARE(strDirectory, QDir(m_dir->path()).absolutePath());
        QCOMPARE(ReadAll(strDefault), QByteArray("old"));
        QVERIFY(m_launcher->urls.empty());
        QVERIFY(m_launcher->programs.empty());
    }

    void saveAsWithATypedNameAddsTheDefaultSuffix() {
        FillSampleByClickingTheTag();
        Controls().SetText(ctl::BodyNumber, "");  // no body number: no default name
        QVERIFY(QDir(m_dir->path()).mkdir("tags"));
        const QString strChosen = QDir(m_dir->path()).filePath("tags/mytag");
        QString nameAtStart;
        Decode([&](ResultsWindow* results) {
            // First the initial "*.txt" is taken as it stands: a filter, the
            // dialog stays. Then a name is typed.
            WhenModalIs<QFileDialog>([&](QFileDialog* dialog) {
                auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                nameAtStart = name ? name->text() : QStringLiteral("<no name field>");
                QTest::keyClick(name, Qt::Key_Return);
                WhenModalIs<QFileDialog>([&](QFileDialog* again) {
                    QTest::qWait(50);
                    auto* nameAgain = again->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                    nameAgain->selectAll();
                    QTest::keyClicks(nameAgain, strChosen);
                    QTest::keyClick(nameAgain, Qt::Key_Return);
                });
            });
            ClickSave(results);
            results->accept();
        });
        const QString strWritten = strChosen + ".any";
        QCOMPARE(nameAtStart, QStringLiteral("*.txt"));
        QVERIFY2(QFile::exists(strWritten), qPrintable(QDir(m_dir->path()).entryList().join(",") + " saved in " +
                                                     QString::fromStdString(m_form->Saves().CurrentDir()) + " " +
                                                     (m_launcher->urls.empty() ? QString() : m_launcher->urls[0].toString())));
        const QList<QByteArray> lines = FileLines(strWritten);
        QCOMPARE(lines[4], "This file was originaly saved in directory: " + QFile::encodeName(QFileInfo(strChosen).absolutePath()) + "\r");
        QCOMPARE(m_launcher->urls.size(), size_t(1));
        QCOMPARE(m_launcher->urls[0], QUrl::fromLocalFile(strWritten));
        QCOMPARE(QString::fromStdString(m_form->Saves().CurrentDir()), QFileInfo(strChosen).absolutePath());
    }

    void aFileThatCannotBeWrittenIsReported() {
        FillSampleByClickingTheTag();
        // A directory in the way of the default name.
        QVERIFY(QDir(m_dir->path()).mkdir("7B_N065727.txt"));
        std::vector<MessageSeen> seen;
        Decode([&](ResultsWindow* results) {
            // The replace question: Yes; then the failure report: OK.
            WhenModalIs<QMessageBox>([&](QMessageBox* box) {
                seen.push_back({box->windowTitle(), box->text()});
                AnswerMessageBox(seen, QMessageBox::Ok);
                box->button(QMessageBox::Yes)->click();
            });
            ClickSave(results);
            results->accept();
        });
        QCOMPARE(seen.size(), size_t(2));
        QVERIFY(seen[1].strText.startsWith(QStringLiteral("The file ")));
        QVERIFY(m_launcher->urls.empty());
    }

    void theCompanionProgramIsStartedOnTheName() {
        FillSampleByClickingTheTag();
        const QString strCompanion = QDir(m_dir->path()).filePath("VURUverizi");
        QFile companion(strCompanion);
        QVERIFY(companion.open(QIODevice::WriteOnly));
        companion.write("#!/bin/sh\n");
        companion.close();
        QVERIFY(companion.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
        Decode([&](ResultsWindow* results) {
            ClickSave(results);
            results->accept();
        });
        QCOMPARE(m_launcher->programs.size(), size_t(1));
        QCOMPARE(m_launcher->programs[0].strProgram, strCompanion);
        QCOMPARE(m_launcher->programs[0].args, QStringList({"/7B_N065727.txt"}));
        QCOMPARE(m_launcher->programs[0].strWorkingDir, QDir(m_dir->path()).absolutePath());
        QVERIFY(m_launcher->urls.empty());
    }
};

QTEST_MAIN(DecodeAndResultsTest)
#include "test_decode_and_results.moc"
