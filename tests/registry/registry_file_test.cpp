// The registry file itself: what is no registry is refused and left as it
// was, damage is found, a second import waits aloud, and an interrupted
// import keeps what it has done.
#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <fstream>
#include <sstream>
#include <thread>

#include "registry/sqlite_database.h"
#include "registry_test_support.h"
#include "support/tag.h"

namespace vexlor {
namespace {

using testing_support::Tag;

std::string FileBytes(const std::string& strPath) {
    std::ostringstream bytes;
    bytes << std::ifstream(strPath, std::ios::binary).rdbuf();
    return bytes.str();
}

TEST(RegistryFile, WhatIsNoRegistryIsRefusedAndLeftAsItWas) {
    test::TempDir dir;
    test::WriteFile(dir / "car.txt", test::DecodeFileOf(Tag({{"year", "1969"}})));
    Database(dir / "foreign", true).Execute("CREATE TABLE t (x)");
    Database(dir / "minus", true).Execute("PRAGMA user_version = -1");
    test::RunRegistryWith({"import", dir / "newer", dir / "car.txt"});
    Database(dir / "newer", false).Execute("PRAGMA user_version = 3");
    const std::pair<std::string, std::string> cases[] = {
        {"foreign", "the database holds tables of its own: it is not a vexlor registry\n"},
        {"minus", "the registry has schema version -1; this vexlor-registry knows versions up to 2: "
                  "use a newer vexlor-registry\n"},
        {"newer", "the registry has schema version 3; this vexlor-registry knows versions up to 2: "
                  "use a newer vexlor-registry\n"},
        {"", "it is a folder, not a registry\n"},
        {"none/db", "its folder " + (dir / "none/") + " does not exist\n"},
    };
    for (const auto& [strName, strMessage] : cases) {
        const std::string strPath = dir / strName;
        const std::string strBefore = FileBytes(strPath);
        const test::RegistryRun run = test::RunRegistryWith({"import", strPath, dir / "car.txt"});
        EXPECT_EQ(run.strErr, "vexlor-registry: " + strPath + ": " + strMessage);
        EXPECT_EQ(run.nStatus, 1);
        EXPECT_EQ(FileBytes(strPath), strBefore) << strName;
    }
    for (size_t i : {1, 3}) {  // readers too
        const std::string strPath = dir / cases[i].first;
        EXPECT_EQ(test::RunRegistryWith({"list", strPath}).strErr, "vexlor-registry: " + strPath + ": " + cases[i].second);
    }
}

TEST(RegistryFile, ARegistryPathMayHoldAnyCharacter) {
    test::TempDir dir;
    test::WriteFile(dir / "car.txt", test::DecodeFileOf(Tag({{"year", "1969"}})));
    const std::string strPath = dir / "a?mode=ro#b%41 z\xE9.db";
    EXPECT_EQ(test::RunRegistryWith({"import", strPath, dir / "car.txt"}).nStatus, 0);
    EXPECT_EQ(test::RunRegistryWith({"stats", strPath, "--json"}).strOut.substr(0, 10), R"({"cars":1,)");
    EXPECT_EQ(test::RunRegistryWith({"stats", strPath}).strOut.substr(0, 20), "1 car, 1 submission\n");
    EXPECT_EQ(access(strPath.c_str(), F_OK), 0);
}

TEST(RegistryFile, CheckFindsDamageAndAnImportRefusesADamagedRegistry) {
    test::TempDir dir;
    for (int i = 0; i < 40; ++i) {
        test::WriteFile(dir / ("in/" + std::to_string(i) + ".txt"),
                        test::DecodeFileOf(Tag({{"year", "1969"}, {"vin", "124379N"}, {"serial", std::to_string(600000 + i)},
                                                {"trim", std::string(300, 'T')}})));
    }
    test::RunRegistryWith({"import", dir / "db", dir / "in"});
    EXPECT_EQ(test::RunRegistryWith({"check", dir / "db"}).strOut, "the registry is sound\n");
    {   // The index's pages, overwritten.
        Database db(dir / "db", false);
        Statement root(db, "SELECT rootpage FROM sqlite_schema WHERE name = 'submission_by_car'");
        ASSERT_TRUE(root.Step());
        std::fstream file(dir / "db", std::ios::in | std::ios::out | std::ios::binary);
        file.seekp((root.Int(0) - 1) * 4096 + 8);
        file << std::string(64, '\xFF');
    }
    const test::RegistryRun check = test::RunRegistryWith({"check", dir / "db"});
    EXPECT_NE(check.strOut, "");
    EXPECT_EQ(check.nStatus, 1);
    test::WriteFile(dir / "new.txt", test::DecodeFileOf(Tag({{"year", "1967"}})));
    const test::RegistryRun import = test::RunRegistryWith({"import", dir / "db", dir / "new.txt"});
    EXPECT_EQ(import.strErr.substr(0, import.strErr.find('(')),
              "vexlor-registry: " + (dir / "db") + ": the registry is damaged ");
    EXPECT_NE(import.strErr.find("); nothing was imported: see vexlor-registry check\n"), std::string::npos);
    EXPECT_EQ(import.nStatus, 1);
}

TEST(RegistryFile, ASecondImportSaysItWaitsAndGivesUpAfterItsWait) {
    test::TempDir dir;
    test::WriteFile(dir / "car.txt", test::DecodeFileOf(Tag({{"year", "1969"}})));
    test::RunRegistryWith({"import", dir / "db", dir / "none"});
    Database holder(dir / "db", false);
    holder.Execute("BEGIN IMMEDIATE");
    const test::RegistryRun run = test::RunRegistryWith({"import", dir / "db", dir / "car.txt", "--wait", "2"});
    EXPECT_EQ(run.strErr, "vexlor-registry: waiting for another import to finish\n"
                          "vexlor-registry: " + (dir / "db") + ": another program still holds the database\n");
    EXPECT_EQ(run.nStatus, 1);
    holder.Execute("COMMIT");
    EXPECT_EQ(test::RunRegistryWith({"import", dir / "db", dir / "car.txt", "--wait=0"}).nStatus, 0);
}

TEST(RegistryFile, AnInterruptedImportKeepsWhatItDidAndSaysSo) {
    test::TempDir dir;
    test::WriteFile(dir / "in/a.txt", test::DecodeFileOf(Tag({{"year", "1969"}, {"body", "1"}})));
    test::WriteFile(dir / "in/b.txt", test::DecodeFileOf(Tag({{"year", "1969"}, {"body", "2"}})));
    const std::atomic<bool> bInterrupted{true};
    const test::RegistryRun run = test::RunRegistryWith({"import", dir / "db", dir / "in", dir / "x"}, false, &bInterrupted);
    EXPECT_EQ(run.strOut, "1 imported, 0 already present, 0 rejected (interrupted)\n");
    EXPECT_EQ(run.nStatus, 130);
    EXPECT_EQ(test::RunRegistryWith({"import", dir / "db", dir / "in"}).strOut, "1 imported, 1 already present, 0 rejected\n");
}

}  // namespace
}  // namespace vexlor
