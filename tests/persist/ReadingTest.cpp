// Files laid out by other installations: the reader finds containers by
// their Value and leaves by position, and tolerates what that allows.
#include "MessageRecorder.h"
#include "model/Project.h"
#include "model/TextKeys.h"
#include "model/TextTable.h"
#include "persist/ModelXml.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

namespace varkel {
namespace {

using test::ReadBytes;
using test::ReplaceOnce;
using test::Snapshot;
using test::TempDir;
using test::WriteBytes;

class Reading : public ::testing::Test {
protected:
    void SetUp() override {
        SetTextLanguage(TextLanguage::Chinese);
        test::FillSample(original_);
        ASSERT_EQ(SaveFile(original_, dir_.File("orig.xml")), 1);
        text_ = ReadBytes(dir_.File("orig.xml"));
    }

    // Loads the edited text into a fresh project; 1 on success.
    int Load(const std::string& text, Project& project, std::string* error = nullptr) {
        WriteBytes(dir_.File("edited.xml"), text);
        return LoadFile(project, dir_.File("edited.xml"), error);
    }

    // The element of the subnet with the given tag, from its opening line
    // to its closing line, both with their line ends.
    std::string SubnetChild(const std::string& tag) const {
        std::string open = "        <" + tag + " Value=";
        std::size_t at = text_.find(open);
        EXPECT_NE(at, std::string::npos) << tag;
        std::size_t lineEnd = text_.find("\r\n", at) + 2;
        if (text_.compare(lineEnd - 4, 2, "/>") == 0)
            return text_.substr(at, lineEnd - at);
        std::string close = "        </" + tag + ">\r\n";
        std::size_t end = text_.find(close, at) + close.size();
        return text_.substr(at, end - at);
    }

