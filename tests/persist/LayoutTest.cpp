#include "model/Project.h"
#include "model/TextTable.h"
#include "persist/ModelXml.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <ctime>
#include <regex>

namespace varkel {
namespace {

using test::ReadBytes;
using test::TempDir;

std::string SavedDefault(const TempDir& dir) {
    Project project;
    std::string error;
    EXPECT_EQ(SaveFile(project, dir.File("default.xml"), &error), 1) << error;
    EXPECT_EQ(error, "");
    return ReadBytes(dir.File("default.xml"));
}

// The reference file was checked by eye against the layout rules; every
// byte but the time of the save must stay as it is.
TEST(FileLayout, DefaultConfigurationMatchesTheReferenceFile) {
    TempDir dir;
    std::string saved = SavedDefault(dir);
    std::string reference = ReadBytes(VARKEL_PERSIST_DATA "/default.xml");
    ASSERT_FALSE(reference.empty());
    EXPECT_EQ(test::WithoutDateTime(saved), test::WithoutDateTime(reference));
}

TEST(FileLayout, HeaderCarriesDeclarationProductAndTimeOfSave) {
    TempDir dir;
    std::time_t before = std::time(nullptr);
    std::string saved = SavedDefault(dir);
    EXPECT_EQ(saved.rfind("<?xml version=\"1.0\" encoding=\"gb2312\" ?>\r\n"
                          "<Norrin Value=\"Norrin\">\r\n"
                          "    <Company Value=\"Company\">\r\n"
                          "        <Name Value=",
                          0),
              0u);
    EXPECT_NE(saved.find("        <Version Value=\"1.0.0.0\" />\r\n        <DateTime Value=\""),
              std::string::npos);
    EXPECT_NE(saved.find("    <Product Value=\"Product\">\r\n"
                         "        <ProductName Value=\"TRX10\" />\r\n"
                         "        <Language Value=\"Chinese\" />\r\n"
                         "    </Product>\r\n"
                         "    <Subnet Value=\"Subnet\">\r\n"
                         "        <ProtocalType Value=\"ProtocalType\">\r\n"
                         "            <MasterModeItemList Value=\"MasterModeItemList\">\r\n"),
              std::string::npos);
    EXPECT_EQ(saved.substr(saved.size() - 11), "</Norrin>\r\n");

    std::smatch m;
    ASSERT_TRUE(std::regex_search(
        saved, m,
        std::regex("<DateTime Value=\"(\\d{4})-(\\d\\d)-(\\d\\d) (\\d\\d):(\\d\\d):(\\d\\d)\"")));
    std::tm t{};
    t.tm_year = std::stoi(m[1]) - 1900;
    t.tm_mon = std::stoi(m[2]) - 1;
    t.tm_mday = std::stoi(m[3]);
    t.tm_hour = std::stoi(m[4]);
    t.tm_min = std::stoi(m[5]);
    t.tm_sec = std::stoi(m[6]);
    t.tm_isdst = -1;
    std::time_t written = std::mktime(&t);
    EXPECT_GE(written, before - 1);
    EXPECT_LE(written, std::time(nullptr) + 1);
}

TEST(FileLayout, TextsAreStoredInTheCodePageAndLineBreaksAsReferences) {
    SetTextLanguage(TextLanguage::Chinese);
    TempDir dir;
    std::string saved = SavedDefault(dir);
    // "协议类型" in GB2312 bytes, and no UTF-8 anywhere.
    EXPECT_NE(saved.find("<Item Value=\"\xD0\xAD\xD2\xE9\xC0\xE0\xD0\xCD\">"), std::string::npos);
    EXPECT_EQ(saved.find("协议类型"), std::string::npos);
    // Help texts with line breaks keep them as character references.
    EXPECT_NE(saved.find("&#x0D;&#x0A;"), std::string::npos);
    for (std::size_t at = 0; (at = saved.find('\r', at)) != std::string::npos; ++at)
        ASSERT_EQ(saved.compare(at, 2, "\r\n"), 0);
    std::size_t lines = 0;
    for (std::size_t at = 0; (at = saved.find("\r\n", at)) != std::string::npos; at += 2) {
        ++lines;
        // Every line holds exactly one element: no text between tags.
        std::size_t next = saved.find("\r\n", at + 2);
        if (next == std::string::npos)
            break;
        std::string line = saved.substr(at + 2, next - at - 2);
        std::size_t indent = line.find_first_not_of(' ');
        ASSERT_NE(indent, std::string::npos);
        EXPECT_EQ(indent % 4, 0u) << line;
        EXPECT_EQ(line[indent], '<') << line;
        EXPECT_EQ(line.back(), '>') << line;
    }
    EXPECT_GT(lines, 100u);
}

TEST(FileLayout, OnlyPickedItemsCarryTheirChoices) {
    TempDir dir;
    std::string saved = SavedDefault(dir);
    // "Data bits" holds the choices 8 and 7 in memory but none in the file.
    std::size_t at = saved.find("<CurrentVal Value=\"8\" />");
    ASSERT_NE(at, std::string::npos);
    std::size_t end = saved.find("</Item>", at);
    EXPECT_EQ(saved.substr(at, end - at).find("Combo"), std::string::npos);
    // A picked item lists its choices in order.
    EXPECT_NE(saved.find("<Combo Value=\"Combo\">\r\n"
                         "                        <ComboIndex Value=\"RTU\" />\r\n"
                         "                        <ComboIndex Value=\"ASCII\" />\r\n"
                         "                    </Combo>"),
              std::string::npos);
}

TEST(FileLayout, TwoSavesDifferOnlyInTheTimeOfSave) {
    TempDir dir;
    Project project;
    test::FillSample(project);
    ASSERT_EQ(SaveFile(project, dir.File("a.xml")), 1);
    ASSERT_EQ(SaveFile(project, dir.File("b.xml")), 1);
    EXPECT_EQ(test::WithoutDateTime(ReadBytes(dir.File("a.xml"))),
              test::WithoutDateTime(ReadBytes(dir.File("b.xml"))));
}

TEST(FileLayout, NodesAndCommandsKeepTheirPositionsAndFunctionIndex) {
    TempDir dir;
    Project project;
    test::FillSample(project);
    ASSERT_EQ(SaveFile(project, dir.File("s.xml")), 1);
    std::string saved = ReadBytes(dir.File("s.xml"));
    std::size_t node = saved.find("<Node Value=\"Node(17)\">\r\n");
    ASSERT_NE(node, std::string::npos);
    EXPECT_EQ(
        saved.compare(node + 25, 53, "                <SlaveAddress Value=\"SlaveAddress\">\r\n"),
        0);
    // Function index 12 is code 15; the file stores the index.
    std::size_t command = saved.find("<CommandType Value=\"12\" />");
    ASSERT_NE(command, std::string::npos);
    std::size_t open = saved.rfind("<Command Value=", command);
    EXPECT_EQ(saved.substr(saved.rfind('\n', open) + 1, open - saved.rfind('\n', open) - 1),
              std::string(20, ' '));
    EXPECT_LT(saved.find("</Subnet>"), saved.find("<Profilebus Value=\"Profilebus\">\r\n"
                                                  "        <ItemList Value=\"ItemList\">"));
}

} // namespace
} // namespace varkel
