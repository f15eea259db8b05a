#pragma once
// "Here is your car": the lines of one decode, the e-mail request, "Save data
// to a file" and "BACK". Enter and "BACK" end it, so do Escape and the close box.

#include <string>
#include <vector>

#include "app/qt_save_host.h"
#include "app/template_dialog.h"
#include "decoder/decode_result.h"
#include "results/save_flow.h"

namespace vexlor {

class ResultsWindow : public TemplateDialog {
    Q_OBJECT
public:
    ResultsWindow(DecodeResult result, SaveFlow& saveFlow, QWidget* parent = nullptr);

    // The lines as the list shows them.
    std::vector<std::string> ListLines() const;
    void OnSaveToFile();
    SaveOutcome LastSaveOutcome() const { return m_lastOutcome; }

private:
    DecodeResult m_result;
    SaveFlow& m_saveFlow;
    QtSaveHost m_host;
    SaveOutcome m_lastOutcome = SaveOutcome::Cancelled;
};

}  // namespace vexlor
