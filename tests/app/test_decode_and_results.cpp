// Help Decoding, Decode and the results window on real widgets: the sample
// tag's lines, the year message, saving with the dialogs answered here.
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "app/help_decoding_dialog.h"
#include "app/results_window.h"
#include "app_test_support.h"
#include "form/control_ids.h"

using namespace vexlor;
using namespace vexlor::testing;

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

}  // namespace

class DecodeAndResultsTest : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_strStartDir;
    std::unique_ptr<RecordingLauncher> m_launcher;
    std::unique_ptr<TagFormWindow> m_form;

    FormControls& Controls() { return m_form->Controls(); }
    QString InDir(const QString& strName) { return QDir(m_dir->path()).filePath(strName); }

    // Presses a button of the form and hands the modal window it opens to act.
    template <typename T>
    void PressAndAnswer(int nButton, std::function<void(T*)> act) {
        WhenModalIs<T>(std::move(act));
        QTest::mouseClick(m_form->Control(nButton), Qt::LeftButton);
    }
    // Decodes, presses "Save data to a file" once and goes back.
    void DecodeAndSave() {
        PressAndAnswer<ResultsWindow>(ctl::Decode, [](ResultsWindow* results) {
            qobject_cast<QAbstractButton*>(results->Control(ctl::SaveToFile))->click();
            results->accept();
        });
    }
    void FillSampleByClickingTheTag() {
        PressAndAnswer<HelpDecodingDialog>(ctl::HelpDecoding, [](HelpDecodingDialog* help) {
            QCOMPARE(help->windowTitle(), QStringLiteral("Help Decoding"));
            QTest::mouseClick(help->Control(ctl::Ok), Qt::LeftButton);
        });
        QCOMPARE(Controls().GetText(ctl::Style), std::string("67-12437"));
    }

