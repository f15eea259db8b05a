#pragma once
// What the registry is asked: its cars, a car's submissions and the cars
// whose submissions differ.
// Where a car's submissions differ, each code of its latest submission that
// has one speaks for it in the list and the counts.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "results/code_fields.h"
#include "registry/sqlite_database.h"

namespace vexlor {

// The plant of the plant letter: "Norwood", "Los Angeles" or "".
std::string PlantName(std::string_view strPlantBody);
// The body number after the plant letter.
std::string BodyNumber(std::string_view strPlantBody);

// Empty members take every car.
struct CarFilter {
    std::string strYearDigit;    // "7", "8" or "9"
    std::string strPlantLetter;  // "N" or "L"
    std::string strStyle;        // style code, such as 67-12437
    std::string strPaint;        // paint code, such as R-R
};

struct CarRow {
    std::string strKey;
    std::string strKind;  // "vin", "body" or "file"
    TagCodes codes;       // each from its latest submission that has one
    int64_t nSubmissions = 0;
};

// The cars that fit, one at a time in key order, so that none is held.
using CarVisitor = std::function<void(const CarRow&)>;
void ForEachCar(Database& db, const CarFilter& filter, const CarVisitor& onCar);
// Cars for a writer that takes them as they come: calls its visitor for each.
using CarSource = std::function<void(const CarVisitor&)>;

struct SubmissionRow {
    std::string strCarKey;
    std::string strKeyKind;
    std::string strSha256;
    std::string strFileName;
    std::string strImportedAt;
    std::string strVersion;
    std::string strSavedDate;
    TagCodes codes;
    std::string strDecodeText;
};

// Every submission of the cars with this key, in the order they came in.
std::vector<SubmissionRow> CarSubmissions(Database& db, std::string_view strKey);

// Every submission in the order they came in, one at a time.
void ForEachSubmission(Database& db, const std::function<void(const SubmissionRow&)>& onRow);

// One code that differs between the submissions of a car: each submission's
// value, with the file it came from.
struct FieldConflict {
    size_t nField = 0;  // into kCodeFields
    std::vector<std::pair<std::string, std::string>> values;  // value, file name
};

struct CarConflict {
    std::string strKey;
    std::vector<FieldConflict> fields;
};

// The cars whose submissions carry different codes, in key order.
std::vector<CarConflict> FindConflicts(Database& db);

}  // namespace vexlor
