#pragma once
#include "probe/MemoryImage.h"
#include "probe/ProbePlan.h"

#include <QTableWidget>

namespace varkel {

// The 168 input bytes as a grid of 21 rows of 8, each byte coloured by the
// command that fills it; the selected command's bytes stand out.
class ProbeImageGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit ProbeImageGrid(QWidget* parent = nullptr);

    void SetPlan(const ProbePlan& plan);
    void ShowImage(const MemoryImage& image);
    void SelectCommand(int command);
    const MemoryImage& Image() const { return image_; }
    // The colour of a command's bytes.
    static QColor CommandColour(int command);

private:
    void Paint();

    ProbePlan plan_;
    MemoryImage image_;
    int selected_ = -1;
};

} // namespace varkel
