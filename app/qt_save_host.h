#pragma once
// "Save data to a file" on the desktop: the replace question and the failure
// report as message boxes, the Save As dialog, atomic writing, and the viewer
// or the companion program started without a shell.

#include <QString>
#include <string>

#include "results/save_flow.h"

class QWidget;

namespace vexlor {

// File names travel as the bytes the file system uses.
std::string PathToBytes(const QString& strPath);
QString PathFromBytes(const std::string& strPath);

class QtSaveHost : public SaveHost {
public:
    explicit QtSaveHost(QWidget* parent) : m_parent(parent) {}

    bool FileExists(const std::string& strPath) override;
    bool AskReplace(const std::string& strQuestion) override;
    std::optional<std::string> AskSaveAsPath(const std::string& strDirectory) override;
    bool WriteFileAtomically(const std::string& strPath, const std::string& strContent, std::string& strError) override;
    void ReportWriteFailure(const std::string& strMessage) override;
    bool IsExecutableFile(const std::string& strPath) override;
    void StartProgram(const std::string& strProgram, const std::vector<std::string>& args) override;
    void OpenInViewer(const std::string& strPath) override;
    std::string Today() override;

private:
    QWidget* m_parent;
};

}  // namespace vexlor
