// The registry as a user with few rights: reading a registry that user can
// only read, and the folders the import cannot enter. Run as root, the test
// runs vexlor-registry as the user nobody, since root may enter anything.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "registry/sqlite_database.h"
#include "registry_test_support.h"
#include "support/tag.h"

namespace vexlor {
namespace {

using testing_support::Tag;

// vexlor-registry run as a user other than root, its output and status.
std::optional<test::RegistryRun> RunAsUser(const std::vector<std::string>& args, const std::string& strDir) {
    std::string strCommand;
    if (getuid() == 0) {
        if (access("/usr/bin/setpriv", X_OK) != 0) return std::nullopt;
        strCommand = "/usr/bin/setpriv --reuid=65534 --regid=65534 --clear-groups ";
    }
    strCommand += VEXLOR_REGISTRY_PATH;
    for (const std::string& strArg : args) strCommand += " '" + strArg + "'";
    strCommand += " 2>'" + strDir + "/err'";
    FILE* pipe = popen(strCommand.c_str(), "r");
    test::RegistryRun run;
    std::array<char, 4096> buffer{};
    for (size_t nRead; (nRead = fread(buffer.data(), 1, buffer.size(), pipe)) > 0;) run.strOut.append(buffer.data(), nRead);
    const int nWait = pclose(pipe);
    run.nStatus = WIFEXITED(nWait) ? WEXITSTATUS(nWait) : -1;
    FILE* err = fopen((strDir + "/err").c_str(), "r");
    for (size_t nRead; err && (nRead = fread(buffer.data(), 1, buffer.size(), err)) > 0;) run.strErr.append(buffer.data(), nRead);
    if (err) fclose(err);
    return run;
}

TEST(RegistryRights, EveryReaderWorksOnARegistryItCanOnlyRead) {
    test::TempDir dir;
    chmod((dir / "").c_str(), 0755);
    test::WriteFile(dir / "a.txt", test::DecodeFileOf(Tag({{"year", "1969"}, {"vin", "124379N"}, {"serial", "612345"}})));
    test::WriteFile(dir / "b.txt", test::DecodeFileOf(Tag({{"year", "1969"}, {"vin", "124379N"}, {"serial", "612345"},
                                                           {"paint", "72"}})));
    mkdir((dir / "ro").c_str(), 0755);
    mkdir((dir / "w").c_str(), 0777);
    chmod((dir / "w").c_str(), 0777);
    ASSERT_EQ(test::RunRegistryWith({"import", dir / "ro/db", dir / "a.txt", dir / "b.txt"}).nStatus, 0);
    ASSERT_EQ(access((dir / "ro/db-wal").c_str(), F_OK), -1);  // the import left everything in the file
    chmod((dir / "ro/db").c_str(), 0444);
    chmod((dir / "ro").c_str(), 0555);
    const std::vector<std::vector<std::string>> commands = {
        {"list", dir / "ro/db"}, {"stats", dir / "ro/db"},           {"show", dir / "ro/db", "124379N612345"},
        {"conflicts", dir / "ro/db"}, {"export", dir / "ro/db", "--csv"}, {"check", dir / "ro/db"},
        {"search", dir / "ro/db", "612345"}, {"report", dir / "ro/db", "--html", dir / "w/report.html"},
    };
    // The first reader finds no journal files and cannot make them; the root
    // runs beside the later ones leave them behind, read-only to the others.
    for (const std::vector<std::string>& args : commands) {
        const std::optional<test::RegistryRun> run = RunAsUser(args, dir / "");
        if (!run) GTEST_SKIP() << "setpriv is missing: cannot run as another user";
        const test::RegistryRun expected = test::RunRegistryWith(args);
        EXPECT_EQ(run->strErr, "") << args[0];
        EXPECT_EQ(run->strOut, expected.strOut) << args[0];
        EXPECT_EQ(run->nStatus, 0) << args[0];
    }
    // An empty journal left beside it holds nothing to read in.
    test::WriteFile(dir / "ro/db-wal", "");
    const std::optional<test::RegistryRun> run = RunAsUser({"list", dir / "ro/db"}, dir / "");
    EXPECT_EQ(run->strErr, "");
    EXPECT_EQ(run->strOut, test::RunRegistryWith({"list", dir / "ro/db"}).strOut);
}

// Left by an import that was killed: the journal holds what only a user who
// may write the folder can read in, so the reader says so instead of reading
// the file without it.
TEST(RegistryRights, AReaderRefusesAJournalWithChangesItCannotReadIn) {
    test::TempDir dir;
    chmod((dir / "").c_str(), 0755);
    test::WriteFile(dir / "a.txt", test::DecodeFileOf(Tag({{"year", "1969"}})));
    test::RunRegistryWith({"import", dir / "db", dir / "a.txt"});
    Database writer(dir / "db", false);
    writer.Execute("PRAGMA wal_autocheckpoint = 0");
    writer.Execute("UPDATE car SET trim_code = 'changed'");
    mkdir((dir / "ro").c_str(), 0755);
    std::filesystem::copy_file(dir / "db", dir / "ro/db");
    std::filesystem::copy_file(dir / "db-wal", dir / "ro/db-wal");
    chmod((dir / "ro").c_str(), 0555);
    const std::optional<test::RegistryRun> run = RunAsUser({"list", dir / "ro/db"}, dir / "");
    if (!run) GTEST_SKIP() << "setpriv is missing: cannot run as another user";
    EXPECT_EQ(run->strErr, "vexlor-registry: " + (dir / "ro/db") +
                               ": its -wal file holds changes that only a user who may write its folder can read in\n");
    EXPECT_EQ(run->nStatus, 1);
}

// Its cars are derived again on the way to the current schema, which only a
// user who may write the registry can do; check reads it as it is.
TEST(RegistryRights, AReaderOfAnOlderRegistryIsToldWhoCanBringItUpToDate) {
    test::TempDir dir;
    chmod((dir / "").c_str(), 0755);
    test::WriteFile(dir / "a.txt", test::DecodeFileOf(Tag({{"year", "1969"}})));
    mkdir((dir / "ro").c_str(), 0755);
    test::RunRegistryWith({"import", dir / "ro/db", dir / "a.txt"});
    Database(dir / "ro/db", false).Execute("PRAGMA user_version = 1");
    chmod((dir / "ro").c_str(), 0555);
    const std::optional<test::RegistryRun> run = RunAsUser({"list", dir / "ro/db"}, dir / "");
    if (!run) GTEST_SKIP() << "setpriv is missing: cannot run as another user";
    EXPECT_EQ(run->strErr, "vexlor-registry: " + (dir / "ro/db") +
                               ": the registry has the older schema version 1: a user who may write it and its folder "
                               "brings it up to date by running any vexlor-registry command on it once\n");
    EXPECT_EQ(run->nStatus, 1);
    EXPECT_EQ(RunAsUser({"check", dir / "ro/db"}, dir / "")->strOut, "the registry is sound\n");
}

TEST(RegistryRights, AFolderTheImportCannotEnterIsARejection) {
    test::TempDir dir;
    chmod((dir / "").c_str(), 0755);
    test::WriteFile(dir / "in/a.txt", test::DecodeFileOf(Tag({{"year", "1969"}})));
    test::WriteFile(dir / "in/listed/deeper/b.txt", test::DecodeFileOf(Tag({{"year", "1968"}})));
    test::WriteFile(dir / "in/unlisted/c.txt", test::DecodeFileOf(Tag({{"year", "1967"}})));
    chmod((dir / "in/listed").c_str(), 0744);    // others may list it, not enter it
    chmod((dir / "in/unlisted").c_str(), 0711);  // others may enter it, not list it
    mkdir((dir / "w").c_str(), 0777);
    chmod((dir / "w").c_str(), 0777);
    const std::optional<test::RegistryRun> run = RunAsUser({"import", dir / "w/db", dir / "in"}, dir / "");
    if (!run) GTEST_SKIP() << "setpriv is missing: cannot run as another user";
    EXPECT_EQ(run->strErr, "vexlor-registry: " + (dir / "in/listed/deeper") + ": cannot be searched: Permission denied\n"
                           "vexlor-registry: " + (dir / "in/unlisted") + ": cannot be searched: Permission denied\n");
    EXPECT_EQ(run->strOut, "1 imported, 0 already present, 2 rejected\n");
    EXPECT_EQ(run->nStatus, 1);
}

}  // namespace
}  // namespace vexlor
