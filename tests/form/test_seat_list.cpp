// The seat-style letters offered for a body style and trim code.

#include "pick_list_fixture.h"

namespace vexlor::testing {
namespace {

struct SeatCase {
    const char* szStyle;
    const char* szTrim;
    Codes letters;
};

class SeatListTest : public PickListTest, public ::testing::WithParamInterface<SeatCase> {};

TEST_P(SeatListTest, OffersTheLettersOfStyleAndTrim) {
    const SeatCase& c = GetParam();
    for (const char* szYear : {"1967", "1968", "1969", "1970"}) {
        SetYear(szYear);
        SetList(ctl::Seat, {"OLD"});
        controls.SetText(ctl::Style, c.szStyle);
        controls.SetText(ctl::Trim, c.szTrim);
        form.FillSeatList();
        EXPECT_EQ(controls.GetList(ctl::Seat), c.letters) << szYear;
    }
    EXPECT_TRUE(controls.Messages().empty());
}

const Codes kBucket{"Y", "Z"};
const Codes kBench{"H", "T"};

SeatCase Coupe(const char* szTrim, const Codes& letters) { return {"67-12437", szTrim, letters}; }

INSTANTIATE_TEST_SUITE_P(
    BucketTrims, SeatListTest,
    ::testing::Values(Coupe("707", kBucket), Coupe("709", kBucket), Coupe("711", kBucket), Coupe("717", kBucket),
                      Coupe("732", kBucket), Coupe("741", kBucket), Coupe("742", kBucket), Coupe("760", kBucket),
                      Coupe("765", kBucket), Coupe("779", kBucket), Coupe("797", kBucket)));

INSTANTIATE_TEST_SUITE_P(BenchTrims, SeatListTest,
                         ::testing::Values(Coupe("712", kBench), Coupe("716", kBench), Coupe("739", kBench),
                                           Coupe("756", kBench), Coupe("767", kBench), Coupe("796", kBench)));

INSTANTIATE_TEST_SUITE_P(
    OtherTrims, SeatListTest,
    ::testing::Values(Coupe("706", {}), Coupe("708", {}), Coupe("710", {}), Coupe("798", {}), Coupe("720", {}),
                      Coupe("", {}), Coupe("ABC", {}), Coupe("X760", {}), Coupe("-716", {}),
                      Coupe("7160", {}), Coupe("99999999999999999999", {}),
                      // Read as a number: blanks, a sign, leading zeros and a tail.
                      Coupe(" 716", kBench), Coupe("+716", kBench), Coupe("0716", kBench), Coupe("716X", kBench),
                      Coupe("760 ", kBucket), Coupe("\t760", kBucket)));

INSTANTIATE_TEST_SUITE_P(
    Styles, SeatListTest,
    ::testing::Values(SeatCase{"67-12637", "796", kBench}, SeatCase{"67-12637", "742", kBucket},
                      SeatCase{"67-12467", "716", kBucket}, SeatCase{"67-12667", "ABC", kBucket},
                      SeatCase{"67-12467", "", kBucket}, SeatCase{"68-12437", "760", kBucket},
                      SeatCase{"12437", "716", kBench}, SeatCase{"69-12467", "1", kBucket},
                      SeatCase{"2437", "716", {}}, SeatCase{"67-12437 ", "716", {}},
                      SeatCase{"67-12447", "716", {}}, SeatCase{"x", "760", {}}));

}  // namespace
}  // namespace vexlor::testing
