// What the import takes from files and folders: the refusals named on
// standard error, files known by their content, folders and links, and the
// text of a file read in one encoding.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "registry/prepared_walk.h"
#include "registry/sha256.h"
#include "registry/stored_text.h"
#include "registry_test_support.h"
#include "results/decode_file_reader.h"
#include "support/tag.h"

namespace vexlor {
namespace {

using testing_support::Tag;

std::string Replaced(std::string strText, const std::string& strFrom, const std::string& strTo) {
    for (size_t nPos = 0; (nPos = strText.find(strFrom, nPos)) != std::string::npos; nPos += strTo.size()) {
        strText.replace(nPos, strFrom.size(), strTo);
    }
    return strText;
}

TEST(RegistryImport, NamesEachRejectedFileWithItsReasonAndGoesOn) {
    const std::string strGood = test::DecodeFileOf(Tag({{"year", "1969"}}));
    struct Case {
        std::string strName;
        std::string strContent;
        std::string strReason;
    };
    const std::vector<Case> cases = {
        {"a_good.txt", strGood, ""},
        {"b_letter.txt", "Dear VELK,\r\nhere is my tag.\r\nBest\r\n", "not a decode file (line 3 is not the notice of one)"},
        {"c_nine.txt", Replaced(strGood, ", - ,\r\n", ", - \r\n"), "line 1 has 9 comma-separated fields, not 10"},
        {"c_ten.any", Replaced(strGood, ", - ,\r\n", ", - \r\n"), "line 1 has 9 comma-separated fields, not 10"},
        {"d_twelve.txt", Replaced(strGood, "\t - \t\t\r\n", "\t - \t\r\n"), "line 2 has 12 tab-separated columns, not 13"},
        {"e_edited.txt", Replaced(strGood, "\t9_______\t", "\t9N100001\t"), "the two records disagree on the VIN tail"},
        {"f_date.txt", Replaced(strGood, "07-04-2005", "13-04-2005"), "line 2 has no date (mm-dd-yyyy) in column 2"},
        {"g_version.txt", Replaced(strGood, "3.68,", "V3,"), "not a decode file (line 1 does not begin with a version)"},
        {"h_nul.txt", Replaced(strGood, "No Build", std::string("No\0Build", 8)), "holds NUL bytes, so it is no text file"},
        {"i_large.txt", strGood + std::string(kMaxDecodeFileSize, ' '), "larger than 64 MiB"},
        // Found in a folder and not named .txt: only a decode file by its content is one.
        {"k_saved_as.any", test::DecodeFileOf(Tag({{"year", "1968"}})), ""},
        {"l_letter.doc", "Dear VELK,\r\nhere is my tag.\r\nBest\r\n", ""},
        {"m_picture.jpg", std::string("\xFF\xD8\0\0", 4), ""},
    };
    test::TempDir dir;
    for (const Case& c : cases) test::WriteFile(dir / ("in/" + c.strName), c.strContent);
    ASSERT_EQ(symlink("nowhere", (dir / "in/j_gone.txt").c_str()), 0);

    const test::RegistryRun run = test::RunRegistryWith({"import", dir / "db", dir / "in"});
    std::string strErr;
    for (const Case& c : cases) {
        if (!c.strReason.empty()) strErr += "vexlor-registry: " + (dir / "in/") + c.strName + ": " + c.strReason + "\n";
    }
    strErr += "vexlor-registry: " + (dir / "in/j_gone.txt") + ": cannot be read: No such file or directory\n";
    EXPECT_EQ(run.strErr, strErr);
    EXPECT_EQ(run.strOut, "2 imported, 0 already present, 10 rejected\n");
    EXPECT_EQ(run.nStatus, 1);
}

// A link to a file is followed, and one to a folder within the folder given
// (once); one to a folder outside it is named and passed over. A path longer
// than the system takes is a rejection.
TEST(RegistryImport, FollowsLinksWithinTheFolderAndNamesWhatItCannotReach) {
    test::TempDir dir;
    test::WriteFile(dir / "elsewhere/car.txt", test::DecodeFileOf(Tag({{"year", "1968"}, {"body", "1"}})));
    test::WriteFile(dir / "in/sub/car.txt", test::DecodeFileOf(Tag({{"year", "1969"}, {"body", "2"}})));
    ASSERT_EQ(symlink((dir / "elsewhere/car.txt").c_str(), (dir / "in/linked.txt").c_str()), 0);
    ASSERT_EQ(symlink((dir / "elsewhere").c_str(), (dir / "in/outside").c_str()), 0);
    ASSERT_EQ(symlink("sub", (dir / "in/within").c_str()), 0);
    // Folders nested deeper than a path can name.
    std::string strDeep = dir / "in/deep";
    std::filesystem::create_directory(strDeep);
    int fdFolder = open(strDeep.c_str(), O_RDONLY | O_DIRECTORY);
    const std::string strName(250, 'd');
    std::string strTooLong;
    while (strDeep.size() < 4096 + strName.size()) {
        ASSERT_EQ(mkdirat(fdFolder, strName.c_str(), 0700), 0);
        const int fdChild = openat(fdFolder, strName.c_str(), O_RDONLY | O_DIRECTORY);
        close(fdFolder);
        fdFolder = fdChild;
        strDeep += "/" + strName;
        if (strTooLong.empty() && strDeep.size() >= 4096) strTooLong = strDeep;
    }
    close(fdFolder);

    const test::RegistryRun run = test::RunRegistryWith({"import", dir / "db", dir / "in"});
    EXPECT_EQ(run.strErr, "vexlor-registry: " + (dir / "in/outside") + ": skipped: a link to a folder outside " +
                              (dir / "in") + "\nvexlor-registry: " + strTooLong +
                              ": cannot be searched: File name too long\n");
    EXPECT_EQ(run.strOut, "2 imported, 0 already present, 1 rejected\n");
    EXPECT_EQ(run.nStatus, 1);
    // rm finds its way down where a path cannot.
    EXPECT_EQ(std::system(("rm -rf '" + (dir / "in/deep") + "'").c_str()), 0);
}

// The files are read ahead on a second thread, more of them than it may hold
// ready: they still come in name order, and the reading ends, without
// waiting for the rest, when the taker stops or fails.
TEST(RegistryImport, FilesReadAheadComeInOrderUntilTheTakerStops) {
    test::TempDir dir;
    constexpr int kFiles = 1000;
    for (int i = 0; i < kFiles; ++i) test::WriteFile(dir / ("in/" + std::to_string(10000 + i)), "not a decode file");
    struct Case {
        int nStopAt;  // the item whose taker returns false, or -1
        bool bThrow;  // the taker throws there instead
        int nTaken;
    };
    for (const Case& c : std::vector<Case>{{-1, false, kFiles}, {5, false, 6}, {0, true, 1}, {900, true, 901}}) {
        int nTaken = 0;
        bool bInOrder = true;
        auto take = [&](WalkItem& item) {
            bInOrder = bInOrder && item.kind == WalkItem::Kind::File && !item.file.bReady &&
                       item.file.outcome.status == ImportStatus::NotDecodeFile &&
                       item.strPath == dir / ("in/" + std::to_string(10000 + nTaken));
            if (nTaken++ == c.nStopAt && c.bThrow) throw std::runtime_error("disk full");
            return nTaken - 1 != c.nStopAt;
        };
        if (c.bThrow) {
            EXPECT_THROW(ForEachPreparedFile({dir / "in"}, take), std::runtime_error);
        } else {
            ForEachPreparedFile({dir / "in"}, take);
        }
        EXPECT_EQ(nTaken, c.nTaken) << c.nStopAt;
        EXPECT_TRUE(bInOrder) << c.nStopAt;
    }
}

// One reading for the whole file: a Latin-1 file whose one field happens to
// be valid UTF-8 keeps that field in Latin-1 too.
TEST(RegistryImport, ReadsAFileInOneEncoding) {
    DecodeResult result;
    result.m_strVinTail = "7N100001";
    result.m_strPaintCode = "\xC3\xA9";  // Latin-1 "Ã©", or UTF-8 "é"
    result.m_strTrimCode = "\xE9";       // Latin-1 "é"
    test::TempDir dir;
    test::WriteFile(dir / "car.txt", test::DecodeFileOf(result));
    test::RunRegistryWith({"import", dir / "db", dir / "car.txt"});
    const std::string strCsv = test::RunRegistryWith({"export", dir / "db", "--csv"}).strOut;
    EXPECT_NE(strCsv.find(",\xC3\xA9,\xC3\x83\xC2\xA9,"), std::string::npos);  // trim, paint
}

// Where the checks of UTF-8 change their mind: the first and last lead
// bytes, overlong forms, surrogates, the end of Unicode, and a character
// cut short, after runs of ASCII as long as the quick pass takes.
TEST(RegistryImport, AFileIsUtf8WhenEveryCharacterIsWellFormed) {
    const std::string strAscii = "Matador Red ";  // more than eight bytes
    const std::vector<std::pair<std::string, bool>> cases = {
        {"", true},
        {strAscii, true},
        {strAscii + "\xC2\x80", true},          // U+0080
        {strAscii + "\xDF\xBF", true},          // U+07FF
        {"\xC1\xBF", false},                    // overlong
        {"\xE0\xA0\x80", true},                // U+0800
        {"\xE0\x9F\xBF", false},               // overlong
        {"\xED\x9F\xBF", true},                // U+D7FF
        {"\xED\xA0\x80", false},               // a surrogate
        {"\xF0\x90\x80\x80", true},           // U+10000
        {"\xF0\x8F\xBF\xBF", false},          // overlong
        {"\xF4\x8F\xBF\xBF" + strAscii, true},  // U+10FFFF
        {"\xF4\x90\x80\x80", false},          // past U+10FFFF
        {"\xF5\x80\x80\x80", false},
        {strAscii + "\xE2\x82", false},         // cut short
        {strAscii + "\xE9" + strAscii, false},   // Latin-1
    };
    for (const auto& [strText, bUtf8] : cases) EXPECT_EQ(IsValidUtf8(strText), bUtf8) << strText;
    EXPECT_EQ(StoredText("\xE9t\xE9", FileEncoding::Latin1), "\xC3\xA9t\xC3\xA9");
}

TEST(Sha256, KnownDigests) {
    EXPECT_EQ(Sha256Hex(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(Sha256Hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(Sha256Hex(std::string(56, 'a')), "b35439a4ac6f0948b6d6f9e3c6af0f5f590ce20f1bde7090ef7970686ec6738a");
}

}  // namespace
}  // namespace vexlor
