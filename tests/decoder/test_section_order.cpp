// Values one section leaves for a later one, through the whole decode: each
// row comes out differently when the two sections run the other way round.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "decoder/decode.h"

namespace vexlor {
namespace {

struct OrderCase {
    const char* szName;
    std::vector<std::pair<int, std::string>> fields;  // control id, text as typed
    std::string strPlantNote;
    std::string strOptions4;
    std::string strDateCode;
    std::string strVinPrefix;
    std::string strVinTail;
};

TEST(SectionOrder, LaterSectionsReadWhatEarlierOnesLeft) {
    const std::vector<OrderCase> cases = {
        // build date before the option groups (December 1966 rule), option groups before the key (V8)
        {"DateThenOptionsThenKey",
         {{1038, "1967"}, {1000, "10a"}, {1002, "67-12637"}, {1016, "L"}, {1018, "P"}},
         "No Assm. Plant given.", "4P = (L48) SS 350,", "610A", "12437", "7_______"},
        // paint before the plant step's special codes
        {"PaintThenZ10",
         {{1038, "1969"}, {1002, "69-12437"}, {1003, "NOR"}, {1006, "50"}, {1014, "50"}, {1008, "Z10"}},
         "Z10 = Accent Striping (coupe version of Pace Car Accents)", "", "____", "12437", "9N______"},
        // trim and paint before the plant step's special codes
        {"TrimThenZ11",
         {{1038, "1969"}, {1002, "69-12667"}, {1003, "NOR"}, {1005, "720"}, {1006, "50"}, {1014, "A"},
          {1008, "Z11"}},
         "Z11 = Indy Pace Car accents - Convertible", "", "____", "12467", "9N______"},
        // the 1969 autumn test reads the VIN tail before the key is completed
        {"DateThenKey",
         {{1038, "1969"}, {1023, "600001"}, {1003, "NOR"}, {1007, "09C"}},
         "", "", "809C", "12__7", "9N600001"},
    };
    for (const OrderCase& c : cases) {
        SCOPED_TRACE(c.szName);
        TagFields fields;
        for (const auto& [nControlId, strText] : c.fields) FieldText(fields, *FindTagField(nControlId)) = strText;
        const DecodeResult r = Decode(fields);
        EXPECT_EQ(r.m_strPlantNote, c.strPlantNote);
        EXPECT_EQ(r.m_strOptions4, c.strOptions4);
        EXPECT_EQ(r.m_strDateCode, c.strDateCode);
        EXPECT_EQ(r.m_strVinPrefix, c.strVinPrefix);
        EXPECT_EQ(r.m_strVinTail, c.strVinTail);
    }
}

}  // namespace
}  // namespace vexlor
