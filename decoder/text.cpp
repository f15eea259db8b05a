#include "decoder/text.h"

#include <climits>
#include <charconv>

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
    // As printf("%06d") pads: zeros after the sign up to six characters in all.
    char szDigits[16];
    const auto [pEnd, error] = std::to_chars(szDigits, szDigits + sizeof szDigits, nValue);
    (void)error;  // 16 characters hold every int
    std::string_view strDigits(szDigits, static_cast<size_t>(pEnd - szDigits));
    if (strDigits.size() >= 6) return std::string(strDigits);
    std::string strOut;
    strOut.reserve(6);
    if (nValue < 0) {
        strOut += '-';
        strDigits.remove_prefix(1);
    }
    strOut.append(6 - strOut.size() - strDigits.size(), '0');
    strOut += strDigits;
    return strOut;
}

}  // namespace vexlor
