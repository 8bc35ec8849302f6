#pragma once
#include <QString>

class QWidget;

namespace varkel {

// The probe dialog's live trend as the dialog sees it. The chart behind it
// lives in a module of its own (with the chart and OpenGL libraries it
// needs), loaded when the dialog first opens, so the program starts
// without them.
class TrendView {
public:
    virtual ~TrendView() = default;

    // The widget to lay out; the parent given at creation owns it.
    virtual QWidget* Widget() = 0;
    // Adds a point to the line of (command, value index), made on first use.
    virtual void AddPoint(int command, int value, const QString& label, double seconds,
                          double y) = 0;
    // Removes every line of a command.
    virtual void RemoveCommand(int command) = 0;
    virtual void Clear() = 0;
    virtual void SetPaused(bool paused) = 0;
    virtual bool Paused() const = 0;
    virtual void ResetZoom() = 0;
    virtual int SeriesCount() const = 0;
    virtual int PointCount(int command, int value) const = 0;
};

// The chart from its module, with the axes' titles; nullptr with the reason
// in failure when the module cannot be loaded.
TrendView* CreateTrendView(QWidget* parent, const QString& timeTitle, const QString& valueTitle,
                           QString& failure);

} // namespace varkel
