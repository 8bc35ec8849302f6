#include "probe/ProbeSession.h"

#include "model/Catalog.h"
#include "model/ResultCode.h"
#include "probe/ProbeCatalog.h"

#include <chrono>

namespace varkel {

ProbeSession::ProbeSession(ProbePlan plan) : plan_(std::move(plan)) {}

ProbeSession::~ProbeSession() {
    Stop();
    Wait();
}

void ProbeSession::Stop() {
    stop_ = true;
    std::lock_guard<std::mutex> lock(mutex_);
    wake_.notify_all();
}

void ProbeSession::Wait() {
    if (worker_.joinable())
        worker_.join();
}

bool ProbeSession::Pause(int ms) {
    if (ms <= 0)
        return !stop_;
    std::unique_lock<std::mutex> lock(mutex_);
    wake_.wait_for(lock, std::chrono::milliseconds(ms), [this] { return stop_.load(); });
    return !stop_;
}

void ProbeSession::Start(const std::string& device, int passes) {
    Wait();
    stop_ = false;
    running_ = true;
    worker_ = std::thread([this, device, passes] {
        ProbeOutcome outcome = Run(device, passes);
        if (onFinished_)
            onFinished_(outcome);
    });
}

ProbeOutcome ProbeSession::Run(const std::string& device, int passes) {
    running_ = true;
    ProbeOutcome outcome;
    const ProbeLine& line = plan_.Line();
    std::unique_ptr<ProbeChannel> channel = factory_ ? factory_(line) : ProbeChannel::ForLine(line);
    std::string error;
    outcome.code = channel->Open(device, line, error);
    if (outcome.code != Success) {
        outcome.message = error;
        outcome.port = channel->LastOpenError();
        running_ = false;
        return outcome;
    }
    if (onOpened_)
        onOpened_(ProbeOpened{channel->FramingDropped()});

    MemoryImage image;
    bool first = true;
    for (int pass = 1; (passes <= 0 || pass <= passes) && !stop_; ++pass) {
        PassSummary summary;
        summary.pass = pass;
        const auto passStart = std::chrono::steady_clock::now();
        bool complete = true;
        for (std::size_t i = 0; i < plan_.Commands().size(); ++i) {
            const ProbeCommand& command = plan_.Commands()[i];
            if (!plan_.InPass(command, pass))
                continue;
            if (!first && !Pause(line.pollDelayMs)) {
                complete = false;
                break;
            }
            first = false;
            ProbeResult result;
            result.pass = pass;
            result.command = static_cast<int>(i);
            result.time = std::chrono::system_clock::now();
            channel->Read(command, result);
            if (result.status == ProbeStatus::PortFailed) {
                outcome.code = PortIoFailed;
                outcome.message = Text(ProbeMsg::ProbePortLost, {device, result.detail});
                complete = false;
                stop_ = true;
                break;
            }
            if (result.status == ProbeStatus::Ok) {
                ++summary.answered;
            } else {
                ++summary.failed;
                ++outcome.failed; // counted as reported, whether the pass ends or not
            }
            image.Place(command, result);
            if (onResult_)
                onResult_(result);
            if (stop_) {
                complete = false;
                break;
            }
        }
        if (!complete)
            break;
        summary.ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - passStart)
                .count();
        ++outcome.passes;
        if (onPass_)
            onPass_(summary, image);
    }
    channel->Close();
    outcome.stopped = stop_ && outcome.code == Success;
    running_ = false;
    return outcome;
}

} // namespace varkel
