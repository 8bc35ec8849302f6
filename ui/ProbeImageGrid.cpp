#include "ui/ProbeImageGrid.h"

#include "model/Catalog.h"
#include "model/ConfigCheck.h"
#include "ui/ConflictColours.h"
#include "ui/UiText.h"

#include <QHeaderView>

namespace varkel {

namespace {
constexpr int kColumns = 8;
}

ProbeImageGrid::ProbeImageGrid(QWidget* parent)
    : QTableWidget(kMemoryBytes / kColumns, kColumns, parent) {
    setObjectName(QStringLiteral("probeImage"));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    QStringList columns, rows;
    for (int c = 0; c < kColumns; ++c)
        columns << QStringLiteral("+%1").arg(c);
    for (int r = 0; r < rowCount(); ++r)
        rows << QString::number(r * kColumns);
    setHorizontalHeaderLabels(columns);
    setVerticalHeaderLabels(rows);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    verticalHeader()->setDefaultSectionSize(20);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    for (int i = 0; i < kMemoryBytes; ++i) {
        auto* item = new QTableWidgetItem;
        item->setTextAlignment(Qt::AlignCenter);
        setItem(i / kColumns, i % kColumns, item);
    }
    Paint();
}

QColor ProbeImageGrid::CommandColour(int command) {
    // Light hues a step apart, so that neighbouring commands differ.
    return QColor::fromHsv((command * 47) % 360, 70, 245);
}

void ProbeImageGrid::SetPlan(const ProbePlan& plan) {
    plan_ = plan;
    image_.Clear();
    selected_ = -1;
    Paint();
}

void ProbeImageGrid::ShowImage(const MemoryImage& image) {
    image_ = image;
    Paint();
}

void ProbeImageGrid::SelectCommand(int command) {
    selected_ = command;
    Paint();
}

void ProbeImageGrid::Paint() {
    const auto& commands = plan_.Commands();
    for (int i = 0; i < kMemoryBytes; ++i) {
        QTableWidgetItem* cell = item(i / kColumns, i % kColumns);
        const int owner = image_.Owner(i);
        cell->setText(
            owner == MemoryImage::kUnfilled
                ? QStringLiteral("--")
                : QStringLiteral("%1")
                      .arg(image_.Bytes()[static_cast<std::size_t>(i)], 2, 16, QLatin1Char('0'))
                      .toUpper());
        QColor background = owner == MemoryImage::kUnfilled ? kNotUseColour : CommandColour(owner);
        QColor text = owner == MemoryImage::kUnfilled ? QColor(150, 150, 150) : QColor(Qt::black);
        if (owner != MemoryImage::kUnfilled && owner == selected_) {
            background = kSelectedColour;
            text = Qt::white;
        }
        cell->setBackground(background);
        cell->setForeground(text);
        std::string who = Text(Msg::ProbeImageUnfilled);
        if (owner >= 0 && owner < static_cast<int>(commands.size()))
            who = CommandLabel(commands[static_cast<std::size_t>(owner)].index,
                               commands[static_cast<std::size_t>(owner)].name);
        cell->setToolTip(tr("Byte %1: %2").arg(QString::number(i), QString::fromStdString(who)));
    }
}

} // namespace varkel
