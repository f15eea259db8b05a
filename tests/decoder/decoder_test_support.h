#pragma once
// What the decoder suites share: whole decodes of tags written with Tag({...}),
// each checked on the result members it names. Test code only, so the names
// are brought into the namespace the suites are written in.

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "decoder/decode.h"
#include "support/tag.h"

namespace vexlor {

using R = DecodeResult;
using testing_support::Tag;

struct DecodeCase {
    const char* pszName;
    TagFields tag;
    std::vector<std::pair<std::string R::*, std::string>> expected;
};

// Several members as one text, so that one comparison shows (and names) a whole case.
inline std::string Joined(std::initializer_list<std::string_view> parts) {
    std::string strOut;
    for (std::string_view strPart : parts) (strOut += strPart) += " | ";
    return strOut;
}

inline void ExpectDecodes(const std::vector<DecodeCase>& cases) {
    for (const DecodeCase& c : cases) {
        SCOPED_TRACE(c.pszName);
        const DecodeResult r = Decode(c.tag);
        for (const auto& [pMember, strExpected] : c.expected) EXPECT_EQ(r.*pMember, strExpected);
    }
}

}  // namespace vexlor
