#pragma once
#include "link/Frame.h"
#include "link/ReplyDecoder.h"
#include "link/Transport.h"
#include "model/ResultCode.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace varkel {

class CancelToken;

// One frame or event of a transfer, for a frame log.
struct TraceEvent {
    enum Kind { Sent, Received, Failed };
    Kind kind = Sent;
    std::chrono::steady_clock::time_point time; // monotonic
    Bytes bytes;                                // what went out or came in (may be short or empty)
    std::size_t expected = 0;                   // bytes asked for, for Received
    std::string note;                           // why a step failed
};

// Where a transfer stands, for a progress bar. The total is the best count
// known so far; an upload learns it from the gateway as it goes.
struct Progress {
    int step = 0;  // the step now being sent, from 1
    int total = 0; // steps in all
    std::string what;
};

// The open serial port of one transfer: raw send and receive, the
// acknowledged exchange of download frames, and the pace between them.
class SerialLink {
public:
    static constexpr int kDefaultPaceMs = 100;
    // The wait between the two version requests; not the pace, which only
    // spaces a frame from the read of its acknowledgement.
    static constexpr int kVersionPauseMs = 100;
    // Read limits: between two bytes, per byte asked for, and for the whole.
    static constexpr int kIntervalMs = 500;
    static constexpr int kPerByteMs = 500;
    static constexpr int kBaseMs = 500;
    // Once bytes beyond a reply turn up, the line must be quiet this long
    // before the next request.
    static constexpr int kDrainQuietMs = 20;

    // Without a transport the link uses the system's serial port.
    explicit SerialLink(std::unique_ptr<Transport> transport = nullptr);
    ~SerialLink();
    SerialLink(const SerialLink&) = delete;
    SerialLink& operator=(const SerialLink&) = delete;

    // Opens a device path (/dev/ttyUSB0, a pseudo-terminal). 0 or PortOpenFailed.
    [[nodiscard]] ResultCode Open(const std::string& device);
    // A cancelled token stops the transfer before its next frame and wakes
    // a wait for a reply; Send and Receive then return UserCancelled and the
    // port is closed. The token must outlive the link's use of it.
    void SetCancelToken(const CancelToken* token);
    bool IsCancelled() const;
    // 0, PortIoFailed or UserCancelled (nothing sent); a failure closes the port.
    [[nodiscard]] ResultCode Send(const std::uint8_t* bytes, std::size_t count);
    [[nodiscard]] ResultCode Send(const Bytes& bytes) { return Send(bytes.data(), bytes.size()); }
    // Reads up to count bytes; at least one byte is success. 0,
    // PortIoFailed or UserCancelled; a failure closes the port.
    [[nodiscard]] ResultCode Receive(std::uint8_t* buffer, std::size_t count,
                                     std::size_t* got = nullptr);
    // Send, pause, receive and compare with the expected reply. 0,
    // PortIoFailed or CheckError.
    [[nodiscard]] ResultCode Exchange(const std::uint8_t* frame, std::size_t frameLength,
                                      std::uint8_t* reply, const std::uint8_t* expected,
                                      std::size_t replyLength);
    // The download form: the reply must be the acknowledgement command, 00h, command.
    [[nodiscard]] ResultCode ExchangeAcknowledged(const Bytes& frame);
    // Frames the gateway acknowledged since the port was opened, and whether
    // a read met silence before any byte at all came back.
    int Acknowledged() const { return acknowledged_; }
    bool NeverAnswered() const { return silent_ && !anyReply_; }
    // Sends a request and reads its reply of the given kind into reply (the
    // bytes asked for, those that did not arrive 0), checked by its rule.
    // With paced set the link's pace comes between the two. length 0 takes
    // the rule's. 0, PortIoFailed or CheckError.
    [[nodiscard]] ResultCode Ask(const Bytes& request, ReplyKind kind, Bytes& reply,
                                 std::size_t length = 0, bool paced = false);
    // Reads and discards what arrived unasked (bytes beyond the last reply),
    // showing them in the trace; waits for a quiet line only when there
    // were any, so that a well-formed exchange costs no time.
    void DrainExtra();
    void Close();
    bool IsOpen() const;

    // The pause between a frame and the read of its acknowledgement; a
    // cancel ends it early.
    void SetPaceMs(int ms) { paceMs_ = ms < 0 ? 0 : ms; }
    int PaceMs() const { return paceMs_; }
    void Pause() const;
    static void Wait(int ms);

    // The device last given to Open, and why it could not be opened.
    const std::string& Device() const { return device_; }
    PortOpenError LastOpenError() const;

    // Both are called on the thread that runs the transfer.
    using ProgressCallback = std::function<void(const Progress&)>;
    using TraceCallback = std::function<void(const TraceEvent&)>;
    // A message for the user met part-way (old hardware, a check that
    // stopped a download); without a callback it is kept in Notices() for
    // the caller to show.
    using NoticeCallback = std::function<void(const std::string&)>;
    void SetProgressCallback(ProgressCallback callback) { progress_ = std::move(callback); }
    void SetTraceCallback(TraceCallback callback) { trace_ = std::move(callback); }
    void SetNoticeCallback(NoticeCallback callback) { notice_ = std::move(callback); }
    void Inform(const std::string& text);
    const std::vector<std::string>& Notices() const { return notices_; }
    void ClearNotices() { notices_.clear(); }

    // Used by the transfer sequences.
    void BeginSteps(int total);
    void SetStepsTotal(int total) { total_ = total; }
    void AddSteps(int count) { total_ += count; }
    void Step(const std::string& what);
    int StepsDone() const { return done_; }
    int StepsTotal() const { return total_; }
    void Note(const std::string& text);

private:
    void Trace(TraceEvent::Kind kind, const std::uint8_t* bytes, std::size_t count,
               std::size_t expected, const std::string& note);

    std::unique_ptr<Transport> transport_;
    std::string device_;
    const CancelToken* cancel_ = nullptr;
    int acknowledged_ = 0;
    bool anyReply_ = false;
    bool silent_ = false;
    int paceMs_ = kDefaultPaceMs;
    ProgressCallback progress_;
    TraceCallback trace_;
    NoticeCallback notice_;
    std::vector<std::string> notices_;
    int done_ = 0;
    int total_ = 0;
};

} // namespace varkel
