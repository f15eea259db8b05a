// One car counted once: the files of one car found by VIN or by year, plant
// and body number, cars merged when a file shows they are one, each summary
// code from the latest file that has one, and copies of a file known as such.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "registry/car_key.h"
#include "registry/registry_importer.h"
#include "registry/submission_hash.h"
#include "registry/registry_queries.h"
#include "registry/registry_schema.h"
#include "registry_test_support.h"
#include "support/tag.h"

namespace vexlor {
namespace {

using testing_support::Tag;

TagFields Car(const char* pszYear, const char* pszPlant, const char* pszBody, const char* pszVin = "",
              const char* pszSerial = "", const char* pszPaint = "") {
    return Tag({{"year", pszYear}, {"plant", pszPlant}, {"body", pszBody}, {"vin", pszVin}, {"serial", pszSerial},
                {"paint", pszPaint}, {"top", pszPaint}});
}

// Each car as "key kind submissions paint".
std::vector<std::string> CarsAfter(const std::vector<TagFields>& files) {
    test::TempDir dir;
    Database db = OpenRegistry(dir / "db", true);
    RegistryImporter importer(db, "2005-07-04T12:00:00Z");
    for (size_t i = 0; i < files.size(); ++i) {
        EXPECT_EQ(importer.ImportBytes(std::to_string(i), test::DecodeFileOf(files[i])).status, ImportStatus::Imported);
    }
    std::vector<std::string> cars;
    ForEachCar(db, {}, [&](const CarRow& car) {
        cars.push_back(car.strKey + " " + car.strKind + " " + std::to_string(car.nSubmissions) + " " +
                       car.codes[kPaintField]);
    });
    return cars;
}

TEST(CarIdentity, FilesOfOneCarMakeOneCarWithTheLatestKnownCodes) {
    const TagFields body = Car("1969", "NOR", "012345");
    const TagFields vin = Car("1969", "NOR", "012345", "124379N", "612345");
    const TagFields vinWithoutBody = Car("1969", "NOR", "", "124379N", "612345");
    struct Case {
        const char* pszRule;
        std::vector<TagFields> files;
        std::vector<std::string> cars;
    };
    const Case cases[] = {
        {"a VIN file joins the car of its body number", {body, vin}, {"124379N612345 vin 2  - "}},
        {"a body file joins the car of its VIN", {vin, body}, {"124379N612345 vin 2  - "}},
        {"a VIN file merges the car of its VIN and the car of its body number",
         {vinWithoutBody, body, vin}, {"124379N612345 vin 3  - "}},
        {"body numbers of other years or plants are other cars",
         {body, Car("1968", "NOR", "012345"), Car("1969", "LOS", "012345")},
         {"8B_N012345 body 1  - ", "9B_L012345 body 1  - ", "9B_N012345 body 1  - "}},
        {"two VINs are two cars, and a body file they share joins neither",
         {vin, Car("1969", "NOR", "012345", "124379N", "612346"), Car("1969", "NOR", "012345", "", "", "72")},
         {"124379N612345 vin 1  - ", "124379N612346 vin 1  - ", "9B_N012345 body 1 72-72"}},
        {"an empty paint does not replace a known one",
         {Car("1969", "NOR", "012345", "", "", "10"), body}, {"9B_N012345 body 2 10-10"}},
        {"a later known paint replaces an earlier one",
         {Car("1969", "NOR", "012345", "", "", "10"), Car("1969", "NOR", "012345", "124379N", "612345", "72")},
         {"124379N612345 vin 2 72-72"}},
        {"files with neither VIN nor body number are cars of their own",
         {Car("1969", "", "", "", "", "10"), Car("1969", "", "", "", "", "72")}, {}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> cars = CarsAfter(c.files);
        if (c.cars.empty()) {
            EXPECT_EQ(cars.size(), c.files.size()) << c.pszRule;
            continue;
        }
        EXPECT_EQ(cars, c.cars) << c.pszRule;
    }
}

TEST(CarIdentity, ACodeIsKnownWhenItHasNoUnreadCharacterAndThePaintATop) {
    const struct {
        size_t nField;
        const char* pszCode;
        bool bKnown;
    } cases[] = {
        {kVinTailField, "9N612345", true}, {kVinTailField, "9N______", false}, {kDateField, "____", false},
        {kTrimField, "760-", true},        {kTrimField, "", false},           {kTrimField, "  ", false},
        {kPaintField, "10-10", true},      {kPaintField, "--A", true},        {kPaintField, " - ", false},
        {kPaintField, "10- ", false},      {kOptionsField, "0- ", true},      {kStyleField, "69-12__7", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsKnownCode(c.nField, c.pszCode), c.bKnown) << c.pszCode;
}

TEST(CarIdentity, AFileThatDiffersOnlyInLineEndsBlanksOrWhatFollowsTheTextIsAlreadyPresent) {
    const std::string strFile = test::DecodeFileOf(Car("1969", "NOR", "012345"));
    auto replaced = [](std::string strText, const std::string& strFrom, const std::string& strTo) {
        for (size_t nPos = 0; (nPos = strText.find(strFrom, nPos)) != std::string::npos; nPos += strTo.size()) {
            strText.replace(nPos, strFrom.size(), strTo);
        }
        return strText;
    };
    const std::string copies[] = {
        replaced(strFile, "\r\n", "\n"),
        "\xEF\xBB\xBF" + strFile,
        replaced(strFile, "\r\n", "  \r\n"),
        strFile + "-- \r\nSent from my phone\r\n",
    };
    test::TempDir dir;
    Database db = OpenRegistry(dir / "db", true);
    RegistryImporter importer(db, "2005-07-04T12:00:00Z");
    EXPECT_EQ(importer.ImportBytes("car.txt", strFile).status, ImportStatus::Imported);
    for (const std::string& strCopy : copies) {
        EXPECT_EQ(importer.ImportBytes("copy.txt", strCopy).status, ImportStatus::AlreadyPresent) << strCopy;
    }
}

TEST(CarIdentity, FieldsThatDifferOnlyInWhereTheyEndAreTwoSubmissions) {
    TagCodes one, other;
    one[0] = "7N\x1F";
    one[1] = "01A";
    other[0] = "7N";
    other[1] = "\x1F" "01A";
    EXPECT_NE(SubmissionHash("1", one, "", ""), SubmissionHash("1", other, "", ""));
    EXPECT_NE(SubmissionHash("1", one, "a", ""), SubmissionHash("1", one, "", "a"));
}

TEST(CarIdentity, AnOlderRegistryHasItsCarsDerivedAgainAndItsCopiesDropped) {
    test::TempDir dir;
    test::WriteFile(dir / "body.txt", test::DecodeFileOf(Car("1969", "NOR", "012345")));
    test::WriteFile(dir / "vin.txt", test::DecodeFileOf(Car("1969", "NOR", "012345", "124379N", "612345")));
    test::RunRegistryWith({"import", dir / "db", dir / "body.txt", dir / "vin.txt"});
    {
        // As the older schema left them: two cars, submissions known by their bytes, one a copy.
        Database db(dir / "db", false);
        db.Execute("UPDATE submission SET sha256 = printf('%064d', submission_id);"
                   "INSERT INTO car (car_key, key_kind, body_key, submission_count, vin_prefix, vin_tail, date_code,"
                   " sched_code, style_code, plant_body, trim_code, paint_code, option_codes)"
                   " VALUES ('9B_N012345', 'body', '', 1, '', '', '', '', '', '', '', '', '');"
                   "UPDATE submission SET car_id = last_insert_rowid() WHERE submission_id = 1;"
                   "INSERT INTO submission SELECT 3, printf('%064d', 3), 'copy.txt', imported_at, car_id, version,"
                   " vin_prefix, vin_tail, date_code, sched_code, style_code, plant_body, trim_code, paint_code,"
                   " option_codes, saved_date, decode_text FROM submission WHERE submission_id = 2;"
                   "PRAGMA user_version = 1");
    }
    EXPECT_EQ(test::RunRegistryWith({"stats", dir / "db", "--json"}).strOut.substr(0, 26),
              R"({"cars":1,"submissions":2,)");
}

}  // namespace
}  // namespace vexlor
