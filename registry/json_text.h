#pragma once
// JSON as the data commands write it: the values exact, and on a terminal
// every character beyond ASCII written as \uNNNN, so that no control
// character or direction override reaches the screen.

#include <nlohmann/json.hpp>

#include <string>

namespace vexlor {

// Text that is not valid UTF-8 has its bad bytes replaced.
inline std::string JsonText(const nlohmann::ordered_json& json, bool bTerminal) {
    return json.dump(-1, ' ', bTerminal, nlohmann::ordered_json::error_handler_t::replace);
}

}  // namespace vexlor
