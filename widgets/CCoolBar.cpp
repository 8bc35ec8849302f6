#include "widgets/CCoolBar.h"

namespace varkel {

CCoolBar::CCoolBar(const QString& caption, QSize defaultSize, const QString& id, QWidget* parent)
    : QDockWidget(caption, parent), defaultSize_(defaultSize) {
    // The object name lets the main window remember where the pane was.
    setObjectName(id);
    setAllowedAreas(Qt::AllDockWidgetAreas);
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                QDockWidget::DockWidgetFloatable);
}

void CCoolBar::SetChild(QWidget* child) {
    setWidget(child);
}

} // namespace varkel
