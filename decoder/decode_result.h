#pragma once
// What one decode produces: the lines the user reads and the code echoes the
// decode file writes. Member names follow the results window's fields.

#include <string>

namespace vexlor {

// The option groups' items each end in a comma, the separator the results list
// splits at. A comma typed into an option group is held inside its item as this
// byte instead, and the results list shows it as a comma again.
inline constexpr char kTypedCommaInItem = '\x1F';

struct DecodeResult {
    int m_bVinGiven = 0;
    std::string m_strBodyNumber;
    std::string m_strBuildDate;
    std::string m_strStyle;
    std::string m_strPlant;
    std::string m_strTrim;
    std::string m_strSeat;
    std::string m_strPaint;
    std::string m_strOptions1;
    std::string m_strOptions2;
    std::string m_strOptions3;
    std::string m_strOptions4;
    std::string m_strOptions5;
    std::string m_strPlantNote;
    std::string m_strVinMake;
    std::string m_strVinLine;
    std::string m_strVinEngine;
    std::string m_strVinBody;
    std::string m_strVinYear;
    std::string m_strVinPlant;
    std::string m_strVinSerial;
    std::string m_strVinPrefix;
    std::string m_strVinTail;
    std::string m_strDateCode;
    std::string m_strSchedCode;
    std::string m_strPlantBody;
    std::string m_strStyleCode;
    std::string m_strPaintCode;
    std::string m_strTrimCode;
    std::string m_strOptionCodes;
    int m_nYear = 0;

    // The VIN findings the form keeps for the last decode.
    int m_bVinValid = 1;       // 1 while every VIN check has passed
    int m_bVinLosAngeles = 0;  // 1 when the VIN's plant letter is 'L'

    // The VIN first half starts with "12" (Chevrolet, Camaro): the results
    // list shows its lines, else only the invalid-VIN message.
    bool m_bCamaroVin = false;

    bool operator==(const DecodeResult&) const = default;
};

}  // namespace vexlor
