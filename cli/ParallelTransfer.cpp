#include "cli/ParallelTransfer.h"

#include "cli/CliCatalog.h"
#include "cli/CliText.h"
#include "cli/PortBlock.h"
#include "cli/TextWidth.h"
#include "link/TraceLine.h"
#include "model/Catalog.h"
#include "model/PortOpenError.h"
#include "model/Project.h"
#include "model/ResultCode.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <thread>

namespace varkel::cli {
namespace {

std::string OneLine(const std::string& text) {
    std::string line = TerminalText(text);
    std::replace(line.begin(), line.end(), '\n', ' ');
    while (!line.empty() && line.back() == ' ')
        line.pop_back();
    return line;
}

std::string FailureOf(const TransferOutcome& outcome, TransferKind kind, const std::string& port) {
    return OneLine(FailureText(outcome, kind, PortName(port)));
}

double Seconds(std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

} // namespace

ParallelTransfer::ParallelTransfer(TransferKind kind, std::vector<std::string> ports)
    : ports_(std::move(ports)), kind_(kind) {
    for (std::size_t i = 0; i < ports_.size(); ++i)
        sessions_.push_back(std::make_unique<TransferSession>(kind));
}

ParallelTransfer::~ParallelTransfer() = default;

void ParallelTransfer::SetCancelToken(const std::shared_ptr<CancelToken>& token) {
    for (auto& session : sessions_)
        session->SetCancelToken(token);
}

void ParallelTransfer::Open() {
    for (std::size_t i = 0; i < ports_.size(); ++i)
        sessions_[i]->Open(ports_[i]);
}

std::vector<PortOutcome> ParallelTransfer::Run(const Project& project, PortBlock& block) {
    const std::size_t count = ports_.size();
    std::vector<PortOutcome> outcomes(count);
    std::vector<bool> ready(count, false);
    const auto start = std::chrono::steady_clock::now();

    // The checks, in port order on this thread.
    int checkFailure = Success;
    for (std::size_t i = 0; i < count; ++i) {
        TransferSession& session = *sessions_[i];
        outcomes[i].port = ports_[i];
        if (checkFailure != Success) {
            // The configuration failed its checks on an earlier port: the
            // same checks fail here, without showing their messages again.
            outcomes[i].outcome.result = checkFailure;
            outcomes[i].failure = FailureOf(outcomes[i].outcome, kind_, ports_[i]);
            block.Done(i, outcomes[i].failure);
            continue;
        }
        session.SetPaceMs(paceMs_);
        session.SetProgressCallback([&block, i](const Progress& p) { block.Show(i, p); });
        if (trace_)
            session.SetTraceCallback([&block, i, start](const TraceEvent& event) {
                block.Trace(i, TraceLine(event, start, TraceForm::Terminal));
            });
        ready[i] = session.Begin(project, ports_[i]);
        if (ready[i])
            continue;
        outcomes[i].outcome = session.TakeOutcome();
        if (!outcomes[i].outcome.openFailure.Failed())
            checkFailure = outcomes[i].outcome.result;
        outcomes[i].failure = FailureOf(outcomes[i].outcome, kind_, ports_[i]);
        outcomes[i].seconds = Seconds(outcomes[i].outcome.openTime);
        block.Done(i, outcomes[i].failure);
    }

    // The transfers, one worker a port; each writes only its own outcome.
    block.Start();
    std::vector<std::thread> workers;
    for (std::size_t i = 0; i < count; ++i) {
        if (!ready[i])
            continue;
        workers.emplace_back([this, &outcomes, &block, i] {
            sessions_[i]->Run();
            PortOutcome& mine = outcomes[i];
            mine.outcome = sessions_[i]->TakeOutcome();
            mine.failure = FailureOf(mine.outcome, kind_, ports_[i]);
            mine.seconds = Seconds(mine.outcome.openTime + mine.outcome.transferTime);
            block.Done(i, mine.failure.empty() ? Text(CliMsg::CliPortOk) : mine.failure);
        });
    }
    // Only this thread writes; it sleeps until a worker reports.
    block.PrintUntilDone();
    for (std::thread& worker : workers)
        worker.join();
    return outcomes;
}

int ParallelTransfer::FirstFailure(const std::vector<PortOutcome>& outcomes) {
    for (const PortOutcome& o : outcomes)
        if (o.outcome.result != Success)
            return o.outcome.result;
    return Success;
}

std::vector<std::string> ParallelTransfer::SummaryLines(const std::vector<PortOutcome>& outcomes) {
    std::vector<std::vector<std::string>> rows;
    rows.push_back({Text(CliMsg::CliSummaryPort), Text(CliMsg::CliSummaryResult),
                    Text(CliMsg::CliSummaryTime), Text(CliMsg::CliSummaryHardware)});
    for (const PortOutcome& o : outcomes) {
        char time[32];
        std::snprintf(time, sizeof time, "%.1f s", o.seconds);
        std::string hardware = "-";
        if (o.outcome.hardware.known)
            hardware = std::to_string(o.outcome.hardware.major) + "." +
                       std::to_string(o.outcome.hardware.minor);
        rows.push_back(
            {o.port, o.failure.empty() ? Text(CliMsg::CliPortOk) : o.failure, time, hardware});
    }
    std::size_t widths[4] = {};
    for (const auto& row : rows)
        for (std::size_t c = 0; c < 4; ++c)
            widths[c] = std::max(widths[c], DisplayWidth(row[c]));
    std::vector<std::string> lines;
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < 4; ++c)
            line += c < 3 ? FitWidth(row[c], widths[c], true) + "  " : row[c];
        lines.push_back(line);
    }
    return lines;
}

} // namespace varkel::cli
