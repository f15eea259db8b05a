#include "app/results_window.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "app/qt_text.h"
#include "form/program_texts.h"
#include "form/control_ids.h"
#include "results/result_lines.h"

namespace vexlor {

ResultsWindow::ResultsWindow(DecodeResult result, SaveFlow& saveFlow, QWidget* parent)
    : TemplateDialog(ResultsTemplate(), parent), m_result(std::move(result)), m_saveFlow(saveFlow), m_host(this) {
    if (auto* request = ControlAs<QLabel>(ctl::ResultsEmail)) request->setText(ToQString(kResultsEmailRequest));
    if (auto* list = ControlAs<QListWidget>(ctl::ResultsList)) {
        list->clear();
        for (const std::string& line : BuildResultLines(m_result)) list->addItem(ToQString(line));
    }
    if (auto* back = ControlAs<QPushButton>(ctl::Ok)) {
        back->setDefault(true);
        connect(back, &QPushButton::clicked, this, &QDialog::accept);
    }
    if (auto* save = ControlAs<QPushButton>(ctl::SaveToFile))
        connect(save, &QPushButton::clicked, this, &ResultsWindow::OnSaveToFile);
}

std::vector<std::string> ResultsWindow::ListLines() const {
    std::vector<std::string> lines;
    if (auto* list = ControlAs<QListWidget>(ctl::ResultsList))
        for (int i = 0; i < list->count(); ++i) lines.push_back(FromQString(list->item(i)->text()));
    return lines;
}

void ResultsWindow::OnSaveToFile() { m_lastOutcome = m_saveFlow.Save(m_result, ListLines(), m_host); }

}  // namespace vexlor
