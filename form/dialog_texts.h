#pragma once
// Texts that a window writes into its controls when it opens.

#include <string>

namespace vexlor {

// The About dialog's version line, "Vexlor Version " and the version.
std::string AboutVersionLine();

}  // namespace vexlor
