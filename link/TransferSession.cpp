#include "link/TransferSession.h"

#include "link/Download.h"
#include "link/Upload.h"
#include "model/Project.h"
#include "model/ResultCode.h"

namespace varkel {

TransferSession::TransferSession(TransferKind kind, std::unique_ptr<Transport> transport)
    : kind_(kind), link_(std::move(transport)) {
    link_.SetNoticeCallback([this](const std::string& text) { outcome_.notices.push_back(text); });
}

TransferSession::~TransferSession() = default;

void TransferSession::SetProgressCallback(SerialLink::ProgressCallback callback) {
    link_.SetProgressCallback(std::move(callback));
}

void TransferSession::SetTraceCallback(SerialLink::TraceCallback callback) {
    link_.SetTraceCallback(std::move(callback));
}

bool TransferSession::Open(const std::string& device) {
    outcome_ = TransferOutcome{};
    const Clock::time_point start = Clock::now();
    outcome_.result = link_.Open(device);
    outcome_.openTime = Clock::now() - start;
    if (outcome_.result != Success) {
        outcome_.openFailure = link_.LastOpenError();
        return false;
    }
    return true;
}

bool TransferSession::Prepare(const Project& project) {
    if (outcome_.result != Success || !link_.IsOpen())
        return false;
    // The checks come after the open, as they always did, and on this
    // thread, since they may show a message.
    if (kind_ == TransferKind::Download) {
        outcome_.result = CheckBeforeDownload(project);
        if (outcome_.result != Success) {
            link_.Close();
            return false;
        }
    }
    // The transfer works on its own copy, so the caller's project is not
    // read from another thread.
    project_ = std::make_unique<Project>();
    project_->CopyFrom(project);
    return true;
}

void TransferSession::Run() {
    const Clock::time_point start = Clock::now();
    if (kind_ == TransferKind::Download)
        outcome_.result = Download(*project_, link_, &outcome_.hardware);
    else
        outcome_.result = Upload(*project_, link_, &outcome_.hardware);
    link_.Close();
    outcome_.transferTime = Clock::now() - start;
    outcome_.frames = link_.StepsDone();
    if (kind_ == TransferKind::Upload && outcome_.result == Success) {
        outcome_.refused = RefusedValues(*project_);
        outcome_.uploaded = std::move(project_);
    }
    project_.reset();
}

} // namespace varkel
