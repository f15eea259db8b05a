// The results list: the decode's lines in the order the results window shows
// them. The decode is only read, never consumed, so the list can be built
// again for a second save.
#include "results/result_lines.h"

#include <string_view>

namespace vexlor {
namespace {

constexpr std::string_view kSeparatorLine = " ";
constexpr std::string_view kOptionsHeading = "Options:";

// One option item as the user reads it: a comma typed inside the item was held
// as kTypedCommaInItem so that it did not split the list.
std::string OptionItemLine(std::string_view strItem) {
    std::string strLine(strItem);
    for (char& ch : strLine) {
        if (ch == kTypedCommaInItem) ch = ',';
    }
    return strLine;
}

// A 1967 option group: every item ends in a comma. A remainder without a
// comma (the decoder writes none) still becomes the group's last line.
void AddOptionItems(std::string_view strGroup, std::vector<std::string>& lines) {
    while (!strGroup.empty()) {
        const size_t nComma = strGroup.find(',');
        if (nComma == std::string_view::npos) {
            lines.push_back(OptionItemLine(strGroup));
            return;
        }
        lines.push_back(OptionItemLine(strGroup.substr(0, nComma)));
        strGroup.remove_prefix(nComma + 1);
    }
}

void AddVinBlock(const DecodeResult& result, std::vector<std::string>& lines) {
    if (result.m_bCamaroVin) {
        lines.push_back(result.m_strVinMake);
        lines.push_back(result.m_strVinLine);
        lines.push_back(result.m_strVinEngine);
        lines.push_back(result.m_strVinBody);
        lines.push_back(result.m_strVinYear);
        lines.push_back(result.m_strVinPlant);
        if (!result.m_strVinSerial.empty()) lines.push_back(result.m_strVinSerial);
    } else {
        lines.push_back(result.m_strVinMake);  // the invalid-VIN message
    }
    lines.emplace_back(kSeparatorLine);
}

}  // namespace

std::string SingleLine(std::string_view strLine) {
    std::string strOut(strLine);
    for (char& ch : strOut) {
        if (ch == '\r' || ch == '\n') ch = ' ';
    }
    return strOut;
}

std::vector<std::string> BuildResultLines(const DecodeResult& result) {
    std::vector<std::string> lines;
    if (result.m_bVinGiven != 0) AddVinBlock(result, lines);

    lines.push_back(result.m_strBodyNumber);
    lines.emplace_back(kSeparatorLine);

    lines.push_back(result.m_strBuildDate);
    lines.push_back(result.m_strStyle);
    lines.push_back(result.m_strPlant);
    lines.push_back(result.m_strTrim);
    if (!result.m_strSeat.empty()) lines.push_back(result.m_strSeat);
    lines.push_back(result.m_strPaint);
    lines.push_back(result.m_strPlantNote);

    if (result.m_nYear == 7) {
        lines.emplace_back(kOptionsHeading);
        for (const std::string* pGroup : {&result.m_strOptions1, &result.m_strOptions2, &result.m_strOptions3,
                                          &result.m_strOptions4, &result.m_strOptions5}) {
            AddOptionItems(*pGroup, lines);
        }
    } else if (result.m_nYear == 9) {
        lines.push_back(result.m_strOptions1);
        lines.push_back(result.m_strOptions2);
    }
    return lines;
}

}  // namespace vexlor
