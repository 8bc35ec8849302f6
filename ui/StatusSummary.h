#pragma once
#include <QObject>
#include <QString>

class QLabel;
class QStatusBar;

namespace varkel {

class Project;
struct MemoryFigures;

// The status bar's summary of the open configuration: commands used of 48,
// input and output bytes used of 168 (or needed, past the end, with the
// excess and any bits in conflict) and the estimated quick-scan cycle.
class StatusSummary : public QObject {
    Q_OBJECT
public:
    StatusSummary(const Project& project, QStatusBar* bar, QObject* parent = nullptr);

    // Recomputes the figures; the labels change only when their text does.
    // Called on each change of the configuration.
    void Refresh();

    QLabel* CommandsLabel() const { return commands_; }
    QLabel* InputLabel() const { return input_; }
    QLabel* OutputLabel() const { return output_; }
    QLabel* CycleLabel() const { return cycle_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static void Show(QLabel* label, const QString& text, bool problem,
                     const QString& tip = QString());

    // One memory's label: its figure, the excess past its end and the
    // bytes whose bits several commands share, each explained in the tip.
    void ShowMemory(QLabel* label, const QString& figure, const MemoryFigures& figures,
                    const QString& overTip, const QString& conflictTip);

    const Project& project_;
    QLabel* commands_ = nullptr;
    QLabel* input_ = nullptr;
    QLabel* output_ = nullptr;
    QLabel* cycle_ = nullptr;
};

} // namespace varkel
