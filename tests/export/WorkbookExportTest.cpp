#include "export/WorkbookExport.h"
#include "TempFolderTest.h"
#include "WorkbookReader.h"
#include "model/Project.h"
#include "model/TextKeys.h"
#include "model/TextTable.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>

using namespace varkel;
namespace fs = std::filesystem;

namespace {

const std::string kTemplate = std::string(VARKEL_TEST_RESDIR) + "/Template.xlsx";
const std::string kTemplateEn = std::string(VARKEL_TEST_RESDIR) + "/Template_en.xlsx";
const std::string kOrders = "命令列表", kFieldbus = "现场总线", kSubnet = "子网";

class ExportTest : public test::TempFolderTest {
protected:
    ExportTest() : TempFolderTest(TextLanguage::Chinese) {}
    std::set<std::string> Listing() const {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir_))
            names.insert(entry.path().filename().string());
        return names;
    }
    static std::string ReadFile(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    static void WriteFile(const std::string& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }
};

// Two nodes with 3 and 2 commands, a few values typed in.
void BuildTwoNodes(Project& project) {
    Subnet& subnet = project.GetSubnet();
    Node* first = subnet.CreateNode();
    Node* second = subnet.CreateNode();
    ASSERT_TRUE(first && second);
    const int firstFunctions[] = {2, 0, 13}; // codes 3, 1, 16
    const int secondFunctions[] = {4, 5};    // codes 5, 6
    for (int f : firstFunctions)
        ASSERT_NE(first->CreateCommand(f), nullptr);
    for (int f : secondFunctions)
        ASSERT_NE(second->CreateCommand(f), nullptr);
    first->GetCommandAt(0)->GetItem(Command::MappingRow)->SetValue("00A0H");
    first->GetCommandAt(0)->GetItem(Command::MnemonicRow)->SetValue("温度");
    second->GetCommandAt(1)->GetItem(Command::MappingRow)->SetValue("4000H");
    subnet.GetItem(Subnet::ParityIndex)->SetValue(LocalText(kKeyParityEven));
}

TEST_F(ExportTest, TwoNodesFillOrderListFieldbusAndSubnet) {
    Project project;
    BuildTwoNodes(project);
    std::string error = "unset";
    ASSERT_EQ(ExportWorkbook(project, kTemplate, Path("out.xlsx"), &error), ExportDone) << error;
    EXPECT_TRUE(error.empty());

    WorkbookReader book;
    ASSERT_TRUE(book.Open(Path("out.xlsx")));
    bool ordered = false;
    CellMap orders = book.Cells(kOrders, &ordered);
    EXPECT_TRUE(ordered);
    const char* codes[] = {"3", "1", "16", "5", "6"};
    for (int k = 1; k <= 5; ++k) {
        EXPECT_EQ(At(orders, k + 1, 1).text, std::to_string(k));
        EXPECT_EQ(At(orders, k + 1, 2).text, codes[k - 1]) << "row " << k + 1;
        EXPECT_EQ(At(orders, k + 1, 1).type, "inlineStr");
    }
    EXPECT_EQ(orders.count(std::make_pair(7, 1)), 0u);
    EXPECT_EQ(At(orders, 2, 5).text, "00A0H");
    EXPECT_EQ(At(orders, 2, 11).text, "温度");
    EXPECT_EQ(At(orders, 6, 5).text, "4000H");
    EXPECT_EQ(At(orders, 3, 9).text, "CRC");
    EXPECT_EQ(At(orders, 3, 10).text, LocalText(kKeyQuickScan)); // a choice as its text
    EXPECT_EQ(orders.count(std::make_pair(2, 12)), 0u);
    EXPECT_EQ(book.Dimension(kOrders), "A1:K6");

    CellMap fieldbus = book.Cells(kFieldbus, &ordered);
    EXPECT_TRUE(ordered);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(At(fieldbus, 2, i + 1).text, project.GetFieldbus().GetItem(i)->GetValue());
    EXPECT_EQ(At(fieldbus, 2, 1).text, "Profibus");

    CellMap subnet = book.Cells(kSubnet, &ordered);
    EXPECT_TRUE(ordered);
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(At(subnet, 2, i + 1).text, project.GetSubnet().GetItem(i)->GetValue()) << i;
    EXPECT_EQ(At(subnet, 2, 2).text, "19200");
    EXPECT_EQ(At(subnet, 2, 4).text, "偶校验");
    EXPECT_EQ(subnet.count(std::make_pair(2, 13)), 0u);
    EXPECT_EQ(book.Dimension(kSubnet), "A1:T2"); // the header reaches T
}

