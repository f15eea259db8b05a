#include "registry/svg_chart.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace vexlor {
namespace {

constexpr std::array<std::string_view, 6> kColours = {"#1f77b4", "#d62728", "#2ca02c", "#ff7f0e", "#9467bd", "#8c564b"};
constexpr double kLeft = 70, kRight = 20, kTop = 40, kBottom = 110, kPlotHeight = 260;

// The top of an axis from 0: four equal whole steps that reach dMax.
double AxisTop(double dMax) {
    const double dStep = dMax <= 4 ? 1 : static_cast<double>(static_cast<long long>((dMax + 3) / 4));
    return dStep * 4;
}

std::string_view Colour(size_t nSeries) { return kColours[nSeries % kColours.size()]; }

std::string Number(double dValue) {
    char szText[32] = {};
    std::snprintf(szText, sizeof szText, "%.1f", dValue);
    return szText;
}

// The opening of the svg element with its text alternative.
std::string Head(const std::string& strId, double dWidth, double dHeight, const std::string& strTitle,
                 const std::string& strDescription) {
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" role=\"img\" width=\"" + Number(dWidth) + "\" height=\"" +
           Number(dHeight) + "\" viewBox=\"0 0 " + Number(dWidth) + " " + Number(dHeight) + "\" aria-labelledby=\"" +
           strId + "-title " + strId + "-desc\" aria-label=\"" + HtmlEscaped(strTitle) + "\">\n<title id=\"" + strId +
           "-title\">" + HtmlEscaped(strTitle) + "</title>\n<desc id=\"" + strId + "-desc\">" +
           HtmlEscaped(strDescription) + "</desc>\n";
}

std::string Text(double dX, double dY, std::string_view strText, std::string_view strAttributes = "") {
    return "<text x=\"" + Number(dX) + "\" y=\"" + Number(dY) + "\"" + std::string(strAttributes) + ">" +
           HtmlEscaped(strText) + "</text>\n";
}

std::string Line(double dX1, double dY1, double dX2, double dY2) {
    return "<line x1=\"" + Number(dX1) + "\" y1=\"" + Number(dY1) + "\" x2=\"" + Number(dX2) + "\" y2=\"" +
           Number(dY2) + "\" stroke=\"#333\"/>\n";
}

// The y axis from 0 to dMax with five ticks, and the x axis line.
std::string Axes(double dWidth, double dMax, std::string_view strYAxis, std::string_view strXAxis) {
    std::string strSvg = Line(kLeft, kTop, kLeft, kTop + kPlotHeight) +
                         Line(kLeft, kTop + kPlotHeight, dWidth - kRight, kTop + kPlotHeight);
    for (int i = 0; i <= 4; ++i) {
        const double dValue = dMax * i / 4;
        const double dY = kTop + kPlotHeight - kPlotHeight * i / 4;
        strSvg += Line(kLeft - 4, dY, kLeft, dY) +
                  Text(kLeft - 6, dY + 4, std::to_string(static_cast<long long>(dValue)), " text-anchor=\"end\"");
    }
    strSvg += Text(14, kTop + kPlotHeight / 2, strYAxis,
                   " text-anchor=\"middle\" transform=\"rotate(-90 14 " + Number(kTop + kPlotHeight / 2) + ")\"");
    strSvg += Text((kLeft + dWidth) / 2, kTop + kPlotHeight + kBottom - 8, strXAxis, " text-anchor=\"middle\"");
    return strSvg;
}

std::string Legend(const std::vector<std::string>& series, double dWidth) {
    std::string strSvg;
    double dX = kLeft;
    for (size_t i = 0; i < series.size() && dX < dWidth; ++i) {
        strSvg += "<rect x=\"" + Number(dX) + "\" y=\"12\" width=\"12\" height=\"12\" fill=\"" +
                  std::string(Colour(i)) + "\"/>\n" + Text(dX + 16, 22, series[i]);
        dX += 30 + 7.0 * static_cast<double>(series[i].size());
    }
    return strSvg;
}

}  // namespace

std::string HtmlEscaped(std::string_view strText) {
    std::string strOut;
    strOut.reserve(strText.size());
    for (const char ch : strText) {
        switch (ch) {
            case '&': strOut += "&amp;"; break;
            case '<': strOut += "&lt;"; break;
            case '>': strOut += "&gt;"; break;
            case '"': strOut += "&quot;"; break;
            case '\'': strOut += "&#39;"; break;
            default: strOut += ch;
        }
    }
    return strOut;
}

