#pragma once
// Charts as inline SVG for a page that needs no script: each with its title,
// axes and a text alternative (role="img", <title> and <desc>). Every text
// is escaped as HTML.

#include <string>
#include <string_view>
#include <vector>

namespace vexlor {

// Text as HTML and XML take it: & < > " ' escaped.
std::string HtmlEscaped(std::string_view strText);

// Bars per category, one stacked part per series; counts[category][series].
struct BarChart {
    std::string strId;  // unique on the page
    std::string strTitle;
    std::string strDescription;
    std::string strXAxis;
    std::vector<std::string> categories;
    std::vector<std::string> series;
    std::vector<std::vector<long long>> counts;
};

std::string BarChartSvg(const BarChart& chart);

struct ScatterPoint {
    double dX = 0;
    double dY = 0;
    size_t nSeries = 0;
};

// Points, one colour per series; the x axis is labelled at the given ticks.
struct ScatterChart {
    std::string strId;
    std::string strTitle;
    std::string strDescription;
    std::string strXAxis;
    std::string strYAxis;
    std::vector<std::string> series;
    std::vector<ScatterPoint> points;
    std::vector<std::pair<double, std::string>> xTicks;
};

std::string ScatterChartSvg(const ScatterChart& chart);

}  // namespace vexlor
