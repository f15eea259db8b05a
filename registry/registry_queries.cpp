#include "registry/registry_queries.h"

#include <algorithm>

#include "decoder/text.h"
#include "registry/car_identity.h"

namespace vexlor {
namespace {

// ", s.vin_prefix, s.vin_tail, ...": the code columns in kCodeFields order.
std::string CodeColumns() {
    std::string strColumns;
    for (const CodeFieldInfo& info : kCodeFields) strColumns += ", s." + std::string(info.strColumn);
    return strColumns;
}

void ReadCodes(const Statement& row, int nFirstColumn, TagCodes& codes) {
    for (size_t i = 0; i < kCodeFieldCount; ++i) codes[i] = row.Text(nFirstColumn + static_cast<int>(i));
}

std::string SubmissionSql(std::string_view strWhere, std::string_view strOrder) {
    return "SELECT c.car_key, c.key_kind, s.sha256, s.file_name, s.imported_at, s.version, s.saved_date,"
           " s.decode_text" + CodeColumns() + " FROM submission AS s JOIN car AS c ON c.car_id = s.car_id " +
           std::string(strWhere) + " ORDER BY " + std::string(strOrder);
}

SubmissionRow ReadSubmission(const Statement& row) {
    SubmissionRow submission;
    submission.strCarKey = row.Text(0);
    submission.strKeyKind = row.Text(1);
    submission.strSha256 = row.Text(2);
    submission.strFileName = row.Text(3);
    submission.strImportedAt = row.Text(4);
    submission.strVersion = row.Text(5);
    submission.strSavedDate = row.Text(6);
    submission.strDecodeText = row.Text(7);
    ReadCodes(row, 8, submission.codes);
    return submission;
}

// The fields where the submissions of one car differ.
std::vector<FieldConflict> Differences(const std::vector<SubmissionRow>& submissions) {
    std::vector<FieldConflict> fields;
    for (size_t nField = 0; nField < kCodeFieldCount; ++nField) {
        const bool bSame = std::all_of(submissions.begin(), submissions.end(), [&](const SubmissionRow& row) {
            return row.codes[nField] == submissions.front().codes[nField];
        });
        if (bSame) continue;
        FieldConflict& conflict = fields.emplace_back();
        conflict.nField = nField;
        for (const SubmissionRow& row : submissions) conflict.values.emplace_back(row.codes[nField], row.strFileName);
    }
    return fields;
}

}  // namespace

std::string PlantName(std::string_view strPlantBody) {
    switch (CharAt(strPlantBody, 0)) {
        case 'N': return "Norwood";
        case 'L': return "Los Angeles";
        default: return {};
    }
}

std::string BodyNumber(std::string_view strPlantBody) { return std::string(SafeSubstr(strPlantBody, 1)); }

void ForEachCar(Database& db, const CarFilter& filter, const CarVisitor& onCar) {
    Statement cars(db, "SELECT car_key, key_kind, submission_count" + CarCodeColumns() +
                           " FROM car WHERE (?1 = '' OR substr(vin_tail, 1, 1) = ?1)"
                           " AND (?2 = '' OR substr(plant_body, 1, 1) = ?2)"
                           " AND (?3 = '' OR style_code = ?3) AND (?4 = '' OR paint_code = ?4)"
                           " ORDER BY car_key, key_kind");
    cars.Bind(1, filter.strYearDigit).Bind(2, filter.strPlantLetter).Bind(3, filter.strStyle).Bind(4, filter.strPaint);
    CarRow row;
    while (cars.Step()) {
        row.strKey = cars.Text(0);
        row.strKind = cars.Text(1);
        row.nSubmissions = cars.Int(2);
        ReadCodes(cars, 3, row.codes);
        onCar(row);
    }
}

std::vector<SubmissionRow> CarSubmissions(Database& db, std::string_view strKey) {
    Statement submissions(db, SubmissionSql("WHERE c.car_key = ?1", "c.key_kind, s.submission_id"));
    submissions.Bind(1, strKey);
    std::vector<SubmissionRow> rows;
    while (submissions.Step()) rows.push_back(ReadSubmission(submissions));
    return rows;
}

void ForEachSubmission(Database& db, const std::function<void(const SubmissionRow&)>& onRow) {
    Statement submissions(db, SubmissionSql("", "s.submission_id"));
    while (submissions.Step()) onRow(ReadSubmission(submissions));
}

std::vector<CarConflict> FindConflicts(Database& db) {
    Statement submissions(db, SubmissionSql("WHERE c.submission_count > 1", "c.car_key, c.key_kind, s.submission_id"));
    std::vector<CarConflict> conflicts;
    std::vector<SubmissionRow> car;
    auto closeCar = [&] {
        if (car.empty()) return;
        std::vector<FieldConflict> fields = Differences(car);
        if (!fields.empty()) conflicts.push_back({car.front().strCarKey, std::move(fields)});
        car.clear();
    };
    while (submissions.Step()) {
        SubmissionRow row = ReadSubmission(submissions);
        if (!car.empty() && (row.strCarKey != car.front().strCarKey || row.strKeyKind != car.front().strKeyKind)) {
            closeCar();
        }
        car.push_back(std::move(row));
    }
    closeCar();
    return conflicts;
}

}  // namespace vexlor
