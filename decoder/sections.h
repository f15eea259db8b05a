#pragma once
// The sections of a decode, in the order the driver runs them. Each reads the
// form's texts from the context, writes its lines and echoes into the result
// and may leave values in the context for later sections.

#include <string_view>

#include "decoder/decode_context.h"

namespace vexlor {

// VIN and body number (vin_section.cpp).
void DecodeVin(DecodeContext& ctx);
void DecodeBodyNumber(DecodeContext& ctx);

// Body style and assembly plant (style_plant_section.cpp). The plant step
// calls InteriorPaintLookup and DecodeSpecialCodes69.
void DecodeStyle(DecodeContext& ctx);
void DecodePlant(DecodeContext& ctx);

// Interior trim (trim_section.cpp).
void DecodeTrim(DecodeContext& ctx);

// Paint and top colours (paint_section.cpp).
void DecodePaint(DecodeContext& ctx);

// 1969 Norwood special codes on the text of the 1969 code field (special_codes_section.cpp).
void DecodeSpecialCodes69(DecodeContext& ctx, std::string_view strField);

// Build date (build_date_section.cpp).
void DecodeBuildDate(DecodeContext& ctx);

// 1967 seat style and option groups (options_section.cpp).
void DecodeSeatAndOptions(DecodeContext& ctx);

// The last step: completes the 13-character VIN key (vin_key.cpp).
void CompleteVinKey(DecodeContext& ctx);

}  // namespace vexlor
