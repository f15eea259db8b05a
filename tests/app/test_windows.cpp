// The windows on real widgets: the tag form's size and placing, keys and
// close box, context menu, tool tips, the pick-lists' wiring, the Tab key past
// the boxes that need a body style, a typed year; Help Decoding, the web
// sites; opening a saved decode file; the results window's closing, saving with the dialogs answered here,
// copying and the e-mail link; and what screen readers and the keyboard find
// in every window.
#include <QAbstractButton>
#include <QAccessible>
#include <QClipboard>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHelpEvent>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QMimeData>
#include <QMenu>
#include <QScreen>
#include <QTemporaryDir>
#include <QToolTip>
#include <QtTest>
#include <sys/stat.h>

#include <fstream>

#include "app/about_dialog.h"
#include "app/dialog_units.h"
#include "app/help_decoding_dialog.h"
#include "app/results_window.h"
#include "app/web_sites_dialog.h"
#include "app_test_support.h"
#include "decoder/decode.h"
#include "form/control_ids.h"
#include "results/decode_file.h"
#include "results/result_lines.h"

using namespace vexlor;
using namespace vexlor::testing;

namespace {

// The tool tip that hovering at a point of the form (in dialog units) shows.
QString ToolTipAt(TagFormWindow& form, int x, int y) {
    QToolTip::hideText();
    if (!QTest::qWaitFor([] { return !QToolTip::isVisible(); })) return QStringLiteral("<tool tip stays>");
    const QPoint at = form.Units().ToPixels(x, y, 0, 0).topLeft();
    QWidget* target = form.childAt(at) ? form.childAt(at) : &form;
    QHelpEvent event(QEvent::ToolTip, target->mapFrom(&form, at), form.mapToGlobal(at));
    QApplication::sendEvent(target, &event);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

// The top legend and which controls are hidden.
QStringList Layout(TagFormWindow& form) {
    QStringList layout{QString::fromStdString(form.Controls().GetText(ctl::TopLegend))};
    for (QWidget* widget : form.Widgets()) layout << (widget->isHidden() ? "-" : "+");
    return layout;
}

// A screen reader's view: every control that takes the focus has a name that
// says what it holds (a box not its text) and its tool tip as description;
// nothing drawn only (the tag's outline, the rivets) is offered; the
// mnemonics of a window differ and every button with a text has one.
void ExpectNamedControlsAndUniqueMnemonics(QWidget& window) {
    window.show();
    QAccessibleInterface* view = QAccessible::queryAccessibleInterface(&window);
    QVERIFY(!view->text(QAccessible::Name).isEmpty());
    int nNotOffered = 0;  // every control that takes the focus is offered
    for (QWidget* widget : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        nNotOffered += widget->isVisible() && widget->isEnabled() && widget->focusPolicy() != Qt::NoFocus;
    for (int i = 0; i < view->childCount(); ++i) {
        QAccessibleInterface* control = view->child(i);
        QVERIFY(control->role() != QAccessible::RadioButton && control->role() != QAccessible::Grouping);
        if (control->state().invisible || control->state().disabled || !control->state().focusable) continue;
        --nNotOffered;
        const QString strName = control->text(QAccessible::Name);
        const bool bHoldsText = control->role() == QAccessible::ComboBox || control->role() == QAccessible::EditableText;
        QVERIFY2(!strName.isEmpty() && !(bHoldsText && strName == control->text(QAccessible::Value)), qPrintable(strName));
        QCOMPARE(control->text(QAccessible::Description), qobject_cast<QWidget*>(control->object())->toolTip());
    }
    QCOMPARE(nNotOffered, 0);
    QList<QKeySequence> mnemonics;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        auto* button = qobject_cast<QAbstractButton*>(widget);
        auto* label = qobject_cast<QLabel*>(widget);
        const QString text = button ? button->text() : label && label->buddy() ? label->text() : QString();
        if (text.isEmpty() || widget->isHidden()) continue;
        const QKeySequence mnemonic = QKeySequence::mnemonic(text);
        QVERIFY2(!mnemonics.contains(mnemonic) && !(button && mnemonic.isEmpty()), qPrintable(text));
        if (!mnemonic.isEmpty()) mnemonics << mnemonic;
    }
}

}  // namespace

class WindowsTest : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_dir;  // the current directory of each test
    QString m_strStartDir;
    std::unique_ptr<RecordingLauncher> m_launcher;
    std::unique_ptr<TagFormWindow> m_form;

