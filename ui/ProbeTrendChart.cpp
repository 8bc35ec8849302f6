#include "ui/ProbeTrendChart.h"

#include <QChart>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>
#include <limits>

namespace varkel {

namespace {
// Points kept a line: about an hour at one pass a second.
constexpr int kMaxPoints = 4000;
} // namespace

ProbeTrendChart::ProbeTrendChart(const QString& timeTitle, const QString& valueTitle,
                                 QWidget* parent)
    : QChartView(parent) {
    setObjectName(QStringLiteral("probeTrend"));
    auto* chart = new QChart;
    chart->legend()->setAlignment(Qt::AlignBottom);
    timeAxis_ = new QValueAxis;
    timeAxis_->setTitleText(timeTitle);
    timeAxis_->setRange(0, 10);
    valueAxis_ = new QValueAxis;
    valueAxis_->setTitleText(valueTitle);
    chart->addAxis(timeAxis_, Qt::AlignBottom);
    chart->addAxis(valueAxis_, Qt::AlignLeft);
    // The view starts with a chart of its own that setChart only releases.
    QChart* initial = this->chart();
    setChart(chart);
    delete initial;
    setRenderHint(QPainter::Antialiasing);
    setRubberBand(QChartView::RectangleRubberBand);
    connect(timeAxis_, &QValueAxis::rangeChanged, this, [this] {
        // A change the chart did not make itself is the user's zoom.
        if (!fitting_)
            zoomed_ = true;
    });
}

void ProbeTrendChart::AddPoint(int command, int value, const QString& label, double seconds,
                               double y) {
    QLineSeries*& series = series_[{command, value}];
    if (!series) {
        series = new QLineSeries;
        series->setName(label);
        chart()->addSeries(series);
        series->attachAxis(timeAxis_);
        series->attachAxis(valueAxis_);
    }
    series->append(seconds, y);
    if (series->count() > kMaxPoints)
        series->removePoints(0, series->count() - kMaxPoints);
    if (!paused_ && !zoomed_)
        Fit();
}

void ProbeTrendChart::RemoveCommand(int command) {
    for (auto it = series_.begin(); it != series_.end();) {
        if (it.key().first == command) {
            chart()->removeSeries(it.value());
            delete it.value();
            it = series_.erase(it);
        } else {
            ++it;
        }
    }
}

void ProbeTrendChart::Clear() {
    chart()->removeAllSeries();
    series_.clear();
    zoomed_ = false;
    Fit();
}

void ProbeTrendChart::ResetZoom() {
    chart()->zoomReset();
    zoomed_ = false;
    Fit();
}

int ProbeTrendChart::PointCount(int command, int value) const {
    const auto it = series_.find({command, value});
    return it == series_.end() ? 0 : static_cast<int>((*it)->count());
}

void ProbeTrendChart::Fit() {
    double minX = std::numeric_limits<double>::max(), maxX = -minX;
    double minY = minX, maxY = -minX;
    for (QLineSeries* s : series_) {
        for (const QPointF& p : s->points()) {
            minX = std::min(minX, p.x());
            maxX = std::max(maxX, p.x());
            minY = std::min(minY, p.y());
            maxY = std::max(maxY, p.y());
        }
    }
    fitting_ = true;
    if (minX > maxX) {
        timeAxis_->setRange(0, 10);
        valueAxis_->setRange(0, 1);
    } else {
        timeAxis_->setRange(std::max(0.0, maxX - 60.0), std::max(maxX, 10.0));
        const double margin = std::max(1.0, (maxY - minY) * 0.05);
        valueAxis_->setRange(minY - margin, maxY + margin);
    }
    fitting_ = false;
}

} // namespace varkel

// The module's one entry point, found by name when the module is loaded.
extern "C" Q_DECL_EXPORT varkel::TrendView*
VarkelCreateTrendChart(QWidget* parent, const QString& timeTitle, const QString& valueTitle) {
    return new varkel::ProbeTrendChart(timeTitle, valueTitle, parent);
}
