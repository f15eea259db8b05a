// Opening a decode file from disk: what keeps a file from giving a tag, and
// the message that names it. (Tags read back are tried in the form suite.)
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "decoder/decode.h"
#include "results/decode_file.h"
#include "results/result_lines.h"
#include "results/tag_from_records.h"
#include "support/tag.h"

namespace vexlor {
namespace {

using testing_support::Tag;
namespace fs = std::filesystem;

std::string FileOf(const TagFields& fields) {
    const DecodeResult result = Decode(fields);
    return DecodeFileContent(result, BuildResultLines(result), "07-04-2005", "", std::nullopt);
}

TEST(OpenDecodeFile, GivesTheTagOrWhyNot) {
    const fs::path dir = fs::temp_directory_path() / ("vexlor-open-" + std::to_string(::getpid()));
    fs::remove_all(dir), fs::create_directories(dir / "folder");
    const std::pair<const char*, std::string> files[] = {
        {"1969.txt", FileOf(Tag({{"year", "69"}, {"plant", "VN"}, {"code69", "12A"}}))},
        {"no year.txt", FileOf(Tag({{"year", "1970"}, {"style", "67-12437"}}))},
        {"notes.txt", "Camaro notes\r\n"},
        {"huge.txt", std::string(kMaxDecodeFileSize + 1, 'x')},
    };
    for (const auto& [pszName, strContent] : files) std::ofstream(dir / pszName, std::ios::binary) << strContent;
    const std::pair<const char*, std::string> cases[] = {
        {"1969.txt", ""},
        {"no year.txt", "its records do not tell the model year"},
        {"notes.txt", "not a decode file (line 3 is not the notice of one)"},
        {"huge.txt", "larger than 64 MiB"},
        {"folder", "it is a folder"},
    };
    for (const auto& [pszName, strReason] : cases) {
        const OpenedTag opened = OpenDecodeFile((dir / pszName).string());
        EXPECT_EQ(opened.strReason, strReason) << pszName;
        EXPECT_EQ(opened.fields.has_value(), strReason.empty()) << pszName;
    }
    const TagFields fields = OpenDecodeFile((dir / "1969.txt").string()).fields.value_or(TagFields{});
    EXPECT_EQ(fields.strYear + " " + fields.strPlant + " " + fields.strCode69, "1969 VN 12A");
    // Records no decode writes (a VIN prefix neither typed nor worked out) still give what they hold.
    DecodeFileRecords foreign;
    foreign.codes = {"1X", "8N______", "____", "", "68-12437", "N000123", "712", "C-C", ""};
    const TagFields fromForeign = TagFromRecords(foreign).value_or(TagFields{});
    EXPECT_EQ(fromForeign.strYear + "|" + fromForeign.strVinPrefix + "|" + fromForeign.strLowerPaint, "1968||C");
    EXPECT_EQ(OpenFailureMessage("a b.txt", "it is a folder"), "The file a b.txt could not be opened: it is a folder.");
    fs::remove_all(dir);
}

}  // namespace
}  // namespace vexlor
