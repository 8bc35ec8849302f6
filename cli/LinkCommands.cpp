// Commands that talk to a gateway over a serial port: download, upload,
// ports. Download and upload take one port or several at once.
#include "cli/CliApp.h"
#include "cli/CliCatalog.h"
#include "cli/CliText.h"
#include "cli/ConfigurationFile.h"
#include "cli/ExitCodes.h"
#include "cli/ParallelTransfer.h"
#include "cli/PortBlock.h"
#include "cli/ProjectDiff.h"
#include "link/Download.h"
#include "link/PortList.h"
#include "link/TraceLine.h"
#include "link/TransferSession.h"
#include "model/Catalog.h"
#include "model/Messages.h"
#include "model/PortOpenError.h"
#include "model/Project.h"
#include "model/ResultCode.h"
#include "model/TextKeys.h"
#include "model/TextTable.h"

#include <CLI/CLI.hpp>

#include <atomic>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <sys/ioctl.h>
#include <unistd.h>

namespace varkel::cli {
namespace {

struct LinkOptions {
    std::vector<std::string> ports;
    std::string portsFrom;
    bool trace = false;
    int paceMs = SerialLink::kDefaultPaceMs;
    std::shared_ptr<CancelToken> cancel = std::make_shared<CancelToken>();
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
        std::string text =
            FillPlaceholders("\r{}/{} {}", {std::to_string(progress.step),
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

// Ctrl+C or SIGTERM during a transfer stops it between frames as the
// window's Cancel does: the outcome is told and the port given back.
std::atomic<CancelToken*> interruptToken{nullptr};

void OnInterrupt(int) {
    if (CancelToken* token = interruptToken.load())
        token->Cancel(); // an atomic store and a write(2): safe here
}

class InterruptCancels {
public:
    explicit InterruptCancels(std::shared_ptr<CancelToken> token) : token_(std::move(token)) {
        interruptToken = token_.get();
        struct sigaction action {};
        action.sa_handler = OnInterrupt;
        sigemptyset(&action.sa_mask);
        ::sigaction(SIGINT, &action, &previousInt_);
        ::sigaction(SIGTERM, &action, &previousTerm_);
    }
    ~InterruptCancels() {
        ::sigaction(SIGINT, &previousInt_, nullptr);
        ::sigaction(SIGTERM, &previousTerm_, nullptr);
        interruptToken = nullptr;
    }
    InterruptCancels(const InterruptCancels&) = delete;
    InterruptCancels& operator=(const InterruptCancels&) = delete;

private:
    std::shared_ptr<CancelToken> token_;
    struct sigaction previousInt_ {};
    struct sigaction previousTerm_ {};
};

// Opens the port for a transfer before its configuration is loaded, so that
// the other side has noticed the open by the time the first frame goes out.
// Quietly: a port that did not open is opened again, and its failure
// reported, where the transfer begins.
std::unique_ptr<TransferSession> OpenEarly(TransferKind kind, const LinkOptions& options) {
    auto session = std::make_unique<TransferSession>(kind);
    session->SetCancelToken(options.cancel);
    session->Open(options.ports.front());
    return session;
}

// Runs one transfer and reports how it ended; the port is closed whatever
// happens. The uploaded configuration, if any, is handed back.
int RunTransfer(TransferSession& session, TransferKind kind, const Project& project,
                const LinkOptions& options, std::unique_ptr<Project>* uploaded = nullptr,
                std::vector<RefusedValue>* refused = nullptr) {
    const InterruptCancels interrupt(options.cancel);
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
    if (session.Begin(project, options.ports.front()))
        session.Run();
    TransferOutcome outcome = session.TakeOutcome();
    progress.Finish();
    for (const std::string& notice : outcome.notices)
        ShowMessage(notice);
    if (outcome.result != Success) {
        PrintError(FailureText(outcome, kind, PortName(options.ports.front())));
    } else if (uploaded) {
        *uploaded = std::move(outcome.uploaded);
        if (refused)
            *refused = std::move(outcome.refused);
    }
    return outcome.result;
}

// More would be a mistake (a wrong file given to --ports-from), not a rack.
constexpr std::size_t kMaxPorts = 256;

// Every --port, then the lines of --ports-from (one device a line; blank
// lines and lines starting with # left out). A port given twice is refused:
// its second transfer could only fail on the port lock.
int GatherPorts(LinkOptions& options) {
    if (!options.portsFrom.empty()) {
        // A regular file, as every other input: a FIFO or a device, whose
        // reading could wait for ever, is refused before it is opened.
        if (int code = CheckInputFile(options.portsFrom))
            return code;
        std::ifstream in(options.portsFrom);
        if (!in.is_open()) {
            PrintError(Text(CliMsg::CliPortListUnreadable, {options.portsFrom}));
            return kExitNoInput;
        }
        std::string line;
        while (options.ports.size() <= kMaxPorts && std::getline(in, line)) {
            const auto first = line.find_first_not_of(" \t\r");
            if (first == std::string::npos || line[first] == '#')
                continue;
            const auto last = line.find_last_not_of(" \t\r");
            options.ports.push_back(line.substr(first, last + 1 - first));
        }
        if (in.bad()) {
            PrintError(Text(CliMsg::CliPortListUnreadable, {options.portsFrom}));
            return kExitNoInput;
        }
    }
    if (options.ports.empty()) {
        PrintError(Text(CliMsg::CliNoPort));
        return kExitUsage;
    }
    if (options.ports.size() > kMaxPorts) {
        PrintError(Text(CliMsg::CliTooManyPorts, {std::to_string(kMaxPorts)}));
        return kExitUsage;
    }
    for (std::size_t i = 0; i < options.ports.size(); ++i)
        for (std::size_t j = i + 1; j < options.ports.size(); ++j)
            if (options.ports[i] == options.ports[j]) {
                PrintError(Text(CliMsg::CliPortTwice, {options.ports[i]}));
                return kExitUsage;
            }
    return 0;
}

// A port list is for a rack even when it holds one line today: its output
// goes where a longer list's would.
bool ManyPorts(const LinkOptions& options) {
    return options.ports.size() > 1 || !options.portsFrom.empty();
}

std::unique_ptr<ParallelTransfer> OpenAllEarly(TransferKind kind, const LinkOptions& options) {
    auto transfer = std::make_unique<ParallelTransfer>(kind, options.ports);
    transfer->SetCancelToken(options.cancel);
    transfer->SetPaceMs(options.paceMs);
    transfer->SetTrace(options.trace);
    transfer->Open();
    return transfer;
}

// The transfer on every port at once, its progress on standard error and
// the closing table on standard output.
std::vector<PortOutcome> TransferToAll(ParallelTransfer& transfer, const Project& project,
                                       const LinkOptions& options) {
    const bool terminal = ::isatty(STDERR_FILENO) == 1;
    std::size_t columns = 0;
    std::size_t rows = 0;
    winsize size{};
    if (terminal && ::ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0) {
        columns = size.ws_col;
        rows = size.ws_row;
    }
    PortBlock block(options.ports, std::cerr, terminal, columns, rows);
    std::vector<PortOutcome> outcomes;
    {
        const InterruptCancels interrupt(options.cancel);
        outcomes = transfer.Run(project, block);
    }
    for (const PortOutcome& o : outcomes)
        for (const std::string& notice : o.outcome.notices)
            PrintError(o.port + ": " + TerminalText(notice));
    for (const std::string& line : ParallelTransfer::SummaryLines(outcomes))
        PrintLine(line);
    return outcomes;
}

// Prints how a gateway's configuration differs from the reference; true
// when it does.
bool PrintComparison(const std::string& port, const Project& uploaded, const Project& reference,
                     const std::string& referenceFile) {
    const std::vector<Difference> differences = DiffProjects(reference, uploaded);
    if (differences.empty()) {
        PrintLine(Text(CliMsg::CliCompareSame, {port, referenceFile}));
        return false;
    }
    PrintLine(
        Text(CliMsg::CliCompareDiffers, {port, std::to_string(differences.size()), referenceFile}));
    for (const Difference& d : differences)
        PrintLine("  " + DifferenceLine(d));
    return true;
}

int RunDownloadToAll(const std::string& file, const LinkOptions& options) {
    auto transfer = OpenAllEarly(TransferKind::Download, options);
    auto project = std::make_unique<Project>();
    if (int code = LoadConfiguration(file, *project))
        return code;
    return ParallelTransfer::FirstFailure(TransferToAll(*transfer, *project, options));
}

int RunDownload(const std::string& file, LinkOptions& options) {
    if (int code = GatherPorts(options))
        return code;
    if (ManyPorts(options))
        return RunDownloadToAll(file, options);
    auto session = OpenEarly(TransferKind::Download, options);
    auto project = std::make_unique<Project>();
    if (int code = LoadConfiguration(file, *project))
        return code;
    if (int code = RunTransfer(*session, TransferKind::Download, *project, options))
        return code;
    PrintLine(LocalText(kKeyDownloadSuccessfully));
    return 0;
}

// The file of each port in the folder: its device's name with ".xml".
int UploadTargets(const std::string& folder, const std::vector<std::string>& ports,
                  std::vector<std::string>& targets) {
    for (const std::string& port : ports) {
        const std::string name = std::filesystem::path(port).filename().string();
        if (name.empty() || name == "." || name == "..") {
            PrintError(Text(CliMsg::CliPortNoFileName, {port}));
            return kExitUsage;
        }
        const std::string target = (std::filesystem::path(folder) / (name + ".xml")).string();
        for (std::size_t i = 0; i < targets.size(); ++i)
            if (targets[i] == target) {
                PrintError(Text(CliMsg::CliPortFileClash, {ports[i], port, target}));
                return kExitUsage;
            }
        targets.push_back(target);
    }
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (!std::filesystem::is_directory(folder, ec)) {
        PrintError(Text(CliMsg::CliCannotWrite, {folder}));
        return kExitCantWrite;
    }
    for (const std::string& target : targets)
        if (int code = CheckWritable(target))
            return code;
    return 0;
}

// Values the editor would refuse in an uploaded configuration, a line each
// (after the port's name with several ports). The file was written as the
// gateway holds them, so that it says what the gateway holds.
void PrintRefused(const std::string& port, const std::vector<RefusedValue>& refused) {
    const std::string prefix = port.empty() ? std::string() : port + ": ";
    PrintError(prefix + Text(Msg::LinkRefusedUpload));
    for (const RefusedValue& value : refused)
        PrintError(prefix + RefusedValueLine(value));
    PrintError(prefix + Text(CliMsg::LinkCliRefusedExit));
}

// The configuration an upload starts from (--base) and the one its result
// is compared with (--compare), both optional.
int LoadUploadInputs(const std::string& base, const std::string& compare, Project& project,
                     std::unique_ptr<Project>& reference) {
    if (!base.empty()) {
        if (int code = LoadConfiguration(base, project))
            return code;
    }
    if (!compare.empty()) {
        reference = std::make_unique<Project>();
        if (int code = LoadConfiguration(compare, *reference))
            return code;
    }
    return 0;
}

// Several gateways: each into FOLDER/<port's file name>.xml, compared with
// the reference when there is one. The first failure in port order (refused
// values counting as one), else 1 when a gateway differs from the reference.
int RunUploadToAll(const std::string& folder, const std::string& base, const std::string& compare,
                   const LinkOptions& options) {
    std::vector<std::string> targets;
    if (int code = UploadTargets(folder, options.ports, targets))
        return code;
    auto transfer = OpenAllEarly(TransferKind::Upload, options);
    auto project = std::make_unique<Project>();
    std::unique_ptr<Project> reference;
    if (int code = LoadUploadInputs(base, compare, *project, reference))
        return code;
    std::vector<PortOutcome> outcomes = TransferToAll(*transfer, *project, options);
    int first = 0;
    bool differ = false;
    for (std::size_t i = 0; i < outcomes.size(); ++i) {
        const TransferOutcome& outcome = outcomes[i].outcome;
        int code = outcome.result;
        if (code == Success)
            code = SaveConfiguration(*outcome.uploaded, targets[i]);
        if (code == 0 && reference)
            differ |= PrintComparison(outcomes[i].port, *outcome.uploaded, *reference, compare);
        if (code == 0 && !outcome.refused.empty()) {
            PrintRefused(outcomes[i].port, outcome.refused);
            code = kExitRefusedValues;
        }
        if (code != 0 && first == 0)
            first = code;
    }
    if (first != 0)
        return first;
    return differ ? kExitDiffers : 0;
}

int RunUpload(const std::string& out, const std::string& base, const std::string& compare,
              LinkOptions& options) {
    if (int code = GatherPorts(options))
        return code;
    if (ManyPorts(options))
        return RunUploadToAll(out, base, compare, options);
    auto session = OpenEarly(TransferKind::Upload, options);
    auto project = std::make_unique<Project>();
    std::unique_ptr<Project> reference;
    if (int code = LoadUploadInputs(base, compare, *project, reference))
        return code;
    // Known before the gateway is asked, not after a long transfer.
    if (int code = CheckWritable(out))
        return code;
    std::unique_ptr<Project> uploaded;
    std::vector<RefusedValue> refused;
    if (int code =
            RunTransfer(*session, TransferKind::Upload, *project, options, &uploaded, &refused))
        return code;
    if (int saved = SaveConfiguration(*uploaded, out))
        return saved;
    PrintLine(LocalText(kKeyUploadSuccessfully));
    const bool differs =
        reference && PrintComparison(options.ports.front(), *uploaded, *reference, compare);
    if (!refused.empty()) {
        PrintRefused("", refused);
        return kExitRefusedValues;
    }
    return differs ? kExitDiffers : 0;
}

int RunPorts() {
    for (const SerialPortInfo& port : ListSerialPorts())
        PrintLine(port.path);
    return 0;
}

void AddLinkOptions(CLI::App* cmd, const std::shared_ptr<LinkOptions>& options) {
    // One value each time, so that --port A FILE leaves FILE alone.
    cmd->add_option("--port", options->ports, Text(CliMsg::LinkCliPort))->allow_extra_args(false);
    cmd->add_option("--ports-from", options->portsFrom, Text(CliMsg::CliPortsFromHelp));
    cmd->add_flag("--trace", options->trace, Text(CliMsg::LinkCliTrace));
}

} // namespace

void AddLinkCommands(CLI::App& app, CliContext& context) {
    {
        auto* cmd = app.add_subcommand("download", Text(CliMsg::LinkCliDownload));
        auto options = std::make_shared<LinkOptions>();
        auto file = AddFileArgument(cmd);
        AddLinkOptions(cmd, options);
        cmd->add_option("--pace-ms", options->paceMs, Text(CliMsg::LinkCliPace))
            ->check(CLI::Range(0, 10000));
        cmd->callback(
            [&context, file, options] { context.exitCode = RunDownload(*file, *options); });
    }
    {
        auto* cmd = app.add_subcommand("upload", Text(CliMsg::LinkCliUpload));
        auto out = std::make_shared<std::string>();
        auto base = std::make_shared<std::string>();
        auto options = std::make_shared<LinkOptions>();
        AddLinkOptions(cmd, options);
        cmd->add_option("-o,--output", *out, Text(CliMsg::LinkCliOutput))->required();
        cmd->add_option("--base", *base, Text(CliMsg::LinkCliBase));
        auto compare = std::make_shared<std::string>();
        cmd->add_option("--compare", *compare, Text(CliMsg::CliCompareHelp));
        cmd->callback([&context, out, base, compare, options] {
            context.exitCode = RunUpload(*out, *base, *compare, *options);
        });
    }
    {
        auto* cmd = app.add_subcommand("ports", Text(CliMsg::LinkCliPorts));
        cmd->callback([&context] { context.exitCode = RunPorts(); });
    }
}

} // namespace varkel::cli
