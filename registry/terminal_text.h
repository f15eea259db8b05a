#pragma once
// Text from strangers' files on a terminal: a control character could move
// the cursor, change colours or retitle the window, so it is shown as an
// escape instead.

#include <string>
#include <string_view>

namespace vexlor {

// C0 controls and DEL as \xNN, C1 controls (U+0080 to U+009F) as \u00NN; the
// rest of the UTF-8 text as it is.
std::string TerminalSafe(std::string_view strText);

// TerminalSafe for a terminal, else the text as it is.
inline std::string Shown(std::string_view strText, bool bTerminal) {
    return bTerminal ? TerminalSafe(strText) : std::string(strText);
}

// Shown line by line: the line breaks of a decode text stay line breaks.
std::string ShownLines(std::string_view strText, bool bTerminal);

}  // namespace vexlor
