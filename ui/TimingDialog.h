#pragma once
#include <QDialog>

class QDoubleSpinBox;
class QLabel;
class QTableWidget;

namespace varkel {

class Project;

// The polling-cycle estimate of the open configuration: the line settings it
// rests on, the cycles, the problems it shows and one row per command.
class TimingDialog : public QDialog {
    Q_OBJECT
public:
    explicit TimingDialog(const Project& project, QWidget* parent = nullptr);

    void Recompute();

    QTableWidget* Table() const { return table_; }
    QDoubleSpinBox* Turnaround() const { return turnaround_; }
    QLabel* Figures() const { return figures_; }
    QLabel* Warnings() const { return warnings_; }

private:
    const Project& project_;
    QDoubleSpinBox* turnaround_ = nullptr;
    QLabel* line_ = nullptr;
    QLabel* figures_ = nullptr;
    QLabel* warnings_ = nullptr;
    QTableWidget* table_ = nullptr;
};

} // namespace varkel
