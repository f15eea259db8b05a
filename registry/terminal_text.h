#pragma once
// Text from strangers' files in what people read: a control character could
// move the cursor, change colours, retitle the window or write the clipboard,
// and a direction override could make a line read other than it is, whether
// the text goes to a terminal at once or through a pipe, a pager or a file.
// So every such character is shown as an escape instead.

#include <string>
#include <string_view>

namespace vexlor {

// C0 controls and DEL as \xNN; C1 controls (U+0080 to U+009F) and the
// direction marks and overrides (U+061C, U+200E, U+200F, U+202A to U+202E,
// U+2066 to U+2069) as \uNNNN; the rest of the UTF-8 text as it is.
std::string Shown(std::string_view strText);

// Shown line by line: the line breaks of a decode text stay line breaks.
std::string ShownLines(std::string_view strText);

}  // namespace vexlor
