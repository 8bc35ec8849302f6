// Replies that are short, long or sum to the right checksum by chance, by
// request, through whole uploads and downloads: a short reply is refused
// with nothing taken over and its bytes in the trace; bytes beyond a reply
// are drained and shown, and the next exchange starts clean.
#include "LinkFixture.h"
#include "ScriptedTransport.h"
#include "model/ResultCode.h"

namespace varkel::testing {
namespace {

const std::string kVersion21 = "01 08 05 02 01 00 00 00 00 00 11";
const std::string kVersion20 = "01 08 05 02 00 00 00 00 00 00 10";
const std::string kMaster = "04 0E 00 00 05 00 00 00 00 00 01 2C 00 03 00 0A 51";
const std::string kUniversal = "04 0E 00 03 05 00 00 00 00 00 01 2C 00 03 00 0A 54";
const std::string kUniversalSettings = "06 0C 00 00 00 0A 6F 00 00 00 03 E8 00 00 75";
const std::string kNoRecords = "15 03 00 00 00 18";
const std::string kOneRecord = "15 03 00 00 01 19";
const std::string kPage = "16 0D 00 00 01 03 00 00 00 0A 00 00 00 00 00 2B";
const std::string kClearOnFault = "33 01 00 34";
const std::string kValidLength = "31 03 00 00 01 35";

std::string LongForm() {
    std::string reply = "04 19";
    for (int i = 0; i < 25; ++i)
        reply += " 00";
    return reply + " 1D";
}

struct Outcome {
    int result = 0;
    std::vector<TraceEvent> trace;
    std::shared_ptr<ScriptedTransport::Script> script;
};

template <typename Transfer>
Outcome Through(const std::vector<std::string>& replies, Transfer transfer) {
    Outcome run;
    run.script = std::make_shared<ScriptedTransport::Script>();
    for (const auto& r : replies)
        run.script->replies.push_back(Hex(r));
    SerialLink link(std::make_unique<ScriptedTransport>(run.script));
    link.SetPaceMs(0);
    link.SetTraceCallback([&run](const TraceEvent& e) { run.trace.push_back(e); });
    EXPECT_EQ(link.Open("scripted"), Success);
    run.result = transfer(link);
    return run;
}

bool Noted(const Outcome& run, const std::string& text) {
    return std::any_of(run.trace.begin(), run.trace.end(), [&](const TraceEvent& e) {
        return e.kind == TraceEvent::Failed && e.note.find(text) != std::string::npos;
    });
}

bool ReceivedExactly(const Outcome& run, const std::string& hex) {
    return std::any_of(run.trace.begin(), run.trace.end(), [&](const TraceEvent& e) {
        return e.kind == TraceEvent::Received && e.bytes == Hex(hex);
    });
}

TEST(WholeReplyTest, ShortOrChanceRepliesEndTheUploadWithNothingTaken) {
    MessageRecorder messages;
    struct Case {
        const char* what;
        std::vector<std::string> replies;
        std::string cut; // the reply as it arrived
    };
    const std::vector<Case> cases{
        {"04h two bytes", {kVersion21, kVersion21, "04 0E"}, "04 0E"},
        {"04h ten bytes",
         {kVersion21, kVersion21, "04 0E 00 00 05 00 00 00 00 00"},
         "04 0E 00 00 05 00 00 00 00 00"},
        {"04h long form summing to 00h", {kVersion20, kVersion20, "04 FC"}, "04 FC"},
        {"06h two bytes", {kVersion21, kVersion21, kUniversal, "06 0C"}, "06 0C"},
        {"06h eight bytes",
         {kVersion21, kVersion21, kUniversal, "06 0C 00 00 00 0A 6F 00"},
         "06 0C 00 00 00 0A 6F 00"},
        {"15h summing to 00h", {kVersion21, kVersion21, kMaster, "15 EB"}, "15 EB"},
        {"16h cut after the function code",
         {kVersion21, kVersion21, kMaster, kOneRecord, "16 0D 00 00 01 03"},
         "16 0D 00 00 01 03"},
        {"31h summing to 00h",
         {kVersion21, kVersion21, kUniversal, kUniversalSettings, "31 CF"},
         "31 CF"},
        {"33h summing to 00h", {kVersion21, kVersion21, kMaster, kNoRecords, "33 CD"}, "33 CD"},
        {"second version reply short", {kVersion21, "01 08 05"}, "01 08 05"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Project project;
        AddCommand(project, 2, "7", "3", "0010H");
        const std::string before = Snapshot(project);
        Outcome run = Through(c.replies, [&](SerialLink& link) { return Upload(project, link); });
        EXPECT_EQ(run.result, CheckError);
        EXPECT_EQ(Snapshot(project), before);
        EXPECT_TRUE(ReceivedExactly(run, c.cut));
        EXPECT_TRUE(Noted(run, "reply too short"));
    }
}

TEST(WholeReplyTest, WholeRepliesStillPassAsTheGatewaysSendThem) {
    MessageRecorder messages;
    Project project;
    // A wrong checksum on a whole 04h or 06h reply is taken, as before.
    std::string master = kMaster.substr(0, kMaster.size() - 2) + "00";
    Outcome run = Through({kVersion21, kVersion21, master, kOneRecord, kPage, kClearOnFault},
                          [&](SerialLink& link) { return Upload(project, link); });
    EXPECT_EQ(run.result, Success);
    ASSERT_NE(project.GetSubnet().GetNodeAt(0), nullptr);
    EXPECT_EQ(project.GetSubnet().GetNodeAt(0)->GetCommandCount(), 1);

    Project hw20;
    run = Through({kVersion20, kVersion20, LongForm(), kNoRecords, kClearOnFault},
                  [&](SerialLink& link) { return Upload(hw20, link); });
    EXPECT_EQ(run.result, Success);
}

TEST(WholeReplyTest, BytesBeyondAReplyAreDrainedAndShown) {
    MessageRecorder messages;
    Project project;
    Outcome run = Through({kVersion21, kVersion21, kMaster + " AA BB", kNoRecords, kClearOnFault},
                          [&](SerialLink& link) { return Upload(project, link); });
    EXPECT_EQ(run.result, Success);
    EXPECT_TRUE(Noted(run, "discarded: AA BB"));
    // The record count was read clean, not behind the leftovers.
    EXPECT_TRUE(ReceivedExactly(run, kNoRecords));
    EXPECT_TRUE(run.script->pending.empty());

    // The same for an acknowledgement of the download.
    Project download;
    run = Through({kVersion21, kVersion21, "03 00 03 03 00 03", "14 00 14", "32 00 32"},
                  [&](SerialLink& link) { return Download(download, link); });
    EXPECT_EQ(run.result, Success);
    EXPECT_TRUE(Noted(run, "discarded: 03 00 03"));
}

TEST(WholeReplyTest, ShortSecondVersionReplyEndsTheDownloadBeforeAnySetting) {
    MessageRecorder messages;
    Project project;
    Outcome run = Through({kVersion21, "01 08 05 02 01"},
                          [&](SerialLink& link) { return Download(project, link); });
    EXPECT_EQ(run.result, CheckError);
    EXPECT_EQ(run.script->requests.size(), 2u);
}

} // namespace
} // namespace varkel::testing
