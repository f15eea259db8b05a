#pragma once
// The build month of a date code: months 08 to 12 are the autumn of the
// calendar year before the model year, 01 to 07 its spring.

#include <string_view>

#include "decoder/text.h"

namespace vexlor {

// 1 when the build date text is not empty and names a month 08 to 12 (or does
// not begin with '0' at all).
inline int EarlyBuild(std::string_view strBuildDate) {
    if (strBuildDate.empty()) return 0;
    const char cSecond = CharAt(strBuildDate, 1);
    return strBuildDate.front() != '0' || cSecond == '8' || cSecond == '9';
}

}  // namespace vexlor
