#pragma once
#include "model/MemoryMap.h"

#include <QColor>
#include <QDialog>

#include <array>
#include <memory>
#include <vector>

class QTreeWidgetItem;

namespace varkel {

class ConfigTree;
class MemoryMapGrid;
class Project;

// The conflict detection dialog: a copy of the configuration tree and the
// two memories bit by bit: unused, used once, used more than once, beyond
// the end. Selecting a command in its tree marks that command's bits. It
// only reads the configuration.
class CConflictDlg : public QDialog {
    Q_OBJECT
public:
    // One used bit of one memory and how it is painted.
    struct CellMarker {
        int bitIndex = 0;
        int row = 0;
        int column = 0;
        int highlighted = 1; // 0 painted in the selection colour, 1 in its own
        MemoryMapGrid* grid = nullptr;
        int direction = 1;
        QColor colour = Qt::white;
    };

    explicit CConflictDlg(Project& project, QWidget* parent = nullptr);
    ~CConflictDlg() override;

    ConfigTree* Tree() const { return tree_; }
    MemoryMapGrid* InputGrid() const { return inputGrid_; }
    MemoryMapGrid* OutputGrid() const { return outputGrid_; }
    int InputMarkerCount() const { return static_cast<int>(inputMarkers_.size()); }
    int OutputMarkerCount() const { return static_cast<int>(outputMarkers_.size()); }
    int HighlightedCount() const { return static_cast<int>(highlighted_.size()); }

    // The colour of a bit used count times: 1344 and above lie beyond the
    // memory.
    static QColor ColourOfCount(int bit, int count);

private:
    void OnSelectionChanged(QTreeWidgetItem* current);
    void Paint(const CellMarker& marker);
    QWidget* MakeLegend();

    Project& project_;
    ConfigTree* tree_ = nullptr;
    MemoryMapGrid* inputGrid_ = nullptr;
    MemoryMapGrid* outputGrid_ = nullptr;
    std::vector<std::unique_ptr<CellMarker>> inputMarkers_;
    std::vector<std::unique_ptr<CellMarker>> outputMarkers_;
    std::vector<CellMarker*> highlighted_;
    // The marker of each bit, for the highlight.
    std::array<CellMarker*, kMemoryBits> inputByBit_{};
    std::array<CellMarker*, kMemoryBits> outputByBit_{};
};

} // namespace varkel