    FormComboBox* Box(int nId) { return m_form->ControlAs<FormComboBox>(nId); }
    std::string Text(int nId) { return m_form->Controls().GetText(nId); }
    QString InDir(const QString& strName) { return QDir(m_dir->path()).filePath(strName); }
    // Presses a button of the form and hands the modal window it opens to act.
    template <typename T>
    void PressAndAnswer(int nButton, std::function<void(T*)> act) {
        WhenModalIs<T>(std::move(act));
        QTest::mouseClick(m_form->Control(nButton), Qt::LeftButton);
    }
    // Decodes the sample tag (default file name 7B_N065727.txt) and hands the
    // results window to act before going back.
    void DecodeSample(std::function<void(ResultsWindow*)> act) {
        m_form->Form().OnHelpDecoding(true);
        PressAndAnswer<ResultsWindow>(ctl::Decode, [act](ResultsWindow* results) {
            act(results);
            results->accept();
        });
    }
    static void Save(ResultsWindow* results) { QTest::mouseClick(results->Control(ctl::SaveToFile), Qt::LeftButton); }
    // Answers the next Save As dialog with a path typed into its name field, or cancels it.
    static void AnswerSaveAs(const QString& strPath, QString* strStartDir = nullptr) {
        WhenModalIs<QFileDialog>([strPath, strStartDir](QFileDialog* dialog) {
            if (strStartDir) *strStartDir = dialog->directory().absolutePath();
            dialog->findChild<QLineEdit*>("fileNameEdit")->setText(strPath);
            strPath.isEmpty() ? dialog->reject() : static_cast<QDialog*>(dialog)->accept();
        });
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

    void startsCentredAtItsTemplateSizeWithTheFocusOnTheYear() {
        TagFormWindow& form = *m_form;
        QCOMPARE(DialogUnits(6, 13).ToPixels(169, 3, 45, 12), QRect(254, 5, 68, 20));
        QCOMPARE(form.size(), form.Units().ToPixels(form.Template().cx, form.Template().cy));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        for (size_t i = 0; i < form.Widgets().size(); ++i) {  // a closed drop-down box is as high as an edit box
            const ControlSpec& spec = form.Template().controls[i];
            const int nHeight = spec.kind == ControlKind::ComboBox ? 12 : spec.cy;
            QCOMPARE(form.Widgets()[i]->geometry(), form.Units().ToPixels(spec.x, spec.y, spec.cx, nHeight));
        }
        QVERIFY((form.frameGeometry().center() - form.screen()->availableGeometry().center()).manhattanLength() <= 2);
        QCOMPARE(form.windowTitle(), QStringLiteral("Vexlor"));
        QVERIFY(form.Control(ctl::Year)->hasFocus() && Box(ctl::Year)->currentIndex() == -1);
        QCOMPARE(Box(ctl::Year)->currentText(), QStringLiteral("1967"));
    }

    void escapeAndTheCloseBoxLeaveTheFormOpenExitEndsIt() {
        m_form->Controls().SetText(ctl::BodyNumber, "65727");
        QTest::keyClick(m_form->Control(ctl::BodyNumber), Qt::Key_Escape);
        QVERIFY(!m_form->close() && m_form->isVisible() && Text(ctl::BodyNumber) == "65727");
        QTest::mouseClick(m_form->Control(ctl::ExitButton), Qt::LeftButton);
        QVERIFY(!m_form->isVisible());
    }

    void contextMenuOpensAbout() {
        QStringList seen;
        QTimer::singleShot(50, [&seen] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            seen << menu->actions().first()->text();
            WhenModalIs<AboutDialog>([&seen](AboutDialog* about) {
                seen << about->ControlAs<QLabel>(ctl::AboutVersion)->text();
                QTest::keyClick(about, Qt::Key_Return);
            });
            menu->actions().first()->trigger();
            menu->close();
        });
        const QPoint at = m_form->Units().ToPixels(5, 30, 0, 0).topLeft();
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, m_form->mapToGlobal(at));
        QApplication::sendEvent(m_form.get(), &event);
        QTRY_COMPARE(seen, QStringList({"&About Vexlor...", "Vexlor Version 3.68"}));
    }

    void webSiteButtonsOpenTheSitesEscapeClosesTheWindow() {
        WhenModalIs<WebSitesDialog>([](WebSitesDialog* sites) {
            QTest::mouseClick(sites->Control(ctl::GoToVelk), Qt::LeftButton);
            QTest::mouseClick(sites->Control(ctl::GoToSorvan), Qt::LeftButton);
            QTest::keyClick(sites, Qt::Key_Escape);
        });
        QTest::mouseClick(m_form->Control(ctl::FavoriteWebSites), Qt::LeftButton);
        QCOMPARE(m_launcher->urls,
                 std::vector<QUrl>({QUrl("http://www.velk.example.org"), QUrl("http://www.sorvan.example.org")}));
    }

    void toolTipsShowForShownFieldsOnly() {
        QCOMPARE(ToolTipAt(*m_form, 140, 90), QStringLiteral("Option Group Three codes, should be letters"));
        QCOMPARE(ToolTipAt(*m_form, 240, 145), QString());  // the buttons have none
        QCOMPARE(ToolTipAt(*m_form, 175, 91), QString());   // the hidden 1969 code field
        QVERIFY(PickFromList(Box(ctl::Year), "1969"));
        QCOMPARE(ToolTipAt(*m_form, 175, 91), QStringLiteral("NOR - Option Codes  /  LOS - Internal plant scheduling code"));
    }

    void aTypedYearGivesThePickedLayout() {
        std::unique_ptr<TagFormWindow> picked = ShowForm();
        QVERIFY(picked && PickFromList(picked->ControlAs<FormComboBox>(ctl::Year), "1969"));
        TypeOver(Box(ctl::Year), "1969");
        QCOMPARE(Layout(*m_form), Layout(*picked));
    }

    void tabbingWithAnEmptyStyleReachesDecodeAskingOncePerCause() {
        MessageBoxAnswerer answerer;
        Box(ctl::TopPaint)->showPopup();  // the style is asked for: the list stays up
        QTRY_COMPARE(answerer.seen.size(), 1);
        QVERIFY(!Box(ctl::TopPaint)->view()->isVisible());
        QWidget* decode = m_form->Control(ctl::Decode);
        bool bBackOnStyle = false;  // each request sends the focus to the style box
        for (int nTabs = 0; nTabs < 60 && !decode->hasFocus(); ++nTabs) {
            const qsizetype nAsked = answerer.seen.size();
            QVERIFY(QTest::qWaitFor([] { return QApplication::focusWidget() != nullptr; }));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            if (answerer.seen.size() > nAsked) bBackOnStyle = QTest::qWaitFor([this] { return Box(ctl::Style)->hasFocus(); });
        }
        QVERIFY(decode->hasFocus() && bBackOnStyle);
        // top paint, trim and seat style: one message each
        QCOMPARE(answerer.seen, QStringList(3, "Vexlor: Please select the body style (ST) first."));
    }

    void listsDropDownSortedAndAPickRechecksWhatDependsOnIt() {
        QVERIFY(PickFromList(Box(ctl::Year), "1968"));
        m_form->Controls().SetText(ctl::TopPaint, "6");
        QVERIFY(PickFromList(Box(ctl::LowerPaint), "C"));  // built when it dropped down
        QStringList items;
        for (int i = 0; i < Box(ctl::LowerPaint)->count(); ++i) items << Box(ctl::LowerPaint)->itemText(i);
        QCOMPARE(items, QStringList({"-", "A", "C", "D", "E", "F", "G", "H", "J", "K", "L", "N", "O", "P", "R", "T",
                                     "U", "V", "Y", "Z"}));
        QCOMPARE(Text(ctl::TopPaint), std::string(" "));
    }

    void typingAVinPrefixRechecksNothingButPickingDoes() {
        m_form->Controls().SetText(ctl::Style, "67-12437");
        TypeOver(Box(ctl::VinPrefix), "124677N");
        QTest::keyClick(Box(ctl::VinPrefix), Qt::Key_Tab);  // leaving the box is no pick either
        QCOMPARE(Text(ctl::Style), std::string("67-12437"));
        QVERIFY(PickFromList(Box(ctl::VinPrefix), "124677N"));
        QCOMPARE(Text(ctl::Style), std::string());
    }

    void everyWindowNamesItsControlsForScreenReaders() {
        for (const char* szYear : {"1967", "1968", "1969"}) {
            QVERIFY(PickFromList(Box(ctl::Year), szYear));
            ExpectNamedControlsAndUniqueMnemonics(*m_form);
        }
        m_form->Form().OnHelpDecoding(true);
        ResultsWindow results(*m_form->Form().DecodeForm(), m_form->Saves());
        AboutDialog about;
        WebSitesDialog sites;
        HelpDecodingDialog help;
        for (QWidget* window : std::initializer_list<QWidget*>{&results, &about, &sites, &help})
            ExpectNamedControlsAndUniqueMnemonics(*window);
        // The labels name the fields beside them.
        QAccessibleInterface* year = QAccessible::queryAccessibleInterface(m_form->Control(ctl::Year));
        QCOMPARE(year->relations(QAccessible::Label).value(0).first->text(QAccessible::Name),
                 QStringLiteral("Year to decode:"));
    }

    void clickingTheSampleTagFillsTheFormAndDecodeShowsItsLines() {
        QVERIFY(PickFromList(m_form->ControlAs<FormComboBox>(ctl::Year), "1969"));
        PressAndAnswer<HelpDecodingDialog>(ctl::HelpDecoding, [](HelpDecodingDialog* help) {
            QTest::mouseClick(help->Control(ctl::Ok), Qt::LeftButton);
        });
        QVERIFY(m_form->Controls().IsShown(ctl::Group1) && !m_form->Controls().IsShown(ctl::Code69));
        QStringList seen;
        PressAndAnswer<ResultsWindow>(ctl::Decode, [&seen](ResultsWindow* results) {
            auto* list = results->ControlAs<QListWidget>(ctl::ResultsList);
            seen << results->windowTitle() << list->item(0)->text() << list->item(list->count() - 1)->text();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);  // BACK
        });
        QCOMPARE(seen, QStringList({"Here is your car", "Decode for body number: 065727",
                                    "3L = (Z22) Rally Sport Package"}));
        QCOMPARE(m_form->Controls().GetText(ctl::Group3), std::string("L"));  // the form keeps every value
    }

    // Ctrl+O asks for the file; a file dropped on a field opens (not typed in
    // as its address); a file that is no decode file is named with the reason.
    void ctrlOAndADropOpenADecodeFile() {
        const DecodeResult sample = Decode(SampleTagFields());
        const QString strSaved = InDir("7B_N065727.txt"), strNotes = InDir("notes.txt");
        std::ofstream(strSaved.toStdString(), std::ios::binary)
            << DecodeFileContent(sample, BuildResultLines(sample), "07-04-2005", "", std::nullopt);
        std::ofstream(strNotes.toStdString()) << "notes\n";
        auto Drop = [this](const QString& strPath) {
            QMimeData data;
            data.setUrls({QUrl::fromLocalFile(strPath)});
            QWidget* body = m_form->Control(ctl::BodyNumber);
            const QPoint at(2, 2);
            QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(body, &enter);
            QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(body, &drop);
            QVERIFY(enter.isAccepted() && drop.isAccepted());
        };
        WhenModalIs<QFileDialog>([strSaved](QFileDialog* dialog) {
            dialog->findChild<QLineEdit*>("fileNameEdit")->setText(strSaved);
            static_cast<QDialog*>(dialog)->accept();
        });
        QTest::keyClick(m_form.get(), Qt::Key_O, Qt::ControlModifier);
        QTRY_COMPARE(m_form->Form().ReadTagFields().strStyle, std::string("67-12437"));
        m_form->Form().OnYearSelChange(2);
        Drop(strSaved);
        QTRY_COMPARE(Text(ctl::BodyNumber), std::string("065727"));
        QVERIFY(m_form->Control(ctl::Group1)->isVisible());  // the 1967 layout again
        MessageBoxAnswerer answerer;
        Drop(strNotes);
        QTRY_COMPARE(answerer.seen.size(), 1);
        QVERIFY(answerer.seen[0].startsWith("Vexlor: The file " + strNotes + " could not be opened: "));
        QCOMPARE(Text(ctl::BodyNumber), std::string("065727"));
    }

    void cancellingHelpDecodingLeavesTheForm() {
        m_form->Controls().SetText(ctl::BodyNumber, "123456");
        for (int nKey : {int(Qt::Key_Return), int(Qt::Key_Escape), 0}) {
            PressAndAnswer<HelpDecodingDialog>(ctl::HelpDecoding, [nKey](HelpDecodingDialog* help) {
                help->Control(ctl::Cancel)->setFocus(Qt::TabFocusReason);
                nKey ? QTest::keyClick(help->Control(ctl::Cancel), Qt::Key(nKey)) : void(help->close());
            });
            QVERIFY(Text(ctl::BodyNumber) == "123456" && Text(ctl::Style).empty());
        }
    }

    void enterInTheFormDecodesAndAnUnknownYearShowsTheMessage() {
        MessageBoxAnswerer answerer;
        TypeOver(m_form->ControlAs<FormComboBox>(ctl::Year), "1970");
        QTest::keyClick(m_form->Control(ctl::Year), Qt::Key_Return);
        QTRY_COMPARE(answerer.seen, QStringList("Vexlor: Please select the model year (1967, 1968 or 1969)."));
    }

    void enterAtTheReplaceQuestionKeepsTheFile() {
        QFile old(InDir("7B_N065727.txt"));
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
        old.close();
        MessageBoxAnswerer answerer;
        QString strSaveAsDir;
        AnswerSaveAs("", &strSaveAsDir);
        DecodeSample(Save);
        QCOMPARE(answerer.seen, QStringList("Vexlor: Do you want to replace this file (7B_N065727.txt)?"));
        QCOMPARE(strSaveAsDir, QDir(m_dir->path()).absolutePath());  // No leads to Save As
        QVERIFY(old.open(QIODevice::ReadOnly) && old.readAll() == "old");
    }

    void aFailedWriteLeadsStraightToSaveAs() {
        const QString strDefault = InDir("7B_N065727.txt");
        QTemporaryDir other;
        QVERIFY(QDir(m_dir->path()).removeRecursively());  // the save directory is gone
        m_launcher->bStarts = false;                       // and there is no viewer
        MessageBoxAnswerer answerer;
        const QString strChosen = QDir(other.path()).filePath("elsewhere.txt");
        AnswerSaveAs(strChosen);
        QString strSavedLine;
        DecodeSample([&strSavedLine](ResultsWindow* results) {
            Save(results);
            strSavedLine = results->ControlAs<QLabel>(ctl::ResultsSaved)->toolTip();
        });
        QCOMPARE(answerer.seen.size(), 2);
        QVERIFY(answerer.seen[0].startsWith("Vexlor: The file " + strDefault + " could not be saved: "));
        QCOMPARE(answerer.seen[1],
                 "Vexlor: The file " + strChosen + " was saved, but no program could be started to show it.");
        QCOMPARE(strSavedLine, "Saved as " + strChosen);
        QVERIFY(QFile::exists(strChosen));
    }

    void theSaveAsDialogNeverReadsTheFilesItLists() {
        QVERIFY(::mkfifo(QFile::encodeName(InDir("pipe")).constData(), 0600) == 0);  // reading it would block
        QFile photo(InDir("tagphoto"));  // a picture by its content, a plain file by its name
        QVERIFY(photo.open(QIODevice::WriteOnly) && photo.write("\x89PNG\r\n\x1a\n") == 8);
        photo.close();
        QString strType;
        WhenModalIs<QFileDialog>([this, &strType](QFileDialog* dialog) {
            auto* model = qobject_cast<QFileSystemModel*>(dialog->findChild<QListView*>("listView")->model());
            (void)QTest::qWaitFor([&] { return !(strType = model->type(model->index(InDir("tagphoto")))).isEmpty(); });
            dialog->reject();
        });
        QVERIFY(!QtSaveHost(m_form.get()).AskSaveAsPath(PathToBytes(m_dir->path())));
        QCOMPARE(strType, QStringLiteral("File"));
    }

    void theLinesCanBeCopied() {
        QStringList copied;
        DecodeSample([&copied](ResultsWindow* results) {
            auto* list = results->ControlAs<QListWidget>(ctl::ResultsList);
            for (int nRow : {2, 0}) list->item(nRow)->setSelected(true);
            QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
            copied << QGuiApplication::clipboard()->text();
            QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
            copied << QGuiApplication::clipboard()->text();
            QTimer::singleShot(50, [] {
                auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                menu->actions().last()->trigger();
                menu->close();
            });
            QGuiApplication::clipboard()->clear();
            emit list->customContextMenuRequested(QPoint(5, 5));
            copied << QGuiApplication::clipboard()->text();
        });
        QCOMPARE(copied[0], QStringLiteral("Decode for body number: 065727\n01A = Built the First week of January."));
        QVERIFY(copied[1].startsWith("Decode for body number: 065727\n \n01A") && copied[1].count('\n') == 12);
        QCOMPARE(copied[2], copied[1]);  // "Copy all"
    }

    void theAddressLinkSavesFirstThenStartsTheEmail() {
        m_launcher->found = QStringList{"xdg-email"};
        MessageBoxAnswerer answerer;  // Yes, save first
        const QString strSaved = InDir("7B_N065727.txt");
        QString strLink;
        DecodeSample([this, &strLink](ResultsWindow* results) {
            auto* request = results->ControlAs<QLabel>(ctl::ResultsEmail);
            strLink = request->text();
            emit request->linkActivated("mailto:velk@example.org");
            m_launcher->found.clear();  // a desktop without the helper: mailto: and a note
            emit request->linkActivated("mailto:velk@example.org");
        });
        QVERIFY(strLink.contains("<a href=\"mailto:velk@example.org\">velk@example.org</a>"));
        QCOMPARE(answerer.seen.size(), 1);
        QCOMPARE(m_launcher->programs, std::vector<QStringList>({{"/bin/xdg-email", "", "--subject",
                                                                  "Cowl tag decode 065727", "--attach", strSaved,
                                                                  "velk@example.org"}}));
        QCOMPARE(m_launcher->urls.size(), size_t(2));  // the viewer, then the message
        const QUrlQuery mail(m_launcher->urls[1]);
        QCOMPARE(m_launcher->urls[1].path(), QStringLiteral("velk@example.org"));
        QCOMPARE(mail.queryItemValue("body", QUrl::FullyDecoded), "Please attach the saved decode file: " + strSaved);
    }
};

QTEST_MAIN(WindowsTest)
#include "test_windows.moc"
