#pragma once

// The bar chart of a chart generation: one red bar per phenotype with its count on top, drawn
// flat or, with the "3D charts" setting, as boxes standing in a room with walls and a floor.

#include <QString>
#include <QtCharts/QChartView>
#include <utility>
#include <vector>

class QBarCategoryAxis;
class QBarSeries;
class QBarSet;
class QValueAxis;

class TBarChart : public QChartView {
    Q_OBJECT
public:
    TBarChart(const QString& title, bool threeD, QWidget* parent);

    // Width of one bar in pixels.
    static constexpr int CustomBarWidth = 40;
    // Shows these bars, labels and values, in order.
    void SetBars(const std::vector<std::pair<QString, int>>& bars);
    int BarCount() const;
    // The bars shown, as (label, value) pairs.
    std::vector<std::pair<QString, int>> Bars() const;
    bool IsThreeD() const { return threeD; }

protected:
    void drawBackground(QPainter* painter, const QRectF& rect) override;
    void drawForeground(QPainter* painter, const QRectF& rect) override;

private:
    void FitBarWidth();
    QRectF BarRect(int index) const;

    bool threeD;
    QBarSet* values;
    QBarSeries* series;
    QBarCategoryAxis* axisX;
    QValueAxis* axisY;
};
