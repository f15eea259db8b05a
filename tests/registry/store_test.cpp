// The registry store: one submission per distinct file, the car it belongs
// to, conflicts between a car's files, two imports at once, and hostile text
// kept as data.
#include <gtest/gtest.h>

#include <thread>

#include "registry/car_key.h"
#include "registry_test_support.h"
#include "support/tag.h"

namespace vexlor {
namespace {

using testing_support::Tag;

const TagFields kCar69 = Tag({{"year", "1969"}, {"vin", "124379N"}, {"serial", "612345"}, {"style", "69-12437"},
                              {"plant", "NOR"}, {"trim", "711"}, {"paint", "10"}, {"top", "10"}});

TagFields Repainted(TagFields fields, const std::string& strPaint) {
    fields.strLowerPaint = fields.strTopPaint = strPaint;
    return fields;
}

TEST(RegistryStore, ImportingTheSameFilesAgainAddsNothing) {
    test::TempDir dir;
    test::WriteFile(dir / "in/a.txt", test::DecodeFileOf(kCar69));
    test::WriteFile(dir / "in/sub/b.txt", test::DecodeFileOf(Tag({{"year", "1967"}, {"body", "65727"}})));
    test::WriteFile(dir / "in/sub/copy of a.TXT", test::DecodeFileOf(kCar69));
    test::WriteFile(dir / "in/notes.doc", "not looked at");
    EXPECT_EQ(test::RunRegistryWith({"import", dir / "db", dir / "in"}).strOut,
              "2 imported, 1 already present, 0 rejected\n");
    const test::RegistryRun again = test::RunRegistryWith({"import", dir / "db", dir / "in", dir / "in/a.txt"});
    EXPECT_EQ(again.strOut, "0 imported, 4 already present, 0 rejected\n");
    EXPECT_EQ(again.nStatus, 0);
    EXPECT_EQ(test::RunRegistryWith({"list", dir / "db"}).strOut,
              "Key            Year  Style           Plant    Body    Paint               Trim                         "
              "    Built   Submissions\n"
              "124379N612345  1969  69-12437 Coupe  Norwood  ______  10-10 Tuxedo Black  711 Standard Black Bucket "
              "Seats  (none)            1\n"
              "7B__065727     1967  67-12__7        (none)   065727   -                  (none)                       "
              "    (none)            1\n");
}

TEST(CarKey, VinKeyThenBodyNumberThenTheFilesHash) {
    struct Case {
        const char* pszPrefix;
        const char* pszTail;
        const char* pszPlantBody;
        CarKey key;
    };
    const Case cases[] = {
        {"12437", "7N100001", "N065727", {"124377N100001", CarKeyKind::Vin}},
        {"12__7", "7_100001", "_______", {"12__77_100001", CarKeyKind::Vin}},
        {"12437", "7N10000_", "N065727", {"7B_N065727", CarKeyKind::Body}},
        {"12_37", "8L3_____", "L123456", {"8B_L123456", CarKeyKind::Body}},
        {"12_37", "9N______", "N12345_", {"hash", CarKeyKind::File}},
        {"12_37", "7_______", "_______", {"hash", CarKeyKind::File}},
        {"12437", "7N100001X", "N", {"hash", CarKeyKind::File}},
        {"", "", "N1", {"_B_N1", CarKeyKind::Body}},
    };
    for (const Case& c : cases) {
        TagCodes codes;
        codes[kVinPrefixField] = c.pszPrefix;
        codes[kVinTailField] = c.pszTail;
        codes[kPlantBodyField] = c.pszPlantBody;
        EXPECT_EQ(CarKeyOf(codes, "hash"), c.key) << c.pszTail << ' ' << c.pszPlantBody;
    }
}

TEST(RegistryStore, TwoFilesOfOneCarThatDifferAreAConflict) {
    test::TempDir dir;
    test::WriteFile(dir / "a.txt", test::DecodeFileOf(kCar69));
    test::WriteFile(dir / "b.txt", test::DecodeFileOf(Repainted(kCar69, "72")));
    test::WriteFile(dir / "c.txt", test::DecodeFileOf(Tag({{"year", "1967"}, {"body", "65727"}})));
    test::RunRegistryWith({"import", dir / "db", dir / "a.txt", dir / "b.txt", dir / "c.txt"});
    EXPECT_EQ(test::RunRegistryWith({"conflicts", dir / "db"}).strOut,
              "124379N612345\n"
              "  paint  10-10  " + (dir / "a.txt") + "\n"
              "         72-72  " + (dir / "b.txt") + "\n"
              "\n"
              "1 car with conflicts\n");
}

TEST(RegistryStore, TwoImportsAtOnceBothSucceedAndAddEachFileOnce) {
    test::TempDir dir;
    for (int i = 0; i < 6; ++i) {
        TagFields fields = kCar69;
        fields.strSerial = std::to_string(612340 + i);
        test::WriteFile(dir / ("in/" + std::to_string(i) + ".txt"), test::DecodeFileOf(fields));
    }
    auto import = [&](int nFirst, test::RegistryRun& run) {  // files nFirst to nFirst + 3
        std::vector<std::string> args = {"import", dir / "db"};
        for (int i = nFirst; i < nFirst + 4; ++i) args.push_back(dir / ("in/" + std::to_string(i) + ".txt"));
        run = test::RunRegistryWith(args);
    };
    test::RegistryRun first, second;
    std::thread one(import, 0, std::ref(first)), two(import, 2, std::ref(second));
    one.join();
    two.join();
    EXPECT_EQ(first.nStatus, 0) << first.strErr;
    EXPECT_EQ(second.nStatus, 0) << second.strErr;
    EXPECT_EQ(first.strOut.substr(0, 2) == "4 " ? second.strOut : first.strOut,
              "2 imported, 2 already present, 0 rejected\n");
    const std::string strCounts = R"({"cars":6,"submissions":6,)";
    EXPECT_EQ(test::RunRegistryWith({"stats", dir / "db", "--json"}).strOut.substr(0, strCounts.size()), strCounts);
}

TEST(RegistryStore, HostileTextIsStoredAndShownAsData) {
    DecodeResult hostile;
    hostile.m_strVinPrefix = "12437";
    hostile.m_strVinTail = "7N100001";
    hostile.m_strSchedCode = "'; DROP TABLE car; --";
    hostile.m_strStyleCode = "\"67\";12437";
    hostile.m_strPaintCode = "\x1B[2J\x07\xC2\x9B";
    hostile.m_strOptionCodes = std::string(200000, 'Z');
    hostile.m_strBuildDate = "01A = Built the First week of January.";
    hostile.m_strPlant = "\x1B]0;owned\x07";
    test::TempDir dir;
    test::WriteFile(dir / "hostile.txt", test::DecodeFileOf(hostile));
    EXPECT_EQ(test::RunRegistryWith({"import", dir / "db", dir / "hostile.txt"}).nStatus, 0);

    const std::string strCsv = test::RunRegistryWith({"export", dir / "db", "--csv"}).strOut;
    EXPECT_NE(strCsv.find(",'; DROP TABLE car; --,\"\"\"67\"\";12437\",,,\x1B[2J\x07\xC2\x9B," +
                          std::string(200000, 'Z') + ","),
              std::string::npos);
    EXPECT_NE(test::RunRegistryWith({"list", dir / "db"}).strOut.find("\n124377N100001  1967  \"67\";12437 Standard Interior Coupe  "),
              std::string::npos);
}

}  // namespace
}  // namespace vexlor
