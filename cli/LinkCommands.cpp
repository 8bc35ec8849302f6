// Commands that talk to a gateway over a serial port: download, upload,
// ports.
#include "cli/CliApp.h"
#include "cli/CliText.h"
#include "cli/ExitCodes.h"
#include "cli/ProjectFile.h"
#include "link/PortList.h"
#include "link/SerialLink.h"
#include "model/Project.h"
#include "model/ResultCode.h"
#include "model/TextTable.h"

#include <CLI/CLI.hpp>

#include <chrono>
#include <cstdio>
#include <iostream>
#include <memory>
#include <unistd.h>

namespace varkel::cli {
namespace {

constexpr int kDownloadDoneKey = 29;
constexpr int kUploadDoneKey = 30;

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
        std::string text = Fmt("\r{}/{} {}", {std::to_string(progress.step),
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

std::string HexBytes(const Bytes& bytes) {
    std::string out;
    char buffer[4];
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        std::snprintf(buffer, sizeof buffer, "%02X", static_cast<unsigned>(bytes[i]));
        if (i)
            out += ' ';
        out += buffer;
    }
    return out;
}

// Connects the link's progress and trace to the terminal.
void Attach(SerialLink& link, const LinkOptions& options, ProgressLine& progress) {
    link.SetPaceMs(options.paceMs);
    link.SetProgressCallback([&progress](const Progress& p) { progress.Show(p); });
    if (!options.trace)
        return;
    auto start = std::chrono::steady_clock::now();
    link.SetTraceCallback([start, &progress](const TraceEvent& event) {
        progress.Finish();
        const auto ms =
            std::chrono::duration_cast<std::chrono::milliseconds>(event.time - start).count();
        char stamp[32];
        std::snprintf(stamp, sizeof stamp, "%8.3f", static_cast<double>(ms) / 1000.0);
        std::string line = stamp;
        switch (event.kind) {
        case TraceEvent::Sent:
            line += " > " + HexBytes(event.bytes);
            break;
        case TraceEvent::Received:
            line += " < " + HexBytes(event.bytes);
            if (event.bytes.size() < event.expected)
                line += Fmt(L("  ({}/{} 字节)", "  ({}/{} bytes)"),
                            {std::to_string(event.bytes.size()), std::to_string(event.expected)});
            break;
        case TraceEvent::Failed:
            line += " ! " + event.note;
            break;
        }
        PrintError(line);
    });
}

int OpenLink(SerialLink& link, const std::string& port) {
    int code = link.Open(port);
    if (code != Success) {
        std::string message = link.OpenFailureMessage();
        PrintError(message.empty() ? ResultMessage(code) + ": " + port : message);
    }
    return code;
}

// Opens the port, runs one transfer and reports its failure; the port is
// closed whatever happens.
template <typename Transfer> int RunTransfer(const LinkOptions& options, Transfer transfer) {
    ProgressLine progress;
    SerialLink link;
    Attach(link, options, progress);
    if (int code = OpenLink(link, options.port))
        return code;
    int code = transfer(link);
    link.Close();
    progress.Finish();
    if (code != Success)
        PrintError(ResultMessage(code));
    return code;
}

int RunDownload(const std::string& file, const LinkOptions& options) {
    auto project = std::make_unique<Project>();
    if (int code = LoadConfiguration(file, *project))
        return code;
    if (int code = RunTransfer(options, [&](SerialLink& link) { return project->Download(link); }))
        return code;
    PrintLine(LocalText(kDownloadDoneKey));
    return 0;
}

int RunUpload(const std::string& out, const std::string& base, const LinkOptions& options) {
    auto project = std::make_unique<Project>();
    if (!base.empty()) {
        if (int code = LoadConfiguration(base, *project))
            return code;
    }
    // Known before the gateway is asked, not after a long transfer.
    if (int code = CheckWritable(out))
        return code;
    if (int code = RunTransfer(options, [&](SerialLink& link) { return project->Upload(link); }))
        return code;
    if (int saved = SaveConfiguration(*project, out))
        return saved;
    PrintLine(LocalText(kUploadDoneKey));
    return 0;
}

int RunPorts() {
    for (const SerialPortInfo& port : ListSerialPorts())
        PrintLine(port.path);
    return 0;
}

void AddLinkOptions(CLI::App* cmd, const std::shared_ptr<LinkOptions>& options) {
    cmd->add_option("--port", options->port,
                    L("串口设备, 例如 /dev/ttyUSB0", "Serial device, for example /dev/ttyUSB0"))
        ->required();
    cmd->add_flag("--trace", options->trace,
                  L("在标准错误输出上以十六进制和时间戳打印每一帧",
                    "Print every frame in hex with time stamps on standard error"));
}

} // namespace

void AddLinkCommands(CLI::App& app, CliContext& context) {
    {
        auto* cmd = app.add_subcommand(
            "download", L("把配置下载到网关 (在终端上显示进度)",
                          "Download the configuration to a gateway (with a progress display on "
                          "a terminal)"));
        auto options = std::make_shared<LinkOptions>();
        auto file = AddFileArgument(cmd);
        AddLinkOptions(cmd, options);
        cmd->add_option("--pace-ms", options->paceMs,
                        L("每帧发送后等待应答前的间隔, 毫秒 (默认 100)",
                          "Pause after each frame before its acknowledgement is read, in "
                          "milliseconds (default 100)"))
            ->check(CLI::Range(0, 10000));
        cmd->callback(
            [&context, file, options] { context.exitCode = RunDownload(*file, *options); });
    }
    {
        auto* cmd = app.add_subcommand(
            "upload", L("从网关上传配置到基础配置中, 仅在上传成功时保存到 OUT",
                        "Upload a gateway's configuration into the base configuration and save "
                        "OUT only when the upload succeeded"));
        auto out = std::make_shared<std::string>();
        auto base = std::make_shared<std::string>();
        auto options = std::make_shared<LinkOptions>();
        AddLinkOptions(cmd, options);
        cmd->add_option("-o,--output", *out, L("输出文件", "Output file"))->required();
        cmd->add_option("--base", *base,
                        L("上传所依据的配置 (默认: 新的默认配置)",
                          "Configuration to upload into (default: a new default one)"));
        cmd->callback([&context, out, base, options] {
            context.exitCode = RunUpload(*out, *base, *options);
        });
    }
    {
        auto* cmd = app.add_subcommand(
            "ports", L("列出串口, 每行一个", "List the serial ports, one per line"));
        cmd->callback([&context] { context.exitCode = RunPorts(); });
    }
}

} // namespace varkel::cli
