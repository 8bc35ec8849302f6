// Reading command lists from workbooks: cells as a spreadsheet shows them,
// and refusal of hostile files.
#include "export/ListReader.h"
#include "TempFolderTest.h"
#include "WorkbookReader.h"
#include "model/TextTable.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

using namespace varkel;
namespace fs = std::filesystem;

namespace {

class ListReaderTest : public test::TempFolderTest {
protected:
    ListReaderTest() : TempFolderTest(TextLanguage::English) {}

    // A workbook of one sheet named "Order list" with the given sheet data.
    std::string Workbook(const std::string& sheetData, const std::string& shared = "",
                         std::vector<std::pair<std::string, std::string>> extra = {}) {
        std::vector<std::pair<std::string, std::string>> parts = {
            {"[Content_Types].xml",
             "<?xml version=\"1.0\"?><Types "
             "xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\"/>"},
            {"_rels/.rels",
             "<Relationships><Relationship Id=\"rId1\" "
             "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
             "officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>"},
            {"xl/workbook.xml",
             "<workbook xmlns:r=\"r\"><sheets><sheet name=\"Notes\" sheetId=\"2\" r:id=\"rId2\"/>"
             "<sheet name=\"Order list\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>"},
            {"xl/_rels/workbook.xml.rels",
             "<Relationships><Relationship Id=\"rId1\" Type=\"x/worksheet\" "
             "Target=\"worksheets/sheet1.xml\"/><Relationship Id=\"rId2\" Type=\"x/worksheet\" "
             "Target=\"worksheets/sheet2.xml\"/><Relationship Id=\"rId3\" "
             "Type=\"x/sharedStrings\" Target=\"sharedStrings.xml\"/></Relationships>"},
            {"xl/worksheets/sheet1.xml",
             "<worksheet><sheetData>" + sheetData + "</sheetData></worksheet>"},
            {"xl/worksheets/sheet2.xml", "<worksheet><sheetData/></worksheet>"},
        };
        if (!shared.empty())
            parts.push_back({"xl/sharedStrings.xml", "<sst>" + shared + "</sst>"});
        for (auto& part : extra)
            parts.push_back(part);
        const std::string path = Path("list.xlsx");
        EXPECT_TRUE(WriteZip(path, parts));
        return path;
    }

    CommandTable::Status Read(const std::string& path) {
        error_.clear();
        EXPECT_TRUE(ListReader::IsWorkbookFile(path) || !fs::is_regular_file(path)) << path;
        return ListReader::ReadWorkbook(path, table_, error_);
    }
    const std::string& At(std::size_t row, int column) const {
        return CommandTable::Cell(table_.rows.at(row), column);
    }

