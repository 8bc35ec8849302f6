#pragma once
#include "ui/TrendView.h"

#include <QChartView>
#include <QMap>
#include <QPair>

class QLineSeries;
class QValueAxis;

namespace varkel {

// The live trend of the values the user ticks: one line a value, against
// the seconds since the start. Zoom by dragging a rectangle; while zoomed
// or paused the axes stay where they are.
class ProbeTrendChart : public QChartView, public TrendView {
    Q_OBJECT
public:
    ProbeTrendChart(const QString& timeTitle, const QString& valueTitle, QWidget* parent = nullptr);

    QWidget* Widget() override { return this; }
    void AddPoint(int command, int value, const QString& label, double seconds, double y) override;
    void RemoveCommand(int command) override;
    void Clear() override;
    void SetPaused(bool paused) override { paused_ = paused; }
    bool Paused() const override { return paused_; }
    void ResetZoom() override;
    int SeriesCount() const override { return static_cast<int>(series_.size()); }
    int PointCount(int command, int value) const override;

private:
    void Fit();

    QValueAxis* timeAxis_ = nullptr;
    QValueAxis* valueAxis_ = nullptr;
    QMap<QPair<int, int>, QLineSeries*> series_;
    bool paused_ = false;
    bool zoomed_ = false;
    bool fitting_ = false;
};

} // namespace varkel
