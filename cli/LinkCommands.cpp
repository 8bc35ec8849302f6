// Commands that talk to a gateway over a serial port: download, upload,
// ports.
#include "cli/CliApp.h"
#include "cli/CliText.h"
#include "cli/ExitCodes.h"
#include "cli/ProjectFile.h"
#include "link/Download.h"
#include "link/PortList.h"
#include "link/TraceLine.h"
#include "link/TransferSession.h"
#include "model/Catalog.h"
#include "model/Messages.h"
#include "model/Project.h"
#include "model/ResultCode.h"
#include "model/TextKeys.h"
#include "model/TextTable.h"

#include <CLI/CLI.hpp>

#include <chrono>
#include <iostream>
#include <memory>
#include <unistd.h>

namespace varkel::cli {
namespace {

struct LinkOptions {
    std::string port;
    bool trace = false;
    int paceMs = SerialLink::kDefaultPaceMs;
};

// Progress on one terminal line, rewritten in place; nothing when standard
// error is not a terminal, so that logs stay clean.
class ProgressLine {
public:
    ProgressLine() : active_(::isatty(STDERR_FILENO) == 1) {}
    ~ProgressLine() { Finish(); }
    void Show(const Progress& progress) {
        if (!active_)
            return;
        std::string text = FillPlaceholders("\r{}/{} {}", {std::to_string(progress.step),
                                              std::to_string(progress.total), progress.what});
        std::string padded = text;
        if (padded.size() < width_)
            padded.append(width_ - padded.size(), ' ');
        width_ = text.size();
        std::cerr << padded << std::flush;
        shown_ = true;
    }
    void Finish() {
        if (shown_)
            std::cerr << '\n' << std::flush;
        shown_ = false;
    }

private:
    bool active_;
    bool shown_ = false;
    std::size_t width_ = 0;
};

// Opens the port for a transfer before its configuration is loaded, so that
// the other side has noticed the open by the time the first frame goes out.
// Quietly: a port that did not open is opened again, and its failure
// reported, where the transfer begins.
std::unique_ptr<TransferSession> OpenEarly(TransferKind kind, const LinkOptions& options) {
    auto session = std::make_unique<TransferSession>(kind);
    session->Open(options.port);
    return session;
}

// Runs one transfer and reports how it ended; the port is closed whatever
// happens. The uploaded configuration, if any, is handed back.
int RunTransfer(TransferSession& session, const Project& project, const LinkOptions& options,
                std::unique_ptr<Project>* uploaded = nullptr,
                std::vector<RefusedValue>* refused = nullptr) {
    ProgressLine progress;
    session.SetPaceMs(options.paceMs);
    session.SetProgressCallback([&progress](const Progress& p) { progress.Show(p); });
    if (options.trace) {
        const auto start = std::chrono::steady_clock::now();
        session.SetTraceCallback([start, &progress](const TraceEvent& event) {
            progress.Finish();
            PrintError(TraceLine(event, start, TraceForm::Terminal));
        });
    }
    const bool ready = session.IsOpen() ? session.Prepare(project)
                                        : session.Begin(project, options.port);
    if (ready)
        session.Run();
    TransferOutcome outcome = session.TakeOutcome();
    progress.Finish();
    for (const std::string& notice : outcome.notices)
        ShowMessage(notice);
    if (!outcome.openFailure.empty()) {
        PrintError(outcome.openFailure);
    } else if (outcome.result != Success) {
        PrintError(ResultMessage(outcome.result));
    } else if (uploaded) {
        *uploaded = std::move(outcome.uploaded);
        if (refused)
            *refused = std::move(outcome.refused);
    }
    return outcome.result;
}

int RunDownload(const std::string& file, const LinkOptions& options) {
    auto session = OpenEarly(TransferKind::Download, options);
    auto project = std::make_unique<Project>();
    if (int code = LoadConfiguration(file, *project))
        return code;
    if (int code = RunTransfer(*session, *project, options))
        return code;
    PrintLine(LocalText(kKeyDownloadSuccessfully));
    return 0;
}

int RunUpload(const std::string& out, const std::string& base, const LinkOptions& options) {
    auto session = OpenEarly(TransferKind::Upload, options);
    auto project = std::make_unique<Project>();
    if (!base.empty()) {
        if (int code = LoadConfiguration(base, *project))
            return code;
    }
    // Known before the gateway is asked, not after a long transfer.
    if (int code = CheckWritable(out))
        return code;
    std::unique_ptr<Project> uploaded;
    std::vector<RefusedValue> refused;
    if (int code = RunTransfer(*session, *project, options, &uploaded, &refused))
        return code;
    if (int saved = SaveConfiguration(*uploaded, out))
        return saved;
    PrintLine(LocalText(kKeyUploadSuccessfully));
    if (refused.empty())
        return 0;
    // Taken as the gateway holds them, so that the file says what it holds.
    PrintError(Text(Msg::LinkRefusedUpload));
    for (const RefusedValue& value : refused)
        PrintError(RefusedValueLine(value));
    PrintError(Text(Msg::LinkCliRefusedExit));
    return kExitRefusedValues;
}

int RunPorts() {
    for (const SerialPortInfo& port : ListSerialPorts())
        PrintLine(port.path);
    return 0;
}

void AddLinkOptions(CLI::App* cmd, const std::shared_ptr<LinkOptions>& options) {
    cmd->add_option("--port", options->port,
                    Text(Msg::LinkCliPort))
        ->required();
    cmd->add_flag("--trace", options->trace,
                  Text(Msg::LinkCliTrace));
}

} // namespace

void AddLinkCommands(CLI::App& app, CliContext& context) {
    {
        auto* cmd = app.add_subcommand(
            "download", Text(Msg::LinkCliDownload));
        auto options = std::make_shared<LinkOptions>();
        auto file = AddFileArgument(cmd);
        AddLinkOptions(cmd, options);
        cmd->add_option("--pace-ms", options->paceMs,
                        Text(Msg::LinkCliPace))
            ->check(CLI::Range(0, 10000));
        cmd->callback(
            [&context, file, options] { context.exitCode = RunDownload(*file, *options); });
    }
    {
        auto* cmd = app.add_subcommand(
            "upload", Text(Msg::LinkCliUpload));
        auto out = std::make_shared<std::string>();
        auto base = std::make_shared<std::string>();
        auto options = std::make_shared<LinkOptions>();
        AddLinkOptions(cmd, options);
        cmd->add_option("-o,--output", *out, Text(Msg::LinkCliOutput))->required();
        cmd->add_option("--base", *base,
                        Text(Msg::LinkCliBase));
        cmd->callback([&context, out, base, options] {
            context.exitCode = RunUpload(*out, *base, *options);
        });
    }
    {
        auto* cmd = app.add_subcommand(
            "ports", Text(Msg::LinkCliPorts));
        cmd->callback([&context] { context.exitCode = RunPorts(); });
    }
}

} // namespace varkel::cli
