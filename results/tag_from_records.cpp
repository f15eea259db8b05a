// Reading a tag back from the code echoes of a decode file. Each echo is
// undone field by field; the few echoes that more than one entry gives are
// tried each way, and the decode that writes the file again decides.
#include "results/tag_from_records.h"

#include <array>
#include <string_view>
#include <vector>

#include "decoder/decode.h"
#include "decoder/text.h"
#include "results/code_fields.h"
#include "results/decode_file.h"
#include "results/file_system.h"
#include "results/result_lines.h"

namespace vexlor {
namespace {

// One way to read the echoes that do not tell everything themselves.
struct Reading {
    int nYear;             // 7, 8 or 9
    bool bVinTyped;        // the VIN prefix is the typed first half (else worked out from the tag)
    std::string strPlant;  // the plant field
    int nFleetGroup;       // the option group that held the fleet code: 4 or 5; 0 without one
};

std::string_view Trimmed(std::string_view strText) {
    while (!strText.empty() && strText.front() == ' ') strText.remove_prefix(1);
    while (!strText.empty() && strText.back() == ' ') strText.remove_suffix(1);
    return strText;
}

std::string WithoutTrailing(std::string_view strText, char cFill) {
    while (!strText.empty() && strText.back() == cFill) strText.remove_suffix(1);
    return std::string(strText);
}

// The records' codes as the decode members they echo.
DecodeResult EchoOf(const TagCodes& codes) {
    DecodeResult echo;
    for (size_t i = 0; i < kCodeFieldCount; ++i) echo.*(kCodeFields[i].pMember) = codes[i];
    return echo;
}

// The serial from the VIN tail; a tail that the decode completed for a Los
// Angeles car ("7L1_____") holds none.
std::string SerialOf(std::string_view strTail) {
    const int nYear = CharAt(strTail, 0) - '0';
    const std::string strLosAngeles = std::to_string(2 * nYear - 13) + "_____";
    if (CharAt(strTail, 1) == 'L' && SafeSubstr(strTail, 2) == strLosAngeles) return {};
    return WithoutTrailing(SafeSubstr(strTail, 2), '_');
}

// The code field beside the date (1967, 1968) or the 1969 code field.
void SetCodeFields(const DecodeResult& echo, int nYear, TagFields& fields) {
    std::string& strCode = nYear == 9 ? fields.strCode69 : fields.strCodeField;
    const std::string_view strOptions = echo.m_strOptionCodes;
    switch (CharAt(echo.m_strPlantBody, 0)) {
        case 'L':  // the scheduling code; "Blank" stands for an empty field
            strCode = echo.m_strSchedCode == "Blank" ? std::string() : echo.m_strSchedCode;
            break;
        case 'N':
            if (nYear == 9) {
                // The special codes, their blanks dropped, as the decode joins them.
                for (char c : strOptions) {
                    if (c != ' ') strCode += c;
                }
            } else if (CharAt(strOptions, 0) == '0') {
                // "0" and the interior paint found, or "0-" without one.
                const std::string_view strPaint = SafeSubstr(strOptions, 1, strOptions.find(' ') - 1);
                if (strPaint != "-") strCode = std::string(strPaint);
            }
            break;
        default: break;
    }
}

// The five groups from their echo: "gc " for each code read, "g- " (group 5:
// "5-") when no known code was found, then " 6-" and the fleet code.
void SetOptionGroups(std::string_view strCodes, int nFleetGroup, TagFields& fields) {
    const size_t nBlank = strCodes.find(' ');
    size_t nPos = nBlank == std::string_view::npos ? strCodes.size() : nBlank + 1;
    for (int nGroup = 1; nGroup <= 5; ++nGroup) {
        const char cDigit = static_cast<char>('0' + nGroup);
        std::string& strGroup = fields.strGroups[static_cast<size_t>(nGroup - 1)];
        while (nPos + 1 < strCodes.size() && strCodes[nPos] == cDigit) {
            const char c = strCodes[nPos + 1];
            nPos += 2;
            if (nPos < strCodes.size() && strCodes[nPos] == ' ') ++nPos;
            // "g-" ends the group, unless the group goes on: then '-' was read as a code.
            const bool bEnd = c == '-' && (nPos >= strCodes.size() || strCodes[nPos] != cDigit);
            if (!bEnd) strGroup += c;
        }
    }
    if (nFleetGroup != 0 && SafeSubstr(strCodes, nPos, 2) == "6-") {
        fields.strGroups[static_cast<size_t>(nFleetGroup - 1)] += "-" + std::string(SafeSubstr(strCodes, nPos + 2));
    }
}

TagFields FieldsOf(const DecodeResult& echo, const Reading& reading) {
    const int nYear = reading.nYear;
    TagFields fields;
    fields.strYear = "196" + std::to_string(nYear);
    if (reading.bVinTyped) fields.strVinPrefix = echo.m_strVinPrefix + std::string(SafeSubstr(echo.m_strVinTail, 0, 2));
    fields.strSerial = SerialOf(echo.m_strVinTail);
    fields.strPlant = reading.strPlant;

    const std::string_view strBody = SafeSubstr(echo.m_strPlantBody, 1);
    if (strBody != "______") fields.strBodyNumber = nYear == 9 ? WithoutTrailing(strBody, '_') : std::string(strBody);

    // A style that is not known, or none, is echoed as the year's pattern "6y-12__7".
    if (LastChars(echo.m_strStyleCode, 5) != "12__7") fields.strStyle = echo.m_strStyleCode;

    const std::string_view strTrim = echo.m_strTrimCode;
    if (nYear == 7) {
        // 1967: the trim, '-' and the seat letter.
        const size_t nDash = strTrim.rfind('-');
        fields.strTrim = nDash == std::string_view::npos ? std::string() : std::string(strTrim.substr(0, nDash));
        fields.strSeat = std::string(nDash == std::string_view::npos ? strTrim : strTrim.substr(nDash + 1));
    } else {
        fields.strTrim = std::string(strTrim);
    }

    // "lower- " without a top (the lower code as typed; " - " for none), else the pair
    // "lower-top", whose lower code may itself be "-" (special paint).
    const std::string_view strPaint = echo.m_strPaintCode;
    if (strPaint.ends_with("- ")) {
        fields.strLowerPaint = std::string(Trimmed(strPaint.substr(0, strPaint.size() - 2)));
    } else {
        const size_t nDash = strPaint.find('-', 1);
        fields.strLowerPaint = std::string(Trimmed(strPaint.substr(0, nDash)));
        if (nDash != std::string_view::npos) fields.strTopPaint = std::string(Trimmed(strPaint.substr(nDash + 1)));
    }

    // The calendar-year digit and the date as typed; "____" when none was.
    const std::string_view strDate = echo.m_strDateCode;
    if (strDate != "____") (nYear == 9 ? fields.strBuildDate69 : fields.strBuildDate) = std::string(SafeSubstr(strDate, 1));

    SetCodeFields(echo, nYear, fields);
    if (nYear == 7) SetOptionGroups(echo.m_strOptionCodes, reading.nFleetGroup, fields);
    return fields;
}

// Every reading the echoes allow, the year of the VIN tail first.
std::vector<Reading> Readings(const DecodeResult& echo, int nTailYear) {
    const std::string_view strPrefix = echo.m_strVinPrefix;
    const char cPlantLetter = CharAt(echo.m_strPlantBody, 0);
    // A typed first half is valid, so it has no '_' and its plant letter is N or L.
    const bool bMayBeTyped = strPrefix.size() == 5 && strPrefix.starts_with("12") &&
                             strPrefix.find('_') == std::string_view::npos &&
                             (CharAt(echo.m_strVinTail, 1) == 'N' || CharAt(echo.m_strVinTail, 1) == 'L');
    // Worked out from the tag: "12", '4' or '_', '3', '6' or '_', '7'.
    const bool bMayBeWorkedOut = strPrefix.size() == 5 && strPrefix.starts_with("12") && strPrefix[4] == '7' &&
                                 (strPrefix[2] == '4' || strPrefix[2] == '_');
    const bool bFleet = echo.m_strOptionCodes.find(" 6-") != std::string::npos;

    std::vector<Reading> readings;
    const std::array<int, 3> years = {nTailYear, nTailYear == 7 ? 8 : 7, nTailYear == 9 ? 8 : 9};
    for (int nYear : years) {
        for (bool bTyped : {true, false}) {
            if (bTyped ? !bMayBeTyped : !bMayBeWorkedOut) continue;
            std::vector<std::string> plants;
            if (cPlantLetter == 'N') plants = {"NOR"};
            if (cPlantLetter == 'L') plants = {"LOS", "VN"};
            // A blank plant takes its letter from a valid VIN; without one it is '_'.
            if (bTyped || plants.empty()) plants.emplace_back();
            for (const std::string& strPlant : plants) {
                for (int nFleetGroup : bFleet && nYear == 7 ? std::vector{4, 5} : std::vector{0}) {
                    readings.push_back({nYear, bTyped, strPlant, nFleetGroup});
                }
            }
        }
    }
    return readings;
}

// How much of the file a tag's decode writes again: one point for each
// record code, ten for the whole list.
int Agreement(const TagFields& fields, const DecodeFileRecords& records) {
    const DecodeResult result = Decode(fields);
    const std::string strContent =
        DecodeFileContent(result, BuildResultLines(result), records.strSavedDate, {}, std::nullopt);
    const ReadOutcome written = ReadDecodeFile(strContent);
    if (written.rejection != Rejection::None) return 0;
    int nPoints = written.records.strDecodeText == records.strDecodeText ? 10 : 0;
    for (size_t i = 0; i < kCodeFieldCount; ++i) nPoints += written.records.codes[i] == records.codes[i] ? 1 : 0;
    return nPoints;
}

}  // namespace

std::optional<TagFields> TagFromRecords(const DecodeFileRecords& records) {
    const DecodeResult echo = EchoOf(records.codes);
    const int nTailYear = CharAt(echo.m_strVinTail, 0) - '0';
    if (nTailYear < 7 || nTailYear > 9) return std::nullopt;

    constexpr int kAllAgree = 10 + static_cast<int>(kCodeFieldCount);
    std::optional<TagFields> best;
    int nBest = -1;
    for (const Reading& reading : Readings(echo, nTailYear)) {
        TagFields fields = FieldsOf(echo, reading);
        const int nPoints = Agreement(fields, records);
        if (nPoints > nBest) best = std::move(fields), nBest = nPoints;
        if (nBest == kAllAgree) break;
    }
    // Without any reading (a prefix neither typed nor worked out) the tail's year and what the echoes hold.
    if (!best) best = FieldsOf(echo, {nTailYear, false, {}, 0});
    return best;
}

OpenedTag OpenDecodeFile(const std::string& strPath) {
    const SmallFile file = ReadSmallRegularFile(strPath, kMaxDecodeFileSize);
    if (file.bTooLarge) return {std::nullopt, std::string(kTooLargeReason)};
    if (!file.bytes) return {std::nullopt, file.strReason};
    const ReadOutcome read = ReadDecodeFile(*file.bytes);
    if (read.rejection != Rejection::None) return {std::nullopt, read.strReason};
    std::optional<TagFields> fields = TagFromRecords(read.records);
    if (!fields) return {std::nullopt, "its records do not tell the model year"};
    return {std::move(fields), {}};
}

std::string OpenFailureMessage(const std::string& strName, const std::string& strReason) {
    return "The file " + strName + " could not be opened: " + strReason + ".";
}

}  // namespace vexlor
