#pragma once
// One car counted once. A car is known by its VIN; a file without a usable
// VIN joins the car of the same year, plant and body number, and a later VIN
// file for a car known so far by its body number joins it too (two cars that
// turn out to be one are merged). A file with neither is a car of its own.
// A car's summary takes each code from its latest submission that has one.

#include <cstdint>
#include <string_view>

#include "registry/sqlite_database.h"
#include "results/code_fields.h"

namespace vexlor {

// Works inside the caller's transaction; the statements are prepared once.
class CarIdentity {
public:
    explicit CarIdentity(Database& db);

    struct Choice {
        int64_t nCarId = 0;
        bool bNew = false;  // made with these codes as its summary and one submission
    };

    // The car of a new submission with these codes, found, made or merged;
    // strHash names a car of its own.
    Choice CarFor(const TagCodes& codes, std::string_view strHash);

    // The car's count, body key and summary taken again from its submissions:
    // for every car that CarFor found rather than made, once the submission is in.
    void Refresh(int64_t nCarId);

private:
    int64_t Find(std::string_view strKind, std::string_view strKey);
    Choice Add(std::string_view strKind, std::string_view strKey, std::string_view strBodyKey, const TagCodes& codes);

    Database& m_db;
    Statement m_find;
    Statement m_findByBody;
    Statement m_add;
    Statement m_rekey;
    Statement m_moveSubmissions;
    Statement m_remove;
    Statement m_submissions;
    Statement m_update;
};

// Every submission, in the order they came in, given its car again and known
// by its SubmissionHash; a later copy of an earlier submission is dropped.
void RederiveCars(Database& db);

// The car columns of the summary, each as its code: ", vin_prefix, ...".
std::string CarCodeColumns();

}  // namespace vexlor
