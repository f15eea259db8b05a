#pragma once
// The texts of the tag form's data fields, exactly as typed (not yet upper-cased).

#include <array>
#include <cstddef>
#include <string>

namespace vexlor {

struct TagFields {
    std::string strYear;         // model year
    std::string strVinPrefix;    // first half of the VIN, such as "124377N"
    std::string strSerial;       // VIN sequence number
    std::string strBuildDate;    // build date, 1967 and 1968 tags
    std::string strCodeField;    // Norwood interior paint / Los Angeles scheduling code
    std::string strStyle;        // body style, such as "67-12437"
    std::string strPlant;        // assembly plant
    std::string strBodyNumber;   // body number
    std::string strTrim;         // trim code
    std::string strSeat;         // seat style letter, 1967
    std::string strLowerPaint;   // lower paint code
    std::string strTopPaint;     // top paint code
    std::array<std::string, 5> strGroups;  // option groups 1 to 5, 1967
    std::string strBuildDate69;  // build date, 1969 tags
    std::string strCode69;       // 1969 code field
};

// Each text of TagFields by name, for the form and the command line to map
// their own control ids and option names onto.
enum class TagField : unsigned char {
    Year, VinPrefix, Serial, BuildDate, CodeField, Style, Plant, BodyNumber, Trim, Seat,
    LowerPaint, TopPaint, Group1, Group2, Group3, Group4, Group5, BuildDate69, Code69,
};
inline constexpr std::size_t kTagFieldCount = 19;

std::string& FieldText(TagFields& fields, TagField field);
const std::string& FieldText(const TagFields& fields, TagField field);

// The values stamped on the sample 1967 tag (Help Decoding), year "1967".
TagFields SampleTagFields();

}  // namespace vexlor
