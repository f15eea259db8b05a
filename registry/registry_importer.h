#pragma once
// Adds decode files to the registry, one submission per distinct file, each
// under the car its codes name. A file that says what a submission already
// in the registry says (see SubmissionHash) is already present.

#include <string>
#include <string_view>

#include "registry/car_identity.h"
#include "results/decode_file_reader.h"
#include "registry/sqlite_database.h"

namespace vexlor {

// NotDecodeFile: a file that only its content could have made a decode file.
enum class ImportStatus { Imported, AlreadyPresent, Rejected, NotDecodeFile };

struct ImportOutcome {
    ImportStatus status = ImportStatus::Rejected;
    Rejection rejection = Rejection::None;
    std::string strReason;  // why it was rejected
};

// A file read and understood: all the work of importing it that needs no
// registry, so that it can be done ahead, on another thread.
struct PreparedFile {
    bool bReady = false;    // a decode file, to be stored
    ImportOutcome outcome;  // when not ready: Rejected or NotDecodeFile
    // As the registry stores them.
    std::string strFileName;
    std::string strVersion;
    std::string strSavedDate;
    std::string strDecodeText;
    TagCodes codes;
    std::string strHash;  // SubmissionHash
};

// A file's bytes, under the name it is recorded with.
PreparedFile PrepareBytes(std::string_view strFileName, std::string_view strBytes);
// Reads the file first; a file that cannot be read is rejected. bByName: the
// file is meant as a decode file (see ImportWalk), so it is rejected when it
// is none; else it is NotDecodeFile then.
PreparedFile PrepareFile(const std::string& strPath, bool bByName);

// Works inside the caller's transaction; the statements are prepared once.
class RegistryImporter {
public:
    // strImportedAt: the moment every file of this import is stamped with.
    RegistryImporter(Database& db, std::string strImportedAt);

    // Adds a prepared file, or gives its outcome when it is not ready.
    ImportOutcome Store(const PreparedFile& file);
    ImportOutcome ImportBytes(std::string_view strFileName, std::string_view strBytes) {
        return Store(PrepareBytes(strFileName, strBytes));
    }

private:
    std::string m_strImportedAt;
    CarIdentity m_cars;
    Statement m_findFile;
    Statement m_addSubmission;
};

// Now in UTC, ISO 8601 ("2005-07-04T12:00:00Z"), or the moment that
// SOURCE_DATE_EPOCH names.
std::string ImportTimestamp();

}  // namespace vexlor