    CommandTable table_;
    std::string error_;
};

TEST_F(ListReaderTest, WorkbookCellsAsTheSpreadsheetShowsThem) {
    const std::string path = Workbook(
        "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"C1\" t=\"inlineStr\"><is><t>start"
        "</t></is></c></row>"
        // Numbers typed into a spreadsheet, a gap in the columns, cells
        // without references, a formula's cached text.
        "<row r=\"4\"><c r=\"A4\"><v>3</v></c><c r=\"C4\" t=\"n\"><v>40.0</v></c><c><v>4E+1</v>"
        "</c><c><v>0.5</v></c><c t=\"str\"><f>A1</f><v>x_x0041_y</v></c></row>"
        "<row><c r=\"B5\" t=\"s\"><v>1</v></c><c r=\"D5\" t=\"s\"><v>2</v></c></row>",
        "<si><t>function</t></si><si><r><t>Two </t></r><r><t>bytes swapping</t></r>"
        "<rPh><t>phonetic</t></rPh></si><si><t xml:space=\"preserve\"> a&amp;b\nc </t></si>");
    ASSERT_EQ(Read(path), CommandTable::Read) << error_;
    EXPECT_EQ(table_.sheet, "Order list"); // by name, not the first sheet
    ASSERT_EQ(table_.rows.size(), 3u);
    EXPECT_EQ(table_.rows[0].number, 1);
    EXPECT_EQ(At(0, 1), "function");
    EXPECT_EQ(At(0, 2), "");
    EXPECT_EQ(At(0, 3), "start");
    EXPECT_EQ(table_.rows[1].number, 4);
    EXPECT_EQ(At(1, 1), "3");
    EXPECT_EQ(At(1, 3), "40");
    EXPECT_EQ(At(1, 4), "40");
    EXPECT_EQ(At(1, 5), "0.5");
    EXPECT_EQ(At(1, 6), "xAy");
    EXPECT_EQ(table_.rows[2].number, 5);
    EXPECT_EQ(At(2, 2), "Two bytes swapping");
    EXPECT_EQ(At(2, 4), " a&b\nc ");
}

TEST_F(ListReaderTest, WorkbookWithoutTheOrderListSheetUsesTheFirst) {
    std::vector<std::pair<std::string, std::string>> parts = {
        {"xl/workbook.xml", "<workbook xmlns:r=\"r\"><sheets><sheet name=\"Sheet1\" "
                            "sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>"},
        {"xl/_rels/workbook.xml.rels",
         "<Relationships><Relationship Id=\"rId1\" Type=\"x/worksheet\" "
         "Target=\"/xl/s.xml\"/></Relationships>"},
        {"xl/s.xml", "<worksheet><sheetData><row r=\"1\"><c r=\"B1\" t=\"inlineStr\"><is><t>"
                     "function</t></is></c></row></sheetData></worksheet>"},
    };
    ASSERT_TRUE(WriteZip(Path("plain.xlsx"), parts));
    ASSERT_EQ(Read(Path("plain.xlsx")), CommandTable::Read) << error_;
    EXPECT_EQ(table_.sheet, "Sheet1");
    EXPECT_EQ(At(0, 2), "function");
}

TEST_F(ListReaderTest, HostileWorkbooksAreRefused) {
    // A zip bomb: 64 MB of zeros packed into some 64 kilobytes.
    ASSERT_TRUE(
        WriteZip(Path("bomb.xlsx"), {{"xl/workbook.xml", std::string(64u * 1024u * 1024u, '\0')}}));
    EXPECT_LT(fs::file_size(Path("bomb.xlsx")), 1024u * 1024u);
    EXPECT_EQ(Read(Path("bomb.xlsx")), CommandTable::Unreadable);
    EXPECT_NE(error_.find("limit"), std::string::npos) << error_;

    // A million rows.
    std::string rows;
    for (int i = 1; i <= 1000000; ++i)
        rows += "<row r=\"" + std::to_string(i) + "\"><c><v>3</v></c></row>";
    EXPECT_EQ(Read(Workbook(rows)), CommandTable::Unreadable);

    // Malformed XML in the sheet, a row out of order, a bad shared string.
    EXPECT_EQ(Read(Workbook("<row r=\"1\"><c><v>3</c></row>")), CommandTable::Unreadable);
    EXPECT_NE(error_.find("sheet1.xml"), std::string::npos) << error_;
    EXPECT_EQ(Read(Workbook("<row r=\"2\"/><row r=\"1\"/>")), CommandTable::Unreadable);
    EXPECT_EQ(Read(Workbook("<row><c t=\"s\"><v>5</v></c></row>", "<si><t>a</t></si>")),
              CommandTable::Unreadable);
    EXPECT_EQ(Read(Workbook("", "<si><t>a</si>")), CommandTable::Unreadable);

    // A cell of 10 MB.
    EXPECT_EQ(Read(Workbook("<row><c t=\"inlineStr\"><is><t>" +
                            std::string(10u * 1024u * 1024u, 'x') + "</t></is></c></row>")),
              CommandTable::Unreadable);
    EXPECT_NE(error_.find("A1"), std::string::npos) << error_;

    // Macros, encryption (a compound file), no zip at all.
    EXPECT_EQ(Read(Workbook("", "", {{"xl/vbaProject.bin", "macro"}})), CommandTable::Unreadable);
    EXPECT_NE(error_.find("macros"), std::string::npos) << error_;
    std::ofstream(Path("secret.xlsx"), std::ios::binary)
        << std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) << std::string(4000, '\0');
    EXPECT_EQ(Read(Path("secret.xlsx")), CommandTable::Unreadable);
    EXPECT_NE(error_.find("encrypted"), std::string::npos) << error_;
    std::ofstream(Path("cut.xlsx"), std::ios::binary) << "PK\x03\x04 and nothing else";
    EXPECT_EQ(Read(Path("cut.xlsx")), CommandTable::Unreadable);

    EXPECT_EQ(Read(Path("absent.xlsx")), CommandTable::Missing);
    EXPECT_EQ(Read(dir_.string()), CommandTable::Missing);
}

} // namespace
