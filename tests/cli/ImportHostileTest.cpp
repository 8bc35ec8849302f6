// Hostile and wrong command lists through varkel-cli import, in process:
// each is refused with its exit status and a message saying what and where,
// control characters never raw, and the configuration left byte for byte.
#include "cli/CliApp.h"
#include "cli/ConfigurationFile.h"
#include "export/WorkbookPackage.h"
#include "model/Command.h"
#include "model/Node.h"
#include "model/Project.h"
#include "model/TextTable.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace varkel {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void WriteAll(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// A workbook of one sheet with the given sheet data and shared strings (no
// shared strings part when empty); "twin" adds a second entry named as the
// sheet, holding that data.
std::string Workbook(const std::string& sheetData, const std::string& shared = "",
                     const std::string& sheetName = "Order list", const std::string& twin = "") {
    WorkbookPackage package;
    package.AddPart("[Content_Types].xml", "<Types/>");
    package.AddPart("_rels/.rels",
                    "<Relationships><Relationship Id=\"rId1\" Type=\"x/officeDocument\" "
                    "Target=\"xl/workbook.xml\"/></Relationships>");
    package.AddPart("xl/workbook.xml", "<workbook xmlns:r=\"r\"><sheets><sheet name=\"" +
                                           sheetName +
                                           "\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>");
    package.AddPart("xl/_rels/workbook.xml.rels",
                    "<Relationships><Relationship Id=\"rId1\" Type=\"x/worksheet\" "
                    "Target=\"worksheets/sheet1.xml\"/><Relationship Id=\"rId2\" "
                    "Type=\"x/sharedStrings\" Target=\"sharedStrings.xml\"/></Relationships>");
    const auto sheet = [](const std::string& data) {
        return "<worksheet><sheetData>" + data + "</sheetData></worksheet>";
    };
    package.AddPart("xl/worksheets/sheet1.xml", sheet(sheetData));
    if (!twin.empty())
        package.AddPart("xl/worksheets/sheet1.xmZ", sheet(twin));
    if (!shared.empty())
        package.AddPart("xl/sharedStrings.xml", "<sst>" + shared + "</sst>");
    std::string bytes, detail;
    EXPECT_TRUE(package.Write(bytes, detail)) << detail;
    // No zip writer makes two entries of one name: rename the twin in the
    // local and central headers, which the checksums do not cover.
    for (std::size_t at = bytes.find("sheet1.xmZ"); at != std::string::npos;
         at = bytes.find("sheet1.xmZ", at))
        bytes[at + 9] = 'l';
    return bytes;
}

// An inline string cell.
std::string InlineCell(const std::string& reference, const std::string& text) {
    return "<c r=\"" + reference + "\" t=\"inlineStr\"><is><t>" + text + "</t></is></c>";
}

const std::string kHeader = "<row r=\"1\">" + InlineCell("A1", "function") +
                            InlineCell("B1", "mnemonic") + InlineCell("C1", "bytes") + "</row>";

struct Ran {
    int status = -1;
    std::string err;
};

Ran Import(std::vector<std::string> args) {
    args.insert(args.begin(), {"varkel-cli", "--lang", "en", "import"});
    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(a.data());
    Ran ran;
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    ran.status = cli::RunCli(static_cast<int>(argv.size()), argv.data());
    ::testing::internal::GetCapturedStdout();
    ran.err = ::testing::internal::GetCapturedStderr();
    return ran;
}

