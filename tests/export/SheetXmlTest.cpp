#include "export/SheetXml.h"

#include <gtest/gtest.h>

using namespace varkel;

namespace {

const std::string kHead = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
                          "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/"
                          "2006/main\">";

// The cell elements of the sheet data, in order, each cut down to its r
// and s attributes, so that order and styles can be compared at a glance.
std::string Layout(const std::string& xml) {
    XmlScanner scanner(xml);
    XmlTag tag;
    std::string out;
    while (scanner.Next(tag)) {
        if (tag.closing)
            continue;
        if (tag.LocalName() == "row") {
            out += "|" + (tag.Attribute("r") ? *tag.Attribute("r") : std::string("?")) + ":";
        } else if (tag.LocalName() == "c") {
            const std::string* s = tag.Attribute("s");
            out += " " + (tag.Attribute("r") ? *tag.Attribute("r") : std::string("?")) +
                   (s ? "/" + *s : std::string());
        }
    }
    return out;
}

TEST(SheetXmlTest, CellReferences) {
    EXPECT_EQ(ColumnName(1), "A");
    EXPECT_EQ(ColumnName(26), "Z");
    EXPECT_EQ(ColumnName(27), "AA");
    EXPECT_EQ(ColumnName(702), "ZZ");
    EXPECT_EQ(ColumnName(703), "AAA");
    EXPECT_EQ(ColumnName(16384), "XFD");
    EXPECT_EQ(CellReference(6, 11), "K6");

    int row = 0, column = 0;
    ASSERT_TRUE(ParseCellReference("XFD1048576", row, column));
    EXPECT_EQ(row, 1048576);
    EXPECT_EQ(column, 16384);
    ASSERT_TRUE(ParseCellReference("$T$2", row, column));
    EXPECT_EQ(row, 2);
    EXPECT_EQ(column, 20);
    for (const char* bad : {"", "A", "1", "A0", "XFE1", "A1048577", "A1B", "AAAA1", "A-1"})
        EXPECT_FALSE(ParseCellReference(bad, row, column)) << bad;
}

TEST(SheetXmlTest, CellTextEncoding) {
    EXPECT_EQ(EncodeCellText("a&b<c>d"), "a&amp;b&lt;c&gt;d");
    EXPECT_EQ(EncodeCellText("x\r\ny\tz"), "x&#13;\ny\tz");
    EXPECT_EQ(EncodeCellText("\x01\x1F"), "_x0001__x001F_");
    EXPECT_EQ(EncodeCellText("_x00e9_ and _x12_ and _y0000_"),
              "_x005F_x00e9_ and _x12_ and _y0000_");
    EXPECT_EQ(EncodeCellText("子网"), "子网");
    EXPECT_EQ(EncodeCellText("\xEF\xBF\xBF"), "_xFFFF_");
    // Broken sequences: stray continuation, overlong, surrogate, cut short.
    const std::string replacement = "\xEF\xBF\xBD";
    EXPECT_EQ(EncodeCellText("a\x80z"), "a" + replacement + "z");
    EXPECT_EQ(EncodeCellText("\xC0\xAF"), replacement + replacement);
    EXPECT_EQ(EncodeCellText("\xED\xA0\x80"), replacement + replacement + replacement);
    EXPECT_EQ(EncodeCellText("\xE5\xAD"), replacement + replacement);
}

TEST(SheetXmlTest, CellsMergeIntoRowsInOrderKeepingStyles) {
    const std::string xml = kHead +
                            "<dimension ref=\"A1:E2\"/>"
                            "<cols><col min=\"2\" max=\"4\" width=\"9\" style=\"7\"/></cols>"
                            "<sheetData>"
                            "<row r=\"1\"><c r=\"A1\" s=\"1\" t=\"s\"><v>0</v></c></row>"
                            "<row r=\"2\" spans=\"3:5\"><c r=\"C2\" s=\"5\" t=\"s\"><v>1</v></c>"
                            "<c r=\"E2\"><f>1+1</f><v>2</v></c></row>"
                            "<row r=\"4\" s=\"9\" customFormat=\"1\"/>"
                            "</sheetData><pageMargins left=\"0.7\"/></worksheet>";
    SheetXml sheet;
    ASSERT_TRUE(sheet.Load(xml));
    EXPECT_EQ(sheet.Save(), xml); // nothing written, nothing changed
    sheet.SetCell(2, 6, "f");
    sheet.SetCell(2, 2, "b");
    sheet.SetCell(2, 3, "c");
    sheet.SetCell(3, 1, "new row");
    sheet.SetCell(4, 3, "row style");
    sheet.SetCell(6, 20, "far");
    sheet.SetCell(0, 1, "dropped");
    sheet.SetCell(1, 16385, "dropped");
    std::string out = sheet.Save();
    EXPECT_EQ(Layout(out), "|1: A1/1|2: B2/7 C2/5 E2 F2|3: A3|4: C4/9|6: T6");
    EXPECT_NE(out.find("<dimension ref=\"A1:T6\"/>"), std::string::npos);
    EXPECT_NE(out.find("spans=\"2:6\""), std::string::npos);
    EXPECT_NE(out.find("<c r=\"C2\" s=\"5\" t=\"inlineStr\"><is><t xml:space=\"preserve\">c</t>"),
              std::string::npos);
    EXPECT_EQ(out.find("t=\"s\"><v>1</v>"), std::string::npos); // C2's old value is gone
    EXPECT_NE(out.find("<f>1+1</f>"), std::string::npos);       // E2 untouched
    EXPECT_NE(out.find("<pageMargins left=\"0.7\"/></worksheet>"), std::string::npos);
    EXPECT_EQ(out.find("dropped"), std::string::npos);
}

TEST(SheetXmlTest, PrefixesMissingNumbersAndMissingDimension) {
    // Written as some generators do: a namespace prefix, rows and cells
    // without numbers, no dimension, an empty cell data element.
    const std::string xml =
        "<x:worksheet xmlns:x=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
        "<x:sheetPr><x:tabColor rgb=\"FF00FF00\"/></x:sheetPr>"
        "<x:sheetData><x:row><x:c t=\"s\"><x:v>0</x:v></x:c><x:c s=\"2\"/></x:row>"
        "<x:row><x:c><x:v>5</x:v></x:c></x:row></x:sheetData></x:worksheet>";
    SheetXml sheet;
    ASSERT_TRUE(sheet.Load(xml));
    sheet.SetCell(2, 3, "v");
    sheet.SetCell(3, 1, "");
    std::string out = sheet.Save();
    EXPECT_EQ(Layout(out), "|1: A1 B1/2|2: A2 C2|3: A3");
    EXPECT_NE(out.find("</x:sheetPr><x:dimension ref=\"A1:C3\"/><x:sheetData>"), std::string::npos)
        << out;
    EXPECT_NE(out.find("<x:c r=\"C2\" t=\"inlineStr\"><x:is><x:t xml:space=\"preserve\">v</x:t>"
                       "</x:is></x:c>"),
              std::string::npos);
    EXPECT_NE(out.find("<x:c r=\"A3\"/>"), std::string::npos);

    SheetXml empty;
    ASSERT_TRUE(empty.Load(kHead + "<dimension ref=\"A1\"/><sheetData/></worksheet>"));
    empty.SetCell(2, 1, "1");
    EXPECT_EQ(empty.Save(), kHead + "<dimension ref=\"A2\"/><sheetData><row r=\"2\"><c r=\"A2\" "
                                    "t=\"inlineStr\"><is><t xml:space=\"preserve\">1</t></is></c>"
                                    "</row></sheetData></worksheet>");
}

TEST(SheetXmlTest, ReferencesAndLongRunsOfAmpersandsInValues) {
    EXPECT_EQ(XmlUnescape("&lt;&#x41;&#65;&amp&nosuchname;&#x110000;"),
              "<AA&amp&nosuchname;&#x110000;");
    // Each '&' of the run used to be searched for its ';' to the end of the
    // value, which kept a small template busy for hours.
    const std::string run(32u << 20, '&');
    EXPECT_EQ(XmlUnescape(run + "&amp;"), run + "&");
}

TEST(SheetXmlTest, RefusesWhatIsNoWorksheet) {
    SheetXml sheet;
    EXPECT_FALSE(sheet.Load(""));
    EXPECT_FALSE(sheet.Load("not xml at all"));
    EXPECT_FALSE(sheet.Load(kHead + "<sheetData><row r=\"1\"><c r=\"A1\"></row></sheetData>"));
    EXPECT_FALSE(sheet.Load(kHead + "<sheetData></sheetData>"));   // no end of the sheet
    EXPECT_FALSE(sheet.Load(kHead + "<sheetViews/></worksheet>")); // no cell data
    EXPECT_FALSE(sheet.Load("<chartsheet><sheetData/></chartsheet>"));
    EXPECT_FALSE(sheet.Load(kHead + "<sheetData><row r=\"1\" s=1/></sheetData></worksheet>"));
    EXPECT_TRUE(sheet.Load(kHead + "<!-- a <comment> --><sheetData><![CDATA[<row>]]>"
                                   "</sheetData></worksheet>"));
}

} // namespace
