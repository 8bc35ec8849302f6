// The conflict detection dialog: the layout of the two memory maps, the
// colour of every used bit, and the highlight of the selected command.
#include "model/Command.h"
#include "model/Node.h"
#include "model/Project.h"
#include "model/TextTable.h"
#include "ui/CConflictDlg.h"
#include "ui/ConfigTree.h"
#include "ui/ConflictColours.h"
#include "ui/MemoryMapGrid.h"

#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTreeWidgetItemIterator>
#include <QtTest>

using namespace varkel;

namespace {

const QColor kWhiteCell(255, 255, 255);
const QColor kGreyCell(200, 200, 200);
const QColor kRedCell(255, 0, 0);
const QColor kYellowCell(255, 255, 0);
const QColor kBlueCell(49, 106, 197);

Command* AddCommand(Project& project, int functionIndex, const char* count, const char* mapping,
                    const char* bitOffset = "0") {
    Subnet& subnet = project.GetSubnet();
    Node* node = subnet.GetNodeAt(0) ? subnet.GetNodeAt(0) : subnet.CreateNode();
    Command* command = node->CreateCommand(functionIndex);
    command->GetItem(Command::RegisterRow)->SetValue("0");
    command->GetItem(Command::DataNumberRow)->SetValue(count);
    command->GetItem(Command::MappingRow)->SetValue(mapping);
    command->GetItem(Command::BitOffsetRow)->SetValue(bitOffset);
    return command;
}

// The tree entry that stands for an object.
template <typename Object> QTreeWidgetItem* ItemOf(ConfigTree& tree, Object* object) {
    const TreeEntry entry(object);
    for (QTreeWidgetItemIterator it(&tree); *it; ++it)
        if (ConfigTree::HasEntry(*it) && ConfigTree::EntryOf(*it) == entry)
            return *it;
    return nullptr;
}

// The bits of a grid whose cell has the colour, as "first-last" ranges.
QString BitsOf(const MemoryMapGrid& grid, const QColor& colour) {
    QStringList ranges;
    int start = -1;
    const int total = (MemoryMapGrid::kRows - 1) * MemoryMapGrid::kBitsPerRow;
    for (int bit = 0; bit <= total; ++bit) {
        const bool match = bit < total && grid.BitColour(bit) == colour;
        if (match && start < 0)
            start = bit;
        if (!match && start >= 0) {
            ranges << QStringLiteral("%1-%2").arg(start).arg(bit - 1);
            start = -1;
        }
    }
    return ranges.join(QLatin1Char(','));
}

} // namespace

class ConflictDialogTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        SetTextLanguage(TextLanguage::English);
    }

    void MapsAreLaidOutWithAddressesAndByteHeaders() {
        Project project;
        CConflictDlg dialog(project);
        MemoryMapGrid& in = *dialog.InputGrid();
        MemoryMapGrid& out = *dialog.OutputGrid();
        QCOMPARE(in.rowCount(), 100);
        QCOMPARE(in.columnCount(), 33);
        QCOMPARE(in.CellText(0, 0), QString());
        QCOMPARE(in.CellText(0, 1), QStringLiteral("00"));
        QCOMPARE(in.CellText(0, 9), QStringLiteral("01"));
        QCOMPARE(in.CellText(0, 25), QStringLiteral("03"));
        QCOMPARE(in.CellText(0, 2), QString());
        QCOMPARE(in.CellText(1, 0), QStringLiteral("0000"));
        QCOMPARE(in.CellText(43, 0), QStringLiteral("00A8"));
        QCOMPARE(in.CellText(99, 0), QStringLiteral("0188"));
        QCOMPARE(out.CellText(1, 0), QStringLiteral("4000"));
        QCOMPARE(out.CellText(99, 0), QStringLiteral("4188"));
        QCOMPARE(in.CellColour(5, 0), kBlueCell);
        QCOMPARE(out.CellColour(99, 0), kBlueCell);
        // 600 and 300 twips at the screen's resolution; the address column
        // is the table's own header, and bit columns narrow on a small screen.
        QCOMPARE(in.verticalHeader()->width(), 600 * in.logicalDpiX() / 1440);
        QVERIFY(in.columnWidth(32) <= 300 * in.logicalDpiX() / 1440);
        QVERIFY(in.columnWidth(32) >= 10);
        QCOMPARE(in.columnWidth(1), in.columnWidth(32));
        QCOMPARE(in.rowHeight(50), 300 * in.logicalDpiY() / 1440);
        QCOMPARE(in.verticalHeaderItem(43)->text(), QStringLiteral("00A8"));
        QCOMPARE(in.horizontalHeaderItem(9)->text(), QStringLiteral("01"));
        // Bit i sits in row i / 32 + 1, column i % 32 + 1.
        QCOMPARE(MemoryMapGrid::RowOfBit(1343), 42);
        QCOMPARE(MemoryMapGrid::ColumnOfBit(1343), 32);
        QCOMPARE(MemoryMapGrid::BitOfCell(43, 1), 1344);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Conflict Detect"));
    }

    void EmptyConfigurationShowsWhiteMapsAndHighlightsNothing() {
        Project project;
        project.GetSubnet().CreateNode();
        CConflictDlg dialog(project);
        QCOMPARE(dialog.InputMarkerCount(), 0);
        QCOMPARE(dialog.OutputMarkerCount(), 0);
        QCOMPARE(BitsOf(*dialog.InputGrid(), kWhiteCell), QStringLiteral("0-3167"));
        QCOMPARE(BitsOf(*dialog.OutputGrid(), kWhiteCell), QStringLiteral("0-3167"));
        ConfigTree& tree = *dialog.Tree();
        QCOMPARE(tree.topLevelItemCount(), 2);
        QCOMPARE(tree.topLevelItem(1)->childCount(), 1);
        for (QTreeWidgetItemIterator it(&tree); *it; ++it) {
            tree.setCurrentItem(*it);
            QCOMPARE(dialog.HighlightedCount(), 0);
        }
        QCOMPARE(BitsOf(*dialog.InputGrid(), kBlueCell), QString());
    }

    void SelectionMovesTheHighlightBetweenOverlappingCommands() {
        Project project;
        // Function code 3: 16 bits a register. A covers bits 0-15, B 0-31.
        Command* a = AddCommand(project, 2, "1", "0000H");
        Command* b = AddCommand(project, 2, "2", "0000H");
        Command* w = AddCommand(project, 13, "1", "4002H"); // output bits 16-31
        CConflictDlg dialog(project);
        MemoryMapGrid& in = *dialog.InputGrid();
        MemoryMapGrid& out = *dialog.OutputGrid();
        QCOMPARE(BitsOf(in, kRedCell), QStringLiteral("0-15"));
        QCOMPARE(BitsOf(in, kGreyCell), QStringLiteral("16-31"));
        QCOMPARE(BitsOf(out, kGreyCell), QStringLiteral("16-31"));
        QCOMPARE(dialog.InputMarkerCount(), 32);
        QCOMPARE(dialog.OutputMarkerCount(), 16);

        ConfigTree& tree = *dialog.Tree();
        tree.setCurrentItem(ItemOf(tree, a));
        QCOMPARE(BitsOf(in, kBlueCell), QStringLiteral("0-15"));
        QCOMPARE(BitsOf(in, kGreyCell), QStringLiteral("16-31"));
        QCOMPARE(BitsOf(out, kBlueCell), QString());

        tree.setCurrentItem(ItemOf(tree, b));
        QCOMPARE(BitsOf(in, kBlueCell), QStringLiteral("0-31"));
        QCOMPARE(dialog.HighlightedCount(), 32);

        tree.setCurrentItem(ItemOf(tree, a));
        QCOMPARE(BitsOf(in, kBlueCell), QStringLiteral("0-15"));
        QCOMPARE(BitsOf(in, kGreyCell), QStringLiteral("16-31"));

        // Output bits: the 4000H base is taken off.
        tree.setCurrentItem(ItemOf(tree, w));
        QCOMPARE(BitsOf(out, kBlueCell), QStringLiteral("16-31"));
        QCOMPARE(BitsOf(in, kBlueCell), QString());
        QCOMPARE(BitsOf(in, kRedCell), QStringLiteral("0-15"));

        // A node is no command: every colour goes back.
        tree.setCurrentItem(ItemOf(tree, project.GetSubnet().GetNodeAt(0)));
        QCOMPARE(dialog.HighlightedCount(), 0);
        QCOMPARE(BitsOf(out, kGreyCell), QStringLiteral("16-31"));
        QCOMPARE(BitsOf(in, kRedCell), QStringLiteral("0-15"));
    }

    void BitsPastTheMemoryAreOverflow() {
        Project project;
        // 00A7H holds bits 1336-1343; four registers from there run to 1399.
        Command* tail = AddCommand(project, 3, "4", "00A7H");
        // Bit 1343 used a second time, by a coil read with bit offset 7.
        AddCommand(project, 0, "1", "00A7H", "7");
        CConflictDlg dialog(project);
        MemoryMapGrid& in = *dialog.InputGrid();
        QCOMPARE(BitsOf(in, kGreyCell), QStringLiteral("1336-1342"));
        QCOMPARE(in.BitColour(1343), kRedCell);
        QCOMPARE(BitsOf(in, kYellowCell), QStringLiteral("1344-1399"));
        QCOMPARE(BitsOf(in, kWhiteCell), QStringLiteral("0-1335,1400-3167"));
        QCOMPARE(CConflictDlg::ColourOfCount(1343, 2), kRedCell);
        QCOMPARE(CConflictDlg::ColourOfCount(1343, 1), kGreyCell);
        QCOMPARE(CConflictDlg::ColourOfCount(1344, 1), kYellowCell);
        QCOMPARE(CConflictDlg::ColourOfCount(1499, 7), kYellowCell);
        dialog.Tree()->setCurrentItem(ItemOf(*dialog.Tree(), tail));
        QCOMPARE(BitsOf(in, kBlueCell), QStringLiteral("1336-1399"));
    }

    void RunsPastTheLastCounterEndOnBit1499() {
        Project project;
        // 84 registers from 0080H: bits 1024 to 2367, of which 1499 and
        // later all count on bit 1499.
        Command* big = AddCommand(project, 3, "84", "0080H");
        CConflictDlg dialog(project);
        MemoryMapGrid& in = *dialog.InputGrid();
        QCOMPARE(BitsOf(in, kGreyCell), QStringLiteral("1024-1343"));
        QCOMPARE(BitsOf(in, kYellowCell), QStringLiteral("1344-1499"));
        QCOMPARE(dialog.InputMarkerCount(), 1499 - 1024 + 1);
        dialog.Tree()->setCurrentItem(ItemOf(*dialog.Tree(), big));
        QCOMPARE(BitsOf(in, kBlueCell), QStringLiteral("1024-1499"));
    }

    void CommandWithoutBitsHighlightsNothing() {
        Project project;
        Command* used = AddCommand(project, 2, "1", "0000H");
        Command* none = AddCommand(project, 2, "0", "0000H");
        CConflictDlg dialog(project);
        QCOMPARE(BitsOf(*dialog.InputGrid(), kGreyCell), QStringLiteral("0-15"));
        dialog.Tree()->setCurrentItem(ItemOf(*dialog.Tree(), used));
        QCOMPARE(dialog.HighlightedCount(), 16);
        dialog.Tree()->setCurrentItem(ItemOf(*dialog.Tree(), none));
        QCOMPARE(dialog.HighlightedCount(), 0);
        QCOMPARE(BitsOf(*dialog.InputGrid(), kBlueCell), QString());
        QCOMPARE(BitsOf(*dialog.InputGrid(), kGreyCell), QStringLiteral("0-15"));
    }

    void DialogFitsOnTheScreen() {
        // Two full maps are wider than many screens; the dialog must still
        // fit, with its Close button in reach, and let the maps scroll.
        Project project;
        CConflictDlg dialog(project);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QRect screen = dialog.screen()->availableGeometry();
        QVERIFY(screen.width() < 2 * dialog.InputGrid()->FullWidth());
        QVERIFY2(dialog.width() <= screen.width(), qPrintable(QString::number(dialog.width())));
        QVERIFY(dialog.height() <= screen.height());
        // Each map shows its four bytes a row without scrolling sideways.
        for (const MemoryMapGrid* map : {dialog.InputGrid(), dialog.OutputGrid()}) {
            QVERIFY(map->mapTo(&dialog, QPoint(map->width(), 0)).x() <= dialog.width());
            QCOMPARE(map->horizontalScrollBar()->maximum(), 0);
            QVERIFY(!map->horizontalScrollBar()->isVisible());
            QVERIFY(map->viewport()->width() >= 32 * map->columnWidth(1));
        }
    }

    void HeadersStayInViewWhileTheMapScrollsToTheCommand() {
        Project project;
        Command* low = AddCommand(project, 2, "1", "0000H");
        Command* high = AddCommand(project, 2, "2", "0090H");
        CConflictDlg dialog(project);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        MemoryMapGrid& in = *dialog.InputGrid();
        dialog.Tree()->setCurrentItem(ItemOf(*dialog.Tree(), high));
        QApplication::processEvents();
        const int row = MemoryMapGrid::RowOfBit(0x90 * 8);
        QVERIFY(in.verticalScrollBar()->value() > 0);
        QVERIFY(in.viewport()->rect().contains(in.visualItemRect(in.item(row, 1)).center()));
        // The header row and the address column are headers, not cells
        // that scrolled away.
        QVERIFY(in.horizontalHeader()->isVisible());
        QVERIFY(in.verticalHeader()->isVisible());
        QVERIFY(in.isRowHidden(0));
        QVERIFY(in.isColumnHidden(0));
        dialog.Tree()->setCurrentItem(ItemOf(*dialog.Tree(), low));
        QApplication::processEvents();
        QCOMPARE(in.verticalScrollBar()->value(), 0);
    }

    void LegendShowsTheFiveColours() {
        Project project;
        CConflictDlg dialog(project);
        const struct {
            const char* name;
            QColor colour;
        } swatches[] = {{"swatchNotUse", kWhiteCell},
                        {"swatchLegal", kGreyCell},
                        {"swatchConflict", kRedCell},
                        {"swatchOverflow", kYellowCell},
                        {"swatchSelected", kBlueCell}};
        for (const auto& s : swatches) {
            auto* swatch = dialog.findChild<QWidget*>(QLatin1String(s.name));
            QVERIFY2(swatch, s.name);
            QCOMPARE(swatch->palette().color(QPalette::Window), s.colour);
        }
        QStringList texts;
        for (QLabel* label : dialog.findChildren<QLabel*>())
            texts << label->text();
        QVERIFY(texts.contains(QStringLiteral("  Input Memory ")));
        QVERIFY(texts.contains(QStringLiteral(" Output Memory ")));
        QVERIFY(texts.contains(QStringLiteral("Legal ")));
        QCOMPARE(dialog.palette().color(QPalette::Window), QColor(216, 219, 220));
    }
};

QTEST_MAIN(ConflictDialogTest)
#include "ConflictDialogTest.moc"
