#include "ui/CConflictDlg.h"

#include "model/Command.h"
#include "model/Project.h"
#include "ui/ConfigTree.h"
#include "ui/ConflictColours.h"
#include "ui/MemoryMapGrid.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QVBoxLayout>

#include <algorithm>

namespace varkel {

namespace {

constexpr int kTreeWidth = 230;
constexpr int kNarrowestBit = 10;

QLabel* StaticLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, kConflictLabelText);
    label->setPalette(palette);
    return label;
}

QFrame* Swatch(const QColor& colour, const QString& name, QWidget* parent) {
    auto* swatch = new QFrame(parent);
    swatch->setObjectName(name);
    swatch->setFrameShape(QFrame::Box);
    swatch->setFixedSize(18, 18);
    swatch->setAutoFillBackground(true);
    QPalette palette = swatch->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::WindowText, QColor(96, 96, 96));
    swatch->setPalette(palette);
    return swatch;
}

} // namespace

CConflictDlg::CConflictDlg(Project& project, QWidget* parent) : QDialog(parent), project_(project) {
    setObjectName(QStringLiteral("conflictDialog"));
    setWindowTitle(tr("Conflict Detect"));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kConflictBackground);
    setPalette(palette);

    tree_ = new ConfigTree(this);
    tree_->setObjectName(QStringLiteral("conflictTree"));
    // Building the tree writes only into the tree; the project is not changed.
    BuildTree(project_, *tree_);

    inputGrid_ = new MemoryMapGrid(0, this);
    inputGrid_->setObjectName(QStringLiteral("inputMap"));
    outputGrid_ = new MemoryMapGrid(kOutputBase, this);
    outputGrid_->setObjectName(QStringLiteral("outputMap"));

    MemoryCounts input{};
    MemoryCounts output{};
    // The map shows every conflict and overflow itself; the code only sums
    // them up.
    static_cast<void>(project_.GetSubnet().MarkMemoryUse(input, output, false));
    for (int bit = 0; bit < kMemoryBits; ++bit) {
        auto add = [this, bit](int count, int direction) {
            if (count == 0)
                return;
            auto marker = std::make_unique<CellMarker>();
            marker->bitIndex = bit;
            marker->row = MemoryMapGrid::RowOfBit(bit);
            marker->column = MemoryMapGrid::ColumnOfBit(bit);
            marker->direction = direction;
            marker->grid = direction == InputDirection ? inputGrid_ : outputGrid_;
            marker->colour = ColourOfCount(bit, count);
            Paint(*marker);
            auto& byBit = direction == InputDirection ? inputByBit_ : outputByBit_;
            byBit[static_cast<std::size_t>(bit)] = marker.get();
            (direction == InputDirection ? inputMarkers_ : outputMarkers_)
                .push_back(std::move(marker));
        };
        add(input[static_cast<std::size_t>(bit)], InputDirection);
        add(output[static_cast<std::size_t>(bit)], OutputDirection);
    }

    connect(tree_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { OnSelectionChanged(current); });

    auto mapColumn = [this](const QString& title, MemoryMapGrid* grid) {
        auto* box = new QWidget(this);
        auto* layout = new QVBoxLayout(box);
        layout->setContentsMargins(0, 0, 0, 0);
        QLabel* label = StaticLabel(title, box);
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
        layout->addWidget(label);
        layout->addWidget(grid, 1);
        // Every map shows its four bytes a row in full.
        grid->setMinimumWidth(grid->FullWidth());
        return box;
    };
    // Both maps side by side where the screen has room, else one above the
    // other; where even one map is too wide beside the tree, its bit
    // columns are narrowed.
    const QRect screen = QGuiApplication::primaryScreen()
                             ? QGuiApplication::primaryScreen()->availableGeometry()
                             : QRect(0, 0, 1280, 800);
    const int room = int(screen.width() * 0.95) - kTreeWidth - 60;
    const bool sideBySide = 2 * inputGrid_->FullWidth() <= room;
    if (!sideBySide && inputGrid_->FullWidth() > room) {
        const int rest = inputGrid_->FullWidth() - 32 * inputGrid_->columnWidth(1);
        const int bit = std::max(kNarrowestBit, (room - rest) / 32);
        inputGrid_->SetBitWidth(bit);
        outputGrid_->SetBitWidth(bit);
    }
    auto* maps = new QWidget(this);
    QBoxLayout* mapsLayout = sideBySide ? static_cast<QBoxLayout*>(new QHBoxLayout(maps))
                                        : static_cast<QBoxLayout*>(new QVBoxLayout(maps));
    mapsLayout->setContentsMargins(0, 0, 0, 0);
    mapsLayout->addWidget(mapColumn(tr("  Input Memory "), inputGrid_));
    mapsLayout->addWidget(mapColumn(tr(" Output Memory "), outputGrid_));

    auto* splitter = new QSplitter(this);
    splitter->addWidget(tree_);
    splitter->addWidget(maps);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setChildrenCollapsible(false);
    tree_->setMinimumWidth(210);
    const int mapsWidth = (sideBySide ? 2 * inputGrid_->FullWidth() + 10 : inputGrid_->FullWidth());
    splitter->setSizes({kTreeWidth, mapsWidth});

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(MakeLegend());
    bottom->addStretch(1);
    bottom->addWidget(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 1);
    layout->addLayout(bottom);

    QSize size(kTreeWidth + mapsWidth + 50, 640);
    size = size.boundedTo(screen.size() * 0.95);
    resize(size);
}