private slots:
    void init() {
        m_strStartDir = QDir::currentPath();
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid() && QDir::setCurrent(m_dir->path()));
        m_launcher = std::make_unique<RecordingLauncher>();
        QVERIFY((m_form = ShowForm()));
    }
    void cleanup() {
        m_form.reset();
        m_launcher.reset();
        QDir::setCurrent(m_strStartDir);
        m_dir.reset();
    }

    void helpDecodingOverThe1969LayoutThenDecodeShowsTheSampleLines() {
        QVERIFY(PickFromList(m_form->ControlAs<FormComboBox>(ctl::Year), "1969"));
        Controls().SetText(ctl::VinPrefix, "124379N");
        Controls().SetText(ctl::Serial, "512345");
        Controls().SetText(ctl::Code69, "X33");
        FillSampleByClickingTheTag();
        QCOMPARE(Controls().GetText(ctl::Year), std::string("1967"));
        QVERIFY(Controls().IsShown(ctl::Group1) && !Controls().IsShown(ctl::Code69));
        QStringList seen;
        PressAndAnswer<ResultsWindow>(ctl::Decode, [&seen](ResultsWindow* results) {
            seen << results->windowTitle() << results->ControlAs<QLabel>(ctl::ResultsEmail)->text();
            auto* list = results->ControlAs<QListWidget>(ctl::ResultsList);
            for (int i = 0; i < list->count(); ++i) seen << list->item(i)->text();
            QTest::mouseClick(results->Control(ctl::Ok), Qt::LeftButton);
        });
        QCOMPARE(seen, QStringList({"Here is your car", "Please e-mail this information to VELK at velk@example.org",
                                    "Decode for body number: 065727", " ", "01A = Built the First week of January.",
                                    "67-12437 = Standard Interior Coupe.", "NOR = Built in Norwood Ohio.",
                                    "741 = Standard Red Bucket Seats.",
                                    "Z = (A50) Strato Bucket Seats (without headrests).",
                                    "R-R = Car Color is Bolero Red", "D = Interior paint is Red", "Options:",
                                    "1W = (A02) Tinted W/S only", "2E = (C60) Air Conditioner",
                                    "3L = (Z22) Rally Sport Package"}));
        QCOMPARE(Controls().GetText(ctl::Group3), std::string("L"));  // the form keeps every value
    }

    void cancelledDialogsAndTheResultsWindowEndWithoutATrace_data() {
        QTest::addColumn<int>("nHow");
        QTest::newRow("Cancel button / Enter") << 0;
        QTest::newRow("Escape") << 1;
        QTest::newRow("close box") << 2;
        QTest::newRow("Enter on the focused Cancel") << 3;
    }
    void cancelledDialogsAndTheResultsWindowEndWithoutATrace() {
        QFETCH(int, nHow);
        Controls().SetText(ctl::BodyNumber, "123456");
        Controls().SetText(ctl::Year, "1968");
        bool bClosed = false;
        PressAndAnswer<HelpDecodingDialog>(ctl::HelpDecoding, [&bClosed, nHow](HelpDecodingDialog* help) {
            if (nHow == 0) QTest::mouseClick(help->Control(ctl::Cancel), Qt::LeftButton);
            else if (nHow == 1) QTest::keyClick(help, Qt::Key_Escape);
            else if (nHow == 3) {
                help->Control(ctl::Cancel)->setFocus(Qt::TabFocusReason);
                QTest::keyClick(help->Control(ctl::Cancel), Qt::Key_Return);
            } else help->close();
            bClosed = !help->isVisible();
        });
        QVERIFY(bClosed);
        QCOMPARE(Controls().GetText(ctl::BodyNumber), std::string("123456"));
        QCOMPARE(Controls().GetText(ctl::Year), std::string("1968"));
        QCOMPARE(Controls().GetText(ctl::Style), std::string());
        bClosed = false;
        PressAndAnswer<ResultsWindow>(ctl::Decode, [&bClosed, nHow](ResultsWindow* results) {
            // The focus starts on "Save data to a file"; Enter still means BACK.
            if (nHow == 0 || nHow == 3) QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : results, Qt::Key_Return);
            else if (nHow == 1) QTest::keyClick(results, Qt::Key_Escape);
            else results->close();
            bClosed = !results->isVisible();
        });
        QVERIFY(bClosed);
        QVERIFY(m_launcher->urls.empty());  // nothing was saved
        QVERIFY(QDir(m_dir->path()).entryList(QDir::Files).isEmpty());
    }

    void enterInTheFormDecodesAndAnUnknownYearShowsTheMessage() {
        MessageBoxAnswerer answerer;
        auto* year = m_form->ControlAs<FormComboBox>(ctl::Year);
        TypeOver(year, "1970");
        QTest::keyClick(year, Qt::Key_Return);
        QTRY_COMPARE(answerer.seen.size(), size_t(1));
        QCOMPARE(answerer.seen[0], qMakePair(QStringLiteral("Vexlor"),
                                             QStringLiteral("Please select the model year (1967, 1968 or 1969).")));
        QCOMPARE(year->currentText(), QStringLiteral("1970"));
        QVERIFY(m_form->isVisible());
    }

    void savingUnderTheDefaultNameThenReplacingIt() {
        FillSampleByClickingTheTag();
        const QString strDefault = InDir("7B_N065727.txt");
        MessageBoxAnswerer answerer({QMessageBox::Yes});
        DecodeAndSave();
        QCOMPARE(answerer.seen.size(), size_t(0));
        QFile::resize(strDefault, 3);
        DecodeAndSave();
        QCOMPARE(answerer.seen.size(), size_t(1));
        QCOMPARE(answerer.seen[0], qMakePair(QStringLiteral("Vexlor"),
                                             QStringLiteral("Do you want to replace this file (7B_N065727.txt)?")));
        QCOMPARE(m_launcher->urls, std::vector<QUrl>(2, QUrl::fromLocalFile(strDefault)));
        const QList<QByteArray> lines = ReadAll(strDefault).split('\n');
        QCOMPARE(lines.size(), 23);
        QCOMPARE(lines[4], QByteArray("This file was originaly saved in directory: \r"));
        QCOMPARE(lines[19], QByteArray("3L = (Z22) Rally Sport Package\r"));
    }

    void replaceNoThenSaveAsCancelledWritesNothing() {
        FillSampleByClickingTheTag();
        QFile old(InDir("7B_N065727.txt"));
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
        old.close();
        MessageBoxAnswerer answerer({QMessageBox::No});
        QStringList seen;
        WhenModalIs<QFileDialog>([&seen](QFileDialog* dialog) {
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            seen << dialog->defaultSuffix() << (name ? name->text() : QString()) << dialog->directory().absolutePath();
            dialog->reject();
        });
        DecodeAndSave();
        QCOMPARE(answerer.seen.size(), size_t(1));
        QCOMPARE(seen, QStringList({"any", "*.txt", QDir(m_dir->path()).absolutePath()}));
        QCOMPARE(ReadAll(InDir("7B_N065727.txt")), QByteArray("old"));
        QVERIFY(m_launcher->urls.empty() && m_launcher->programs.empty());
    }

    void aFileThatCannotBeWrittenIsReported() {
        FillSampleByClickingTheTag();
        QVERIFY(QDir(m_dir->path()).mkdir("7B_N065727.txt"));  // a directory in the way of the default name
        MessageBoxAnswerer answerer({QMessageBox::Yes, QMessageBox::Ok});
        DecodeAndSave();
        QCOMPARE(answerer.seen.size(), size_t(2));
        QVERIFY(answerer.seen[1].second.startsWith(QStringLiteral("The file ")));
        QVERIFY(m_launcher->urls.empty());
    }

    void theCompanionProgramIsStartedOnTheName() {
        FillSampleByClickingTheTag();
        QFile companion(InDir("VURUverizi"));
        QVERIFY(companion.open(QIODevice::WriteOnly) && companion.write("#!/bin/sh\n") > 0);
        companion.close();
        QVERIFY(companion.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
        DecodeAndSave();
        QCOMPARE(m_launcher->programs, std::vector<QStringList>({{InDir("VURUverizi"),
                                                                  QDir(m_dir->path()).absolutePath(), "/7B_N065727.txt"}}));
        QVERIFY(m_launcher->urls.empty());
    }
};

QTEST_MAIN(DecodeAndResultsTest)
#include "test_decode_and_results.moc"
