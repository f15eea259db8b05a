// Opening a saved decode file: generated tags are written with the writer,
// read back, shown in the form and decoded again, and give the same lines.
#include <gtest/gtest.h>

#include <random>

#include "decoder/code_lists.h"
#include "decoder/decode.h"
#include "form/pick_list_data.h"
#include "form_fixture.h"
#include "results/decode_file.h"
#include "results/result_lines.h"
#include "results/tag_from_records.h"

namespace vexlor::testing {
namespace {

// A tag as the pick-lists and the printed tag give it, with only what a
// decode file can carry: a serial that fits its year, a plant that agrees
// with the VIN, known paint pairs, 1969 special codes no rule refuses, a
// fleet code in one option group.
struct TagGenerator {
    std::mt19937 random{1967};

    size_t Below(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(random); }
    bool OneIn(size_t n) { return Below(n) == 0; }
    template <typename List>
    std::string Pick(const List& list) {
        return list.empty() ? std::string() : std::string(list[Below(list.size())]);
    }
    std::string Digits(size_t nCount) {
        std::string str;
        while (str.size() < nCount) str += static_cast<char>('0' + Below(10));
        return str;
    }

    TagFields Next() {
        const int nYear = 7 + static_cast<int>(Below(3));
        const char cYear = static_cast<char>('0' + nYear);
        TagFields f;
        f.strYear = OneIn(2) ? std::string("196") + cYear : std::string("6") + cYear;
        if (!OneIn(3)) f.strVinPrefix = Pick(VinPrefixList(nYear));
        if (OneIn(2)) f.strSerial = static_cast<char>('0' + 2 * nYear - 13) + Digits(5);
        const char cVinPlant = f.strVinPrefix.empty() ? '?' : f.strVinPrefix.back();
        const std::vector<std::string_view> plants =
            cVinPlant == 'N' ? std::vector{kPlantNorwood, std::string_view()}
            : cVinPlant == 'L' ? std::vector{kPlantLosAngeles, kPlantVanNuys, std::string_view()}
                               : std::vector{kPlantNorwood, kPlantLosAngeles, kPlantVanNuys, std::string_view()};
        f.strPlant = Pick(plants);
        if (!OneIn(4)) f.strBodyNumber = std::to_string(1 + Below(999999));
        if (!OneIn(5)) f.strStyle = Pick(StyleList(nYear, StyleFilter::NoVinPrefix));
        if (!OneIn(5)) f.strTrim = Pick(TrimCodeList(nYear));
        if (!OneIn(5)) {
            f.strLowerPaint = Pick(LowerPaintCodes(nYear));
            const bool bConvertible = FindBodyStyle(f.strStyle).value_or(BodyStyle{}).bConvertible;
            if (!OneIn(4)) f.strTopPaint = Pick(TopPaintCodes(nYear, bConvertible, f.strLowerPaint));
        }
        if (OneIn(20)) f.strLowerPaint = "5-0", f.strTopPaint.clear();  // kept as typed while the top is missing
        std::string strDate;
        if (!OneIn(4)) strDate = Digits(2).replace(0, 1, Below(2) ? "0" : "1") + static_cast<char>('A' + Below(5));
        (nYear == 9 ? f.strBuildDate69 : f.strBuildDate) = strDate;

        const bool bLosAngeles = f.strPlant == kPlantLosAngeles || f.strPlant == kPlantVanNuys ||
                                 (f.strPlant.empty() && cVinPlant == 'L');
        std::string& strCode = nYear == 9 ? f.strCode69 : f.strCodeField;
        if (bLosAngeles) {
            strCode = OneIn(2) ? std::string() : Digits(3);
        } else if (nYear == 9 && !OneIn(3)) {
            strCode = Pick(std::vector<std::string_view>{"X11", "X44 D80", "D80A"});
        } else if (nYear == 7 && OneIn(2)) {
            strCode = SampleTagFields().strCodeField;  // an interior paint
        }
        if (nYear == 7) {
            f.strSeat = OneIn(3) ? std::string() : Pick(SeatStyleList(f.strStyle, std::atoi(f.strTrim.c_str())));
            for (std::string& strGroup : f.strGroups) {
                for (size_t n = Below(4); n > 0; --n) strGroup += "ABCDEGKLMNPRSWZ"[Below(15)];
            }
            if (OneIn(4)) f.strGroups[3 + Below(2)] += "-" + Digits(1 + Below(3));
        }
        return f;
    }
};

std::string FileOf(const TagFields& fields) {
    const DecodeResult result = Decode(fields);
    return DecodeFileContent(result, BuildResultLines(result), "07-04-2005", "", std::nullopt);
}

TEST_F(FormTest, AnOpenedDecodeFileDecodesToItsLinesAgain) {
    TagGenerator generator;
    for (int i = 0; i < 2000; ++i) {
        const TagFields tag = generator.Next();
        const ReadOutcome read = ReadDecodeFile(FileOf(tag));
        ASSERT_EQ(read.rejection, Rejection::None) << read.strReason;
        form.OnOpenDecodeFile(TagFromRecords(read.records), "");
        const int nYear = YearDigit(tag.strYear);
        EXPECT_EQ(controls.GetText(ctl::Year), "196" + std::to_string(nYear));
        EXPECT_EQ(controls.IsShown(ctl::Group1), nYear == 7);
        EXPECT_EQ(controls.IsShown(ctl::BuildDate69), nYear == 9);
        const std::optional<DecodeResult> again = form.DecodeForm();
        ASSERT_TRUE(again);
        ASSERT_EQ(BuildResultLines(*again), BuildResultLines(Decode(tag))) << i << ": " << FileOf(tag);
    }
    EXPECT_TRUE(controls.messages.empty());
}

TEST_F(FormTest, AFileThatGaveNoTagIsNamedAndTheFormStaysAsItWas) {
    form.OnHelpDecoding(true);
    const auto before = controls.all;
    form.OnOpenDecodeFile(std::nullopt, "The file tag.txt could not be opened: it is a folder.");
    EXPECT_EQ(controls.all, before);
    EXPECT_EQ(controls.messages,
              (std::vector<Message>{{"The file tag.txt could not be opened: it is a folder.", "Vexlor"}}));
}

}  // namespace
}  // namespace vexlor::testing
