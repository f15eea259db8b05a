#pragma once
// One line of --batch input: a JSON object whose keys are the option names
// and whose values are the field texts.

#include <memory>
#include <string>
#include <string_view>

#include "decoder/tag_fields.h"

namespace vexlor {

class BatchLineParser {
public:
    BatchLineParser();
    ~BatchLineParser();
    BatchLineParser(const BatchLineParser&) = delete;
    BatchLineParser& operator=(const BatchLineParser&) = delete;

    // Fills every field from the line: a missing key is an empty text, a
    // missing year is "1967". The JSON texts are UTF-8 and become Latin-1
    // bytes. False, with strError (UTF-8) saying why, for a line that is not
    // one JSON object, has a key that is no option name or a key twice, a
    // value that is not a string, or a character beyond Latin-1. The year
    // text is not checked here.
    bool Parse(std::string_view strLine, TagFields& fields, std::string& strError);

private:
    struct Impl;
    std::unique_ptr<Impl> m_pImpl;
};

// UTF-8 text as Latin-1 bytes into strOut; false when a character lies beyond
// U+00FF or the text is not UTF-8.
bool Utf8ToLatin1(std::string_view strUtf8, std::string& strOut);

}  // namespace vexlor
