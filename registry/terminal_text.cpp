#include "registry/terminal_text.h"

namespace vexlor {
namespace {

constexpr char kHex[] = "0123456789ABCDEF";

void AddHexByte(std::string& strOut, unsigned char chByte) {
    strOut += kHex[chByte >> 4];
    strOut += kHex[chByte & 0xF];
}

}  // namespace

std::string TerminalSafe(std::string_view strText) {
    std::string strOut;
    strOut.reserve(strText.size());
    for (size_t i = 0; i < strText.size(); ++i) {
        const auto chByte = static_cast<unsigned char>(strText[i]);
        if (chByte < 0x20 || chByte == 0x7F) {
            strOut += "\\x";
            AddHexByte(strOut, chByte);
        } else if (chByte == 0xC2 && i + 1 < strText.size() && static_cast<unsigned char>(strText[i + 1]) < 0xA0 &&
                   static_cast<unsigned char>(strText[i + 1]) >= 0x80) {
            strOut += "\\u00";
            AddHexByte(strOut, static_cast<unsigned char>(strText[++i]));
        } else {
            strOut += strText[i];
        }
    }
    return strOut;
}

std::string ShownLines(std::string_view strText, bool bTerminal) {
    if (!bTerminal) return std::string(strText);
    std::string strOut;
    for (size_t nPos = 0;;) {
        const size_t nEnd = strText.find('\n', nPos);
        strOut += TerminalSafe(strText.substr(nPos, nEnd - nPos));
        if (nEnd == std::string_view::npos) return strOut;
        strOut += '\n';
        nPos = nEnd + 1;
    }
}

}  // namespace vexlor
