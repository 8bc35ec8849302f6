// Every reply kind against fixed hex: whole, short, corrupt and oversized.
// A reply must arrive whole; within a whole reply only what the gateways in
// the field have always been held to is examined.
#include "link/ReplyDecoder.h"
#include "model/ResultCode.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace varkel {
namespace {

Bytes Hex(const std::string& text) {
    Bytes out;
    std::istringstream in(text);
    std::string pair;
    while (in >> pair)
        out.push_back(static_cast<std::uint8_t>(std::stoul(pair, nullptr, 16)));
    return out;
}

int Check(ReplyKind kind, const std::string& arrived, std::uint8_t request = 0,
          std::size_t length = 0) {
    return DecodeReply(kind, request, Hex(arrived), length).result;
}

TEST(ReplyDecoderTest, AcknowledgementEchoesTheCommand) {
    EXPECT_EQ(Check(ReplyKind::Acknowledgement, "03 00 03", 0x03), Success);
    EXPECT_EQ(Check(ReplyKind::Acknowledgement, "10 00 10", 0x10), Success);
    EXPECT_EQ(Check(ReplyKind::Acknowledgement, "03 00 03 55", 0x03), Success); // rest unread
    EXPECT_EQ(Check(ReplyKind::Acknowledgement, "03 00", 0x03), CheckError);    // third byte 0
    EXPECT_EQ(Check(ReplyKind::Acknowledgement, "03 00 04", 0x03), CheckError);
    EXPECT_EQ(Check(ReplyKind::Acknowledgement, "03 01 04", 0x03), CheckError);
    EXPECT_EQ(Check(ReplyKind::Acknowledgement, "14 00 14", 0x03), CheckError); // another frame's
    EXPECT_EQ(Check(ReplyKind::Acknowledgement, "", 0x03), CheckError);
}

TEST(ReplyDecoderTest, VersionChecksumUnlessMarked01) {
    const std::string whole = "02 09 05 02 01 00 00 00 00 00 13";
    EXPECT_EQ(Check(ReplyKind::Version, whole), Success);
    EXPECT_EQ(Check(ReplyKind::Version, whole + " 77"), Success);
    EXPECT_EQ(Check(ReplyKind::Version, "02 09 05 02 01 00 00 00 00 00 14"), CheckError);
    EXPECT_EQ(Check(ReplyKind::Version, "02 09 05 02 01"), CheckError);
    // Marked 01h: taken whatever its checksum, but only whole.
    EXPECT_EQ(Check(ReplyKind::Version, "01 09 05 02 01 00 00 00 00 00 FF"), Success);
    EXPECT_EQ(Check(ReplyKind::Version, "01 09 05"), CheckError);
    EXPECT_EQ(Check(ReplyKind::Version, "01 09 05 02 01 00 00 00 00 00"), CheckError);
    // The first of the two queries is not examined at all.
    EXPECT_EQ(Check(ReplyKind::FirstVersion, "7E"), Success);
    EXPECT_EQ(Check(ReplyKind::FirstVersion, "02 09 05 02 01 00 00 00 00 00 14"), Success);
}

TEST(ReplyDecoderTest, ShortSettingsFormsCheckCommandAndLengthOnly) {
    const std::string settings = "04 0E 00 00 05 00 00 00 00 00 01 2C 00 03 00 0A 51";
    EXPECT_EQ(Check(ReplyKind::SerialSettings, settings), Success);
    EXPECT_EQ(
        Check(ReplyKind::SerialSettings, "04 0E 00 00 05 00 00 00 00 00 01 2C 00 03 00 0A 00"),
        Success); // the checksum is not examined
    EXPECT_EQ(Check(ReplyKind::SerialSettings, "04 0E"), CheckError);
    EXPECT_EQ(Check(ReplyKind::SerialSettings, "04 0E 00 00 05 00 00 00 00 00"), CheckError);
    EXPECT_EQ(Check(ReplyKind::SerialSettings, settings + " 01 02"), Success);
    EXPECT_EQ(
        Check(ReplyKind::SerialSettings, "04 0D 00 00 05 00 00 00 00 00 01 2C 00 03 00 0A 51"),
        CheckError);
    EXPECT_EQ(
        Check(ReplyKind::SerialSettings, "03 0E 00 00 05 00 00 00 00 00 01 2C 00 03 00 0A 51"),
        CheckError);
    EXPECT_EQ(Check(ReplyKind::SerialSettings, "04"), CheckError); // length byte 0

    EXPECT_EQ(Check(ReplyKind::UniversalSettings, "06 0C 00 00 00 0A 6F 00 00 00 03 E8 00 00 75"),
              Success);
    EXPECT_EQ(Check(ReplyKind::UniversalSettings, "06 0C 00 00 00 0A 6F 00 00 00 03 E8 00 00 00"),
              Success);
    EXPECT_EQ(Check(ReplyKind::UniversalSettings, "06 0C"), CheckError);
    EXPECT_EQ(Check(ReplyKind::UniversalSettings, "06 0C 00 00 00 0A 6F 00"), CheckError);
    EXPECT_EQ(Check(ReplyKind::UniversalSettings, "06 0E 00 00 00 0A 6F 00 00 00 03 E8 00 00 75"),
              CheckError);
    EXPECT_EQ(Check(ReplyKind::UniversalSettings, "05 0C 00 00 00 0A 6F 00 00 00 03 E8 00 00 75"),
              CheckError);
}

TEST(ReplyDecoderTest, LongSettingsFormChecksCommandAndChecksum) {
    std::string whole = "04 19";
    for (int i = 0; i < 25; ++i)
        whole += " 00";
    EXPECT_EQ(Check(ReplyKind::LongSerialSettings, whole + " 1D"), Success);
    EXPECT_EQ(Check(ReplyKind::LongSerialSettings, whole + " 1D 00 00"), Success);
    EXPECT_EQ(Check(ReplyKind::LongSerialSettings, whole + " 1E"), CheckError);
    EXPECT_EQ(Check(ReplyKind::LongSerialSettings, whole), CheckError);   // checksum missing
    EXPECT_EQ(Check(ReplyKind::LongSerialSettings, "04 FC"), CheckError); // sums to 00h
    // The length byte is not examined.
    std::string otherLength = "04 0E";
    for (int i = 0; i < 25; ++i)
        otherLength += " 00";
    EXPECT_EQ(Check(ReplyKind::LongSerialSettings, otherLength + " 12"), Success);
}

TEST(ReplyDecoderTest, CountAndFieldbusRepliesCheckCommandAndChecksum) {
    EXPECT_EQ(Check(ReplyKind::RecordCount, "15 03 00 00 07 1F"), Success);
    EXPECT_EQ(Check(ReplyKind::RecordCount, "15 03 00 00 07 1F 1F"), Success);
    EXPECT_EQ(Check(ReplyKind::RecordCount, "15 03 00 00 07"), CheckError);
    EXPECT_EQ(Check(ReplyKind::RecordCount, "15 03 00 00 07 20"), CheckError);
    EXPECT_EQ(Check(ReplyKind::RecordCount, "16 03 00 00 07 20"), CheckError);
    EXPECT_EQ(Check(ReplyKind::RecordCount, "15 EB"), CheckError); // sums to 00h

    EXPECT_EQ(Check(ReplyKind::ValidLength, "31 03 00 00 01 35"), Success);
    EXPECT_EQ(Check(ReplyKind::ValidLength, "31 03 00 00 01"), CheckError);
    EXPECT_EQ(Check(ReplyKind::ValidLength, "31 03 00 00 01 36"), CheckError);
    EXPECT_EQ(Check(ReplyKind::ValidLength, "33 03 00 00 01 37"), CheckError);
    EXPECT_EQ(Check(ReplyKind::ValidLength, "31 CF"), CheckError);

    EXPECT_EQ(Check(ReplyKind::ClearOnFault, "33 01 01 35"), Success);
    EXPECT_EQ(Check(ReplyKind::ClearOnFault, "33 01 01 35 35"), Success);
    EXPECT_EQ(Check(ReplyKind::ClearOnFault, "33 01 01"), CheckError);
    EXPECT_EQ(Check(ReplyKind::ClearOnFault, "33 01 01 34"), CheckError);
    EXPECT_EQ(Check(ReplyKind::ClearOnFault, "31 01 01 33"), CheckError);
    EXPECT_EQ(Check(ReplyKind::ClearOnFault, "33 CD"), CheckError);
}

TEST(ReplyDecoderTest, PagesMustBeWholeButTheirFrameBytesAreNotExamined) {
    const std::string page = "16 0D 00 00 01 03 00 00 00 0A 00 00 00 00 00 2B";
    EXPECT_EQ(Check(ReplyKind::RecordPage, page, 0x16, 16), Success);
    EXPECT_EQ(
        Check(ReplyKind::RecordPage, "FF FF FF 00 01 03 00 00 00 0A 00 00 00 00 00 00", 0x16, 16),
        Success);
    EXPECT_EQ(Check(ReplyKind::RecordPage, page + " 99", 0x16, 16), Success);
    // Cut after the function code: the rest of the record would read as 0.
    EXPECT_EQ(Check(ReplyKind::RecordPage, "16 0D 00 00 01 03", 0x16, 16), CheckError);
}

TEST(ReplyDecoderTest, ReplyHoldsTheBytesAskedForWithTheMissingOnesZero) {
    DecodedReply shortOne = DecodeReply(ReplyKind::SerialSettings, 0x04, Hex("04 0E 00 00 05"));
    EXPECT_EQ(shortOne.result, CheckError);
    EXPECT_EQ(shortOne.refusal, "reply too short: 5 of 17 bytes");
    ASSERT_EQ(shortOne.bytes.size(), 17u);
    EXPECT_EQ(shortOne.bytes[4], 0x05);
    EXPECT_EQ(shortOne.bytes[16], 0x00);
    DecodedReply longOne = DecodeReply(ReplyKind::ClearOnFault, 0x33, Hex("33 01 01 35 AA BB"));
    EXPECT_EQ(longOne.bytes, Hex("33 01 01 35"));
    DecodedReply refused = DecodeReply(ReplyKind::ClearOnFault, 0x33, Hex("33 01 01 34"));
    EXPECT_EQ(refused.refusal, "fieldbus reply: wrong command or checksum");
}

} // namespace
} // namespace varkel
