#include "export/WorkbookPackage.h"
#include "WorkbookReader.h"
#include "export/WorkbookExport.h"
#include "model/Project.h"
#include "model/TextTable.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

using namespace varkel;
namespace fs = std::filesystem;

namespace {

const std::string kDecl = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
const std::string kRelType = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";

std::string Sheet(const std::string& rows) {
    return kDecl +
           "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
           "<sheetData>" +
           rows + "</sheetData></worksheet>";
}

// A workbook as a spreadsheet program might save it: the workbook part in
// another folder, sheet files named unlike their sheets and listed out of
// order, absolute and relative targets, a fourth sheet, shared strings, a
// formula and its calculation chain.
std::vector<std::pair<std::string, std::string>> CraftedTemplate() {
    return {
        {"[Content_Types].xml",
         kDecl + "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
                 "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
                 "<Override PartName=\"/book/calcChain.xml\" ContentType=\"application/"
                 "vnd.openxmlformats-officedocument.spreadsheetml.calcChain+xml\"/>"
                 "<Override PartName=\"/book/workbook.xml\" ContentType=\"main\"/></Types>"},
        {"_rels/.rels", kDecl + "<Relationships xmlns=\"p\"><Relationship Id=\"rId1\" Type=\"" +
                            kRelType +
                            "officeDocument\" Target=\"/book/workbook.xml\"/></Relationships>"},
        {"book/workbook.xml", kDecl + "<workbook xmlns=\"m\" xmlns:rel=\"" +
                                  kRelType.substr(0, kRelType.size() - 1) +
                                  "\"><sheets>"
                                  "<sheet name=\"Notes\" sheetId=\"9\" rel:id=\"rId9\"/>"
                                  "<sheet name=\"子网\" sheetId=\"3\" rel:id=\"rId3\"/>"
                                  "<sheet name=\"命令列表\" sheetId=\"1\" rel:id=\"rId1\"/>"
                                  "<sheet name=\"现场总线\" sheetId=\"2\" rel:id=\"rId2\"/>"
                                  "</sheets></workbook>"},
        {"book/_rels/workbook.xml.rels", kDecl +
                                             "<Relationships xmlns=\"p\">"
                                             "<Relationship Id=\"rId1\" Type=\"" +
                                             kRelType +
                                             "worksheet\" Target=\"sheets/c.xml\"/>"
                                             "<Relationship Id=\"rId2\" Type=\"" +
                                             kRelType +
                                             "worksheet\" Target=\"/book/sheets/a.xml\"/>"
                                             "<Relationship Id=\"rId3\" Type=\"" +
                                             kRelType +
                                             "worksheet\" Target=\"./sheets/../sheets/b.xml\"/>"
                                             "<Relationship Id=\"rId9\" Type=\"" +
                                             kRelType +
                                             "worksheet\" Target=\"sheets/notes.xml\"/>"
                                             "<Relationship Id=\"rId7\" Type=\"" +
                                             kRelType +
                                             "calcChain\" Target=\"calcChain.xml\"/>"
                                             "</Relationships>"},
        {"book/sheets/a.xml", Sheet("<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c></row>")},
        {"book/sheets/b.xml", Sheet("<row r=\"2\" spans=\"1:2\"><c r=\"A2\" s=\"4\" t=\"s\"><v>1"
                                    "</v></c><c r=\"B2\"><f>LEN(A2)</f><v>3</v></c></row>")},
        {"book/sheets/c.xml", Sheet("")},
        {"book/sheets/notes.xml", Sheet("<row r=\"2\"><c r=\"A2\"><v>7</v></c></row>")},
        {"book/sharedStrings.xml", kDecl + "<sst xmlns=\"m\" count=\"2\" uniqueCount=\"2\">"
                                           "<si><t>Head</t></si><si><t>old</t></si></sst>"},
        {"book/calcChain.xml", kDecl + "<calcChain xmlns=\"m\"><c r=\"B2\" i=\"3\"/></calcChain>"},
    };
}

TEST(WorkbookPackageTest, TargetsResolveAgainstTheirSource) {
    EXPECT_EQ(WorkbookPackage::ResolveTarget("xl/workbook.xml", "worksheets/sheet1.xml"),
              "xl/worksheets/sheet1.xml");
    EXPECT_EQ(WorkbookPackage::ResolveTarget("xl/workbook.xml", "/xl/worksheets/s.xml"),
              "xl/worksheets/s.xml");
    EXPECT_EQ(WorkbookPackage::ResolveTarget("xl/workbook.xml", "../customXml/item1.xml"),
              "customXml/item1.xml");
    EXPECT_EQ(WorkbookPackage::ResolveTarget("", "xl/workbook.xml"), "xl/workbook.xml");
    EXPECT_EQ(WorkbookPackage::RelationshipsPart("xl/workbook.xml"), "xl/_rels/workbook.xml.rels");
    EXPECT_EQ(WorkbookPackage::RelationshipsPart(""), "_rels/.rels");
}

TEST(WorkbookPackageTest, SheetsAreFoundByNameAndTheCalcChainIsDropped) {
    WorkbookPackage package;
    for (const auto& [name, data] : CraftedTemplate())
        package.AddPart(name, data);
    EXPECT_EQ(package.WorkbookPart(), "book/workbook.xml");
    EXPECT_EQ(package.FindSheet("命令列表"), "book/sheets/c.xml");
    EXPECT_EQ(package.FindSheet("现场总线"), "book/sheets/a.xml");
    EXPECT_EQ(package.FindSheet("子网"), "book/sheets/b.xml");
    EXPECT_EQ(package.FindSheet("notes"), "book/sheets/notes.xml"); // case as programs do
    EXPECT_EQ(package.FindSheet("Subnet"), "");
    EXPECT_EQ(package.FindSheet(""), "");

    package.DropCalcChain();
    EXPECT_EQ(package.Part("book/calcChain.xml"), nullptr);
    EXPECT_EQ(package.Part("[Content_Types].xml")->find("calcChain"), std::string::npos);
    const std::string& rels = *package.Part("book/_rels/workbook.xml.rels");
    EXPECT_EQ(rels.find("calcChain"), std::string::npos);
    EXPECT_NE(rels.find("Id=\"rId9\""), std::string::npos);
    EXPECT_NE(package.Part("[Content_Types].xml")->find("/book/workbook.xml"), std::string::npos);
}

TEST(WorkbookPackageTest, OpenTellsMissingFromDamaged) {
    WorkbookPackage package;
    std::string detail;
    EXPECT_EQ(package.Open("/nonexistent/t.xlsx", detail), WorkbookPackage::CannotRead);
    EXPECT_FALSE(detail.empty());
    EXPECT_EQ(package.Open("/", detail), WorkbookPackage::CannotRead);
    EXPECT_EQ(package.Open(std::string(VARKEL_TEST_RESDIR) + "/../CMakeLists.txt", detail),
              WorkbookPackage::NotPackage);
    EXPECT_EQ(package.Open(std::string(VARKEL_TEST_RESDIR) + "/Template.xlsx", detail),
              WorkbookPackage::Opened);
    EXPECT_EQ(package.FindSheet("子网"), "xl/worksheets/sheet3.xml");
}

TEST(WorkbookPackageTest, APackageOfTooManyPartsIsRefused) {
    std::string pattern = (fs::temp_directory_path() / "varkel-package-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    const fs::path dir = pattern;
    auto parts = ReadZip(std::string(VARKEL_TEST_RESDIR) + "/Template.xlsx");
    ASSERT_FALSE(parts.empty());
    for (std::size_t i = parts.size(); i < WorkbookPackage::kMaxParts; ++i)
        parts.emplace_back("extra/" + std::to_string(i), "");
    ASSERT_TRUE(WriteZip((dir / "full.xlsx").string(), parts));
    parts.emplace_back("extra/one-more", "");
    ASSERT_TRUE(WriteZip((dir / "over.xlsx").string(), parts));

    WorkbookPackage package;
    std::string detail;
    EXPECT_EQ(package.Open((dir / "full.xlsx").string(), detail), WorkbookPackage::Opened);
    EXPECT_EQ(package.FindSheet("子网"), "xl/worksheets/sheet3.xml");
    EXPECT_EQ(package.Open((dir / "over.xlsx").string(), detail), WorkbookPackage::NotPackage);
    EXPECT_FALSE(detail.empty());
    fs::remove_all(dir);
}

TEST(WorkbookPackageTest, ExportIntoAnUnusualWorkbookKeepsWhatItDoesNotWrite) {
    std::string pattern = (fs::temp_directory_path() / "varkel-package-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    const fs::path dir = pattern;
    const auto parts = CraftedTemplate();
    ASSERT_TRUE(WriteZip((dir / "t.xlsx").string(), parts));

    SetTextLanguage(TextLanguage::Chinese);
    Project project;
    project.GetSubnet().CreateNode()->CreateCommand(2);
    std::string error;
    ASSERT_EQ(ExportWorkbook(project, (dir / "t.xlsx").string(), (dir / "o.xlsx").string(), &error),
              ExportDone)
        << error;
    auto out = ReadZip((dir / "o.xlsx").string());
    fs::remove_all(dir);

    std::map<std::string, std::string> written(out.begin(), out.end());
    EXPECT_EQ(written.count("book/calcChain.xml"), 0u);
    ASSERT_EQ(out.size(), parts.size() - 1);
    for (const auto& [name, data] : parts) {
        if (name == "book/sheets/notes.xml" || name == "book/sharedStrings.xml" ||
            name == "_rels/.rels" || name == "book/workbook.xml") {
            EXPECT_EQ(written[name], data) << name;
        }
    }
    // The subnet sheet: A2 keeps its style, B2's formula is replaced by the
    // value, the rest of row 2 follows in order.
    const std::string& subnet = written["book/sheets/b.xml"];
    EXPECT_NE(subnet.find("<c r=\"A2\" s=\"4\" t=\"inlineStr\">"), std::string::npos) << subnet;
    EXPECT_EQ(subnet.find("<f>"), std::string::npos);
    EXPECT_NE(subnet.find("spans=\"1:12\""), std::string::npos);
    EXPECT_NE(written["book/sheets/c.xml"].find("<dimension ref=\"A2:K2\"/>"), std::string::npos);
}

} // namespace
