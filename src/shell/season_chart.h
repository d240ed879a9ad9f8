// A chart of seasons drawn with the page painter: a column a season with a
// bar about the zero line, a second figure as a line of points across the
// columns with its count over each point, and the years below. The player
// card's career and the team's history are drawn this way.
#pragma once
#include <QColor>
#include <QString>
#include <cstdint>
#include <vector>

class QWidget;

struct SeasonColumn {
    int nYear;
    int64_t nBar;  // below 0 hangs under the zero line
    int nPoint;    // 0 at the bottom
    QColor bar;
};

struct SeasonChartLook {
    QString szEmpty;  // written when there is no season
    QString szBarTitle, szPointTitle;
    QColor barTitle, point;
    int64_t nBarHigh, nBarLow;  // the bar scale, the zero line within it
    int nPointHigh;             // the line's scale, from 0
    int nTop;                   // the plot's top in logical units, under the titles
    int nPointTextTop;          // the highest a point's count is written
    int nLineWidthDivisor;      // the line is the widget's height over this
    bool bSlimBars;             // a lone season's bar stays a bar, not the chart's width
    bool bCountEveryPoint;      // else only the counts of the years written below
    QString szBarHigh, szBarLow;  // the bar scale's ends, small under the titles; empty for none
    QColor barLow;
};

void Draw_Season_Chart(QWidget& widget, const std::vector<SeasonColumn>& columns, const SeasonChartLook& look);
