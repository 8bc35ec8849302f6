// Where the export puts each value: the cells of the command, fieldbus and
// subnet sheets.
#include "export/SheetLayout.h"
#include "model/Project.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>

using namespace varkel;

namespace {

// Remembers the cells an export wrote.
class SheetRecorder : public SheetSink {
public:
    void SetCell(int row, int column, const std::string& text) override {
        cells[{row, column}] = text;
    }
    std::map<std::pair<int, int>, std::string> cells;
};

} // namespace

TEST(Command, ExportRow) {
    Command c("name", 2);
    SheetRecorder sheet;
    ExportRow(c, sheet, 4, 3);
    EXPECT_EQ((sheet.cells[{4, 1}]), "3");
    EXPECT_EQ((sheet.cells[{4, 2}]), "3");
    EXPECT_EQ((sheet.cells[{4, 11}]), "");
    EXPECT_EQ(sheet.cells.size(), 11u);
}

TEST(Fieldbus, ExportsItsItemsInRowTwo) {
    Fieldbus fieldbus;
    SheetRecorder sheet;
    ExportItems(fieldbus, sheet);
    EXPECT_EQ(sheet.cells.size(), 5u);
    EXPECT_EQ((sheet.cells[{2, 1}]), "Profibus");
}

TEST(Subnet, ExportsItemsOfTheModeInForce) {
    Subnet subnet;
    SheetRecorder sheet;
    ExportItems(subnet, sheet);
    EXPECT_EQ(sheet.cells.size(), 12u);
    EXPECT_EQ((sheet.cells[{2, 2}]), "19200");
    subnet.SetProtocolType(ProtocolType::Universal);
    sheet.cells.clear();
    ExportItems(subnet, sheet);
    EXPECT_EQ(sheet.cells.size(), 20u);
    EXPECT_EQ((sheet.cells[{2, 20}]), "关闭");
    // A loaded file may bring a shorter list: the columns run on across
    // the lists, so the mode items are still written.
    subnet.SetProtocolType(ProtocolType::ModbusMaster);
    subnet.AlwaysItems().pop_back();
    sheet.cells.clear();
    ExportItems(subnet, sheet);
    EXPECT_EQ(sheet.cells.size(), 11u);
    EXPECT_EQ((sheet.cells[{2, 6}]), "RTU");
}

TEST(Project, ExportsInOrder) {
    Project project;
    Node* node = project.GetSubnet().CreateNode();
    node->CreateCommand(2);
    Node* second = project.GetSubnet().CreateNode();
    second->CreateCommand(0);
    second->CreateCommand(4);
    SheetRecorder orders;
    ExportNodes(project, orders);
    EXPECT_EQ((orders.cells[{2, 1}]), "1");
    EXPECT_EQ((orders.cells[{4, 1}]), "3");
    EXPECT_EQ((orders.cells[{4, 2}]), "5");
    project.GetSubnet().SetProtocolType(ProtocolType::Universal);
    SheetRecorder none;
    ExportNodes(project, none);
    EXPECT_TRUE(none.cells.empty());
}
