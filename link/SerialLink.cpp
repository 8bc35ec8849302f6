#include "link/SerialLink.h"

#include "link/CancelToken.h"
#include "link/PosixSerialPort.h"
#include "link/TraceLine.h"
#include "model/ResultCode.h"

#include <cstring>
#include <thread>

namespace varkel {

SerialLink::SerialLink(std::unique_ptr<Transport> transport) : transport_(std::move(transport)) {
    if (!transport_)
        transport_ = std::make_unique<PosixSerialPort>();
}

SerialLink::~SerialLink() {
    Close();
}

ResultCode SerialLink::Open(const std::string& device) {
    device_ = device;
    acknowledged_ = 0;
    anyReply_ = false;
    silent_ = false;
    if (device.empty() || !transport_->Open(device)) {
        Trace(TraceEvent::Failed, nullptr, 0, 0,
              device.empty() ? "open: no device" : transport_->LastErrorText());
        transport_->Close();
        return PortOpenFailed;
    }
    return Success;
}

void SerialLink::SetCancelToken(const CancelToken* token) {
    cancel_ = token;
    transport_->SetCancelToken(token);
}

bool SerialLink::IsCancelled() const {
    return cancel_ && cancel_->Cancelled();
}

ResultCode SerialLink::Send(const std::uint8_t* bytes, std::size_t count) {
    // The one place every frame passes: a cancel takes effect here, between
    // frames, never inside one.
    if (IsCancelled()) {
        Trace(TraceEvent::Failed, nullptr, 0, 0, "cancelled by the user");
        transport_->Close();
        return UserCancelled;
    }
    if (!transport_->IsOpen()) {
        Trace(TraceEvent::Failed, bytes, count, 0, "send: port not open");
        return PortIoFailed;
    }
    const int timeout = kPerByteMs * static_cast<int>(count) + kBaseMs;
    long written = transport_->Write(bytes, count, timeout);
    if (written <= 0) {
        Trace(TraceEvent::Failed, bytes, count, 0,
              written < 0 ? transport_->LastErrorText() : "write: time-out");
        transport_->Close();
        return PortIoFailed;
    }
    Trace(TraceEvent::Sent, bytes, static_cast<std::size_t>(written), count, {});
    return Success;
}

ResultCode SerialLink::Receive(std::uint8_t* buffer, std::size_t count, std::size_t* got) {
    if (got)
        *got = 0;
    if (!transport_->IsOpen()) {
        Trace(TraceEvent::Failed, nullptr, 0, count, "receive: port not open");
        return PortIoFailed;
    }
    const int total = kPerByteMs * static_cast<int>(count) + kBaseMs;
    long read = transport_->Read(buffer, count, kIntervalMs, total);
    if (read <= 0) {
        const bool cancelled = IsCancelled();
        Trace(TraceEvent::Failed, nullptr, 0, count,
              cancelled  ? "cancelled by the user"
              : read < 0 ? transport_->LastErrorText()
                         : "read: no reply");
        silent_ = silent_ || (read == 0 && !cancelled);
        transport_->Close();
        return cancelled ? UserCancelled : PortIoFailed;
    }
    anyReply_ = true;
    if (got)
        *got = static_cast<std::size_t>(read);
    Trace(TraceEvent::Received, buffer, static_cast<std::size_t>(read), count, {});
    return Success;
}

ResultCode SerialLink::Exchange(const std::uint8_t* frame, std::size_t frameLength,
                                std::uint8_t* reply, const std::uint8_t* expected,
                                std::size_t replyLength) {
    std::memset(reply, 0, replyLength);
    ResultCode result = Send(frame, frameLength);
    if (result != Success)
        return result;
    Pause();
    result = Receive(reply, replyLength);
    if (result != Success)
        return result;
    result = MatchReply(reply, expected, replyLength);
    if (result != Success)
        Note("reply differs from the acknowledgement");
    return result;
}

ResultCode SerialLink::ExchangeAcknowledged(const Bytes& frame) {
    if (frame.empty())
        return CheckError;
    Bytes reply;
    const ResultCode result = Ask(frame, ReplyKind::Acknowledgement, reply, 0, true);
    if (result == Success)
        ++acknowledged_;
    return result;
}

ResultCode SerialLink::Ask(const Bytes& request, ReplyKind kind, Bytes& reply, std::size_t length,
                           bool paced) {
    if (length == 0)
        length = RuleOf(kind).length;
    reply.assign(length, 0);
    DrainExtra();
    ResultCode result = Send(request);
    if (result != Success)
        return result;
    if (paced)
        Pause();
    std::size_t got = 0;
    result = Receive(reply.data(), length, &got);
    if (result != Success)
        return result;
    if (got == length)
        DrainExtra();
    DecodedReply decoded =
        DecodeReply(kind, request.empty() ? 0 : request[0], reply.data(), got, length);
    reply = std::move(decoded.bytes);
    if (decoded.result != Success)
        Note(decoded.refusal);
    return decoded.result;
}

void SerialLink::DrainExtra() {
    if (!transport_->IsOpen())
        return;
    Bytes extra;
    std::uint8_t buffer[64];
    int waitMs = 0;
    for (;;) {
        long n = transport_->Read(buffer, sizeof buffer, waitMs, waitMs);
        if (n <= 0)
            break;
        extra.insert(extra.end(), buffer, buffer + n);
        waitMs = kDrainQuietMs; // more of it may still be on the line
    }
    if (!extra.empty())
        Note("bytes beyond the reply, discarded: " + HexBytes(extra));
}

void SerialLink::Inform(const std::string& text) {
    if (notice_)
        notice_(text);
    else
        notices_.push_back(text);
}

void SerialLink::Close() {
    transport_->Close();
}

bool SerialLink::IsOpen() const {
    return transport_->IsOpen();
}

void SerialLink::Pause() const {
    if (cancel_)
        cancel_->Sleep(paceMs_);
    else
        Wait(paceMs_);
}

void SerialLink::Wait(int ms) {
    if (ms > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

PortOpenError SerialLink::LastOpenError() const {
    // Without a device the transport was not asked.
    PortOpenError error = device_.empty() ? PortOpenError{} : transport_->LastOpenError();
    error.device = device_;
    // A transport that gives no reason still failed.
    if (!error.Failed()) {
        error.failure = device_.empty() ? OpenFailure::Missing : OpenFailure::Other;
        error.detail = device_.empty() ? std::string() : transport_->LastErrorText();
    }
    return error;
}

void SerialLink::BeginSteps(int total) {
    done_ = 0;
    total_ = total;
}

void SerialLink::Step(const std::string& what) {
    ++done_;
    if (total_ < done_)
        total_ = done_;
    if (progress_)
        progress_(Progress{done_, total_, what});
}

void SerialLink::Note(const std::string& text) {
    Trace(TraceEvent::Failed, nullptr, 0, 0, text);
}

void SerialLink::Trace(TraceEvent::Kind kind, const std::uint8_t* bytes, std::size_t count,
                       std::size_t expected, const std::string& note) {
    if (!trace_)
        return;
    TraceEvent event;
    event.kind = kind;
    event.time = std::chrono::steady_clock::now();
    if (bytes && count > 0)
        event.bytes.assign(bytes, bytes + count);
    event.expected = expected;
    event.note = note;
    trace_(event);
}

} // namespace varkel