TEST(ImportHostile, ListsAreRefusedWithWhatAndWhere) {
    const fs::path folder =
        fs::temp_directory_path() / ("varkel-import-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    Project project;
    Node* node = project.GetSubnet().CreateNode();
    node->CreateCommand(2)->GetItem(Command::MnemonicRow)->SetValue("kept");
    const std::string file = (folder / "plant.xml").string();
    ASSERT_EQ(cli::SaveConfiguration(project, file), 0);
    const std::string before = ReadAll(file);

    struct Case {
        const char* name;
        std::string list; // the file's bytes
        bool workbook;
        bool append;
        int status;
        std::string message; // a fragment of standard error
    };
    const std::string row2 = "<row r=\"2\">" + InlineCell("A2", "3");
    const Case cases[] = {
        {"emoji in a mnemonic", "function,mnemonic\n3,pump \xF0\x9F\x98\x80\n", false, false, 7,
         "row 2 column B (mnemonic): Mnemonic: \"pump \xF0\x9F\x98\x80\" — Illegal character in an "
         "item (the configuration file's code page, GB2312, cannot hold"},
        {"control character in a mnemonic", "function,mnemonic\n3,\"a\x01z\"\n", false, false, 7,
         "Mnemonic: \"a\\x01z\" — Illegal character in an item (control character \\x01)"},
        {"escaped control character in a workbook",
         Workbook(kHeader + row2 + InlineCell("B2", "a_x0007_z") + "</row>"), true, false, 7,
         "\"a\\x07z\""},
        {"control character in a choice", "function,scan\n3,\"Quick\x1B[31m\"\n", false, false, 7,
         "\"Quick\\x1B[31m\""},
        {"out of range as the grid says it", "function,count\n3,85\n", false, false, 8,
         "row 2 column B (count): Data number: 85 is out of range 1-84"},
        {"header only", "function,count\n", false, false, 65,
         "list.csv has a header but no command rows"},
        {"header only, appended", "function,count\n", false, true, 0, "nothing is appended"},
        {"two entries of one name",
         Workbook(kHeader + row2 + "</row>", "", "Order list", kHeader + "<row r=\"0\"/>"), true,
         false, 65, "two entries are named xl/worksheets/sheet1.xml"},
        {"long cell in a skipped column",
         Workbook(kHeader + row2 + "<c r=\"C2\"><v>40." + std::string(100000, '0') +
                  "</v></c></row>"),
         true, false, 65, "Cell C2 of Order list is longer than 32767 bytes"},
        {"shared string out of range",
         Workbook(kHeader + "<row r=\"2\"><c r=\"A2\" t=\"s\"><v>7</v></c></row>",
                  "<si><t>3</t></si>"),
         true, false, 65,
         "Order list cell A2: shared string \"7\" does not exist (the workbook holds 1)"},
        {"no shared strings part",
         Workbook(kHeader + "<row r=\"2\"><c r=\"A2\" t=\"s\"><v>0</v></c></row>"), true, false, 65,
         "Order list cell A2: refers to shared string \"0\", but the workbook has no shared "
         "strings part"},
        {"row twice", Workbook(kHeader + row2 + "</row>" + row2 + "</row>"), true, false, 65,
         "Order list: row 2 comes twice"},
        {"rows out of order", Workbook(kHeader + "<row r=\"3\"/>" + row2 + "</row>"), true, false,
         65, "Order list: row 2 comes after row 3"},
        {"row zero", Workbook("<row r=\"0\"/>" + kHeader), true, false, 65,
         "Order list: the row number \"0\" is not from 1 to 1048576"},
        {"row number too long", Workbook(kHeader + "<row r=\"99999999999\"/>"), true, false, 65,
         "the row number \"99999999999\" is not from 1 to 1048576"},
        {"cell outside its row",
         Workbook(kHeader + "<row r=\"2\">" + InlineCell("A3", "3") + "</row>"), true, false, 65,
         "Order list row 2: the cell \"A3\" lies outside its row"},
        {"sheet name with a control character",
         Workbook(kHeader + "<row r=\"2\">" + InlineCell("A2", "3") + InlineCell("A2", "4") +
                      "</row>",
                  "", "Order&#27;list"),
         true, false, 65, "Order\\x1Blist: cell A2 comes twice"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string list = (folder / (c.workbook ? "list.xlsx" : "list.csv")).string();
        WriteAll(list, c.list);
        std::vector<std::string> args = {file, "--from", list};
        if (c.append)
            args.push_back("--append");
        const Ran ran = Import(args);
        EXPECT_EQ(ran.status, c.status) << ran.err;
        EXPECT_NE(ran.err.find(c.message), std::string::npos) << ran.err;
        for (char ch : ran.err)
            EXPECT_TRUE(static_cast<unsigned char>(ch) >= 0x20 || ch == '\n') << ran.err;
        EXPECT_TRUE(ReadAll(file) == before) << "the configuration changed";
        WriteAll(file, before);
        fs::remove(list);
    }
    fs::remove_all(folder);
}

} // namespace
} // namespace varkel
