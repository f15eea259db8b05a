// The names beside saved codes: what a style, trim or paint echo means, as the
// decoder's own lines say it, and nothing for a code the year does not know.
#include "decoder/code_names.h"
#include "decoder_test_support.h"

namespace vexlor {

TEST(CodeNames, NameWhatTheEchoesMean) {
    struct Case {
        int nYear;
        const char *pszStyle, *pszPaint, *pszDate, *pszTrim;
        const char *pszStyleName, *pszPaintName, *pszTrimName;
    };
    const Case cases[] = {
        {7, "67-12437", "C-C", "", "760-", "Standard Interior Coupe", "Ermine White", "Standard Black Bucket Seats"},
        {7, "67-12467", "D-4", "", "", "Standard Interior Convertible", "Nantucket Blue, Convertible Top Med. Blue", ""},
        {8, "68-12437", "Z-Z", "710A", "712", "Coupe", "SPECIAL PAINT", "Standard Black Bucket Seats"},
        {8, "68-12437", "Z-Z", "803A", "717X", "Coupe", "British Green", "Standard Blue Bucket Seats"},
        {9, "69-12437", "51-50", "", "713", "Coupe", "Dusk Blue, Top Dover White", "Custom Houndstooth Black Bucket Seats"},
        {9, "69-12667", "--A", "", "717", "Custom Interior Convertible", "SPECIAL PAINT, Convertible Top White", ""},
        {9, "69-12__7", " - ", "", "ABC", "", "", ""},
        {9, "12437", "10- ", "", "0711", "Coupe", "", "Standard Black Bucket Seats"},
        {9, "69-12437", "51-X", "", "", "Coupe", "", ""},
        {0, "69-12437", "10-10", "", "711", "", "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(StyleName(c.nYear, c.pszStyle), c.pszStyleName) << c.pszStyle;
        EXPECT_EQ(PaintName(c.nYear, c.pszStyle, c.pszPaint, c.pszDate), c.pszPaintName) << c.pszPaint;
        EXPECT_EQ(TrimName(c.nYear, c.pszTrim), c.pszTrimName) << c.pszTrim;
    }
}

}  // namespace vexlor
