#include "registry/terminal_text.h"

#include <array>

namespace vexlor {
namespace {

constexpr char kHex[] = "0123456789ABCDEF";

void AddHex(std::string& strOut, unsigned nValue, int nDigits) {
    for (int nShift = 4 * (nDigits - 1); nShift >= 0; nShift -= 4) strOut += kHex[(nValue >> nShift) & 0xF];
}

// The UTF-8 forms of the direction marks and overrides, with their code points.
struct DirectionMark {
    std::string_view strUtf8;
    unsigned nCodePoint;
};
constexpr std::array<DirectionMark, 12> kDirectionMarks{{
    {"\xD8\x9C", 0x061C},     {"\xE2\x80\x8E", 0x200E}, {"\xE2\x80\x8F", 0x200F}, {"\xE2\x80\xAA", 0x202A},
    {"\xE2\x80\xAB", 0x202B}, {"\xE2\x80\xAC", 0x202C}, {"\xE2\x80\xAD", 0x202D}, {"\xE2\x80\xAE", 0x202E},
    {"\xE2\x81\xA6", 0x2066}, {"\xE2\x81\xA7", 0x2067}, {"\xE2\x81\xA8", 0x2068}, {"\xE2\x81\xA9", 0x2069},
}};

unsigned char Byte(std::string_view strText, size_t nPos) {
    return nPos < strText.size() ? static_cast<unsigned char>(strText[nPos]) : 0;
}

}  // namespace

std::string Shown(std::string_view strText) {
    std::string strOut;
    strOut.reserve(strText.size());
    for (size_t i = 0; i < strText.size(); ++i) {
        const unsigned char chByte = Byte(strText, i);
        if (chByte < 0x20 || chByte == 0x7F) {
            strOut += "\\x";
            AddHex(strOut, chByte, 2);
            continue;
        }
        if (chByte == 0xC2 && Byte(strText, i + 1) >= 0x80 && Byte(strText, i + 1) < 0xA0) {
            strOut += "\\u00";
            AddHex(strOut, Byte(strText, ++i), 2);
            continue;
        }
        const DirectionMark* pMark = nullptr;
        if (chByte == 0xD8 || chByte == 0xE2) {
            for (const DirectionMark& mark : kDirectionMarks) {
                if (strText.substr(i).starts_with(mark.strUtf8)) pMark = &mark;
            }
        }
        if (pMark == nullptr) {
            strOut += static_cast<char>(chByte);
            continue;
        }
        strOut += "\\u";
        AddHex(strOut, pMark->nCodePoint, 4);
        i += pMark->strUtf8.size() - 1;
    }
    return strOut;
}

std::string ShownLines(std::string_view strText) {
    std::string strOut;
    for (size_t nPos = 0;;) {
        const size_t nEnd = strText.find('\n', nPos);
        strOut += Shown(strText.substr(nPos, nEnd - nPos));
        if (nEnd == std::string_view::npos) return strOut;
        strOut += '\n';
        nPos = nEnd + 1;
    }
}

}  // namespace vexlor
