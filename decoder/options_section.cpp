// 1967 seat style and the five option groups of the lower tag rows.
#include <string>
#include <string_view>

#include "decoder/option_tables.h"
#include "decoder/sections.h"
#include "decoder/text.h"

namespace vexlor {

namespace {

// What the groups tell each other while they are read, for one decode.
struct OptionState {
    // Engine letters of group 4, noted before group 2 is read.
    bool bHasP = false;
    bool bHasN = false;
    bool bHasK = false;
    bool bHasL = false;
    bool bTransmissionListed = false;
    bool bFourSpeed = false;
    bool bEngineListed = false;
    bool bSpecialOrder = false;
    std::string strFleetCode;
};

bool IsTransmissionLetter(char c) { return c == 'M' || c == 'L' || c == 'Z' || c == 'B'; }
bool IsEngineLetter(char c) { return c == 'P' || c == 'N' || c == 'K' || c == 'L'; }

// A typed character as it may stand inside an option item: a comma would
// split the item, so it is kept as the marker the results list shows as a
// comma; a typed marker is shown as '?' rather than as a comma that was
// never typed.
char ItemChar(char c) {
    if (c == ',') return kTypedCommaInItem;
    if (c == kTypedCommaInItem) return '?';
    return c;
}

// The engine letters of group 4. A fleet code (everything after '-') is not
// an engine option, so the scan ends at the '-'.
void PreScanEngines(std::string_view strGroup4, OptionState& state) {
    for (char c : strGroup4) {
        if (c == '-') break;
        if (c == 'P') state.bHasP = true;
        if (c == 'N') state.bHasN = true;
        if (c == 'K') state.bHasK = true;
        if (c == 'L') state.bHasL = true;
    }
}

// Built in August to November 1966: the date code echo of a 1967 car starts
// with the calendar digit 6 and its month is not 12. A missing date ("____")
// does not count.
bool BuiltBeforeDecember1966(std::string_view strDateCode) {
    return CharAt(strDateCode, 0) == '6' && CharAt(strDateCode, 2) != '2';
}

std::string_view Group1Text(const DecodeContext& ctx, char c, std::string_view strText) {
    if (c == 'D' && !ctx.bConvertible) return kConvertibleOnly;
    return strText;
}

std::string_view Group2Text(OptionState& state, char c, std::string_view strText) {
    // An SS 396 takes the THM400 and an SS 350 the HD 3-speed; neither counts
    // as the one transmission.
    if ((state.bHasN || state.bHasK) && c == 'M') return kThm400WithSs396;
    if (state.bHasP && c == 'B') return kHd3SpeedWithSs350;
    if (!IsTransmissionLetter(c)) return strText;
    if (state.bTransmissionListed) return kOneTransmission;
    state.bTransmissionListed = true;
    if (c == 'L') {
        state.bFourSpeed = true;
        if (state.bHasK || state.bHasL) return kM21FourSpeed;
    }
    return strText;
}

std::string_view Group4Text(DecodeContext& ctx, OptionState& state, char c, std::string_view strText) {
    if (!IsEngineLetter(c)) return strText;
    std::string_view strChosen = strText;
    if (state.bEngineListed) {
        strChosen = kOneEngine;
    } else if (state.bFourSpeed && c == 'P' && !BuiltBeforeDecember1966(ctx.result.m_strDateCode)) {
        strChosen = kSs350Or327;
    }
    state.bEngineListed = true;
    ctx.bV8 = 1;
    return strChosen;
}

std::string_view ChooseText(DecodeContext& ctx, OptionState& state, int nGroup, char c,
                            std::string_view strText) {
    switch (nGroup) {
        case 1: return Group1Text(ctx, c, strText);
        case 2: return Group2Text(state, c, strText);
        case 4: return Group4Text(ctx, state, c, strText);
        default: return strText;
    }
}

// The echo of a group without a found code: "n- ", for group 5 "5-".
void AppendEmptyGroupEcho(std::string& strCodes, int nGroup, char cDigit) {
    strCodes += cDigit;
    strCodes += nGroup == 5 ? "-" : "- ";
}

// '-' in group 4 or 5: the rest of the group is the fleet code. It never
// counts as a found code or an engine.
void AppendSpecialOrder(OptionState& state, std::string_view strFleet, std::string_view strText,
                        std::string& strLine) {
    strLine += '-';
    state.bSpecialOrder = true;
    for (char c : strFleet) {
        strLine += ItemChar(c);
        state.strFleetCode += c;
    }
    strLine += " = ";
    strLine += strText;
}

void DecodeGroup(DecodeContext& ctx, OptionState& state, int nGroup, std::string_view strGroup,
                 std::string& strLine) {
    std::string& strCodes = ctx.result.m_strOptionCodes;
    const char cDigit = static_cast<char>('0' + nGroup);
    if (strGroup.empty()) {
        AppendEmptyGroupEcho(strCodes, nGroup, cDigit);
        return;
    }
    const std::span<const OptionCode> table = OptionGroupTable(nGroup);
    bool bFound = false;
    for (size_t i = 0; i < strGroup.size(); ++i) {
        const char c = strGroup[i];
        const OptionCode* pCode = FindOptionCode(table, c);
        if (pCode != nullptr && c == '-') {
            AppendSpecialOrder(state, SafeSubstr(strGroup, i + 1), pCode->strText, strLine);
            break;
        }
        strLine += cDigit;
        strCodes += cDigit;
        strCodes += c;
        strCodes += ' ';
        if (pCode == nullptr) {
            strLine += ItemChar(c);
            strLine += kNotInTable;
            continue;
        }
        strLine += c;
        bFound = true;
        strLine += " = ";
        strLine += ChooseText(ctx, state, nGroup, c, pCode->strText);
    }
    if (!bFound) AppendEmptyGroupEcho(strCodes, nGroup, cDigit);
    if (nGroup == 5 && bFound) strCodes.pop_back();  // no blank after the last group
}

void DecodeSeat(DecodeContext& ctx) {
    DecodeResult& result = ctx.result;
    const std::string strSeat = ToUpperAscii(ctx.fields.strSeat);
    if (strSeat.empty()) {
        result.m_strSeat = kNoSeatStyle;
        return;
    }
    result.m_strTrimCode += strSeat;
    if (strSeat.size() != 1) return;
    if (const OptionCode* pSeat = FindOptionCode(kSeatStyles, strSeat[0])) {
        result.m_strSeat = strSeat;
        result.m_strSeat += pSeat->strText;
    }
}

}  // namespace

void DecodeSeatAndOptions(DecodeContext& ctx) {
    DecodeResult& result = ctx.result;
    if (result.m_strOptionCodes.empty()) result.m_strOptionCodes = "0- ";
    DecodeSeat(ctx);

    std::string strGroups[5];
    for (size_t i = 0; i < 5; ++i) strGroups[i] = ToUpperAscii(ctx.fields.strGroups[i]);
    std::string* pLines[5] = {&result.m_strOptions1, &result.m_strOptions2, &result.m_strOptions3,
                              &result.m_strOptions4, &result.m_strOptions5};

    OptionState state;
    DecodeGroup(ctx, state, 1, strGroups[0], *pLines[0]);
    PreScanEngines(strGroups[3], state);
    for (int nGroup = 2; nGroup <= 5; ++nGroup) {
        const size_t nIndex = static_cast<size_t>(nGroup - 1);
        DecodeGroup(ctx, state, nGroup, strGroups[nIndex], *pLines[nIndex]);
    }

    if (state.bSpecialOrder) {
        result.m_strOptionCodes += " 6-";
        result.m_strOptionCodes += state.strFleetCode;
    }
}

}  // namespace vexlor
