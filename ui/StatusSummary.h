#pragma once
#include <QObject>
#include <QString>

class QAbstractItemModel;
class QLabel;
class QStatusBar;
class QTimer;

namespace varkel {

class Project;

// The status bar's summary of the open configuration: commands used of 48,
// input and output bytes used of 168 and the estimated quick-scan cycle.
class StatusSummary : public QObject {
    Q_OBJECT
public:
    StatusSummary(const Project& project, QStatusBar* bar, QObject* parent = nullptr);

    // Recomputes the figures; the labels change only when their text does.
    void Refresh();
    // Refreshes soon after the model changes, once the change is complete.
    void Watch(QAbstractItemModel* model);

    QLabel* CommandsLabel() const { return commands_; }
    QLabel* InputLabel() const { return input_; }
    QLabel* OutputLabel() const { return output_; }
    QLabel* CycleLabel() const { return cycle_; }

private:
    static void Show(QLabel* label, const QString& text, bool problem,
                     const QString& tip = QString());

    const Project& project_;
    QLabel* commands_ = nullptr;
    QLabel* input_ = nullptr;
    QLabel* output_ = nullptr;
    QLabel* cycle_ = nullptr;
    QTimer* timer_ = nullptr;
    QTimer* soon_ = nullptr;
};

} // namespace varkel
