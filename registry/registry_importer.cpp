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

}  // namespace

RegistryImporter::RegistryImporter(Database& db, std::string strImportedAt)
    : m_strImportedAt(std::move(strImportedAt)),
      m_cars(db),
      m_findFile(db, "SELECT 1 FROM submission WHERE sha256 = ?1"),
      m_addSubmission(db, AddSubmissionSql()) {}

ImportOutcome RegistryImporter::ImportBytes(std::string_view strFileName, std::string_view strBytes) {
    const ReadOutcome read = ReadDecodeFile(strBytes);
    if (read.rejection != Rejection::None) return Rejected(read.rejection, read.strReason);

    const DecodeFileRecords& records = read.records;
    const FileEncoding encoding = EncodingOf(strBytes);
    TagCodes codes;
    for (size_t i = 0; i < kCodeFieldCount; ++i) codes[i] = StoredText(records.codes[i], encoding);
    const std::string strVersion = StoredText(records.strVersion, encoding);
    const std::string strSavedDate = StoredText(records.strSavedDate, encoding);
    const std::string strDecodeText = StoredText(records.strDecodeText, encoding);
    const std::string strHash = SubmissionHash(strVersion, codes, strSavedDate, strDecodeText);
    m_findFile.Bind(1, strHash);
    const bool bKnown = m_findFile.Step();
    m_findFile.Reset();
    if (bKnown) return {ImportStatus::AlreadyPresent, Rejection::None, {}};

    const CarIdentity::Choice car = m_cars.CarFor(codes, strHash);
    m_addSubmission.Bind(1, strHash)
        .Bind(2, StoredText(strFileName, EncodingOf(strFileName)))
        .Bind(3, m_strImportedAt)
        .Bind(4, car.nCarId)
        .Bind(5, strVersion)
        .Bind(6, strSavedDate)
        .Bind(7, strDecodeText);
    for (size_t i = 0; i < kCodeFieldCount; ++i) m_addSubmission.Bind(static_cast<int>(8 + i), codes[i]);
    m_addSubmission.Step();
    m_addSubmission.Reset();
    if (!car.bNew) m_cars.Refresh(car.nCarId);
    return {ImportStatus::Imported, Rejection::None, {}};
}

ImportOutcome RegistryImporter::ImportFile(const std::string& strPath, bool bByName) {
    const SmallFile read = ReadSmallRegularFile(strPath, kMaxDecodeFileSize);
    if (!read.bytes && !read.bTooLarge) return Rejected(Rejection::Unreadable, "cannot be read: " + read.strReason);
    const ImportOutcome outcome = read.bTooLarge ? Rejected(Rejection::TooLarge, std::string(kTooLargeReason))
                                                 : ImportBytes(strPath, *read.bytes);
    // Only its content could make it a decode file, and it does not.
    const bool bOther = outcome.rejection == Rejection::TooLarge || outcome.rejection == Rejection::HoldsNul ||
                        outcome.rejection == Rejection::NotDecodeFile;
    if (!bByName && bOther) return {ImportStatus::NotDecodeFile, outcome.rejection, {}};
    return outcome;
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
