#include "app/results_window.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <algorithm>

#include "app/desktop_launcher.h"
#include "app/qt_text.h"
#include "app/window_accessibility.h"
#include "form/program_texts.h"
#include "form/control_ids.h"
#include "results/email_request.h"
#include "results/result_lines.h"

namespace vexlor {
namespace {

QString JoinedLines(QList<int> rows, const QListWidget& list) {
    std::sort(rows.begin(), rows.end());
    QStringList lines;
    for (int nRow : rows) lines << list.item(nRow)->text();
    return lines.join(QLatin1Char('\n'));
}

}  // namespace

ResultsWindow::ResultsWindow(DecodeResult result, SaveFlow& saveFlow, QWidget* parent)
    : TemplateDialog(ResultsTemplate(), parent), m_result(std::move(result)), m_saveFlow(saveFlow), m_host(this) {
    SetUpEmailLink();
    if (auto* list = ControlAs<QListWidget>(ctl::ResultsList)) {
        ShowLines(list);
        SetUpCopying(list);
    }
    if (auto* saved = ControlAs<QLabel>(ctl::ResultsSaved)) MarkAsStatusLine(saved);
    if (auto* back = ControlAs<QPushButton>(ctl::Ok)) {
        back->setDefault(true);
        connect(back, &QPushButton::clicked, this, &QDialog::accept);
    }
    if (auto* save = ControlAs<QPushButton>(ctl::SaveToFile))
        connect(save, &QPushButton::clicked, this, &ResultsWindow::OnSaveToFile);
}

// The focus starts on the lines, so that Ctrl+A and Ctrl+C work at once;
// Enter still goes back, since the list leaves it to the default button.
void ResultsWindow::ShowLines(QListWidget* list) {
    list->clear();
    list->setUniformItemSizes(false);  // the widest line, not the first, sets how far the list scrolls
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    const int nRoom = list->width() - list->style()->pixelMetric(QStyle::PM_ScrollBarExtent) - 2 * list->frameWidth();
    for (const std::string& line : BuildResultLines(m_result)) {
        auto* item = new QListWidgetItem(ToQString(line), list);
        if (list->fontMetrics().horizontalAdvance(item->text()) > nRoom) item->setToolTip(item->text());
    }
    list->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    list->setFocus(Qt::OtherFocusReason);
}

void ResultsWindow::SetUpEmailLink() {
    auto* request = ControlAs<QLabel>(ctl::ResultsEmail);
    if (!request) return;
    const QString text = ToQString(kResultsEmailRequest);
    const QString address = ToQString(kEmailAddress).toHtmlEscaped();
    QString html = text.toHtmlEscaped();
    html.replace(address, QStringLiteral("<a href=\"mailto:%1\">%1</a>").arg(address));
    request->setTextFormat(Qt::RichText);
    request->setText(html);
    request->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    request->setAccessibleName(text);
    MarkAsLink(request, QStringLiteral("mailto:") + ToQString(kEmailAddress));
    request->installEventFilter(this);
    connect(request, &QLabel::linkActivated, this, &ResultsWindow::OnEmail);
}

void ResultsWindow::SetUpCopying(QListWidget* list) {
    // Ctrl+A selects every line (the list's own key); Ctrl+C is taken here,
    // where the list alone would copy only its current line.
    list->installEventFilter(this);
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list, &QWidget::customContextMenuRequested, this, [this, list](const QPoint& at) {
        QMenu menu(this);
        QAction* copy = menu.addAction(QStringLiteral("Copy"), this, &ResultsWindow::CopySelectedLines);
        copy->setShortcut(QKeySequence::Copy);
        copy->setEnabled(!list->selectedItems().isEmpty());
        menu.addAction(QStringLiteral("Copy all"), this, &ResultsWindow::CopyAllLines);
        menu.exec(list->viewport()->mapToGlobal(at));
    });
}

bool ResultsWindow::eventFilter(QObject* watched, QEvent* event) {
    // Tabbing onto the request highlights its link at once: the label alone
    // shows no focus, and its link would only take it at the next Tab.
    if (event->type() == QEvent::FocusIn && watched == Control(ctl::ResultsEmail)) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
            QCoreApplication::postEvent(watched, new QKeyEvent(QEvent::KeyPress,
                                                               reason == Qt::TabFocusReason ? Qt::Key_Tab : Qt::Key_Backtab,
                                                               Qt::NoModifier));
        return TemplateDialog::eventFilter(watched, event);
    }
    if (watched != Control(ctl::ResultsEmail) && event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        CopySelectedLines();
        return true;
    }
    return TemplateDialog::eventFilter(watched, event);
}

void ResultsWindow::CopySelectedLines() {
    auto* list = ControlAs<QListWidget>(ctl::ResultsList);
    if (!list || list->selectedItems().isEmpty()) return;
    QList<int> rows;
    for (QListWidgetItem* item : list->selectedItems()) rows << list->row(item);
    QGuiApplication::clipboard()->setText(JoinedLines(rows, *list));
}

