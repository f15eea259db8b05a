#pragma once
// "Here is your car": the lines of one decode, the e-mail request with the
// research group's address as a link, "Save data to a file", where the last
// save went, and "BACK". Enter and "BACK" end it, so do Escape and the close
// box. The lines can be selected and copied; the window opens with the focus
// on them. It can be made larger, the list growing with it; a line too long
// for the list scrolls sideways and shows whole in its tool tip.

#include <string>
#include <vector>

#include "app/qt_save_host.h"
#include "app/template_dialog.h"
#include "decoder/decode_result.h"
#include "results/save_flow.h"

class QListWidget;

namespace vexlor {

class ResultsWindow : public TemplateDialog {
    Q_OBJECT
public:
    ResultsWindow(DecodeResult result, SaveFlow& saveFlow, QWidget* parent = nullptr);

    // The lines as the list shows them.
    std::vector<std::string> ListLines() const;
    void OnSaveToFile();
    SaveOutcome LastSaveOutcome() const { return m_lastOutcome; }
    // The e-mail link: a new message to the research group with the last
    // saved file; with nothing saved yet, it offers to save first.
    void OnEmail();
    // The selected lines (all lines), in list order, joined with line ends.
    void CopySelectedLines();
    void CopyAllLines();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void LayOutControls(QSize extra) override;

private:
    void SetUpEmailLink();
    void SetUpCopying(QListWidget* list);
    void ShowLines(QListWidget* list);
    void ShowSavedPath(const QString& strPath);
    void ElideSavedPath();

    DecodeResult m_result;
    SaveFlow& m_saveFlow;
    QtSaveHost m_host;
    SaveOutcome m_lastOutcome = SaveOutcome::Cancelled;
    std::string m_strSavedPath;  // the last file saved from this window
    QString m_savedLine;         // "Saved as" and that file's path
};

}  // namespace vexlor