CConflictDlg::~CConflictDlg() {
    // The tree's signals must not reach a half-destroyed dialog.
    disconnect(tree_, nullptr, this, nullptr);
}

QWidget* CConflictDlg::MakeLegend() {
    auto* legend = new QWidget(this);
    auto* layout = new QHBoxLayout(legend);
    layout->setContentsMargins(0, 0, 0, 0);
    const struct {
        QColor colour;
        const char* name;
        QString text;
    } entries[] = {
        {kNotUseColour, "swatchNotUse", tr("Not use")},
        {kLegalColour, "swatchLegal", tr("Legal ")},
        {kConflictColour, "swatchConflict", tr("Conflict")},
        {kOverflowColour, "swatchOverflow", tr("Overflow")},
        {kSelectedColour, "swatchSelected", tr("Selected Command")},
    };
    for (const auto& entry : entries) {
        layout->addWidget(Swatch(entry.colour, QLatin1String(entry.name), legend));
        layout->addWidget(StaticLabel(entry.text, legend));
        layout->addSpacing(10);
    }
    return legend;
}

QColor CConflictDlg::ColourOfCount(int bit, int count) {
    if (bit >= kMemoryDataBits)
        return kOverflowColour;
    return count == 1 ? kLegalColour : kConflictColour;
}

void CConflictDlg::Paint(const CellMarker& marker) {
    marker.grid->SetCellColour(marker.row, marker.column,
                               marker.highlighted == 0 ? kSelectedColour : marker.colour);
}

void CConflictDlg::OnSelectionChanged(QTreeWidgetItem* current) {
    inputGrid_->setUpdatesEnabled(false);
    outputGrid_->setUpdatesEnabled(false);
    for (CellMarker* marker : highlighted_) {
        marker->highlighted = 1;
        Paint(*marker);
    }
    highlighted_.clear();
    inputGrid_->setUpdatesEnabled(true);
    outputGrid_->setUpdatesEnabled(true);

    if (!ConfigTree::HasEntry(current))
        return;
    const Command* command = ConfigTree::EntryOf(current).AsCommand();
    if (!command)
        return;
    std::uint32_t address = 0;
    int bitOffset = 0;
    int length = 0;
    int direction = InputDirection;
    command->GetMappingBits(address, bitOffset, length, direction);
    long long start = address;
    if (direction == OutputDirection && address != 0)
        start -= kOutputBase;
    MemoryMapGrid* grid = direction == OutputDirection ? outputGrid_ : inputGrid_;
    const auto& byBit = direction == OutputDirection ? outputByBit_ : inputByBit_;

    grid->setUpdatesEnabled(false);
    // Only the bits that lie in the map can carry a marker.
    const long long first = start * 8 + bitOffset;
    const long long from = std::max<long long>(first, 0);
    const long long to = std::min<long long>(first + length, kMemoryBits);
    for (long long bit = from; bit < to; ++bit) {
        CellMarker* marker = byBit[static_cast<std::size_t>(bit)];
        if (!marker || marker->direction != direction)
            continue;
        marker->highlighted = 0;
        Paint(*marker);
        highlighted_.push_back(marker);
    }
    grid->setUpdatesEnabled(true);
    // Bring the command's first bit into view; the map is taller than the
    // dialog.
    if (!highlighted_.empty())
        grid->scrollToItem(grid->item(highlighted_.front()->row, highlighted_.front()->column),
                           QAbstractItemView::PositionAtCenter);
}

} // namespace varkel
