#include "registry/html_report.h"

#include <map>
#include <set>

#include "decoder/text.h"
#include "registry/car_facts.h"
#include "registry/cross_table.h"
#include "registry/svg_chart.h"

namespace vexlor {
namespace {

constexpr int kWeeks = 5;

std::string Shown(const std::string& strValue) { return strValue.empty() ? std::string(kNoValue) : strValue; }

std::string Labelled(const std::string& strValue, const std::string& strMeaning) {
    return strMeaning.empty() ? Shown(strValue) : strValue + " " + strMeaning;
}

std::string Row(const std::vector<std::string>& cells, bool bHeading = false) {
    const std::string strTag = bHeading ? "th" : "td";
    std::string strRow = "<tr>";
    for (const std::string& strCell : cells) strRow += "<" + strTag + ">" + HtmlEscaped(strCell) + "</" + strTag + ">";
    return strRow + "</tr>\n";
}

// A chart of a cross-table: a bar per row value, a part per column value, and the table itself.
std::string CrossTableSection(const CrossTable& table, const std::string& strId, const std::string& strTitle) {
    const Dimension rows = table.rows.dimension;
    BarChart chart{strId, strTitle, {}, std::string(InfoOf(rows).strTitle), {}, {}, {}};
    std::string strDescription = strTitle + ", " + std::to_string(table.nCars) + " cars.";
    for (size_t i = 0; i < table.rows.values.size(); ++i) {
        chart.categories.push_back(Shown(table.rows.values[i]));
        chart.counts.push_back(std::vector<long long>(table.counts[i].begin(), table.counts[i].end()));
        strDescription += " " + Labelled(table.rows.values[i], table.rows.meanings[i]) + ": " +
                          std::to_string(table.rowTotals[i]) + ".";
    }
    for (const std::string& strColumn : table.columns.values) chart.series.push_back(Shown(strColumn));
    chart.strDescription = strDescription;

    std::string strHtml = "<section>\n<h2>" + HtmlEscaped(strTitle) + "</h2>\n<figure>\n" + BarChartSvg(chart) +
                          "</figure>\n<table>\n";
    std::vector<std::string> header = {std::string(InfoOf(rows).strTitle)};
    for (const std::string& strColumn : chart.series) header.push_back(strColumn);
    header.insert(header.end(), {"Total", "%"});
    strHtml += Row(header, true);
    for (size_t i = 0; i < table.rows.values.size(); ++i) {
        std::vector<std::string> cells = {Labelled(table.rows.values[i], table.rows.meanings[i])};
        for (const int64_t nCount : table.counts[i]) cells.push_back(std::to_string(nCount));
        cells.insert(cells.end(), {std::to_string(table.rowTotals[i]), Percent(table.rowTotals[i], table.nCars)});
        strHtml += Row(cells);
    }
    return strHtml + "</table>\n</section>\n";
}

// The week a car was built, counted from January 1960, or -1 when its date code does not tell.
int BuildWeek(const std::string& strDateCode) {
    const std::string strMonth = BuildMonth(strDateCode);
    const char cWeek = CharAt(strDateCode, 3);
    if (strMonth.empty() || cWeek < 'A' || cWeek > 'E') return -1;
    const int nMonths = (strMonth[3] - '0') * 12 + (strMonth[5] - '0') * 10 + (strMonth[6] - '0') - 1;
    return nMonths * kWeeks + (cWeek - 'A');
}

// Body number against build date: a point for each car that has both.
class BodySequence {
public:
    void Add(const CarRow& car) {
        const int nWeek = BuildWeek(car.codes[kDateField]);
        const std::string strBody = BodyNumber(car.codes[kPlantBodyField]);
        if (nWeek < 0 || strBody.empty() || strBody.find_first_not_of("0123456789") != std::string::npos) return;
        const std::string strPlant = Shown(ValueOf(Dimension::Plant, car.codes));
        const auto [it, bNew] = m_plants.emplace(strPlant, m_plants.size());
        if (bNew) m_chart.series.push_back(strPlant);
        const long long nBody = AtoiLike(strBody);
        m_chart.points.push_back({static_cast<double>(nWeek), static_cast<double>(nBody), it->second});
        Span& span = m_spans[{strPlant, BuildMonth(car.codes[kDateField])}];
        span.nLowest = span.nCars == 0 ? nBody : std::min(span.nLowest, nBody);
        span.nHighest = std::max(span.nHighest, nBody);
        ++span.nCars;
    }
    std::string Section();

private:
    ScatterChart m_chart{"body-sequence", "Body number against build date, per plant", {}, "Build date",
                         "Body number", {}, {}, {}};
    std::map<std::string, size_t> m_plants;
    struct Span {
        long long nCars = 0, nLowest = 0, nHighest = 0;
    };
    std::map<std::pair<std::string, std::string>, Span> m_spans;  // plant, month
};

std::string BodySequence::Section() {
    std::set<std::string> months;
    for (const auto& entry : m_spans) months.insert(entry.first.second);
    for (const std::string& strMonth : months) {
        // "1967-10" is the first week of the date code 710A.
        const int nWeek = BuildWeek(std::string(1, strMonth[3]) + strMonth.substr(5, 2) + "A");
        m_chart.xTicks.emplace_back(static_cast<double>(nWeek), strMonth);
    }
    m_chart.strDescription = "Each car with a build date and a body number is a point: " +
                           std::to_string(m_chart.points.size()) +
                           " cars. Within a plant the body numbers rise with the build date; a point off that "
                           "line is a tag that does not fit the sequence. The table gives each plant's lowest and "
                           "highest body number per build month.";
    std::string strHtml = "<section>\n<h2>" + HtmlEscaped(m_chart.strTitle) + "</h2>\n<figure>\n" +
                          ScatterChartSvg(m_chart) + "</figure>\n<table>\n" +
                          Row({"Plant", "Build month", "Cars", "Lowest body number", "Highest body number"}, true);
    for (const auto& [key, span] : m_spans) {
        strHtml += Row({key.first, key.second, std::to_string(span.nCars), std::to_string(span.nLowest),
                        std::to_string(span.nHighest)});
    }
    return strHtml + "</table>\n</section>\n";
}

std::string ConflictSection(const std::vector<CarConflict>& conflicts) {
    std::string strHtml = "<section>\n<h2>Conflicts</h2>\n<p>" + std::to_string(conflicts.size()) +
                          (conflicts.size() == 1 ? " car" : " cars") +
                          " whose submissions carry different codes.</p>\n<table>\n" +
                          Row({"Car", "Code", "Value", "File"}, true);
    for (const CarConflict& car : conflicts) {
        for (const FieldConflict& field : car.fields) {
            for (const auto& [strValue, strFile] : field.values) {
                strHtml += Row({car.strKey, std::string(kCodeFields[field.nField].strLabel), Shown(strValue), strFile});
            }
        }
    }
    return strHtml + "</table>\n</section>\n";
}

constexpr std::string_view kHead = R"(<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<title>Registry report</title>
<style>
body { font-family: sans-serif; margin: 2em; color: #222; }
table { border-collapse: collapse; margin: 1em 0 2em; }
th, td { border: 1px solid #bbb; padding: 2px 8px; text-align: left; }
td:not(:first-child) { text-align: right; }
svg { font-family: sans-serif; font-size: 12px; max-width: 100%; height: auto; }
</style>
</head>
<body>
<h1>Registry report</h1>
)";

}  // namespace

std::string HtmlReport(const CarSource& forEachCar, const std::vector<CarConflict>& conflicts) {
    // One pass over the cars feeds every section; none of them is held.
    long long nCars = 0, nSubmissions = 0;
    CrossTableCounter monthPlant(Dimension::Month, Dimension::Plant), paintYear(Dimension::Paint, Dimension::Year),
        trimYear(Dimension::Trim, Dimension::Year);
    BodySequence bodySequence;
    forEachCar([&](const CarRow& car) {
        ++nCars;
        nSubmissions += car.nSubmissions;
        monthPlant.Add(car);
        paintYear.Add(car);
        trimYear.Add(car);
        bodySequence.Add(car);
    });
    std::string strHtml(kHead);
    strHtml += "<section>\n<h2>Totals</h2>\n<table>\n" + Row({"Cars", std::to_string(nCars)}) +
               Row({"Submissions", std::to_string(nSubmissions)}) +
               Row({"Cars with conflicts", std::to_string(conflicts.size())}) + "</table>\n</section>\n";
    strHtml += CrossTableSection(monthPlant.Table(), "month-plant", "Cars per build month and plant");
    strHtml += CrossTableSection(paintYear.Table(), "paint-year", "Paints per model year");
    strHtml += CrossTableSection(trimYear.Table(), "trim-year", "Trims per model year");
    strHtml += bodySequence.Section();
    strHtml += ConflictSection(conflicts);
    return strHtml + "</body>\n</html>\n";
}

}  // namespace vexlor
