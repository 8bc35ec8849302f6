#include "link/TransferSession.h"

#include "link/Download.h"
#include "link/LinkCatalog.h"
#include "link/Upload.h"
#include "model/Catalog.h"
#include "model/Project.h"
#include "model/ResultCode.h"

#include <filesystem>

namespace varkel {

TransferSession::TransferSession(TransferKind kind, std::unique_ptr<Transport> transport)
    : kind_(kind), cancel_(std::make_shared<CancelToken>()), link_(std::move(transport)) {
    link_.SetNoticeCallback([this](const std::string& text) { outcome_.notices.push_back(text); });
    link_.SetCancelToken(cancel_.get());
}

void TransferSession::SetCancelToken(std::shared_ptr<CancelToken> token) {
    if (!token)
        return;
    cancel_ = std::move(token);
    link_.SetCancelToken(cancel_.get());
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
    outcome_.device = device;
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
    // The checks come after the open, as they always did; what stops the
    // download is told with the transfer's other notices.
    if (kind_ == TransferKind::Download) {
        const DownloadCheck check = CheckBeforeDownload(project);
        outcome_.result = check.code;
        if (!check.message.empty())
            outcome_.notices.push_back(check.message);
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
    outcome_.acknowledged = link_.Acknowledged();
    outcome_.neverAnswered = link_.NeverAnswered();
    if (kind_ == TransferKind::Upload && outcome_.result == Success) {
        outcome_.refused = RefusedValues(*project_);
        outcome_.uploaded = std::move(project_);
    }
    project_.reset();
}

std::string PortName(const std::string& device) {
    const std::string name = std::filesystem::path(device).filename().string();
    return name.empty() ? device : name;
}

std::string FailureText(const TransferOutcome& outcome, TransferKind kind,
                        const std::string& portName) {
    if (outcome.openFailure.Failed())
        return PortOpenText(outcome.openFailure);
    switch (outcome.result) {
    case Success:
        return {};
    case UserCancelled:
        if (kind == TransferKind::Upload)
            return Text(LinkMsg::LinkUploadCancelled);
        // What the gateway acknowledged it keeps: the user must know that
        // it now holds part of the new configuration.
        return outcome.acknowledged == 0 ? Text(LinkMsg::LinkDownloadCancelled)
                                         : Text(LinkMsg::LinkDownloadCancelledPartly,
                                                {std::to_string(outcome.acknowledged)});
    case PortIoFailed:
        if (outcome.neverAnswered)
            return Text(LinkMsg::LinkNoGatewayAnswered, {ResultMessage(PortIoFailed), portName});
        break;
    default:
        break;
    }
    return ResultMessage(outcome.result);
}

} // namespace varkel
