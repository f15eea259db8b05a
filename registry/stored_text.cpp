#include "registry/stored_text.h"

#include <cstdint>
#include <cstring>

namespace vexlor {
namespace {

unsigned char Byte(std::string_view strText, size_t nPos) { return static_cast<unsigned char>(strText[nPos]); }

bool IsContinuation(std::string_view strText, size_t nPos) {
    return nPos < strText.size() && (Byte(strText, nPos) & 0xC0) == 0x80;
}

}  // namespace

bool IsValidUtf8(std::string_view strText) {
    size_t i = 0;
    while (i < strText.size()) {
        // Eight ASCII bytes at a time: decode files are mostly ASCII.
        if (uint64_t nEight = 0; i + 8 <= strText.size()) {
            std::memcpy(&nEight, strText.data() + i, 8);
            if ((nEight & 0x8080808080808080ULL) == 0) {
                i += 8;
                continue;
            }
        }
        const unsigned char ch = Byte(strText, i);
        size_t nLength = 1;
        unsigned char chMin = 0x80, chMax = 0xBF;  // bounds of the second byte
        if (ch < 0x80) {
            ++i;
            continue;
        } else if (ch >= 0xC2 && ch <= 0xDF) {
            nLength = 2;
        } else if (ch >= 0xE0 && ch <= 0xEF) {
            nLength = 3;
            if (ch == 0xE0) chMin = 0xA0;  // no overlong forms
            if (ch == 0xED) chMax = 0x9F;  // no surrogates
        } else if (ch >= 0xF0 && ch <= 0xF4) {
            nLength = 4;
            if (ch == 0xF0) chMin = 0x90;
            if (ch == 0xF4) chMax = 0x8F;  // nothing above U+10FFFF
        } else {
            return false;
        }
        if (i + 1 >= strText.size() || Byte(strText, i + 1) < chMin || Byte(strText, i + 1) > chMax) return false;
        for (size_t k = 2; k < nLength; ++k) {
            if (!IsContinuation(strText, i + k)) return false;
        }
        i += nLength;
    }
    return true;
}

FileEncoding EncodingOf(std::string_view strFile) {
    return IsValidUtf8(strFile) ? FileEncoding::Utf8 : FileEncoding::Latin1;
}

std::string StoredText(std::string_view strFileText, FileEncoding encoding) {
    if (encoding == FileEncoding::Utf8) return std::string(strFileText);
    std::string strOut;
    strOut.reserve(strFileText.size() + strFileText.size() / 4);
    for (char ch : strFileText) {
        const auto chByte = static_cast<unsigned char>(ch);
        if (chByte < 0x80) {
            strOut += ch;
        } else {
            strOut += static_cast<char>(0xC0 | (chByte >> 6));
            strOut += static_cast<char>(0x80 | (chByte & 0x3F));
        }
    }
    return strOut;
}

}  // namespace vexlor