std::string BarChartSvg(const BarChart& chart) {
    constexpr double kBarStep = 28, kBarWidth = 20;
    const double dWidth = kLeft + kRight + std::max<double>(300, kBarStep * static_cast<double>(chart.categories.size()));
    long long nMax = 1;
    for (const std::vector<long long>& counts : chart.counts) {
        long long nSum = 0;
        for (const long long nCount : counts) nSum += nCount;
        nMax = std::max(nMax, nSum);
    }
    const double dTop = AxisTop(static_cast<double>(nMax));
    std::string strSvg = Head(chart.strId, dWidth, kTop + kPlotHeight + kBottom, chart.strTitle, chart.strDescription);
    strSvg += Axes(dWidth, dTop, "Cars", chart.strXAxis) + Legend(chart.series, dWidth);
    for (size_t nCategory = 0; nCategory < chart.categories.size(); ++nCategory) {
        const double dX = kLeft + 4 + kBarStep * static_cast<double>(nCategory);
        double dBase = kTop + kPlotHeight;
        for (size_t nSeries = 0; nSeries < chart.series.size(); ++nSeries) {
            const long long nCount = chart.counts[nCategory][nSeries];
            if (nCount == 0) continue;
            const double dHeight = kPlotHeight * static_cast<double>(nCount) / dTop;
            dBase -= dHeight;
            strSvg += "<rect x=\"" + Number(dX) + "\" y=\"" + Number(dBase) + "\" width=\"" + Number(kBarWidth) +
                      "\" height=\"" + Number(dHeight) + "\" fill=\"" + std::string(Colour(nSeries)) + "\"><title>" +
                      HtmlEscaped(chart.categories[nCategory] + ", " + chart.series[nSeries] + ": " +
                                  std::to_string(nCount)) +
                      "</title></rect>\n";
        }
        const double dLabelX = dX + kBarWidth / 2, dLabelY = kTop + kPlotHeight + 8;
        strSvg += Text(dLabelX, dLabelY, chart.categories[nCategory],
                       " text-anchor=\"end\" font-size=\"10\" transform=\"rotate(-60 " + Number(dLabelX) + " " +
                           Number(dLabelY) + ")\"");
    }
    return strSvg + "</svg>\n";
}

std::string ScatterChartSvg(const ScatterChart& chart) {
    constexpr double kPlotWidth = 720;
    const double dWidth = kLeft + kRight + kPlotWidth;
    double dMinX = 0, dMaxX = 1, dMaxY = 1;
    if (!chart.points.empty()) {
        dMinX = dMaxX = chart.points.front().dX;
        for (const ScatterPoint& point : chart.points) {
            dMinX = std::min(dMinX, point.dX);
            dMaxX = std::max(dMaxX, point.dX);
            dMaxY = std::max(dMaxY, point.dY);
        }
    }
    if (dMaxX <= dMinX) dMaxX = dMinX + 1;
    dMaxY = AxisTop(dMaxY);
    auto x = [&](double dX) { return kLeft + kPlotWidth * (dX - dMinX) / (dMaxX - dMinX); };
    auto y = [&](double dY) { return kTop + kPlotHeight - kPlotHeight * dY / dMaxY; };
    std::string strSvg = Head(chart.strId, dWidth, kTop + kPlotHeight + kBottom, chart.strTitle, chart.strDescription);
    strSvg += Axes(dWidth, dMaxY, chart.strYAxis, chart.strXAxis) + Legend(chart.series, dWidth);
    for (const auto& [dTick, strLabel] : chart.xTicks) {
        if (dTick < dMinX || dTick > dMaxX) continue;
        const double dLabelY = kTop + kPlotHeight + 8;
        strSvg += Line(x(dTick), kTop + kPlotHeight, x(dTick), kTop + kPlotHeight + 4) +
                  Text(x(dTick), dLabelY, strLabel,
                       " text-anchor=\"end\" font-size=\"10\" transform=\"rotate(-60 " + Number(x(dTick)) + " " +
                           Number(dLabelY) + ")\"");
    }
    for (const ScatterPoint& point : chart.points) {
        strSvg += "<circle cx=\"" + Number(x(point.dX)) + "\" cy=\"" + Number(y(point.dY)) + "\" r=\"2.5\" fill=\"" +
                  std::string(Colour(point.nSeries)) + "\"/>\n";
    }
    return strSvg + "</svg>\n";
}

}  // namespace vexlor
