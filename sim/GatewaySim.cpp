#include "sim/GatewaySim.h"

#include "model/Catalog.h"
#include "sim/LineClock.h"
#include "sim/SimCatalog.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace varkel::sim {
namespace {

using Clock = std::chrono::steady_clock;

// A frame whose rest does not come within this time is dropped, so that
// line noise cannot wedge the gateway.
constexpr int kFrameGapMs = 100;
// While nobody has the device open the master only reports hang-up; look
// again after this long.
constexpr int kIdleMs = 5;
// How long the line is watched for a next request after an answer.
constexpr std::chrono::milliseconds kWatchAfterAnswer{2};

} // namespace

bool Fault::Parse(const std::string& name, Kind& kind) {
    static const std::pair<const char*, Kind> names[] = {{"none", None},
                                                         {"silent", Silent},
                                                         {"short", ShortReply},
                                                         {"wrong-ack", WrongReply},
                                                         {"bad-version", BadVersion},
                                                         {"bad-checksum", BadChecksum},
                                                         {"vanish", Vanish}};
    for (const auto& [text, k] : names) {
        if (name == text) {
            kind = k;
            return true;
        }
    }
    return false;
}

GatewaySim::GatewaySim(const SimOptions& options)
    : options_(options), engine_(options.hwMajor, options.hwMinor) {}

GatewaySim::~GatewaySim() {
    Stop();
}

