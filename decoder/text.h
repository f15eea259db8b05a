#pragma once
// Small text helpers shared by the decoder sections. Every read is bounds-checked.

#include <string>
#include <string_view>

namespace vexlor {

// ASCII upper case; bytes above 127 are left as they are.
std::string ToUpperAscii(std::string_view strText);

// The character at a 0-based position, or '\0' when the text is shorter.
constexpr char CharAt(std::string_view strText, size_t nPos) {
    return nPos < strText.size() ? strText[nPos] : '\0';
}

// Up to nCount characters from nPos; empty when nPos is past the end.
constexpr std::string_view SafeSubstr(std::string_view strText, size_t nPos,
                                      size_t nCount = std::string_view::npos) {
    return nPos < strText.size() ? strText.substr(nPos, nCount) : std::string_view{};
}

// The last nCount characters (all of the text when shorter).
constexpr std::string_view LastChars(std::string_view strText, size_t nCount) {
    return strText.size() > nCount ? strText.substr(strText.size() - nCount) : strText;
}

// Reads a leading decimal number the way C's atoi does (leading blanks, an
// optional sign, digits; 0 when there are none), but never overflows: a value
// beyond the range of int saturates at INT_MIN or INT_MAX.
int AtoiLike(std::string_view strText);

// The leading decimal number that AtoiLike reads, written out as printf("%d")
// writes it ("-" for a negative number, no "+", no leading zeros, "0" when
// there are no digits), but with all of its digits: a number beyond the range
// of int is not clamped.
std::string LeadingNumberText(std::string_view strText);

// printf("%06d") on a number written as LeadingNumberText writes it: zeros
// after the sign up to six characters; a longer number is not cut.
std::string Format06d(std::string_view strNumber);

}  // namespace vexlor
