// Files that would break a later save or hang, bloat or race the program,
// grouped by the kind of file.
#include "MessageRecorder.h"
#include "model/FileWrite.h"
#include "model/Project.h"
#include "model/TextKeys.h"
#include "model/TextTable.h"
#include "persist/CsvList.h"
#include "persist/Gb2312.h"
#include "persist/ModelXml.h"

#include "TestSupport.h"

#include <gtest/gtest.h>
#include <tinyxml.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <random>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace varkel {
namespace {

using test::ReadBytes;
using test::ReplaceOnce;
using test::TempDir;
using test::WithoutDateTime;
using test::WriteBytes;

std::string DataFile(const std::string& name) {
    return ReadBytes(std::string(VARKEL_PERSIST_DATA) + "/" + name);
}

class FileKinds : public ::testing::Test {
protected:
    void SetUp() override {
        SetTextLanguage(TextLanguage::English);
        Project sample;
        test::FillSample(sample);
        ASSERT_EQ(SaveFile(sample, dir_.File("sample.xml")), 1);
        sample_ = ReadBytes(dir_.File("sample.xml"));
        // Nothing here may wait on a FIFO for ever.
        ::alarm(60);
    }
    void TearDown() override {
        ::alarm(0);
        SetTextLanguage(TextLanguage::Chinese);
    }

    // Loads the bytes; answers the refusal's message, or empty when loaded.
    std::string LoadBytes(const std::string& bytes, Project& into) {
        WriteBytes(dir_.File("in.xml"), bytes);
        std::string error;
        if (LoadFile(into, dir_.File("in.xml"), &error))
            return {};
        EXPECT_FALSE(error.empty());
        return error;
    }

