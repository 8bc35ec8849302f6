#include "persist/Gb2312.h"
#include "persist/XmlFile.h"
#include "persist/XmlUtil.h"

#include "TestSupport.h"

#include <gtest/gtest.h>
#include <tinyxml.h>

namespace varkel {
namespace {

TEST(Gb2312, EncodesChineseAndThePunctuationStrictTablesGetWrong) {
    std::string out;
    ASSERT_TRUE(EncodeGb2312("协议类型", out));
    EXPECT_EQ(out, "\xD0\xAD\xD2\xE9\xC0\xE0\xD0\xCD");
    // U+00B7 and U+2014 are A1A4 and A1AA in the Windows code page.
    ASSERT_TRUE(EncodeGb2312("1#·—", out));
    EXPECT_EQ(out, "1#\xA1\xA4\xA1\xAA");
    ASSERT_TRUE(EncodeGb2312("plain ASCII\r\n", out));
    EXPECT_EQ(out, "plain ASCII\r\n");

    std::string back;
    ASSERT_TRUE(DecodeGb2312("1#\xA1\xA4\xA1\xAA\xD0\xAD", back));
    EXPECT_EQ(back, "1#·—协");
}

TEST(Gb2312, RefusesWhatTheCodePageCannotHoldInsteadOfSubstituting) {
    std::string out;
    EXPECT_FALSE(EncodeGb2312("温度😀", out));        // emoji
    EXPECT_FALSE(EncodeGb2312("\xC3\x28", out));     // broken UTF-8
    EXPECT_FALSE(EncodeGb2312("\xED\xA0\x80", out)); // a surrogate
    EXPECT_FALSE(EncodeGb2312("\xC0\xAF", out));     // overlong "/"
}

TEST(Gb2312, DecodingReportsTheFirstBadByte) {
    std::string out;
    std::size_t bad = 99;
    EXPECT_FALSE(DecodeGb2312("ab\xFFxy", out, &bad)); // a lone 0xFF is no character
    EXPECT_EQ(bad, 2u);
    EXPECT_FALSE(DecodeGb2312("abc\xD6", out, &bad)); // truncated double byte
    EXPECT_EQ(bad, 3u);
    // Four-byte sequences of GB18030 and the user-defined areas have no
    // GBK bytes to be written back as: refused, not decoded.
    EXPECT_FALSE(DecodeGb2312("ab\x81\x30\x81\x30", out, &bad));
    EXPECT_EQ(bad, 2u);
    EXPECT_FALSE(DecodeGb2312("\xAA\xA1", out, &bad));
    EXPECT_EQ(bad, 0u);
    EXPECT_FALSE(DecodeGb2312("x\xF8\xA1", out, &bad));
    EXPECT_EQ(bad, 1u);
    // 0x80 is the euro sign both ways.
    ASSERT_TRUE(DecodeGb2312("\x80", out));
    EXPECT_EQ(out, "\xE2\x82\xAC");
}

// Every double-byte sequence the reader decodes, the writer encodes back to
// the same bytes: a file that loads can always be saved.
TEST(Gb2312, EveryDecodedSequenceEncodesBackToItsBytes) {
    std::size_t decoded = 0;
    for (int lead = 0x80; lead <= 0xFF; ++lead) {
        for (int trail = -1; trail <= 0xFF; ++trail) {
            std::string bytes(1, static_cast<char>(lead));
            if (trail >= 0)
                bytes += static_cast<char>(trail);
            std::string text;
            std::string back;
            if (!DecodeGb2312(bytes, text))
                continue;
            ++decoded;
            ASSERT_TRUE(EncodeGb2312(text, back)) << std::hex << lead << " " << trail;
            ASSERT_EQ(back, bytes) << std::hex << lead << " " << trail;
        }
    }
    EXPECT_GT(decoded, 21000u); // GBK's whole table, not some part of it
}

TEST(Gb2312, DecodingMixedTextKeepsCharactersWholeAndFindsLaterFaults) {
    std::string out;
    // A double byte may end in an ASCII byte (0x40-0x7E); the ASCII
    // around it stays as it is, a euro sign between them too.
    ASSERT_TRUE(DecodeGb2312("a\x81\x40@b<\xD0\xAD\x80>\xD0\xAD", out));
    EXPECT_EQ(out, "a\u4E02@b<\u534F\u20AC>\u534F");
    std::string longer(100, 'x');
    longer += "\xD0\xAD";
    ASSERT_TRUE(DecodeGb2312(longer, out));
    EXPECT_EQ(out, std::string(100, 'x') + "\u534F");

    std::size_t bad = 99;
    EXPECT_FALSE(DecodeGb2312("ab\xD0\xAD"
                              "cd\xD6<e",
                              out, &bad)); // no trail byte
    EXPECT_EQ(bad, 6u);
    EXPECT_FALSE(DecodeGb2312("\xD0\xAD\x81\x30"
                              "ab",
                              out, &bad)); // four-byte form
    EXPECT_EQ(bad, 2u);
    EXPECT_FALSE(DecodeGb2312("\xD0\xAD\xFF", out, &bad));
    EXPECT_EQ(bad, 2u);
    EXPECT_FALSE(DecodeGb2312("\xD0\xAD\xD0", out, &bad)); // cut short
    EXPECT_EQ(bad, 2u);
}

TEST(XmlEscaping, EscapesEveryAmpersandAndControlByte) {
    std::string out;
    AppendEscaped(out, "&#x41;|&amp;|<a>|\"q\"|'s'|\t|\r\n");
    EXPECT_EQ(out,
              "&amp;#x41;|&amp;amp;|&lt;a&gt;|&quot;q&quot;|&apos;s&apos;|&#x09;|&#x0D;&#x0A;");
}

// The installed TinyXML parser must give back exactly what the printer
// wrote, whatever the value holds.
TEST(XmlEscaping, ValuesSurviveThePrinterAndTheInstalledParser) {
    const std::vector<std::string> values = {
        "&",          "<",     ">",         "\"",       "'",        "both \" and '",   "&#x41;",
        "&#65;",      "&amp;", "tab\there", "cr\r\nlf", "lone\rcr", "  two  blanks  ", "]]>",
        "中文 与 ·—", "",      "\x01\x1F",
    };
    TiXmlDocument doc;
    doc.LinkEndChild(new TiXmlDeclaration("1.0", "gb2312", ""));
    auto* root = new TiXmlElement("Root");
    doc.LinkEndChild(root);
    for (const auto& v : values)
        AppendElement(root, "V", v);

    test::TempDir dir;
    std::string error;
    ASSERT_TRUE(WriteXmlFile(doc, dir.File("v.xml"), error)) << error;
    TiXmlDocument back;
    ASSERT_TRUE(ReadXmlFile(dir.File("v.xml"), back, error)) << error;
    std::size_t i = 0;
    for (const TiXmlElement* e = back.FirstChildElement()->FirstChildElement(); e;
         e = e->NextSiblingElement(), ++i) {
        ASSERT_LT(i, values.size());
        EXPECT_EQ(ValueOf(e), values[i]) << "value " << i;
    }
    EXPECT_EQ(i, values.size());
}

TEST(XmlUtil, FindChildByValueComparesValuesNotTags) {
    TiXmlElement parent("P");
    AppendElement(&parent, "ItemList", "Other");
    TiXmlElement* wanted = AppendElement(&parent, "Renamed", "ItemList");
    AppendElement(&parent, "ItemList", "ItemList");
    auto* noValue = new TiXmlElement("NoValue");
    parent.LinkEndChild(noValue);
    EXPECT_EQ(FindChildByValue(&parent, "ItemList"), wanted);
    EXPECT_EQ(FindChildByValue(&parent, ""), noValue); // a missing attribute counts as empty
    EXPECT_EQ(FindChildByValue(&parent, "itemlist"), nullptr);
    EXPECT_EQ(FindChildByValue(nullptr, "ItemList"), nullptr);
}

TEST(XmlUtil, NestingDepthCountsElementsOnly) {
    EXPECT_EQ(NestingDepth("<?xml version=\"1.0\"?><a><b/><c><d x='<e>' y=\"/>\"></d></c></a>", 50),
              3u);
    EXPECT_EQ(NestingDepth("<a><!-- <b><c><d> --><![CDATA[<e><f>]]></a>", 50), 1u);
    EXPECT_EQ(NestingDepth("<a></a><b></b><c/>", 50), 1u);
    // Read as the parser reads them: quoted values of the declaration, a
    // '<' before no name up to the first '>', a character reference on to
    // a far ';'.
    EXPECT_EQ(NestingDepth("<?XML Version='><z q=' ?><a><b><c>", 50), 3u);
    EXPECT_EQ(NestingDepth("<r><1 '><a><b>'</r>", 50), 3u);
    EXPECT_EQ(NestingDepth("<r v=\"&#x\"><z 'x41;\"><a><b>", 50), 3u);
    EXPECT_EQ(NestingDepth("<r v=\"&amp;&#65;\"><a v='&#x3C;<b>'>text & more<b>&#x3E;<c/>", 50),
              4u);
    EXPECT_EQ(NestingDepth("<r>\xEF\xBB\xBF<a \xEF\xBB\xBF v='1'\xEF\xBB\xBF><b>", 50), 3u);
    std::string deep;
    for (int i = 0; i < 1000; ++i)
        deep += "<a v=\"/>\">";
    EXPECT_EQ(NestingDepth(deep, 256), 257u); // quoted "/>" closes nothing
}

// The reader measures depth and crowded tags in one reading; each answer
// must be what the measure of its own gives, the depth first.
TEST(XmlUtil, OneReadingGivesBothMeasures) {
    const std::string crowdedThenDeep = "<a x='1' y='2' z='3'><b><c><d/></c></b></a>";
    XmlShape shape = MeasureXml(crowdedThenDeep, 3, 2);
    EXPECT_EQ(shape.depth, 4u); // too deep, whatever comes first
    shape = MeasureXml(crowdedThenDeep, 10, 2);
    EXPECT_EQ(shape.depth, 4u);
    EXPECT_EQ(shape.crowdedAt, 0u);

    const std::string secondCrowded =
        "<r><a/><b p='1' q='2' s='3'/><c t='1' u='2' v='3'/><d><e/></d></r>";
    shape = MeasureXml(secondCrowded, 10, 2);
    EXPECT_EQ(shape.crowdedAt, secondCrowded.find("<b"));
    EXPECT_EQ(shape.crowdedAt, FindCrowdedTag(secondCrowded, 2));
    EXPECT_EQ(shape.depth, NestingDepth(secondCrowded, 10));
    EXPECT_EQ(shape.depth, 3u); // counted on past the crowded tags
    EXPECT_EQ(MeasureXml(secondCrowded, 10, 3).crowdedAt, std::string::npos);
}

} // namespace
} // namespace varkel