TEST_F(ExportTest, UniversalModeLeavesOrderListEmptyAndWritesTwentySubnetValues) {
    Project project;
    BuildTwoNodes(project);
    project.GetSubnet().SetProtocolType(ProtocolType::Universal);
    ASSERT_EQ(ExportWorkbook(project, kTemplate, Path("u.xlsx")), ExportDone);

    WorkbookReader book;
    ASSERT_TRUE(book.Open(Path("u.xlsx")));
    WorkbookReader original;
    ASSERT_TRUE(original.Open(kTemplate));
    EXPECT_EQ(book.Part(book.SheetPart(kOrders)), original.Part(original.SheetPart(kOrders)));

    CellMap subnet = book.Cells(kSubnet);
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(At(subnet, 2, i + 1).text, project.GetSubnet().GetItem(i)->GetValue()) << i;
    EXPECT_EQ(At(subnet, 2, 1).text, LocalText(kKeyUniversalMode));
    EXPECT_EQ(At(subnet, 2, 13).text, LocalText(kKeyCharacterTimeout)); // control mode
    EXPECT_EQ(At(subnet, 2, 20).text, LocalText(kKeyClose));            // CRC check
    EXPECT_EQ(subnet.count(std::make_pair(2, 21)), 0u);
}

TEST_F(ExportTest, AwkwardTextsSurvive) {
    Project project;
    Node* node = project.GetSubnet().CreateNode();
    const std::string texts[] = {
        "温度 & <压力>\r\n第二行", "  lead and trail  ", "_x0041_ is no A", "tab\there", "bell\x07",
        "]]> \"quoted\" 'single'"};
    for (const std::string& text : texts)
        node->CreateCommand(2)->GetItem(Command::MnemonicRow)->SetValue(text);
    node->CreateCommand(2)->GetItem(Command::MnemonicRow)->SetValue("bad \xFF byte");
    ASSERT_EQ(ExportWorkbook(project, kTemplate, Path("t.xlsx")), ExportDone);

    WorkbookReader book;
    ASSERT_TRUE(book.Open(Path("t.xlsx")));
    bool ordered = false;
    CellMap orders = book.Cells(kOrders, &ordered);
    ASSERT_TRUE(ordered); // the sheet parsed
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(At(orders, i + 2, 11).text, texts[i]) << i;
    EXPECT_EQ(At(orders, 8, 11).text, "bad \xEF\xBF\xBD byte");
    // Empty values leave empty cells that keep the column's format.
    EXPECT_EQ(orders.count(std::make_pair(2, 3)), 1u);
    EXPECT_TRUE(At(orders, 2, 3).text.empty());
    EXPECT_EQ(At(orders, 2, 3).style, "3");
}

TEST_F(ExportTest, TemplateFormattingIsKept) {
    Project project;
    BuildTwoNodes(project);
    ASSERT_EQ(ExportWorkbook(project, kTemplate, Path("f.xlsx")), ExportDone);
    WorkbookReader book, original;
    ASSERT_TRUE(book.Open(Path("f.xlsx")));
    ASSERT_TRUE(original.Open(kTemplate));

    EXPECT_EQ(book.PartNames(), original.PartNames());
    for (const char* part : {"[Content_Types].xml", "xl/workbook.xml", "xl/styles.xml",
                             "xl/sharedStrings.xml", "xl/_rels/workbook.xml.rels"})
        EXPECT_EQ(book.Part(part), original.Part(part)) << part;
    for (const std::string& sheet : {kOrders, kFieldbus, kSubnet}) {
        CellMap before = original.Cells(sheet);
        CellMap after = book.Cells(sheet);
        ASSERT_FALSE(before.empty());
        for (const auto& [key, cell] : before) {
            if (key.first != 1)
                continue;
            EXPECT_EQ(after[key].text, cell.text);
            EXPECT_EQ(after[key].style, cell.style);
        }
        // Column widths and the frozen header sit outside the cell data.
        std::string xml = book.Part(book.SheetPart(sheet));
        std::string old = original.Part(original.SheetPart(sheet));
        auto between = [](const std::string& s, const std::string& a, const std::string& b) {
            std::size_t from = s.find(a), to = s.find(b);
            return from == std::string::npos || to == std::string::npos ? std::string()
                                                                        : s.substr(from, to - from);
        };
        EXPECT_EQ(between(xml, "<sheetViews>", "<sheetData>"),
                  between(old, "<sheetViews>", "<sheetData>"));
        EXPECT_NE(between(xml, "<sheetViews>", "<sheetData>").find("state=\"frozen\""),
                  std::string::npos);
    }
    EXPECT_EQ(At(book.Cells(kOrders), 1, 1).text, "序号");
    EXPECT_EQ(At(book.Cells(kOrders), 1, 2).text, "功能码");
}