    TempDir dir_;
    std::string sample_;
    MessageRecorder messages_;
};

// --- Code page: what loads can always be saved ---------------------------

TEST_F(FileKinds, BytesWithoutAWayBackAreRefusedAtLoadNamingWhere) {
    // The user-defined areas of the code page, inside a help text.
    for (const std::string bytes : {"\xAA\xA1", "\xF8\xA1", "\x81\x30\x81\x30"}) {
        const std::string edited = ReplaceOnce(sample_, "<Ref Value=\"", "<Ref Value=\"" + bytes);
        const std::size_t offset = edited.find(bytes);
        Project project;
        const std::string error = LoadBytes(edited, project);
        EXPECT_NE(error.find("at byte " + std::to_string(offset)), std::string::npos) << error;
        EXPECT_NE(error.find("\"Ref\""), std::string::npos) << error;
    }
    // A character reference to what the code page cannot hold, and a UTF-8
    // file holding one: refused at load, the item named, rather than at
    // every later save.
    const std::string reference = ReplaceOnce(sample_, "<Ref Value=\"", "<Ref Value=\"&#x1F600;");
    Project project;
    std::string error = LoadBytes(reference, project);
    EXPECT_NE(error.find("could not be saved back"), std::string::npos) << error;
    std::string utf8;
    ASSERT_TRUE(DecodeGb2312(sample_, utf8));
    utf8 = ReplaceOnce(utf8, "encoding=\"gb2312\"", "encoding=\"UTF-8\"");
    EXPECT_EQ(LoadBytes(utf8, project), "");
    error = LoadBytes(ReplaceOnce(utf8, "<Ref Value=\"", "<Ref Value=\"\xF0\x9F\x98\x80"), project);
    EXPECT_NE(error.find("could not be saved back"), std::string::npos) << error;
}

// A file read from the code page needs no look for unstorable characters
// while its references all name ASCII characters, as its line breaks do; a
// reference to anything else after those, however spelled, is still found.
// Lines are counted only for a refusal's message, and must be right there.
TEST_F(FileKinds, RefusalsAfterLineBreakReferencesNameTheirLine) {
    const std::size_t refAt = sample_.find("<Ref Value=\"");
    const std::string refLine =
        "(line " + std::to_string(1 + std::count(sample_.begin(), sample_.begin() + refAt, '\n')) +
        ")";
    for (const char* references : {"&#x0D;&#x0A;&#xA0;", "&#13;&#10;&#160;", "&#x0D;&#x00A0;",
                                   "&#x0A;&#0000160;", "&#x0D;&#x1F600;"}) {
        SCOPED_TRACE(references);
        Project project;
        const std::string error = LoadBytes(
            ReplaceOnce(sample_, "<Ref Value=\"", std::string("<Ref Value=\"") + references),
            project);
        EXPECT_NE(error.find("could not be saved back"), std::string::npos) << error;
        EXPECT_NE(error.find(refLine), std::string::npos) << error;
    }
    Project project;
    std::string error =
        LoadBytes(ReplaceOnce(sample_, "<Ref Value=\"", "<Ref Value=\"&#x0D;&#xD800;"), project);
    EXPECT_NE(error.find("names no character"), std::string::npos) << error;
    EXPECT_NE(error.find(refLine), std::string::npos) << error;

    // Bad markup: the line the parser gives when it counts lines.
    const std::string broken = ReplaceOnce(sample_, "<Ref Value=\"", "<Ref <Value=\"");
    std::string text;
    ASSERT_TRUE(DecodeGb2312(broken, text));
    TiXmlDocument counted;
    counted.Parse(text.c_str(), nullptr, TIXML_ENCODING_UTF8);
    ASSERT_TRUE(counted.Error());
    ASSERT_GT(counted.ErrorRow(), 1);
    error = LoadBytes(broken, project);
    EXPECT_NE(error.find("(line " + std::to_string(counted.ErrorRow()) + ")"), std::string::npos)
        << error;
    // The parser's reason in the message's own language, in either: never
    // the parser's English inside a Chinese message.
    EXPECT_EQ(error.find(counted.ErrorDesc()), std::string::npos) << error;
    SetTextLanguage(TextLanguage::Chinese);
    const std::string chinese = LoadBytes(broken, project);
    SetTextLanguage(TextLanguage::English);
    EXPECT_EQ(chinese.find(counted.ErrorDesc()), std::string::npos) << chinese;
    EXPECT_NE(chinese.find("不是有效的XML"), std::string::npos) << chinese;
    EXPECT_NE(chinese.find("（第" + std::to_string(counted.ErrorRow()) + "行）"), std::string::npos)
        << chinese;

    // Line breaks alone load.
    EXPECT_EQ(LoadBytes(ReplaceOnce(sample_, "<Ref Value=\"", "<Ref Value=\"&#x0D;&#10;"), project),
              "");
}

// Variations of the stored files with bytes of the code page's range put
// into their texts: each is either refused at load or saved byte for byte
// as it was read, apart from the time of save.
TEST_F(FileKinds, EveryAcceptedVariationSavesByteIdentical) {
    std::mt19937 random(20261207);
    std::size_t accepted = 0;
    std::size_t refused = 0;
    for (const std::string& base : {DataFile("default.xml"), sample_}) {
        for (int round = 0; round < 30; ++round) {
            std::string varied = base;
            for (int k = 0; k < 3; ++k) {
                if (random() % 2) {
                    // A byte or two of the high range into a value.
                    // Only texts: numbers and flags are another matter.
                    std::size_t at = varied.find("<Ref Value=\"", random() % varied.size());
                    if (at == std::string::npos)
                        at = varied.find("<Ref Value=\"");
                    at += 12;
                    std::string insert(1, static_cast<char>(0x80 + random() % 0x80));
                    if (random() % 4)
                        insert += static_cast<char>(0x40 + random() % 0xC0);
                    varied.insert(at, insert);
                } else {
                    // A flipped low bit in a byte of a Chinese text.
                    std::size_t at = random() % varied.size();
                    while (at < varied.size() && static_cast<unsigned char>(varied[at]) < 0x80)
                        ++at;
                    if (at < varied.size())
                        varied[at] = static_cast<char>(varied[at] ^ (1 << (random() % 7)));
                }
            }
            WriteBytes(dir_.File("varied.xml"), varied);
            Project project;
            std::string error;
            if (!LoadFile(project, dir_.File("varied.xml"), &error)) {
                ++refused;
                continue;
            }
            ++accepted;
            ASSERT_EQ(SaveFile(project, dir_.File("saved.xml"), &error), 1) << error;
            ASSERT_EQ(WithoutDateTime(ReadBytes(dir_.File("saved.xml"))), WithoutDateTime(varied))
                << "round " << round;
        }
    }
    // Both outcomes occur, or the variations test nothing.
    EXPECT_GT(accepted, 10u);
    EXPECT_GT(refused, 10u);
}

// --- Special files: refused before anything is read ----------------------

TEST_F(FileKinds, AnythingButARegularFileIsRefusedWithoutWaiting) {
    const std::string fifo = dir_.File("pipe.xml");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::filesystem::create_symlink(fifo, dir_.File("to-pipe.xml"));
    for (const std::string& path : {fifo, dir_.File("to-pipe.xml"), std::string("/dev/null"),
                                    std::string("/dev/zero"), dir_.Path().string()}) {
        Project project;
        std::string error;
        EXPECT_EQ(LoadFile(project, path, &error), 0) << path;
        EXPECT_NE(error.find("is not a file"), std::string::npos) << error;
        bool notRegular = false;
        int err = 0;
        EXPECT_LT(OpenRegularFile(path, notRegular, err), 0);
        EXPECT_TRUE(notRegular) << path;
    }
    // A command list is refused the same way.
    CommandTable table;
    std::string listError;
    EXPECT_EQ(CsvList::ReadFile(fifo, table, listError), CommandTable::Missing);
    EXPECT_NE(listError.find("is not a file"), std::string::npos) << listError;
    // A link to a regular file is followed.
    std::filesystem::create_symlink(dir_.File("sample.xml"), dir_.File("to-sample.xml"));
    Project project;
    EXPECT_EQ(LoadFile(project, dir_.File("to-sample.xml")), 1);
}

// --- Size bombs: refused or loaded at once ---------------------------------

TEST_F(FileKinds, ElementsWithMoreThanOneAttributeAreRefused) {
    Project project;
    std::string error = LoadBytes(
        ReplaceOnce(sample_, "<State Value=\"2\" />", "<State Value=\"2\" Other=\"3\" />"),
        project);
    EXPECT_NE(error.find("too many attributes"), std::string::npos) << error;
    EXPECT_NE(error.find("\"State\""), std::string::npos) << error;

    std::string bomb = "<?xml version=\"1.0\" encoding=\"gb2312\" ?>\r\n<Norrin";
    for (int i = 0; i < 100000; ++i)
        bomb += " a" + std::to_string(i) + "=\"x\"";
    bomb += " />\r\n";
    error = LoadBytes(bomb, project);
    EXPECT_NE(error.find("line 2"), std::string::npos) << error;
    // Attributes in the declaration are the declaration's own.
    EXPECT_EQ(LoadBytes(sample_, project), "");
}

TEST_F(FileKinds, ANodeBeyondTheGatewaysCommandLimitStillLoads) {
    // The sample's first command, copied until the node holds 60.
    const std::size_t start = sample_.find("<Command ");
    ASSERT_NE(start, std::string::npos);
    const std::size_t lineStart = sample_.rfind('\n', start) + 1;
    const std::size_t end =
        sample_.find("</Command>", start) + std::string("</Command>\r\n").size();
    const std::string command = sample_.substr(lineStart, end - lineStart);
    Project counted;
    ASSERT_EQ(LoadBytes(sample_, counted), "");
    const int had = counted.GetSubnet().GetNodeAt(0)->GetCommandCount();
    std::string many = sample_;
    for (int i = had; i < 60; ++i)
        many.insert(lineStart, command);
    Project project;
    ASSERT_EQ(LoadBytes(many, project), "");
    EXPECT_EQ(project.GetSubnet().GetNodeAt(0)->GetCommandCount(), 60);
}

// --- Links: written through, also to a target still to be made ------------

TEST_F(FileKinds, ADanglingLinkGetsItsTargetCreated) {
    std::filesystem::create_directory(dir_.File("real"));
    // Relative, as links usually are, through a second link.
    std::filesystem::create_symlink("real/config.xml", dir_.File("first.xml"));
    std::filesystem::create_symlink("first.xml", dir_.File("link.xml"));
    Project project;
    std::string error;
    ASSERT_EQ(SaveFile(project, dir_.File("link.xml"), &error), 1) << error;
    EXPECT_TRUE(std::filesystem::is_symlink(dir_.File("link.xml")));
    EXPECT_TRUE(std::filesystem::is_symlink(dir_.File("first.xml")));
    EXPECT_TRUE(std::filesystem::is_regular_file(
        std::filesystem::symlink_status(dir_.File("real/config.xml"))));
    EXPECT_EQ(FollowLinks(dir_.File("link.xml")), dir_.File("real/config.xml"));
    Project loaded;
    EXPECT_EQ(LoadFile(loaded, dir_.File("link.xml")), 1);
}

// --- Lost updates: a file changed on disk since it was read is kept -------

TEST_F(FileKinds, ASaveNeverReplacesAFileChangedSinceItWasRead) {
    const std::string path = dir_.File("sample.xml");
    Project project;
    FileIdentity readAs;
    ASSERT_EQ(LoadFile(project, path, nullptr, &readAs), 1);
    FileIdentity now;
    ASSERT_TRUE(IdentifyFile(path, now));
    EXPECT_EQ(now, readAs);

    // Unchanged: saved, and the guard learns the new file for the next save.
    WriteGuard guard;
    guard.expected = readAs;
    std::string error;
    ASSERT_EQ(SaveFile(project, path, &error, &guard), 1) << error;
    EXPECT_FALSE(guard.changedOnDisk);
    ASSERT_TRUE(IdentifyFile(path, now));
    EXPECT_EQ(now, guard.written);
    EXPECT_FALSE(now == readAs);

    // Changed by another program: same size, new content; then replaced by
    // a new file; then removed. Each is refused and the other's file kept.
    guard.expected = guard.written;
    std::string other = ReadBytes(path);
    other[other.find("Varkel developers")] = 'v';
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    WriteBytes(path, other);
    ASSERT_EQ(SaveFile(project, path, &error, &guard), 0);
    EXPECT_TRUE(guard.changedOnDisk);
    EXPECT_NE(error.find("changed on disk"), std::string::npos) << error;
    EXPECT_EQ(ReadBytes(path), other);

    WriteBytes(dir_.File("new.xml"), other);
    ASSERT_EQ(std::rename(dir_.File("new.xml").c_str(), path.c_str()), 0);
    const std::string replaced = ReadBytes(path);
    guard.changedOnDisk = false;
    EXPECT_EQ(SaveFile(project, path, &error, &guard), 0);
    EXPECT_TRUE(guard.changedOnDisk);
    EXPECT_EQ(ReadBytes(path), replaced);

    std::filesystem::remove(path);
    EXPECT_EQ(SaveFile(project, path, &error, &guard), 0);
    EXPECT_TRUE(guard.changedOnDisk);
    EXPECT_FALSE(std::filesystem::exists(path));
    // No temporary file left behind by any refusal.
    for (const auto& entry : std::filesystem::directory_iterator(dir_.Path()))
        EXPECT_NE(entry.path().filename().string()[0], '.') << entry.path();
}

// --- Read ahead on a thread of its own -----------------------------------

// A file read before the window exists loads what an open loads, and a
// refused one says nothing: the open that follows gives the reason.
TEST_F(FileKinds, AReadAheadLoadsWhatAnOpenLoadsAndRefusesSilently) {
    Project opened;
    FileIdentity openedFrom;
    ASSERT_TRUE(LoadFile(opened, dir_.File("sample.xml"), nullptr, &openedFrom));
    Project ahead;
    FileIdentity aheadFrom;
    std::thread reader(
        [&] { EXPECT_TRUE(PreloadFile(ahead, dir_.File("sample.xml"), &aheadFrom)); });
    reader.join();
    EXPECT_EQ(test::Snapshot(ahead), test::Snapshot(opened));
    EXPECT_TRUE(aheadFrom == openedFrom);

    const std::string foreign = ReplaceOnce(sample_, "Value=\"Chinese\"", "Value=\"English\"");
    WriteBytes(dir_.File("foreign.xml"), foreign);
    Project untouched;
    const std::string before = test::Snapshot(untouched);
    EXPECT_FALSE(PreloadFile(untouched, dir_.File("foreign.xml")));
    EXPECT_FALSE(PreloadFile(untouched, dir_.File("missing.xml")));
    EXPECT_TRUE(messages_.messages.empty());
    std::string error;
    EXPECT_FALSE(LoadFile(untouched, dir_.File("foreign.xml"), &error));
    // The open gives the language message for its caller to show.
    EXPECT_TRUE(messages_.messages.empty());
    EXPECT_EQ(error, LocalText(kKeyLanguageMismatch));
    EXPECT_EQ(test::Snapshot(untouched), before);
}

} // namespace
} // namespace varkel
