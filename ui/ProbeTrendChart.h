#pragma once
#include <QChartView>
#include <QMap>
#include <QPair>

class QLineSeries;
class QValueAxis;

namespace varkel {

// The live trend of the values the user ticks: one line a value, against
// the seconds since the start. Zoom by dragging a rectangle; while zoomed
// or paused the axes stay where they are.
class ProbeTrendChart : public QChartView {
    Q_OBJECT
public:
    explicit ProbeTrendChart(QWidget* parent = nullptr);

    // Adds a point to the line of (command, value index), made on first use.
    void AddPoint(int command, int value, const QString& label, double seconds, double y);
    // Removes every line of a command.
    void RemoveCommand(int command);
    void Clear();
    void SetPaused(bool paused) { paused_ = paused; }
    bool Paused() const { return paused_; }
    void ResetZoom();
    int SeriesCount() const { return static_cast<int>(series_.size()); }
    int PointCount(int command, int value) const;

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
