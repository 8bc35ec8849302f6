#pragma once
#include <QDockWidget>
#include <QSize>

namespace varkel {

// A resizable docking pane with a caption: it docks on any side or floats,
// its one child fills it, and it asks for a default size when first laid out.
class CCoolBar : public QDockWidget {
    Q_OBJECT
public:
    CCoolBar(const QString& caption, QSize defaultSize, const QString& id,
             QWidget* parent = nullptr);

    // Puts the child into the pane, filling it.
    void SetChild(QWidget* child);
    QSize sizeHint() const override { return defaultSize_; }

private:
    QSize defaultSize_;
};

} // namespace varkel
