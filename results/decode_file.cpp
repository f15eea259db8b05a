// The decode file's content, its default name and the date of its tab record.
#include "results/decode_file.h"

#include <array>
#include <cstdlib>
#include <limits>

#include "decoder/text.h"
#include "results/result_lines.h"

namespace vexlor {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kSavedInDirectory = "This file was originaly saved in directory: ";
constexpr std::string_view kDefaultExtension = ".txt";

// VIN tails that carry no serial: the key then names nothing but the year.
constexpr std::array<std::string_view, 9> kBlankVinTails = {
    "7N______", "7L1_____", "7_______", "8N______", "8L3_____",
    "8_______", "9N______", "9L5_____", "9_______",
};
// Plant and body fields that carry no body number.
constexpr std::array<std::string_view, 3> kBlankPlantBodies = {"N______", "L______", "_______"};

template <size_t N>
bool IsOneOf(std::string_view strText, const std::array<std::string_view, N>& texts) {
    for (std::string_view strCandidate : texts) {
        if (strText == strCandidate) return true;
    }
    return false;
}

bool HasVinSerial(const DecodeResult& result) { return !IsOneOf(result.m_strVinTail, kBlankVinTails); }
bool HasBodyNumber(const DecodeResult& result) { return !IsOneOf(result.m_strPlantBody, kBlankPlantBodies); }

// A record field may not hold its record's separator or a line end: either
// would shift the research group's columns.
std::string RecordField(std::string_view strField, char chSeparator) {
    std::string strOut(strField);
    for (char& ch : strOut) {
        if (ch == chSeparator || ch == '\r' || ch == '\n') ch = kRecordFieldStandIn;
    }
    return strOut;
}

// Only letters, digits, '_' and '-' reach a file name, so a typed serial or
// body number can neither leave the directory nor be refused by the system.
std::string FileNameSafe(std::string_view strText) {
    std::string strOut(strText);
    for (char& ch : strOut) {
        const bool bLetter = (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z');
        const bool bDigit = ch >= '0' && ch <= '9';
        if (!bLetter && !bDigit && ch != '_' && ch != '-') ch = '_';
    }
    return strOut;
}

void AddLine(std::string& strOut, std::string_view strLine) {
    strOut += strLine;
    strOut += kLineEnd;
}

// The side file, whatever its line lengths; LF, CR LF and a lone CR all end a
// line, and every line, the last one too, is written with CR LF.
void AddSideFile(std::string& strOut, std::string_view strSide) {
    size_t nPos = 0;
    while (nPos < strSide.size()) {
        const size_t nEnd = strSide.find_first_of("\r\n", nPos);
        if (nEnd == std::string_view::npos) {
            AddLine(strOut, strSide.substr(nPos));
            return;
        }
        AddLine(strOut, strSide.substr(nPos, nEnd - nPos));
        nPos = nEnd + 1;
        if (strSide[nEnd] == '\r' && nPos < strSide.size() && strSide[nPos] == '\n') ++nPos;
    }
}

std::string FormatDate(const std::tm& tmDate) {
    char szDate[64] = {};
    const size_t nLength = std::strftime(szDate, sizeof szDate, "%m-%d-%Y", &tmDate);
    return std::string(szDate, nLength);
}

}  // namespace

std::string CsvRecord(const DecodeResult& result) {
    std::string strOut(kVersion);
    for (const std::string* pField :
         {&result.m_strVinPrefix, &result.m_strVinTail, &result.m_strDateCode, &result.m_strSchedCode,
          &result.m_strStyleCode, &result.m_strPlantBody, &result.m_strTrimCode, &result.m_strPaintCode,
          &result.m_strOptionCodes}) {
        strOut += ',';
        strOut += RecordField(*pField, ',');
    }
    return strOut;
}

std::string TabRecord(const DecodeResult& result, std::string_view strDate) {
    auto field = [](std::string_view strField) { return RecordField(strField, '\t'); };
    return "\t" + field(strDate) + "\t\t\t" + field(result.m_strVinPrefix) + "\t" + field(result.m_strVinTail) +
           "\t" + field(result.m_strDateCode) + "\t" + field(result.m_strSchedCode) + "\t" +
           field(result.m_strPlantBody) + "\t\t" + field(result.m_strPaintCode) + "\t" +
           field(result.m_strTrimCode) + "\t" + field(result.m_strOptionCodes);
}

std::string DecodeFileContent(const DecodeResult& result, const std::vector<std::string>& lines,
                              std::string_view strDate, std::string_view strSaveDir,
                              const std::optional<std::string>& strSideFile) {
    std::string strOut;
    AddLine(strOut, CsvRecord(result));
    AddLine(strOut, TabRecord(result, strDate));
    AddLine(strOut, kTopLinesNotice);
    AddLine(strOut, "");
    // A directory name may hold a line end too.
    AddLine(strOut, SingleLine(std::string(kSavedInDirectory) + std::string(strSaveDir)));
    AddLine(strOut, kFileEmailRequest);
    AddLine(strOut, "");
    for (const std::string& strLine : lines) AddLine(strOut, SingleLine(strLine));
    AddLine(strOut, "");
    AddLine(strOut, "");
    if (strSideFile) AddSideFile(strOut, *strSideFile);
    return strOut;
}

std::string DefaultFileName(const DecodeResult& result) {
    std::string strBase;
    if (HasVinSerial(result)) {
        strBase = result.m_strVinPrefix + result.m_strVinTail;
    } else if (HasBodyNumber(result)) {
        strBase = std::string(1, CharAt(result.m_strVinTail, 0)) + "B_" + result.m_strPlantBody;
    }
    if (strBase.empty()) return {};
    return FileNameSafe(strBase) + std::string(kDefaultExtension);
}

std::string DecodeKey(const DecodeResult& result) {
    if (HasVinSerial(result)) return result.m_strVinPrefix + result.m_strVinTail;
    if (HasBodyNumber(result)) return std::string(SafeSubstr(result.m_strPlantBody, 1));  // after the plant letter
    return {};
}

std::string DecodeFileDate(std::time_t tNow) {
    std::tm tmDate{};
    const std::optional<std::time_t> tEpoch = SourceDateEpoch();
    if (tEpoch && gmtime_r(&*tEpoch, &tmDate) != nullptr) return FormatDate(tmDate);
    if (localtime_r(&tNow, &tmDate) == nullptr) return {};
    return FormatDate(tmDate);
}

std::string DecodeFileDate(int nYear, int nMonth, int nDay) {
    if (nYear < 1000 || nYear > 9999 || nMonth < 1 || nMonth > 12 || nDay < 1) return {};
    const bool bLeap = (nYear % 4 == 0 && nYear % 100 != 0) || nYear % 400 == 0;
    constexpr std::array<int, 12> kDaysInMonth = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (nDay > kDaysInMonth[static_cast<size_t>(nMonth - 1)] + (nMonth == 2 && bLeap ? 1 : 0)) return {};
    std::tm tmDate{};
    tmDate.tm_year = nYear - 1900;
    tmDate.tm_mon = nMonth - 1;
    tmDate.tm_mday = nDay;
    return FormatDate(tmDate);
}

std::optional<std::time_t> SourceDateEpoch() {
    const char* pszValue = std::getenv("SOURCE_DATE_EPOCH");
    if (pszValue == nullptr || *pszValue == '\0') return std::nullopt;
    std::time_t tValue = 0;
    constexpr std::time_t tMax = std::numeric_limits<std::time_t>::max();
    for (const char* psz = pszValue; *psz != '\0'; ++psz) {
        if (*psz < '0' || *psz > '9') return std::nullopt;
        const int nDigit = *psz - '0';
        if (tValue > (tMax - nDigit) / 10) return std::nullopt;
        tValue = tValue * 10 + nDigit;
    }
    return tValue;
}

}  // namespace vexlor
