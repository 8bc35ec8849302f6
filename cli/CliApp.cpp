#include "cli/CliApp.h"

#include "cli/CliText.h"
#include "cli/ExitCodes.h"
#include "cli/TerminalMessageSink.h"
#include "model/TextTable.h"

#include <CLI/CLI.hpp>

#include <cstring>
#include <exception>
#include <string>

namespace varkel::cli {
namespace {

// The language must be known before the help texts are built, so it is
// looked for ahead of the real parse.
void PresetLanguage(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--")
            break;
        std::string value;
        if (arg == "--lang" && i + 1 < argc)
            value = argv[i + 1];
        else if (arg.rfind("--lang=", 0) == 0)
            value = arg.substr(7);
        if (value == "en")
            SetTextLanguage(TextLanguage::English);
        else if (value == "zh")
            SetTextLanguage(TextLanguage::Chinese);
    }
}

} // namespace

int RunCli(int argc, char** argv) {
    SetTextLanguage(TextLanguage::Chinese);
    PresetLanguage(argc, argv);

    CLI::App app(L("Varkel 网关配置工具的命令行界面: 不打开窗口完成配置工具的每项工作。",
                   "Varkel gateway configuration from the command line: every job of the "
                   "configuration tool without a window."),
                 "varkel-cli");
    app.footer(L("退出状态: 0 成功; 1 diff 发现差异; 3-11, 13 结果代码 (与网关操作相同); "
                 "64 用法错误或拒绝的编辑; 65 输入不是有效配置; 66 输入文件缺失或不可读; "
                 "73 无法写入输出。失败时不写入任何文件。详见 docs/cli.md。",
                 "Exit status: 0 success; 1 diff found differences; 3-11, 13 the result code "
                 "of the operation; 64 usage error or refused edit; 65 input is not a valid "
                 "configuration; 66 input file missing or unreadable; 73 output cannot be "
                 "written. Nothing is written on failure. See docs/cli.md."));
    app.set_version_flag("--version", std::string("varkel-cli ") + VARKEL_VERSION,
                         L("显示版本并退出", "Print the version and exit"));
    app.require_subcommand(1);

    std::string lang = "zh";
    app.add_option("--lang", lang,
                   L("文本语言: zh (中文, 默认) 或 en (英文)",
                     "Text language: zh (Chinese, the default) or en (English)"))
        ->check(CLI::IsMember({"zh", "en"}));
    std::string answer = "yes";
    app.add_option("--answer", answer,
                   L("核心提出问题时给出的固定回答: yes (默认), no 或 cancel; 不会等待键盘输入",
                     "Fixed answer to any question the core asks: yes (the default), no or "
                     "cancel; the keyboard is never read"))
        ->check(CLI::IsMember({"yes", "no", "cancel"}));

    CliContext context;
    AddEditCommands(app, context);
    AddReportCommands(app, context);
    AddLinkCommands(app, context);
    AddExportCommand(app, context);

    // The sink must be in place before a command's callback runs, and the
    // answer known: both are set once the global options are parsed.
    TerminalMessageSink* sink = nullptr;
    std::unique_ptr<TerminalMessageSink> owned;
    app.parse_complete_callback([&] {
        SetTextLanguage(lang == "en" ? TextLanguage::English : TextLanguage::Chinese);
        Answer given = answer == "no"       ? Answer::No
                       : answer == "cancel" ? Answer::Cancel
                                            : Answer::Yes;
        owned = std::make_unique<TerminalMessageSink>(given);
        sink = owned.get();
        SetMessageSink(sink);
    });

    int status = 0;
    try {
        app.parse(argc, argv);
        status = context.exitCode;
    } catch (const CLI::ParseError& e) {
        if (e.get_exit_code() == 0) {
            app.exit(e); // help or version
            status = 0;
        } else {
            PrintError(e.what());
            PrintError(L("使用 --help 查看用法。", "Run with --help for the usage."));
            status = kExitUsage;
        }
    } catch (const std::exception& e) {
        PrintError(Fmt(L("内部错误: {}", "Internal error: {}"), {e.what()}));
        status = 70;
    }
    if (sink)
        SetMessageSink(nullptr);
    return status;
}

std::shared_ptr<std::string> AddFileArgument(CLI::App* command) {
    auto file = std::make_shared<std::string>();
    command->add_option("FILE", *file, L("配置文件", "Configuration file"))->required();
    return file;
}

} // namespace varkel::cli
