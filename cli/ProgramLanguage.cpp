#include "cli/ProgramLanguage.h"

#include "cli/CliCatalog.h"
#include "cli/TextWidth.h"
#include "model/Catalog.h"

#include <CLI/CLI.hpp>

#include <cstdlib>
#include <iostream>
#include <regex>

namespace varkel::cli {
namespace {

// --lang's value, wherever it stands before "--"; empty when not given.
std::string LangArgument(int argc, char** argv) {
    std::string value;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--")
            break;
        if (arg == "--lang" && i + 1 < argc)
            value = argv[i + 1];
        else if (arg.rfind("--lang=", 0) == 0)
            value = arg.substr(7);
    }
    return value;
}

// CLI11's type names as its help prints them, alone or with a check's
// description ("TEXT:{zh,en}", "INT:INT in [1 - 247]").
std::string LocalTypeName(std::string name) {
    static const struct {
        const char* type;
        CliMsg text;
    } kTypes[] = {{"TEXT", CliMsg::CliTypeText},
                  {"UINT", CliMsg::CliTypeUint},
                  {"INT", CliMsg::CliTypeInt},
                  {"FLOAT", CliMsg::CliTypeFloat}};
    for (const auto& t : kTypes)
        name =
            std::regex_replace(name, std::regex(std::string("\\b") + t.type + "\\b"), Text(t.text));
    return std::regex_replace(name, std::regex(" in \\["), Text(CliMsg::CliRangeIn) + " [");
}

// CLI11 lines its help up by bytes; a Chinese character takes three bytes
// and two columns. The same rows, lined up by columns.
class ColumnFormatter : public CLI::Formatter {
public:
    std::string make_option(const CLI::Option* option, bool isPositional) const override {
        return Row(make_option_name(option, isPositional) + make_option_opts(option),
                   make_option_desc(option));
    }
    std::string make_subcommand(const CLI::App* sub) const override {
        return Row(sub->get_display_name(true), sub->get_description());
    }

private:
    std::string Row(const std::string& name, const std::string& description) const {
        const std::size_t column = get_column_width();
        std::string row = "  " + name;
        const std::size_t width = DisplayWidth(row);
        if (width < column)
            row.append(column - width, ' ');
        if (!description.empty()) {
            if (width >= column)
                row += "\n" + std::string(column, ' ');
            for (char c : description) {
                row += c;
                if (c == '\n')
                    row.append(column, ' ');
            }
        }
        return row + "\n";
    }
};

void LocaliseApp(CLI::App& app, const std::shared_ptr<CLI::Formatter>& formatter) {
    // Each subcommand took its parent's formatter when it was made.
    app.formatter(formatter);
    // Options added before the groups were renamed, the help option among
    // them, carry CLI11's group name.
    if (CLI::Option* help = app.get_help_ptr())
        help->description(Text(CliMsg::CliHelpHelp));
    for (CLI::Option* option : app.get_options()) {
        if (option->get_group() == "Options")
            option->group(Text(CliMsg::CliLabelOptions));
        // The type name, then each check's description ("INT in [1 - 247]").
        const std::string type = option->get_type_name();
        const std::string base = type.substr(0, type.find(':'));
        if (!base.empty())
            option->type_name(LocalTypeName(base));
        for (int i = 0;; ++i) {
            CLI::Validator* check = nullptr;
            try {
                check = option->get_validator(i);
            } catch (const CLI::OptionNotFound&) {
                break;
            }
            check->description(LocalTypeName(check->get_description()));
        }
    }
    for (CLI::App* sub : app.get_subcommands({})) {
        if (sub->get_group() == "Subcommands")
            sub->group(Text(CliMsg::CliLabelSubcommands));
        LocaliseApp(*sub, formatter);
    }
}

// CLI11's error messages that our programs can reach, as patterns of the
// text CLI11 builds, and our text for each; the groups fill its {}.
struct ErrorPattern {
    const char* pattern;
    CliMsg text;
};
const ErrorPattern kErrors[] = {
    {R"(The following arguments? (?:was|were) not expected: (.*))", CliMsg::CliErrorExtra},
    {R"(A subcommand is required)", CliMsg::CliErrorSubcommand},
    {R"((.+) is required)", CliMsg::CliErrorRequired},
    {R"((\S+): Value (.*) not in range (\S+) to (\S+))", CliMsg::CliErrorRange},
    {R"((\S+): Value (.*) could not be converted.*)", CliMsg::CliErrorConvert},
    {R"(Could not convert: (\S+) = (.*))", CliMsg::CliErrorConvert},
    {R"((\S+): (.*) not in (\{.*\}))", CliMsg::CliErrorNotIn},
    {R"((\S+): \d+ required .* missing)", CliMsg::CliErrorMissingValue},
    {R"(Expected (?:exactly|at least) \d+ arguments? to (\S+), got \d+)",
     CliMsg::CliErrorMissingValue},
    {R"((\S+) excludes (\S+))", CliMsg::CliErrorExcludes},
    {R"((\S+) requires (\S+))", CliMsg::CliErrorRequires},
};

} // namespace

TextLanguage LocaleLanguage() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value && *value)
            return std::string(value).rfind("zh", 0) == 0 ? TextLanguage::Chinese
                                                          : TextLanguage::English;
    }
    return TextLanguage::English;
}

TextLanguage ProgramLanguage(int argc, char** argv) {
    const std::string lang = LangArgument(argc, argv);
    if (lang == "zh")
        return TextLanguage::Chinese;
    if (lang == "en")
        return TextLanguage::English;
    // A value the parse will refuse: its message follows the locale.
    return LocaleLanguage();
}

void LocaliseHelp(CLI::App& app) {
    if (GetTextLanguage() == TextLanguage::English)
        return; // CLI11's words are English already
    auto formatter = std::make_shared<ColumnFormatter>();
    formatter->label("Usage", Text(CliMsg::CliLabelUsage));
    formatter->label("OPTIONS", Text(CliMsg::CliLabelOptionsBadge));
    formatter->label("SUBCOMMAND", Text(CliMsg::CliLabelSubcommand));
    formatter->label("SUBCOMMANDS", Text(CliMsg::CliLabelSubcommand));
    formatter->label("Positionals", Text(CliMsg::CliLabelPositionals));
    formatter->label("REQUIRED", Text(CliMsg::CliLabelRequired));
    formatter->label("Needs", Text(CliMsg::CliLabelNeeds));
    formatter->label("Excludes", Text(CliMsg::CliLabelExcludes));
    LocaliseApp(app, formatter);
}

std::string ParseErrorText(const CLI::ParseError& error) {
    const std::string what = error.what();
    if (GetTextLanguage() == TextLanguage::English)
        return what;
    for (const ErrorPattern& e : kErrors) {
        std::smatch found;
        if (!std::regex_match(what, found, std::regex(e.pattern)))
            continue;
        const auto group = [&found](std::size_t i) {
            return i < found.size() ? found[i].str() : std::string();
        };
        return Text(e.text, {group(1), group(2), group(3), group(4)});
    }
    return Text(CliMsg::CliErrorOther, {what});
}

int ExitAfterParseError(CLI::App& app, const CLI::ParseError& error) {
    if (error.get_exit_code() == 0)
        return app.exit(error); // help or version
    std::cerr << ParseErrorText(error) << "\n" << Text(CliMsg::CliSeeHelp) << std::endl;
    return error.get_exit_code();
}

} // namespace varkel::cli
