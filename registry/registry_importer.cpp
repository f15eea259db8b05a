#include "registry/registry_importer.h"

#include <ctime>
#include <optional>

#include "results/code_fields.h"
#include "results/decode_file_reader.h"
#include "registry/file_source.h"
#include "registry/submission_hash.h"
#include "registry/stored_text.h"
#include "results/decode_file.h"
#include "results/file_system.h"

namespace vexlor {
namespace {

// The insert names its columns from kCodeFields, so the codes bind in order.
std::string AddSubmissionSql() {
    std::string strColumns = "sha256, file_name, imported_at, car_id, version, saved_date, decode_text";
    std::string strValues = "?1, ?2, ?3, ?4, ?5, ?6, ?7";
    for (size_t i = 0; i < kCodeFieldCount; ++i) {
        strColumns += ", " + std::string(kCodeFields[i].strColumn);
        strValues += ", ?" + std::to_string(8 + i);
    }
    return "INSERT INTO submission (" + strColumns + ") VALUES (" + strValues + ")";
}

ImportOutcome Rejected(Rejection rejection, std::string strReason) {
    return {ImportStatus::Rejected, rejection, std::move(strReason)};
}

PreparedFile NotReady(ImportOutcome outcome) {
    PreparedFile file;
    file.outcome = std::move(outcome);
    return file;
}

}  // namespace

PreparedFile PrepareBytes(std::string_view strFileName, std::string_view strBytes) {
    ReadOutcome read = ReadDecodeFile(strBytes);
    if (read.rejection != Rejection::None) return NotReady(Rejected(read.rejection, std::move(read.strReason)));

    const DecodeFileRecords& records = read.records;
    const FileEncoding encoding = EncodingOf(strBytes);
    PreparedFile file;
    file.bReady = true;
    file.strFileName = StoredText(strFileName, EncodingOf(strFileName));
    for (size_t i = 0; i < kCodeFieldCount; ++i) file.codes[i] = StoredText(records.codes[i], encoding);
    file.strVersion = StoredText(records.strVersion, encoding);
    file.strSavedDate = StoredText(records.strSavedDate, encoding);
    file.strDecodeText = StoredText(records.strDecodeText, encoding);
    file.strHash = SubmissionHash(file.strVersion, file.codes, file.strSavedDate, file.strDecodeText);
    return file;
}

PreparedFile PrepareFile(const std::string& strPath, bool bByName) {
    const SmallFile read = ReadSmallRegularFile(strPath, kMaxDecodeFileSize);
    if (!read.bytes && !read.bTooLarge) return NotReady(Rejected(Rejection::Unreadable, "cannot be read: " + read.strReason));
    PreparedFile file = read.bTooLarge ? NotReady(Rejected(Rejection::TooLarge, std::string(kTooLargeReason)))
                                       : PrepareBytes(strPath, *read.bytes);
    // Only its content could make it a decode file, and it does not.
    const Rejection rejection = file.outcome.rejection;
    const bool bOther = rejection == Rejection::TooLarge || rejection == Rejection::HoldsNul ||
                        rejection == Rejection::NotDecodeFile;
    if (!file.bReady && !bByName && bOther) file.outcome = {ImportStatus::NotDecodeFile, rejection, {}};
    return file;
}

RegistryImporter::RegistryImporter(Database& db, std::string strImportedAt)
    : m_strImportedAt(std::move(strImportedAt)),
      m_cars(db),
      m_findFile(db, "SELECT 1 FROM submission WHERE sha256 = ?1"),
      m_addSubmission(db, AddSubmissionSql()) {}

ImportOutcome RegistryImporter::Store(const PreparedFile& file) {
    if (!file.bReady) return file.outcome;
    m_findFile.BindKept(1, file.strHash);
    const bool bKnown = m_findFile.Step();
    m_findFile.Reset();
    if (bKnown) return {ImportStatus::AlreadyPresent, Rejection::None, {}};

    const CarIdentity::Choice car = m_cars.CarFor(file.codes, file.strHash);
    m_addSubmission.BindKept(1, file.strHash)
        .BindKept(2, file.strFileName)
        .BindKept(3, m_strImportedAt)
        .Bind(4, car.nCarId)
        .BindKept(5, file.strVersion)
        .BindKept(6, file.strSavedDate)
        .BindKept(7, file.strDecodeText);
    for (size_t i = 0; i < kCodeFieldCount; ++i) m_addSubmission.BindKept(static_cast<int>(8 + i), file.codes[i]);
    m_addSubmission.Step();
    m_addSubmission.Reset();
    if (!car.bNew) m_cars.Refresh(car.nCarId);
    return {ImportStatus::Imported, Rejection::None, {}};
}

std::string ImportTimestamp() {
    const std::optional<std::time_t> tEpoch = SourceDateEpoch();
    const std::time_t tNow = tEpoch ? *tEpoch : std::time(nullptr);
    std::tm tmNow{};
    if (gmtime_r(&tNow, &tmNow) == nullptr) return "1970-01-01T00:00:00Z";
    char szStamp[64] = {};
    const size_t nLength = std::strftime(szStamp, sizeof szStamp, "%Y-%m-%dT%H:%M:%SZ", &tmNow);
    return std::string(szStamp, nLength);
}

}  // namespace vexlor
