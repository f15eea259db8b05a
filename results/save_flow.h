#pragma once
// "Save data to a file": choosing the name, writing the decode file and
// showing it, written against what a window or a terminal can do.

#include <optional>
#include <string>
#include <vector>

#include "decoder/decode_result.h"

namespace vexlor {

// What the save needs from its surroundings. Paths are absolute.
class SaveHost {
public:
    virtual ~SaveHost() = default;
    virtual bool FileExists(const std::string& strPath) = 0;
    // The Yes/No box; true for Yes.
    virtual bool AskReplace(const std::string& strQuestion) = 0;
    // The Save As dialog started in strDirectory (file-name field "*.txt",
    // default extension "any", asking itself before it overwrites a file);
    // the chosen absolute path, or nullopt on Cancel.
    virtual std::optional<std::string> AskSaveAsPath(const std::string& strDirectory) = 0;
    // The side file's content; nullopt when there is none to append: missing,
    // unreadable, not a regular file (a named pipe, a device, a folder) or
    // larger than kMaxSideFileSize. Every host reads it this one way.
    virtual std::optional<std::string> ReadSideFile(const std::string& strPath);
    // Writes the whole content or nothing: a failed write leaves any old file as it was.
    // On failure returns false and sets strError to a readable reason.
    virtual bool WriteFileAtomically(const std::string& strPath, const std::string& strContent,
                                     std::string& strError) = 0;
    virtual void ReportWriteFailure(const std::string& strMessage) = 0;
    // Where programs need a permission to run, only such a file counts as the companion.
    virtual bool IsExecutableFile(const std::string& strPath) = 0;
    // Starts a program with an argument list (never through a shell); does not wait.
    // The companion program is started on a name in its own directory (the
    // directory the file was saved in), so start it with that directory as its
    // working directory.
    virtual void StartProgram(const std::string& strProgram, const std::vector<std::string>& args) = 0;
    // Opens a file in the desktop's default viewer for text files.
    virtual void OpenInViewer(const std::string& strPath) = 0;
    // The date for line 2: DecodeFileDate(std::time(nullptr)).
    virtual std::string Today() = 0;
};

enum class SaveOutcome { Saved, Cancelled, Failed };

// One per run of the program: a Save As with OK changes the directory where
// later default names, the side file and the companion program are looked for.
class SaveFlow {
public:
    explicit SaveFlow(std::string strCurrentDir);

    // Saves a decode whose results list is lines: the default name in the
    // current directory (after the replace question when that file exists),
    // else the path chosen in the Save As dialog. strSavedPath receives the
    // path written. Line 5 of the file names the directory only when this save
    // went through the Save As dialog; a default-named save leaves it empty,
    // also after an earlier Save As moved the current directory.
    // A write that fails is reported (path and reason) and the Save As dialog
    // follows at once, until a file is written (Saved) or the dialog is
    // cancelled (Failed; Cancelled when no write was tried). Only a written
    // file moves the current directory.
    SaveOutcome Save(const DecodeResult& result, const std::vector<std::string>& lines, SaveHost& host,
                     std::string* strSavedPath = nullptr);

    // Saves as if the Save As dialog had returned strPath: its directory
    // becomes the current directory and is named in line 5. A path without a
    // name (ending in a separator) is reported and nothing is written. After a
    // failure the Save As dialog follows as in Save.
    SaveOutcome SaveToPath(const DecodeResult& result, const std::vector<std::string>& lines, SaveHost& host,
                           const std::string& strPath, std::string* strSavedPath = nullptr);

    const std::string& CurrentDir() const { return m_strCurrentDir; }

private:
    SaveOutcome SaveAsUntilWritten(const DecodeResult& result, const std::vector<std::string>& lines, SaveHost& host,
                                   const std::string& strDate, bool bWriteFailed, std::string* strSavedPath);
    // These two return true when the file was written.
    bool SaveChosenPath(const DecodeResult& result, const std::vector<std::string>& lines, SaveHost& host,
                        const std::string& strPath, const std::string& strDate, std::string* strSavedPath);
    bool WriteAndShow(const DecodeResult& result, const std::vector<std::string>& lines, SaveHost& host,
                      const std::string& strDir, const std::string& strName, const std::string& strLine5Dir,
                      const std::string& strDate, std::string* strSavedPath);
    void ShowFile(SaveHost& host, const std::string& strName) const;

    std::string m_strCurrentDir;
};

}  // namespace vexlor
