#include "registry/car_lookup.h"

#include <array>

namespace vexlor {

std::vector<std::string> CarKeysNamed(Database& db, std::string_view strGiven) {
    static constexpr std::array<const char*, 3> kWays = {
        "SELECT DISTINCT car_key FROM car WHERE upper(car_key) = upper(?1) ORDER BY car_key",
        "SELECT DISTINCT car_key FROM car WHERE upper(plant_body) = upper(?1) OR substr(plant_body, 2) = upper(?1)"
        " ORDER BY car_key",
        "SELECT DISTINCT car_key FROM car WHERE upper(substr(car_key, 1, length(?1))) = upper(?1) ORDER BY car_key",
    };
    std::vector<std::string> keys;
    if (strGiven.empty()) return keys;
    for (const char* pszSql : kWays) {
        Statement cars(db, pszSql);
        cars.Bind(1, strGiven);
        while (cars.Step()) keys.emplace_back(cars.Text(0));
        if (!keys.empty()) break;
    }
    return keys;
}

}  // namespace vexlor