TEST_F(ExportTest, EnglishUsesEnglishSheetsAndRefusesChineseTemplate) {
    SetTextLanguage(TextLanguage::English);
    EXPECT_EQ(DefaultTemplateName(), "Template_en.xlsx");
    Project project;
    BuildTwoNodes(project);
    ASSERT_EQ(ExportWorkbook(project, kTemplateEn, Path("en.xlsx")), ExportDone);
    WorkbookReader book;
    ASSERT_TRUE(book.Open(Path("en.xlsx")));
    EXPECT_EQ(At(book.Cells("Order list"), 6, 1).text, "5");
    EXPECT_EQ(At(book.Cells("Order list"), 1, 1).text, "No.");

    std::string error;
    EXPECT_EQ(ExportWorkbook(project, kTemplate, Path("zh.xlsx"), &error), ExportSheetMissing);
    EXPECT_NE(error.find("\"Order list\""), std::string::npos) << error;
    EXPECT_FALSE(fs::exists(Path("zh.xlsx")));
}

TEST_F(ExportTest, FailuresLeaveNoFileAndKeepAnExistingOutput) {
    Project project;
    BuildTwoNodes(project);
    std::string error;

    EXPECT_EQ(ExportWorkbook(project, Path("none.xlsx"), Path("a.xlsx"), &error),
              ExportTemplateMissing);
    EXPECT_NE(error.find("none.xlsx"), std::string::npos) << error;
    EXPECT_EQ(ExportWorkbook(project, dir_.string(), Path("a.xlsx"), &error),
              ExportTemplateMissing);

    WriteFile(Path("text.xlsx"), "just some text, not a zip");
    EXPECT_EQ(ExportWorkbook(project, Path("text.xlsx"), Path("a.xlsx"), &error),
              ExportTemplateInvalid);
    ASSERT_TRUE(WriteZip(Path("nobook.xlsx"), {{"readme.txt", "hello"}}));
    EXPECT_EQ(ExportWorkbook(project, Path("nobook.xlsx"), Path("a.xlsx"), &error),
              ExportTemplateInvalid);

    // Sheets present but their XML broken.
    auto parts = ReadZip(kTemplate);
    for (auto& [name, data] : parts) {
        if (name == "xl/worksheets/sheet2.xml")
            data = data.substr(0, data.size() / 2);
    }
    ASSERT_TRUE(WriteZip(Path("broken.xlsx"), parts));
    EXPECT_EQ(ExportWorkbook(project, Path("broken.xlsx"), Path("a.xlsx"), &error),
              ExportTemplateInvalid);
    EXPECT_FALSE(fs::exists(Path("a.xlsx")));

    // An existing output stays as it was when the export fails.
    WriteFile(Path("keep.xlsx"), "previous export");
    SetTextLanguage(TextLanguage::English);
    EXPECT_EQ(ExportWorkbook(project, kTemplate, Path("keep.xlsx"), &error), ExportSheetMissing);
    EXPECT_EQ(ReadFile(Path("keep.xlsx")), "previous export");
    SetTextLanguage(TextLanguage::Chinese);

    // Output folder missing, or the output a folder.
    EXPECT_EQ(ExportWorkbook(project, kTemplate, Path("no/such/dir/a.xlsx"), &error),
              ExportWriteFailed);
    EXPECT_NE(error.find("no/such/dir/a.xlsx"), std::string::npos) << error;
    fs::create_directory(Path("folder.xlsx"));
    EXPECT_EQ(ExportWorkbook(project, kTemplate, Path("folder.xlsx"), &error), ExportWriteFailed);
    EXPECT_TRUE(fs::is_directory(Path("folder.xlsx")));

    // Nothing else was left behind, temporary files included.
    EXPECT_EQ(Listing(), (std::set<std::string>{"text.xlsx", "nobook.xlsx", "broken.xlsx",
                                                "keep.xlsx", "folder.xlsx"}));
}

