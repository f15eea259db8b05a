#pragma once
// Cars counted by one dimension (a tally) or by two (a cross-table), each
// value with what it means.

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "registry/car_facts.h"
#include "registry/registry_queries.h"

namespace vexlor {

// The values of one dimension in order ("" last), each with its meaning: the
// meanings its cars give, joined by " / " where the years differ.
struct Grouping {
    Dimension dimension = Dimension::Year;
    std::vector<std::string> values;
    std::vector<std::string> meanings;
};

struct CrossTable {
    Grouping rows;
    Grouping columns;
    std::vector<std::vector<int64_t>> counts;  // [row][column]
    std::vector<int64_t> rowTotals;
    std::vector<int64_t> columnTotals;
    int64_t nCars = 0;
};

// Counts cars one at a time. With rows and columns the same dimension, the
// cross-table has one column per value; a tally reads rowTotals.
class CrossTableCounter {
public:
    CrossTableCounter(Dimension rows, Dimension columns);
    void Add(const CarRow& car);
    CrossTable Table() const;

private:
    // Values in order with "" last, and where each value stands.
    struct GroupingBuilder {
        Dimension dimension;
        std::map<std::string, std::set<std::string>> meanings;
        std::string Add(const TagCodes& codes);
        Grouping Build(std::map<std::string, size_t>& positions) const;
    };
    GroupingBuilder m_rows;
    GroupingBuilder m_columns;
    std::map<std::pair<std::string, std::string>, int64_t> m_cells;
};

// nPart of nWhole as a percentage with one decimal: "33.3"; "0.0" of none.
std::string Percent(int64_t nPart, int64_t nWhole);

}  // namespace vexlor
