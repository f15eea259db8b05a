#include "results/decode_json.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace vexlor {

namespace {

// ,"key": for a key, at compile time.
#define VEXLOR_KEY(name, member) {name, &DecodeResult::member, ",\"" name "\":"}

// The text members in the order the object lists them, after year and vin_given.
constexpr std::array<JsonTextKey, 29> kJsonTextKeys{{
    VEXLOR_KEY("body_number", m_strBodyNumber),
    VEXLOR_KEY("build_date", m_strBuildDate),
    VEXLOR_KEY("style", m_strStyle),
    VEXLOR_KEY("plant", m_strPlant),
    VEXLOR_KEY("trim", m_strTrim),
    VEXLOR_KEY("seat", m_strSeat),
    VEXLOR_KEY("paint", m_strPaint),
    VEXLOR_KEY("options1", m_strOptions1),
    VEXLOR_KEY("options2", m_strOptions2),
    VEXLOR_KEY("options3", m_strOptions3),
    VEXLOR_KEY("options4", m_strOptions4),
    VEXLOR_KEY("options5", m_strOptions5),
    VEXLOR_KEY("plant_note", m_strPlantNote),
    VEXLOR_KEY("vin_make", m_strVinMake),
    VEXLOR_KEY("vin_line", m_strVinLine),
    VEXLOR_KEY("vin_engine", m_strVinEngine),
    VEXLOR_KEY("vin_body", m_strVinBody),
    VEXLOR_KEY("vin_year", m_strVinYear),
    VEXLOR_KEY("vin_plant", m_strVinPlant),
    VEXLOR_KEY("vin_serial", m_strVinSerial),
    VEXLOR_KEY("vin_prefix", m_strVinPrefix),
    VEXLOR_KEY("vin_tail", m_strVinTail),
    VEXLOR_KEY("date_code", m_strDateCode),
    VEXLOR_KEY("sched_code", m_strSchedCode),
    VEXLOR_KEY("plant_body", m_strPlantBody),
    VEXLOR_KEY("style_code", m_strStyleCode),
    VEXLOR_KEY("paint_code", m_strPaintCode),
    VEXLOR_KEY("trim_code", m_strTrimCode),
    VEXLOR_KEY("option_codes", m_strOptionCodes),
}};
#undef VEXLOR_KEY

constexpr char kHexDigits[] = "0123456789abcdef";

// How many bytes each Latin-1 byte takes inside a JSON string, escaped the way
// nlohmann::json::dump does: \uXXXX for control bytes without a short escape,
// two bytes for the short escapes and for the UTF-8 form of bytes above 127.
constexpr std::array<unsigned char, 256> kEscapedLength = [] {
    std::array<unsigned char, 256> lengths{};
    for (size_t c = 0; c < 256; ++c) lengths[c] = c < 0x20 ? 6 : c < 0x80 ? 1 : 2;
    for (const unsigned char c : {'"', '\\', '\b', '\t', '\n', '\f', '\r'}) lengths[c] = 2;
    return lengths;
}();

size_t QuotedLength(std::string_view strText) {
    size_t nLength = 2;
    for (const char ch : strText) nLength += kEscapedLength[static_cast<unsigned char>(ch)];
    return nLength;
}

// Copies runs of bytes that need no change whole, and escapes the rest.
char* WriteQuoted(char* p, std::string_view strText) {
    *p++ = '"';
    const char* pszText = strText.data();
    const char* const pszEnd = pszText + strText.size();
    while (pszText < pszEnd) {
        const char* const pszRun = pszText;
        while (pszText < pszEnd && kEscapedLength[static_cast<unsigned char>(*pszText)] == 1) ++pszText;
        std::memcpy(p, pszRun, static_cast<size_t>(pszText - pszRun));
        p += pszText - pszRun;
        if (pszText == pszEnd) break;
        const auto c = static_cast<unsigned char>(*pszText++);
        if (c >= 0x80) {
            *p++ = static_cast<char>(0xC0 | (c >> 6));
            *p++ = static_cast<char>(0x80 | (c & 0x3F));
            continue;
        }
        *p++ = '\\';
        switch (c) {
            case '"': *p++ = '"'; break;
            case '\\': *p++ = '\\'; break;
            case '\b': *p++ = 'b'; break;
            case '\t': *p++ = 't'; break;
            case '\n': *p++ = 'n'; break;
            case '\f': *p++ = 'f'; break;
            case '\r': *p++ = 'r'; break;
            default:
                *p++ = 'u';
                *p++ = '0';
                *p++ = '0';
                *p++ = kHexDigits[c >> 4];
                *p++ = kHexDigits[c & 0x0F];
                break;
        }
    }
    *p++ = '"';
    return p;
}

char* WriteText(char* p, std::string_view strText) {
    std::memcpy(p, strText.data(), strText.size());
    return p + strText.size();
}

}  // namespace

std::span<const JsonTextKey> JsonTextKeys() { return kJsonTextKeys; }

void AppendLatin1AsUtf8(std::string& strOut, std::string_view strText) {
    const auto isAscii = [](char ch) { return static_cast<unsigned char>(ch) < 0x80; };
    for (auto it = strText.begin(); it != strText.end();) {
        const auto runEnd = std::find_if_not(it, strText.end(), isAscii);
        strOut.append(it, runEnd);
        if (runEnd == strText.end()) break;
        const auto c = static_cast<unsigned char>(*runEnd);
        strOut.push_back(static_cast<char>(0xC0 | (c >> 6)));
        strOut.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        it = runEnd + 1;
    }
}

std::string Latin1ToUtf8(std::string_view strText) {
    std::string strUtf8;
    strUtf8.reserve(strText.size());
    AppendLatin1AsUtf8(strUtf8, strText);
    return strUtf8;
}

// Measures the whole object first, then writes it in place.
void AppendDecodeJson(std::string& strOut, const DecodeResult& result, const std::vector<std::string>& lines) {
    const std::string strYear = std::to_string(result.m_nYear);
    const std::string_view strVinGiven = result.m_bVinGiven != 0 ? ",\"vin_given\":true" : ",\"vin_given\":false";
    constexpr std::string_view kYearKey = "{\"year\":";
    constexpr std::string_view kLinesKey = ",\"lines\":[";
    constexpr std::string_view kEnd = "]}";

    size_t nLength = kYearKey.size() + strYear.size() + strVinGiven.size() + kLinesKey.size() + kEnd.size();
    for (const JsonTextKey& key : kJsonTextKeys) nLength += key.strPrefix.size() + QuotedLength(result.*(key.pMember));
    for (const std::string& strLine : lines) nLength += QuotedLength(strLine) + 1;

    const size_t nStart = strOut.size();
    strOut.resize(nStart + nLength);
    char* p = strOut.data() + nStart;
    p = WriteText(p, kYearKey);
    p = WriteText(p, strYear);
    p = WriteText(p, strVinGiven);
    for (const JsonTextKey& key : kJsonTextKeys) {
        p = WriteText(p, key.strPrefix);
        p = WriteQuoted(p, result.*(key.pMember));
    }
    p = WriteText(p, kLinesKey);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) *p++ = ',';
        p = WriteQuoted(p, lines[i]);
    }
    p = WriteText(p, kEnd);
    strOut.resize(static_cast<size_t>(p - strOut.data()));  // one comma fewer than lines when there are any
}

}  // namespace vexlor
