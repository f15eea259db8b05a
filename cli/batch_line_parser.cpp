#include "cli/batch_line_parser.h"

#include <cstdint>
#include <cstring>
#include <optional>

#include <simdjson.h>

#include "decoder/field_names.h"

namespace vexlor {

namespace {

constexpr std::string_view kNotJson = "the line is not valid JSON";

std::string Quoted(std::string_view strKey) { return "\"" + std::string(strKey) + "\""; }

}  // namespace

bool Utf8ToLatin1(std::string_view strUtf8, std::string& strOut) {
    strOut.clear();
    for (size_t i = 0; i < strUtf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(strUtf8[i]);
        if (c < 0x80) {
            strOut.push_back(static_cast<char>(c));
            continue;
        }
        if ((c != 0xC2 && c != 0xC3) || i + 1 >= strUtf8.size()) return false;
        const auto cNext = static_cast<unsigned char>(strUtf8[i + 1]);
        if ((cNext & 0xC0) != 0x80) return false;
        strOut.push_back(static_cast<char>(((c & 0x03) << 6) | (cNext & 0x3F)));
        ++i;
    }
    return true;
}

struct BatchLineParser::Impl {
    simdjson::dom::parser parser;
    std::string strPadded;  // the line followed by the padding the parser reads past its end
};

BatchLineParser::BatchLineParser() : m_pImpl(std::make_unique<Impl>()) {}
BatchLineParser::~BatchLineParser() = default;

bool BatchLineParser::Parse(std::string_view strLine, TagFields& fields, std::string& strError) {
    using namespace simdjson;
    for (const FieldName& row : kFieldNames) FieldText(fields, row.field).clear();

    std::string& strPadded = m_pImpl->strPadded;
    strPadded.resize(strLine.size() + SIMDJSON_PADDING);
    std::memcpy(strPadded.data(), strLine.data(), strLine.size());
    std::memset(strPadded.data() + strLine.size(), ' ', SIMDJSON_PADDING);

    dom::element document;
    if (m_pImpl->parser.parse(strPadded.data(), strLine.size(), false).get(document)) {
        strError = kNotJson;
        return false;
    }
    dom::object object;
    if (document.get_object().get(object)) {
        strError = "the line is not a JSON object";
        return false;
    }
    std::uint32_t nSeen = 0;
    bool bYearGiven = false;
    for (const dom::key_value_pair field : object) {
        const std::optional<TagField> tagField = FindFieldByName(field.key);
        if (!tagField) {
            strError = "unknown key " + Quoted(field.key);
            return false;
        }
        const auto nBit = std::uint32_t{1} << static_cast<unsigned>(*tagField);
        if ((nSeen & nBit) != 0) {
            strError = "key " + Quoted(field.key) + " is given twice";
            return false;
        }
        nSeen |= nBit;
        bYearGiven = bYearGiven || *tagField == TagField::Year;
        std::string_view strValue;
        if (field.value.get_string().get(strValue)) {
            strError = "the value of " + Quoted(field.key) + " is not a string";
            return false;
        }
        if (!Utf8ToLatin1(strValue, FieldText(fields, *tagField))) {
            strError = "the value of " + Quoted(field.key) + " holds a character beyond Latin-1";
            return false;
        }
    }
    if (!bYearGiven) fields.strYear = "1967";  // as the form starts
    return true;
}

}  // namespace vexlor
