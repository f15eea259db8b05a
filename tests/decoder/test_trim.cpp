// Interior trim: the year's table read by the number atoi finds, the trim
// echo, and the 1967 check against the body style's interior.
#include <tuple>

#include "decoder_test_support.h"

namespace vexlor {

TEST(Trim, LineEchoAndThe1967StyleCheck) {
    constexpr const char* kWrongForStyle = " - Trim code is wrong for body style.";
    const std::vector<std::tuple<const char*, const char*, const char*, std::string, const char*>> cases = {
        // year, style, trim, line, echo (1967: followed by the seat letter)
        {"1967", "", "760", "760 = Standard Black Bucket Seats.", "760-"},
        {"1968", "", "712", "712 = Standard Black Bucket Seats.", "712"},
        {"1969", "", "713", "713 = Custom Houndstooth Black Bucket Seats.", "713"},
        {"1969", "", "717", "717 = Interior not defined correctly. 717", "717"},
        {"1967", "", "720", "720 = Interior not defined correctly. 720", "720-"},
        {"1967", "", "abc", "ABC = Interior not defined correctly. 0", "ABC-"},
        {"1967", "", " +0760x", " +0760X = Standard Black Bucket Seats.", " +0760X-"},
        {"1968", "", "-99999999999", "-99999999999 = Interior not defined correctly. -99999999999", "-99999999999"},
        {"1967", "", "", "No trim style was given.", ""},
        {"1970", "", "760", "760 = ", "760"},  // no model year: no table to read
        // 1967: a Standard trim on a Custom-interior style or the other way round, for a known style and code
        {"1967", "67-12637", "760", std::string("760 = Standard Black Bucket Seats.") + kWrongForStyle, "760-"},
        {"1967", "67-12467", "765", std::string("765 = Custom Black Bucket Seats.") + kWrongForStyle, "765-"},
        {"1967", "67-12667", "765", "765 = Custom Black Bucket Seats.", "765-"},
        {"1967", "67-12337", "765", "765 = Custom Black Bucket Seats.", "765-"},
        {"1967", "67-12637", "720", "720 = Interior not defined correctly. 720", "720-"},
    };
    for (const auto& [pszYear, pszStyle, pszTrim, strLine, pszEcho] : cases) {
        const R r = Decode(Tag({{"year", pszYear}, {"style", pszStyle}, {"trim", pszTrim}}));
        EXPECT_EQ(Joined({r.m_strTrim, r.m_strTrimCode}), Joined({strLine, pszEcho})) << pszYear << " " << pszStyle;
    }
}

}  // namespace vexlor
