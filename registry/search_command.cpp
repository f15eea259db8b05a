// search DB TERMS...: the cars that fit every term (and --built), printed as
// list prints them.
#include <algorithm>
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
    WriteCarList([&](const CarVisitor& onCar) { std::for_each(found.begin(), found.end(), onCar); }, options.bJson,
                 out, bTerminal);
    return 0;
}

}  // namespace vexlor
