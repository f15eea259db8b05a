#include "registry/car_identity.h"

#include <sqlite3.h>

#include <string>
#include <vector>

#include "registry/car_key.h"
#include "registry/submission_hash.h"

namespace vexlor {
namespace {

constexpr int64_t kNoCar = 0;

std::string UpdateSql() {
    std::string strSql = "UPDATE car SET submission_count = ?1, body_key = ?2";
    for (size_t i = 0; i < kCodeFieldCount; ++i) {
        strSql += ", " + std::string(kCodeFields[i].strColumn) + " = ?" + std::to_string(4 + i);
    }
    return strSql + " WHERE car_id = ?3";
}

std::string AddSql() {
    std::string strValues;
    for (size_t i = 0; i < kCodeFieldCount; ++i) strValues += ", ?" + std::to_string(4 + i);
    return "INSERT INTO car (car_key, key_kind, body_key, submission_count" + CarCodeColumns() +
           ") VALUES (?1, ?2, ?3, 1" + strValues + ")";
}

}  // namespace

std::string CarCodeColumns() {
    std::string strColumns;
    for (const CodeFieldInfo& info : kCodeFields) strColumns += ", " + std::string(info.strColumn);
    return strColumns;
}

CarIdentity::CarIdentity(Database& db)
    : m_db(db),
      m_find(db, "SELECT car_id FROM car WHERE key_kind = ?1 AND car_key = ?2"),
      m_findByBody(db, "SELECT car_id FROM car WHERE key_kind = 'vin' AND body_key = ?1 LIMIT 2"),
      m_add(db, AddSql()),
      m_rekey(db, "UPDATE car SET key_kind = 'vin', car_key = ?2 WHERE car_id = ?1"),
      m_moveSubmissions(db, "UPDATE submission SET car_id = ?2 WHERE car_id = ?1"),
      m_remove(db, "DELETE FROM car WHERE car_id = ?1"),
      m_submissions(db, "SELECT 1" + CarCodeColumns() + " FROM submission WHERE car_id = ?1 ORDER BY submission_id"),
      m_update(db, UpdateSql()) {}

int64_t CarIdentity::Find(std::string_view strKind, std::string_view strKey) {
    m_find.BindKept(1, strKind).BindKept(2, strKey);
    const int64_t nCarId = m_find.Step() ? m_find.Int(0) : kNoCar;
    m_find.Reset();
    return nCarId;
}

CarIdentity::Choice CarIdentity::Add(std::string_view strKind, std::string_view strKey, std::string_view strBodyKey,
                                     const TagCodes& codes) {
    m_add.BindKept(1, strKey).BindKept(2, strKind).BindKept(3, strBodyKey);
    for (size_t i = 0; i < kCodeFieldCount; ++i) m_add.BindKept(static_cast<int>(4 + i), codes[i]);
    m_add.Step();
    m_add.Reset();
    return {sqlite3_last_insert_rowid(m_db.Handle()), true};
}

CarIdentity::Choice CarIdentity::CarFor(const TagCodes& codes, std::string_view strHash) {
    const std::string strVin = VinKeyOf(codes);
    const std::string strBody = BodyKeyOf(codes);
    const int64_t nBodyCar = strBody.empty() ? kNoCar : Find("body", strBody);
    if (!strVin.empty()) {
        const int64_t nVinCar = Find("vin", strVin);
        if (nVinCar == kNoCar && nBodyCar == kNoCar) return Add("vin", strVin, strBody, codes);
        if (nVinCar == kNoCar) {
            m_rekey.Bind(1, nBodyCar).Bind(2, strVin);
            m_rekey.Step();
            m_rekey.Reset();
            return {nBodyCar, false};
        }
        if (nBodyCar != kNoCar) {
            m_moveSubmissions.Bind(1, nBodyCar).Bind(2, nVinCar);
            m_moveSubmissions.Step();
            m_moveSubmissions.Reset();
            m_remove.Bind(1, nBodyCar);
            m_remove.Step();
            m_remove.Reset();
        }
        return {nVinCar, false};
    }
    if (!strBody.empty()) {
        if (nBodyCar != kNoCar) return {nBodyCar, false};
        // The one VIN car with this body number; with two, the file cannot tell which.
        m_findByBody.Bind(1, strBody);
        int64_t nCarId = m_findByBody.Step() ? m_findByBody.Int(0) : kNoCar;
        if (m_findByBody.Step()) nCarId = kNoCar;
        m_findByBody.Reset();
        return nCarId != kNoCar ? Choice{nCarId, false} : Add("body", strBody, strBody, codes);
    }
    return Add("file", strHash, "", codes);  // the hash is new, or the file would be present
}

void CarIdentity::Refresh(int64_t nCarId) {
    TagCodes summary;
    int64_t nCount = 0;
    m_submissions.Bind(1, nCarId);
    while (m_submissions.Step()) {
        ++nCount;
        for (size_t i = 0; i < kCodeFieldCount; ++i) {
            const std::string_view strCode = m_submissions.Text(1 + static_cast<int>(i));
            if (IsKnownCode(i, strCode) || !IsKnownCode(i, summary[i])) summary[i] = strCode;
        }
    }
    m_submissions.Reset();
    m_update.Bind(1, nCount).Bind(2, BodyKeyOf(summary)).Bind(3, nCarId);
    for (size_t i = 0; i < kCodeFieldCount; ++i) m_update.Bind(static_cast<int>(4 + i), summary[i]);
    m_update.Step();
    m_update.Reset();
}

void RederiveCars(Database& db) {
    std::vector<int64_t> ids;
    {
        Statement all(db, "SELECT submission_id FROM submission ORDER BY submission_id");
        while (all.Step()) ids.push_back(all.Int(0));
    }
    // No submission has a car until it is given one again in its turn.
    db.Execute("UPDATE submission SET car_id = -1");
    CarIdentity cars(db);
    Statement read(db, "SELECT version, saved_date, decode_text" + CarCodeColumns() +
                           " FROM submission WHERE submission_id = ?1");
    Statement known(db, "SELECT 1 FROM submission WHERE sha256 = ?1 AND car_id <> -1");
    Statement drop(db, "DELETE FROM submission WHERE submission_id = ?1");
    Statement assign(db, "UPDATE submission SET sha256 = ?2, car_id = ?3 WHERE submission_id = ?1");
    for (const int64_t nId : ids) {
        read.Bind(1, nId);
        read.Step();
        TagCodes codes;
        for (size_t i = 0; i < kCodeFieldCount; ++i) codes[i] = read.Text(3 + static_cast<int>(i));
        const std::string strHash = SubmissionHash(read.Text(0), codes, read.Text(1), read.Text(2));
        read.Reset();
        known.Bind(1, strHash);
        const bool bCopy = known.Step();
        known.Reset();
        if (bCopy) {
            drop.Bind(1, nId);
            drop.Step();
            drop.Reset();
            continue;
        }
        const CarIdentity::Choice car = cars.CarFor(codes, strHash);
        assign.Bind(1, nId).Bind(2, strHash).Bind(3, car.nCarId);
        assign.Step();
        assign.Reset();
        if (!car.bNew) cars.Refresh(car.nCarId);
    }
}

}  // namespace vexlor