TEST_F(ExportTest, ExportReplacesAnExistingOutputAndTheTemplateItself) {
    Project project;
    BuildTwoNodes(project);
    WriteFile(Path("out.xlsx"), "old");
    ASSERT_EQ(ExportWorkbook(project, kTemplate, Path("out.xlsx")), ExportDone);
    WorkbookReader book;
    ASSERT_TRUE(book.Open(Path("out.xlsx")));
    EXPECT_EQ(At(book.Cells(kOrders), 6, 1).text, "5");

    // Exporting over the template it reads from works, and twice gives the
    // same cells.
    fs::copy_file(kTemplate, Path("own.xlsx"));
    ASSERT_EQ(ExportWorkbook(project, Path("own.xlsx"), Path("own.xlsx")), ExportDone);
    ASSERT_EQ(ExportWorkbook(project, Path("own.xlsx"), Path("own.xlsx")), ExportDone);
    WorkbookReader own;
    ASSERT_TRUE(own.Open(Path("own.xlsx")));
    EXPECT_EQ(own.Cells(kOrders), book.Cells(kOrders));
    EXPECT_EQ(Listing(), (std::set<std::string>{"out.xlsx", "own.xlsx"}));
}

TEST_F(ExportTest, DefaultTemplateIsFound) {
    std::string found = FindDefaultTemplate(dir_.string());
    EXPECT_TRUE(fs::is_regular_file(found)) << found;
    EXPECT_EQ(fs::path(found).filename(), "Template.xlsx");

    // A template beside the program comes first.
    fs::copy_file(kTemplateEn, Path("Template.xlsx"));
    EXPECT_EQ(FindDefaultTemplate(dir_.string()), Path("Template.xlsx"));
}

} // namespace

namespace {

TEST_F(ExportTest, IoListSheetHasOneRowPerElementInBothTemplates) {
    Project project;
    Node* node = project.GetSubnet().CreateNode();
    node->GetItem(0)->SetValue("4");
    Command* read = node->CreateCommand(2); // 03, two registers at byte 6
    read->GetItem(Command::RegisterRow)->SetValue("30");
    read->GetItem(Command::DataNumberRow)->SetValue("2");
    read->GetItem(Command::MappingRow)->SetValue("0006H");
    read->GetItem(Command::MnemonicRow)->SetValue("液位");
    Command* coil = node->CreateCommand(4); // 05, one coil at bit 2 of output byte 1
    coil->GetItem(Command::RegisterRow)->SetValue("8");
    coil->GetItem(Command::MappingRow)->SetValue("4001H");
    coil->GetItem(Command::BitOffsetRow)->SetValue("2");

    const std::pair<std::string, std::string> books[] = {{kTemplate, "IO 列表"},
                                                         {kTemplateEn, "IO list"}};
    for (const auto& [workbook, sheet] : books) {
        SetTextLanguage(workbook == kTemplate ? TextLanguage::Chinese : TextLanguage::English);
        ASSERT_EQ(ExportWorkbook(project, workbook, Path("io.xlsx")), ExportDone);
        WorkbookReader book;
        ASSERT_TRUE(book.Open(Path("io.xlsx")));
        bool ordered = false;
        CellMap cells = book.Cells(sheet, &ordered);
        EXPECT_TRUE(ordered) << sheet;
        const std::vector<std::vector<std::string>> rows = {
            {"液位_0", "input", "6", "0", "15", "4", "3", "30", "none", "quick"},
            {"液位_1", "input", "8", "0", "15", "4", "3", "31", "none", "quick"},
            {"N4_C2", "output", "1", "2", "2", "4", "5", "8", "none", "quick"}};
        for (std::size_t r = 0; r < rows.size(); ++r)
            for (std::size_t c = 0; c < rows[r].size(); ++c)
                EXPECT_EQ(At(cells, static_cast<int>(r) + 2, static_cast<int>(c) + 1).text,
                          rows[r][c])
                    << sheet << " row " << r + 2 << " column " << c + 1;
        EXPECT_EQ(cells.count(std::make_pair(5, 1)), 0u);
        EXPECT_FALSE(At(cells, 1, 1).text.empty()); // the template's header stays
    }
}

} // namespace
