#pragma once
// Values one section of a decode hands on to later sections. Lives for one decode.

#include <string>

#include "decoder/decode_result.h"
#include "decoder/tag_fields.h"

namespace vexlor {

struct DecodeContext {
    DecodeContext(const TagFields& tagFields, DecodeResult& decodeResult)
        : fields(tagFields), result(decodeResult) {}

    const TagFields& fields;     // the form's texts as typed
    DecodeResult& result;        // the lines and echoes being filled

    int nYear = 0;               // 7, 8, 9, or 0 for no year
    int bSixCylinder = 0;        // VIN engine digit '3'
    std::string strBodyNumber;   // six characters, "______" when blank
    std::string strStyle;        // style (upper case) or the year's blank-style pattern
    int bStyleGiven = 0;         // one of the four known styles
    int bConvertible = 0;        // 12467 or 12667
    int bCustomInterior = 0;     // 12637 or 12667
    int bEarlyBuild = 0;         // build month 08 to 12
    std::string strPlant;        // plant text (upper case)
    int bLosAngeles = 0;         // built at Van Nuys
    int bV8 = 0;                 // the tag shows a V8 engine

    // Findings for later sections of this decode.
    std::string strPaintLower;   // the lower paint code the paint echo carries; empty when it shows none
    bool bSpecialCodeRead = false;  // the plant note names a 1969 special code that was read: one the
                                    // table knows or a rule stopped, not an unknown or unreadable one
};

}  // namespace vexlor
