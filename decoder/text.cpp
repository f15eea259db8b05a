#include "decoder/text.h"

#include <climits>
#include <string>

namespace vexlor {
namespace {

// isspace() in the C locale: blank, \t, \n, \v, \f, \r.
bool IsCSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// Where atoi() reads its first digit: after the C-locale blanks and one sign.
struct NumberStart {
    size_t nFirstDigit;
    bool bNegative;
};

NumberStart FindNumberStart(std::string_view strText) {
    size_t i = 0;
    while (i < strText.size() && IsCSpace(strText[i])) ++i;
    const bool bSign = i < strText.size() && (strText[i] == '+' || strText[i] == '-');
    return {bSign ? i + 1 : i, bSign && strText[i] == '-'};
}

}  // namespace

std::string ToUpperAscii(std::string_view strText) {
    std::string strUpper(strText);
    for (char& c : strUpper) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return strUpper;
}

int AtoiLike(std::string_view strText) {
    auto [i, bNegative] = FindNumberStart(strText);
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

std::string LeadingNumberText(std::string_view strText) {
    auto [i, bNegative] = FindNumberStart(strText);
    while (i < strText.size() && strText[i] == '0') ++i;
    const size_t nFirst = i;
    while (i < strText.size() && strText[i] >= '0' && strText[i] <= '9') ++i;
    if (i == nFirst) return "0";  // no digits, or only zeros: "-0" is written "0"
    std::string strOut = bNegative ? "-" : "";
    strOut += strText.substr(nFirst, i - nFirst);
    return strOut;
}

std::string Format06d(std::string_view strNumber) {
    // As printf("%06d") pads: zeros after the sign up to six characters in all.
    if (strNumber.size() >= 6) return std::string(strNumber);
    std::string strOut;
    strOut.reserve(6);
    if (strNumber.starts_with('-')) {
        strOut += '-';
        strNumber.remove_prefix(1);
    }
    strOut.append(6 - strOut.size() - strNumber.size(), '0');
    strOut += strNumber;
    return strOut;
}

}  // namespace vexlor