bool GatewaySim::Start(std::string* error) {
    if (running_)
        return true;
    if (!pty_.Open(error))
        return false;
    // Holding the device side open keeps the master side from reporting a
    // hang-up while nobody uses the gateway, which would wake the thread
    // every few milliseconds for nothing.
    hold_ = ::open(pty_.DevicePath().c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (::pipe2(wakeFds_, O_CLOEXEC | O_NONBLOCK) != 0) {
        if (error)
            *error = Text(SimMsg::SimPipeFailed);
        pty_.Close();
        CloseHold();
        return false;
    }
    vanished_ = false;
    running_ = true;
    thread_ = std::thread([this] { Run(); });
    return true;
}

void GatewaySim::Stop() {
    if (thread_.joinable()) {
        running_ = false;
        char c = 1;
        [[maybe_unused]] ssize_t n = ::write(wakeFds_[1], &c, 1);
        thread_.join();
    }
    running_ = false;
    for (int& fd : wakeFds_) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
    CloseHold();
    pty_.Close();
}

void GatewaySim::CloseHold() {
    if (hold_ >= 0)
        ::close(hold_);
    hold_ = -1;
}

GatewayState GatewaySim::State() const {
    std::lock_guard lock(mutex_);
    return engine_.State();
}

void GatewaySim::SetState(const GatewayState& state) {
    std::lock_guard lock(mutex_);
    engine_.SetState(state);
}

std::vector<Exchanged> GatewaySim::Log() const {
    std::lock_guard lock(mutex_);
    return {log_.begin(), log_.end()};
}

std::vector<Bytes> GatewaySim::Requests() const {
    std::lock_guard lock(mutex_);
    std::vector<Bytes> requests;
    for (const auto& e : log_)
        requests.push_back(e.request);
    return requests;
}

void GatewaySim::ClearLog() {
    std::lock_guard lock(mutex_);
    log_.clear();
    requestCount_ = 0;
}

void GatewaySim::SetFault(const Fault& fault) {
    std::lock_guard lock(mutex_);
    options_.fault = fault;
    requestCount_ = 0;
}

void GatewaySim::SetTraceCallback(std::function<void(const Exchanged&)> callback) {
    std::lock_guard lock(mutex_);
    trace_ = std::move(callback);
}

void GatewaySim::SetStateCallback(std::function<void(const GatewayState&)> callback) {
    std::lock_guard lock(mutex_);
    onState_ = std::move(callback);
}

void GatewaySim::Run() {
    Bytes pending;
    Clock::time_point firstByte{};
    Clock::time_point lastByte{};
    Clock::time_point watchUntil{};
    std::uint8_t buffer[256];
    while (running_ && !vanished_) {
        pollfd fds[2] = {{pty_.Fd(), POLLIN, 0}, {wakeFds_[0], POLLIN, 0}};
        // Right after an answer the next request is likely soon: watch for
        // it instead of sleeping, so that its arrival time is the line's
        // and not the moment a sleeping thread got woken.
        const bool watching = options_.wireTiming && Clock::now() < watchUntil;
        int timeout = watching ? 0 : pending.empty() ? -1 : kFrameGapMs;
        int r = ::poll(fds, 2, timeout);
        if (r < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        if (r == 0 && watching) {
            std::this_thread::yield();
            continue;
        }
        if (fds[1].revents)
            break;
        const auto now = Clock::now();
        if (r == 0 || (!pending.empty() && now - lastByte > std::chrono::milliseconds(kFrameGapMs)))
            pending.clear();
        if (fds[0].revents & POLLIN) {
            ssize_t n = ::read(pty_.Fd(), buffer, sizeof buffer);
            if (n > 0) {
                for (ssize_t i = 0; i < n && !vanished_; ++i) {
                    if (pending.empty())
                        firstByte = now;
                    pending.push_back(buffer[i]);
                    lastByte = now;
                    if (pending.size() < 2) {
                        // A byte that starts no request is noise: skip it.
                        if (GatewayEngine::RequestLength(pending[0], 0) == 0)
                            pending.clear();
                        continue;
                    }
                    if (pending.size() == GatewayEngine::RequestLength(pending[0], pending[1])) {
                        Serve(pending, firstByte);
                        pending.clear();
                        watchUntil = Clock::now() + kWatchAfterAnswer;
                    }
                }
                continue;
            }
        }
        if (fds[0].revents & (POLLHUP | POLLERR)) {
            // Nobody has the device open: the frame in progress is lost.
            pending.clear();
            std::this_thread::sleep_for(std::chrono::milliseconds(kIdleMs));
        }
    }
}

namespace {

// What a fault did, after the request's description.
void Note(Exchanged& entry, SimMsg what) {
    entry.what += ' ';
    entry.what += Text(what);
}

} // namespace

void GatewaySim::Serve(const Bytes& frame, Clock::time_point firstByte) {
    Exchanged entry;
    entry.time = Clock::now();
    entry.request = frame;
    std::function<void(const Exchanged&)> trace;
    std::function<void(const GatewayState&)> onState;
    GatewayState state;
    bool changed = false;
    Fault fault;
    int number = 0;
    std::optional<Bytes> reply;
    {
        std::lock_guard lock(mutex_);
        reply = engine_.Handle(frame, &entry.what);
        changed = engine_.Changed();
        if (changed)
            state = engine_.State();
        fault = options_.fault;
        number = ++requestCount_;
        trace = trace_;
        onState = onState_;
    }
    const bool hit =
        fault.kind != Fault::None && (fault.atFrame == 0 || number == fault.atFrame ||
                                      (fault.kind == Fault::Silent && number >= fault.atFrame));
    if (hit && reply) {
        switch (fault.kind) {
        case Fault::Silent:
            reply.reset();
            Note(entry, SimMsg::SimFaultSilent);
            break;
        case Fault::ShortReply:
            reply->resize(std::min<std::size_t>(reply->size(), 2));
            Note(entry, SimMsg::SimFaultShortReply);
            break;
        case Fault::WrongReply:
            (*reply)[0] ^= 0x80;
            Note(entry, SimMsg::SimFaultWrongReply);
            break;
        case Fault::BadVersion:
            if (frame[0] == 0x01 && reply->size() > 2) {
                (*reply)[2] = 0x06;
                Note(entry, SimMsg::SimFaultBadVersion);
            }
            break;
        case Fault::BadChecksum:
            reply->back() = static_cast<std::uint8_t>(reply->back() + 1);
            Note(entry, SimMsg::SimFaultBadChecksum);
            break;
        case Fault::Vanish:
            reply.reset();
            Note(entry, SimMsg::SimFaultVanish);
            vanished_ = true;
            break;
        case Fault::None:
            break;
        }
    }
    if (reply && options_.wireTiming) {
        // The request took its time on the line before the gateway saw its
        // end, and the answer takes its own.
        auto done = firstByte + kByteTime * static_cast<long>(frame.size());
        WaitUntil(done + kByteTime * static_cast<long>(reply->size()));
    }
    if (reply)
        entry.reply = *reply;
    {
        // Logged before the answer goes out, so whoever got the answer
        // finds the request in the log.
        std::lock_guard lock(mutex_);
        if (options_.logLimit > 0) {
            if (log_.size() >= options_.logLimit)
                log_.pop_front();
            log_.push_back(entry);
        }
    }
    // Kept before it is acknowledged, as a gateway commits before it answers.
    if (changed && onState)
        onState(state);
    if (vanished_) {
        CloseHold();
        pty_.Close();
    } else if (reply)
        Write(*reply);
    if (trace)
        trace(entry);
}

void GatewaySim::Write(const Bytes& bytes) {
    std::size_t done = 0;
    int attempts = 0;
    while (done < bytes.size() && pty_.IsOpen() && attempts < 100) {
        ssize_t n = ::write(pty_.Fd(), bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            return;
        ++attempts;
        pollfd p{pty_.Fd(), POLLOUT, 0};
        ::poll(&p, 1, 10);
    }
}

} // namespace varkel::sim
