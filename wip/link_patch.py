import sys
p=sys.argv[1]
s=open(p).read()
def rep(old,new):
    global s
    assert s.count(old)==1, old
    s=s.replace(old,new,1)
rep('''// Commands that talk to a gateway over a serial port: download, upload,
// ports.
#include "cli/CliApp.h"
#include "cli/CliText.h"
#include "cli/ExitCodes.h"
#include "cli/ProjectFile.h"
''','''// Commands that talk to a gateway over a serial port: download, upload,
// ports. Download and upload take one port or several at once.
#include "cli/CliApp.h"
#include "cli/CliText.h"
#include "cli/ExitCodes.h"
#include "cli/ParallelTransfer.h"
#include "cli/PortBlock.h"
#include "cli/ProjectDiff.h"
#include "cli/ProjectFile.h"
''')
rep('''#include <chrono>
#include <iostream>
#include <memory>
#include <unistd.h>
''','''#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <sys/ioctl.h>
#include <unistd.h>
''')
rep('''struct LinkOptions {
    std::string port;
    bool trace = false;''','''struct LinkOptions {
    std::vector<std::string> ports;
    std::string portsFrom;
    bool trace = false;''')
rep('''    session->Open(options.port);''','''    session->Open(options.ports.front());''')
rep('''                                        : session.Begin(project, options.port);''','''                                        : session.Begin(project, options.ports.front());''')
rep('''int RunDownload(const std::string& file, const LinkOptions& options) {
    auto session = OpenEarly(TransferKind::Download, options);
''','''// More would be a mistake (a wrong file given to --ports-from), not a rack.
constexpr std::size_t kMaxPorts = 256;

// Every --port, then the lines of --ports-from (one device a line; blank
// lines and lines starting with # left out). A port given twice is refused:
// its second transfer could only fail on the port lock.
int GatherPorts(LinkOptions& options) {
    if (!options.portsFrom.empty()) {
        std::error_code ec;
        std::ifstream in;
        if (std::filesystem::is_regular_file(options.portsFrom, ec))
            in.open(options.portsFrom);
        if (!in) {
            PrintError(Text(Msg::CliPortListUnreadable, {options.portsFrom}));
            return kExitNoInput;
        }
        std::string line;
        while (options.ports.size() <= kMaxPorts && std::getline(in, line)) {
            const auto first = line.find_first_not_of(" \\t\\r");
            if (first == std::string::npos || line[first] == '#')
                continue;
            const auto last = line.find_last_not_of(" \\t\\r");
            options.ports.push_back(line.substr(first, last + 1 - first));
        }
        if (in.bad()) {
            PrintError(Text(Msg::CliPortListUnreadable, {options.portsFrom}));
            return kExitNoInput;
        }
    }
    if (options.ports.empty()) {
        PrintError(Text(Msg::CliNoPort));
        return kExitUsage;
    }
    if (options.ports.size() > kMaxPorts) {
        PrintError(Text(Msg::CliTooManyPorts, {std::to_string(kMaxPorts)}));
        return kExitUsage;
    }
    for (std::size_t i = 0; i < options.ports.size(); ++i)
        for (std::size_t j = i + 1; j < options.ports.size(); ++j)
            if (options.ports[i] == options.ports[j]) {
                PrintError(Text(Msg::CliPortTwice, {options.ports[i]}));
                return kExitUsage;
            }
    return 0;
}

std::unique_ptr<ParallelTransfer> OpenAllEarly(TransferKind kind, const LinkOptions& options) {
    auto transfer = std::make_unique<ParallelTransfer>(kind, options.ports);
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
    winsize size{};
    if (terminal && ::ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0)
        columns = size.ws_col;
    PortBlock block(options.ports, std::cerr, terminal, columns);
    std::vector<PortOutcome> outcomes = transfer.Run(project, block);
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
        PrintLine(Text(Msg::CliCompareSame, {port, referenceFile}));
        return false;
    }
    PrintLine(Text(Msg::CliCompareDiffers,
                   {port, std::to_string(differences.size()), referenceFile}));
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
    if (options.ports.size() > 1)
        return RunDownloadToAll(file, options);
    auto session = OpenEarly(TransferKind::Download, options);
''')
rep('''int RunUpload(const std::string& out, const std::string& base, const LinkOptions& options) {
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
    if (int code = RunTransfer(*session, *project, options, &uploaded))
        return code;
    if (int saved = SaveConfiguration(*uploaded, out))
        return saved;
    PrintLine(LocalText(kKeyUploadSuccessfully));
    return 0;
}
''','''// The file of each port in the folder: its device's name with ".xml".
int UploadTargets(const std::string& folder, const std::vector<std::string>& ports,
                  std::vector<std::string>& targets) {
    for (const std::string& port : ports) {
        const std::string name = std::filesystem::path(port).filename().string();
        if (name.empty() || name == "." || name == "..") {
            PrintError(Text(Msg::CliPortNoFileName, {port}));
            return kExitUsage;
        }
        const std::string target = (std::filesystem::path(folder) / (name + ".xml")).string();
        for (std::size_t i = 0; i < targets.size(); ++i)
            if (targets[i] == target) {
                PrintError(Text(Msg::CliPortFileClash, {ports[i], port, target}));
                return kExitUsage;
            }
        targets.push_back(target);
    }
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (!std::filesystem::is_directory(folder, ec)) {
        PrintError(Text(Msg::CliCannotWrite, {folder}));
        return kExitCantWrite;
    }
    for (const std::string& target : targets)
        if (int code = CheckWritable(target))
            return code;
    return 0;
}

// Several gateways: each into FOLDER/<port's file name>.xml, compared with
// the reference when there is one. The first failure in port order, else 1
// when a gateway differs from the reference.
int RunUploadToAll(const std::string& folder, const std::string& base, const std::string& compare,
                   const LinkOptions& options) {
    std::vector<std::string> targets;
    if (int code = UploadTargets(folder, options.ports, targets))
        return code;
    auto transfer = OpenAllEarly(TransferKind::Upload, options);
    auto project = std::make_unique<Project>();
    if (!base.empty()) {
        if (int code = LoadConfiguration(base, *project))
            return code;
    }
    std::unique_ptr<Project> reference;
    if (!compare.empty()) {
        reference = std::make_unique<Project>();
        if (int code = LoadConfiguration(compare, *reference))
            return code;
    }
    std::vector<PortOutcome> outcomes = TransferToAll(*transfer, *project, options);
    int first = 0;
    bool differ = false;
    for (std::size_t i = 0; i < outcomes.size(); ++i) {
        int code = outcomes[i].outcome.result;
        if (code == Success) {
            code = SaveConfiguration(*outcomes[i].outcome.uploaded, targets[i]);
            if (code == 0 && reference)
                differ |= PrintComparison(outcomes[i].port, *outcomes[i].outcome.uploaded,
                                          *reference, compare);
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
    if (options.ports.size() > 1)
        return RunUploadToAll(out, base, compare, options);
    auto session = OpenEarly(TransferKind::Upload, options);
    auto project = std::make_unique<Project>();
    if (!base.empty()) {
        if (int code = LoadConfiguration(base, *project))
            return code;
    }
    std::unique_ptr<Project> reference;
    if (!compare.empty()) {
        reference = std::make_unique<Project>();
        if (int code = LoadConfiguration(compare, *reference))
            return code;
    }
    // Known before the gateway is asked, not after a long transfer.
    if (int code = CheckWritable(out))
        return code;
    std::unique_ptr<Project> uploaded;
    if (int code = RunTransfer(*session, *project, options, &uploaded))
        return code;
    if (int saved = SaveConfiguration(*uploaded, out))
        return saved;
    PrintLine(LocalText(kKeyUploadSuccessfully));
    if (reference && PrintComparison(options.ports.front(), *uploaded, *reference, compare))
        return kExitDiffers;
    return 0;
}
''')
rep('''    cmd->add_option("--port", options->port,
                    Text(Msg::LinkCliPort))
        ->required();''','''    // One value each time, so that --port A FILE leaves FILE alone.
    cmd->add_option("--port", options->ports, Text(Msg::LinkCliPort))->allow_extra_args(false);
    cmd->add_option("--ports-from", options->portsFrom, Text(Msg::CliPortsFromHelp));''')
rep('''        cmd->add_option("--base", *base,
                        Text(Msg::LinkCliBase));
        cmd->callback([&context, out, base, options] {
            context.exitCode = RunUpload(*out, *base, *options);
        });''','''        cmd->add_option("--base", *base,
                        Text(Msg::LinkCliBase));
        auto compare = std::make_shared<std::string>();
        cmd->add_option("--compare", *compare, Text(Msg::CliCompareHelp));
        cmd->callback([&context, out, base, compare, options] {
            context.exitCode = RunUpload(*out, *base, *compare, *options);
        });''')
open(p,'w').write(s)
