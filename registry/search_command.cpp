// search DB TERMS...: the cars that fit every term (and --built), printed as
// list prints them.
#include <ostream>

#include "registry/car_list.h"
#include "registry/car_search.h"
#include "registry/registry_commands.h"

namespace vexlor {

int SearchCommand(Database& db, const RegistryOptions& options, std::ostream& out, bool bTerminal) {
    std::vector<CarRow> found;
    ForEachCar(db, {}, [&](const CarRow& car) {
        if (Finds(options.search, car)) found.push_back(car);
    });
    WriteCarList(found, options.bJson, out, bTerminal);
    return 0;
}

}  // namespace vexlor