    TempDir dir_;
    Project original_;
    std::string text_;
    MessageRecorder messages_;
};

TEST_F(Reading, ContainersAreFoundByValueWhateverTheirTags) {
    // The subnet's own "ItemList" renamed, the root renamed.
    std::string edited = ReplaceOnce(text_, "        <ItemList Value=\"ItemList\">",
                                     "        <Settings Value=\"ItemList\">");
    edited = ReplaceOnce(edited, "        </ItemList>\r\n        <NodeList",
                         "        </Settings>\r\n        <NodeList");
    edited = ReplaceOnce(edited, "<Norrin Value=\"Norrin\">", "<Other Value=\"Norrin\">");
    edited = ReplaceOnce(edited, "</Norrin>", "</Other>");
    Project loaded;
    std::string error;
    ASSERT_EQ(Load(edited, loaded, &error), 1) << error;
    EXPECT_EQ(Snapshot(loaded), Snapshot(original_, true));
}

TEST_F(Reading, ReorderedSubnetChildrenLoadTheSame) {
    std::string protocol = SubnetChild("ProtocalType");
    std::string mode = SubnetChild("CurrentModeType");
    std::string items = SubnetChild("ItemList");
    std::string nodes = SubnetChild("NodeList");
    std::string block = protocol + mode + items + nodes;
    std::size_t at = text_.find(block);
    ASSERT_NE(at, std::string::npos);
    std::string edited = text_;
    edited.replace(at, block.size(),
                   nodes + items + "        <!-- a comment -->\r\n" +
                       "        <Extra Value=\"Extra\" />\r\n" + protocol + mode);
    Project loaded;
    std::string error;
    ASSERT_EQ(Load(edited, loaded, &error), 1) << error;
    EXPECT_EQ(Snapshot(loaded), Snapshot(original_, true));
}

TEST_F(Reading, TheModeIsTheElementRightAfterProtocalType) {
    std::string edited =
        ReplaceOnce(text_, "<CurrentModeType Value=\"0\" />", "<Whatever Value=\"1\" />");
    Project loaded;
    ASSERT_EQ(Load(edited, loaded), 1);
    EXPECT_EQ(loaded.GetSubnet().GetProtocolType(), ProtocolType::Universal);
}

TEST_F(Reading, AMissingNodeListGivesNoNodes) {
    std::string edited = ReplaceOnce(text_, SubnetChild("NodeList"), "");
    Project loaded;
    std::string error;
    ASSERT_EQ(Load(edited, loaded, &error), 1) << error;
    EXPECT_EQ(loaded.GetSubnet().GetNodeCount(), 0);
    EXPECT_EQ(loaded.GetSubnet().GetItem(Subnet::BaudRateIndex)->GetValue(), "9600");
}

TEST_F(Reading, APickedItemWithoutComboLoadsWithoutChoices) {
    std::string edited = ReplaceOnce(text_,
                                     "                    <Combo Value=\"Combo\">\r\n"
                                     "                        <ComboIndex Value=\"RTU\" />\r\n"
                                     "                        <ComboIndex Value=\"ASCII\" />\r\n"
                                     "                    </Combo>\r\n",
                                     "");
    Project loaded;
    ASSERT_EQ(Load(edited, loaded), 1);
    const ParamItem* mode = loaded.GetSubnet().GetMasterItem(0);
    EXPECT_EQ(mode->GetState(), 2);
    EXPECT_TRUE(mode->GetChoices().empty());
    EXPECT_EQ(loaded.GetSubnet().TransmissionModeCode(), -1);
    // The other list's copy keeps its choices.
    EXPECT_EQ(loaded.GetSubnet().GetUniversalItem(0)->GetChoices().size(), 2u);
}

TEST_F(Reading, HandEditedTextsAreWhatTheItemsShow) {
    std::string edited =
        ReplaceOnce(text_, "<ComboIndex Value=\"ASCII\" />", "<ComboIndex Value=\"ASCII-7\" />");
    edited =
        ReplaceOnce(edited, "<CurrentVal Value=\"RTU\" />", "<CurrentVal Value=\"ASCII-7\" />");
    Project loaded;
    ASSERT_EQ(Load(edited, loaded), 1);
    EXPECT_EQ(loaded.GetSubnet().TransmissionModeCode(), 1);
}

TEST_F(Reading, LeavesAreTakenByPosition) {
    // Tags of the item leaves do not matter; a missing leaf stops reading.
    std::string edited =
        ReplaceOnce(text_, "<CurrentVal Value=\"9600\" />", "<X Value=\"2400\" />");
    Project loaded;
    ASSERT_EQ(Load(edited, loaded), 1);
    EXPECT_EQ(loaded.GetSubnet().GetItem(Subnet::BaudRateIndex)->GetValue(), "2400");
    EXPECT_EQ(loaded.GetSubnet().BaudRateCode(), 3);
}

TEST_F(Reading, AForeignLanguageIsRefusedWithTheLanguageMessage) {
    for (TextLanguage ui : {TextLanguage::Chinese, TextLanguage::English}) {
        SetTextLanguage(ui);
        std::string edited =
            ReplaceOnce(text_, "<Language Value=\"Chinese\" />", "<Language Value=\"English\" />");
        Project loaded;
        std::string before = Snapshot(loaded);
        messages_.messages.clear();
        std::string error = "old";
        EXPECT_EQ(Load(edited, loaded, &error), 0);
        EXPECT_TRUE(messages_.messages.empty()); // the front end shows it
        EXPECT_EQ(error, LocalText(kKeyLanguageMismatch));
        EXPECT_EQ(Snapshot(loaded), before);
    }
    SetTextLanguage(TextLanguage::Chinese);
}

TEST_F(Reading, AFileInUtf8SaysSoInItsDeclarationOrByteOrderMark) {
    // Another tool may have re-saved a file as UTF-8.
    SetTextLanguage(TextLanguage::English);
    Project english;
    SetTextLanguage(TextLanguage::Chinese);
    english.GetSubnet().GetItem(0)->SetName("协议类型");
    ASSERT_EQ(SaveFile(english, dir_.File("e.xml")), 1);
    std::string ascii = ReplaceOnce(ReadBytes(dir_.File("e.xml")),
                                    "<Item Value=\"\xD0\xAD\xD2\xE9\xC0\xE0\xD0\xCD\">",
                                    "<Item Value=\"协议类型\">");
    for (const std::string& text :
         {ReplaceOnce(ascii, "encoding=\"gb2312\"", "encoding='utf-8'"), "\xEF\xBB\xBF" + ascii}) {
        WriteBytes(dir_.File("u.xml"), text);
        Project loaded;
        std::string error;
        ASSERT_EQ(LoadFile(loaded, dir_.File("u.xml"), &error), 1) << error;
        EXPECT_EQ(loaded.GetSubnet().GetItem(0)->GetName(), "协议类型");
    }
    // GB2312 bytes under a UTF-8 declaration are refused, not read as
    // mojibake.
    Project loaded;
    std::string before = Snapshot(loaded);
    std::string error;
    EXPECT_EQ(Load(ReplaceOnce(text_, "encoding=\"gb2312\"", "encoding=\"UTF-8\""), loaded, &error),
              0);
    EXPECT_NE(error.find("UTF-8"), std::string::npos) << error;
    EXPECT_EQ(Snapshot(loaded), before);
}

TEST_F(Reading, CharacterReferencesStandForWholeCharacters) {
    // Another tool may write any character as a reference.
    const std::string fromCrc = "<CurrentVal Value=\"CRC\" />";
    Project loaded;
    ASSERT_EQ(Load(ReplaceOnce(text_, fromCrc, "<CurrentVal Value=\"&#x6CF5;&#31449;&#xE9;\" />"),
                   loaded),
              1);
    EXPECT_EQ(loaded.GetSubnet()
                  .GetNodeAt(0)
                  ->GetCommandAt(0)
                  ->GetItem(Command::CheckTypeRow)
                  ->GetValue(),
              "泵站\u00e9");
    // A reference to no character is refused, not stored as broken text.
    std::string before = Snapshot(loaded);
    std::string error;
    EXPECT_EQ(
        Load(ReplaceOnce(text_, fromCrc, "<CurrentVal Value=\"&#xD800;\" />"), loaded, &error), 0);
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(Snapshot(loaded), before);
}

TEST_F(Reading, ReferencesToNoCharacterAreRefusedHoweverWritten) {
    const std::string fromCrc = "<CurrentVal Value=\"CRC\" />";
    for (const char* value : {"&#55296;", "&#x0000DFFF;", "&#x110000;", "&#xD800;&#x0A;"}) {
        Project loaded;
        std::string error;
        EXPECT_EQ(
            Load(ReplaceOnce(text_, fromCrc, std::string("<CurrentVal Value=\"") + value + "\" />"),
                 loaded, &error),
            0)
            << value;
        EXPECT_FALSE(error.empty()) << value;
    }
    // With leading zeros, still a character.
    Project loaded;
    ASSERT_EQ(
        Load(ReplaceOnce(text_, fromCrc, "<CurrentVal Value=\"&#x00006CF5;&#0065;\" />"), loaded),
        1);
    EXPECT_EQ(loaded.GetSubnet()
                  .GetNodeAt(0)
                  ->GetCommandAt(0)
                  ->GetItem(Command::CheckTypeRow)
                  ->GetValue(),
              "\u6CF5A");
}

TEST_F(Reading, UnsupportedCommandsAreDropped) {
    std::string edited =
        ReplaceOnce(text_, "<CommandType Value=\"2\" />", "<CommandType Value=\"7\" />");
    Project loaded;
    ASSERT_EQ(Load(edited, loaded), 1);
    ASSERT_EQ(loaded.GetSubnet().GetNodeCount(), 1);
    EXPECT_EQ(loaded.GetSubnet().GetNodeAt(0)->GetCommandCount(), 5);
}

TEST_F(Reading, CompactFilesWithPlainLineFeedsLoad) {
    std::string compact;
    for (std::size_t i = 0; i < text_.size(); ++i) {
        if (text_[i] == '\r')
            continue;
        if (text_[i] == '\n') {
            while (i + 1 < text_.size() && text_[i + 1] == ' ')
                ++i;
            continue;
        }
        compact += text_[i];
    }
    Project loaded;
    std::string error;
    ASSERT_EQ(Load(compact, loaded, &error), 1) << error;
    EXPECT_EQ(Snapshot(loaded), Snapshot(original_, true));
}

} // namespace
} // namespace varkel
