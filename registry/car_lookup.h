#pragma once
// The car a person names: by its key, its VIN or its body number, in any
// case, or by the start of its key.

#include <string>
#include <string_view>
#include <vector>

#include "registry/sqlite_database.h"

namespace vexlor {

// The keys of the cars that strGiven names, in key order: the car whose key
// it is; else the cars with this body number (with or without the plant
// letter); else the cars whose key begins with it. Letters match in any case.
std::vector<std::string> CarKeysNamed(Database& db, std::string_view strGiven);

}  // namespace vexlor
