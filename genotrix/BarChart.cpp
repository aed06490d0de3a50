#include "BarChart.h"

#include <QLinearGradient>
#include <QPainter>
#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBarSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QValueAxis>
#include <algorithm>
#include <cmath>

namespace {

// How far the boxes reach back into the 3D room.
constexpr QPointF Depth(12, -9);
const QColor BarRed(220, 20, 20);

// A round step for the value axis that gives about five whole-number intervals.
int AxisStep(int top) {
    const double rough = std::max(1.0, top / 5.0);
    const double magnitude = std::pow(10.0, std::floor(std::log10(rough)));
    for (double factor : {1.0, 2.0, 5.0})
        if (factor * magnitude >= rough)
            return static_cast<int>(factor * magnitude);
    return static_cast<int>(10 * magnitude);
}

QPolygonF Parallelogram(QPointF a, QPointF b) {
    return QPolygonF({a, b, b + Depth, a + Depth});
}

} // namespace

TBarChart::TBarChart(const QString& title, bool threeD, QWidget* parent)
    : QChartView(parent), threeD(threeD) {
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->setTitleBrush(Qt::black);
    QFont titleFont = chart->titleFont();
    titleFont.setBold(true);
    chart->setTitleFont(titleFont);
    chart->legend()->hide();
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(threeD ? 6 : 4, 4, threeD ? 6 + int(Depth.x()) : 4, 4));
    if (threeD) {
        // The room is painted behind the chart (drawBackground).
        chart->setBackgroundVisible(false);
        chart->setPlotAreaBackgroundVisible(false);
    }

    values = new QBarSet(QString());
    QLinearGradient gradient(0, 0, 1, 0);
    gradient.setCoordinateMode(QGradient::ObjectBoundingMode);
    gradient.setColorAt(0, BarRed.lighter(125));
    gradient.setColorAt(1, BarRed.darker(130));
    values->setBrush(gradient);
    values->setColor(BarRed);
    values->setBorderColor(BarRed.darker(160));
    values->setLabelColor(Qt::black);

    series = new QBarSeries;
    series->append(values);
    // The values stand on top of the bars; in 3D above the boxes' lids (drawForeground).
    series->setLabelsVisible(!threeD);
    series->setLabelsFormat("@value");
    series->setLabelsPrecision(12);
    series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    chart->addSeries(series);

    axisX = new QBarCategoryAxis;
    axisX->setGridLineVisible(false);
    axisY = new QValueAxis;
    axisY->setTitleText("# Individuals");
    axisY->setLabelFormat("%d");
    axisY->setTickType(QValueAxis::TicksDynamic);
    axisY->setTickAnchor(0);
    // In 3D the grid lies on the back wall (drawBackground).
    axisY->setGridLineVisible(!threeD);
    chart->addAxis(axisX, Qt::AlignBottom);
    chart->addAxis(axisY, Qt::AlignLeft);
    series->attachAxis(axisX);
    series->attachAxis(axisY);
    SetBars({});

    setChart(chart);
    setRenderHint(QPainter::Antialiasing);
    setFrameShape(QFrame::NoFrame);
    connect(chart, &QChart::plotAreaChanged, this, [this] { FitBarWidth(); });
}

void TBarChart::SetBars(const std::vector<std::pair<QString, int>>& bars) {
    QStringList labels;
    QList<qreal> counts;
    int highest = 0;
    for (const auto& [label, count] : bars) {
        labels << label;
        counts << count;
        highest = std::max(highest, count);
    }
    if (values->count() != counts.size()) {
        values->remove(0, values->count());
        values->append(counts);
    } else {
        for (int i = 0; i < counts.size(); ++i)
            values->replace(i, counts[i]);
    }
    axisX->setCategories(labels);
    // Room above the highest bar for its value.
    const int step = AxisStep(highest + highest / 8 + 1);
    axisY->setTickInterval(step);
    axisY->setRange(0, step * std::ceil((highest + highest / 8.0 + 1) / step));
    FitBarWidth();
}