void ResultsWindow::CopyAllLines() {
    auto* list = ControlAs<QListWidget>(ctl::ResultsList);
    if (!list) return;
    QList<int> rows;
    for (int nRow = 0; nRow < list->count(); ++nRow) rows << nRow;
    QGuiApplication::clipboard()->setText(JoinedLines(rows, *list));
}

std::vector<std::string> ResultsWindow::ListLines() const {
    std::vector<std::string> lines;
    if (auto* list = ControlAs<QListWidget>(ctl::ResultsList))
        for (int i = 0; i < list->count(); ++i) lines.push_back(FromQString(list->item(i)->text()));
    return lines;
}

void ResultsWindow::OnSaveToFile() {
    std::string strSavedPath;
    m_lastOutcome = m_saveFlow.Save(m_result, ListLines(), m_host, &strSavedPath);
    if (m_lastOutcome != SaveOutcome::Saved) return;
    m_strSavedPath = strSavedPath;
    ShowSavedPath(PathFromBytes(strSavedPath));
}

// "Saved as" and the path along the bottom, read out at each save; a path
// too long for the line loses its middle there and is shown whole in the
// tool tip.
void ResultsWindow::ShowSavedPath(const QString& strPath) {
    auto* line = ControlAs<QLabel>(ctl::ResultsSaved);
    if (!line) return;
    m_savedLine = QStringLiteral("Saved as ") + strPath;
    ElideSavedPath();
    line->setToolTip(m_savedLine);
    line->setAccessibleName(m_savedLine);
    AnnounceNameChange(line);
}

void ResultsWindow::ElideSavedPath() {
    if (auto* line = ControlAs<QLabel>(ctl::ResultsSaved))
        line->setText(line->fontMetrics().elidedText(m_savedLine, Qt::ElideMiddle, line->width()));
}

// A larger window gives the list the room; what stands below it moves down,
// "BACK" stays at the right edge and the lines below widen.
void ResultsWindow::LayOutControls(QSize extra) {
    const struct { int nId; bool bWiden, bHeighten, bMoveRight, bMoveDown; } kAnchors[] = {
        {ctl::ResultsList, true, true, false, false},   {ctl::ResultsEmail, true, false, false, true},
        {ctl::SaveToFile, false, false, false, true},   {ctl::Ok, false, false, true, true},
        {ctl::Cancel, false, false, true, true},        {ctl::ResultsSaved, true, false, false, true},
    };
    for (const auto& anchor : kAnchors) {
        const ControlSpec* spec = FindControl(Template(), anchor.nId);
        QWidget* widget = Control(anchor.nId);
        if (!spec || !widget) continue;
        QRect rect = Units().ToPixels(spec->x, spec->y, spec->cx, spec->cy);
        rect.adjust(0, 0, anchor.bWiden ? extra.width() : 0, anchor.bHeighten ? extra.height() : 0);
        rect.translate(anchor.bMoveRight ? extra.width() : 0, anchor.bMoveDown ? extra.height() : 0);
        widget->setGeometry(rect);
    }
    if (!m_savedLine.isEmpty()) ElideSavedPath();
}

void ResultsWindow::OnEmail() {
    if (m_strSavedPath.empty()) {
        QMessageBox offer(QMessageBox::Question, ToQString(kProgramName),
                          QStringLiteral("Nothing has been saved yet. Save the decode to a file first, so that it "
                                         "can go with the e-mail?"),
                          QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, this);
        offer.setDefaultButton(QMessageBox::Yes);
        const int nAnswer = offer.exec();
        if (nAnswer == QMessageBox::Cancel) return;
        if (nAnswer == QMessageBox::Yes) {
            OnSaveToFile();
            if (m_strSavedPath.empty()) return;  // the save was cancelled
        }
    }
    DesktopLauncher& launcher = Launcher();
    const QString helper = launcher.FindProgram(ToQString(kEmailHelper));
    const EmailRequest request = BuildEmailRequest(m_result, m_strSavedPath, !helper.isEmpty());
    bool bStarted = false;
    if (!helper.isEmpty()) {
        // The subject holds typed text; the rest are file names and the address.
        QStringList args;
        for (const std::string& arg : EmailHelperArguments(request))
            args << (arg == request.strSubject ? ToQString(arg) : PathFromBytes(arg));
        bStarted = launcher.StartDetached(helper, args, QString());
    } else {
        bStarted = launcher.OpenUrl(QUrl::fromEncoded(QByteArray::fromStdString(MailtoUrl(request))));
    }
    if (bStarted) return;
    QMessageBox box(QMessageBox::Warning, ToQString(kProgramName),
                    QStringLiteral("No e-mail program could be started. Please write to %1.")
                        .arg(ToQString(request.strAddress)),
                    QMessageBox::Ok, this);
    box.exec();
}

}  // namespace vexlor
