#include "decoder/text.h"

#include <climits>
#include <cstdio>

namespace vexlor {

std::string ToUpperAscii(std::string_view strText) {
    std::string strUpper(strText);
    for (char& c : strUpper) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return strUpper;
}

int AtoiLike(std::string_view strText) {
    size_t i = 0;
    // isspace() in the C locale: blank, \t, \n, \v, \f, \r
    while (i < strText.size() && (strText[i] == ' ' || (strText[i] >= '\t' && strText[i] <= '\r'))) ++i;
    bool bNegative = false;
    if (i < strText.size() && (strText[i] == '+' || strText[i] == '-')) {
        bNegative = strText[i] == '-';
        ++i;
    }
    long long nValue = 0;
    for (; i < strText.size() && strText[i] >= '0' && strText[i] <= '9'; ++i) {
        nValue = nValue * 10 + (strText[i] - '0');
        if (nValue > static_cast<long long>(INT_MAX) + 1) {
            nValue = static_cast<long long>(INT_MAX) + 1;  // saturate; keep reading nothing more
        }
    }
    if (bNegative) return nValue > INT_MAX ? INT_MIN : static_cast<int>(-nValue);
    return nValue > INT_MAX ? INT_MAX : static_cast<int>(nValue);
}

std::string Format06d(int nValue) {
    char szBuffer[32];
    std::snprintf(szBuffer, sizeof szBuffer, "%06d", nValue);
    return szBuffer;
}

}  // namespace vexlor