int TBarChart::BarCount() const {
    return values->count();
}

std::vector<std::pair<QString, int>> TBarChart::Bars() const {
    std::vector<std::pair<QString, int>> bars;
    const QStringList labels = axisX->categories();
    for (int i = 0; i < values->count(); ++i)
        bars.emplace_back(labels.value(i), static_cast<int>(values->at(i)));
    return bars;
}

void TBarChart::FitBarWidth() {
    // Bars keep their width in pixels as long as there is room for it.
    const int count = std::max(1, values->count());
    const qreal slot = chart()->plotArea().width() / count;
    if (slot > 0)
        series->setBarWidth(std::min(0.8, CustomBarWidth / slot));
    viewport()->update();
}

QRectF TBarChart::BarRect(int index) const {
    const QPointF top = chart()->mapToPosition(QPointF(index, values->at(index)), series);
    const QPointF base = chart()->mapToPosition(QPointF(index, 0), series);
    const qreal width = series->barWidth() * chart()->plotArea().width() / values->count();
    return QRectF(QPointF(top.x() - width / 2, top.y()), QPointF(top.x() + width / 2, base.y()));
}

void TBarChart::drawBackground(QPainter* painter, const QRectF& rect) {
    QChartView::drawBackground(painter, rect);
    if (!threeD)
        return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->fillRect(sceneRect(), Qt::white);
    const QRectF plot = chart()->plotArea();
    const QPen edge(QColor(150, 150, 150), 1);
    painter->setPen(edge);
    // Back wall, then the silver left wall and the floor leading to it.
    painter->setBrush(QColor(246, 246, 250));
    painter->drawRect(plot.translated(Depth));
    painter->setBrush(QColor(192, 192, 192));
    painter->drawPolygon(Parallelogram(plot.topLeft(), plot.bottomLeft()));
    painter->setBrush(QColor(215, 215, 220));
    painter->drawPolygon(Parallelogram(plot.bottomLeft(), plot.bottomRight()));
    // Grid lines on the back wall.
    painter->setPen(QPen(QColor(205, 205, 215), 1, Qt::DotLine));
    for (qreal value = axisY->tickInterval(); value < axisY->max();
         value += axisY->tickInterval()) {
        const qreal y = chart()->mapToPosition(QPointF(0, value), series).y();
        painter->drawLine(QPointF(plot.left(), y) + Depth, QPointF(plot.right(), y) + Depth);
    }
    // The top and side of every box; the bars themselves are their front faces.
    painter->setPen(QPen(BarRed.darker(170), 0.8));
    for (int i = 0; i < values->count(); ++i) {
        if (values->at(i) <= 0)
            continue;
        const QRectF bar = BarRect(i);
        painter->setBrush(BarRed.lighter(140));
        painter->drawPolygon(Parallelogram(bar.topLeft(), bar.topRight()));
        painter->setBrush(BarRed.darker(150));
        painter->drawPolygon(Parallelogram(bar.topRight(), bar.bottomRight()));
    }
    painter->restore();
}

void TBarChart::drawForeground(QPainter* painter, const QRectF& rect) {
    QChartView::drawForeground(painter, rect);
    if (!threeD)
        return;
    painter->save();
    painter->setPen(Qt::black);
    painter->setFont(axisX->labelsFont());
    const QFontMetricsF metrics(painter->font());
    for (int i = 0; i < values->count(); ++i) {
        const QRectF bar = BarRect(i);
        const QString text = QString::number(values->at(i));
        const QPointF lid = QPointF(bar.center().x(), bar.top()) + Depth / 2;
        painter->drawText(
            QPointF(lid.x() - metrics.horizontalAdvance(text) / 2, lid.y() - metrics.descent() - 4),
            text);
    }
    painter->restore();
}
