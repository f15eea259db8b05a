#include "decoder/code_lists.h"

#include "decoder/style_plant_tables.h"
#include "decoder/text.h"

namespace vexlor {

std::optional<BodyStyle> FindBodyStyle(std::string_view strStyle) {
    const StyleRow* pRow = FindStyle(LastChars(strStyle, kStyleKeyLength));
    if (pRow == nullptr) return std::nullopt;
    return BodyStyle{pRow->bConvertible, pRow->bCustomInterior};
}

}  // namespace vexlor
