// The language of the command-line programs: --lang first, else the locale
// (LC_ALL, LC_MESSAGES, LANG, the first one set), Chinese for a name
// starting with "zh"; and in Chinese, CLI11's own words are Chinese too.
#include "CliRun.h"

#include <gtest/gtest.h>

namespace varkel::test {
namespace {

#if defined(VARKEL_SIM) && defined(VARKEL_SLAVE)

// No locale variable but those given.
Environment Locale(const std::string& all, const std::string& messages, const std::string& lang) {
    return {{"LC_ALL", all}, {"LC_MESSAGES", messages}, {"LANG", lang}, {"LANGUAGE", ""}};
}

// CLI11's English words; none may show in a Chinese help or error.
const char* const kEnglishWords[] = {
    "Usage",       "Options",        "OPTIONS",
    "Subcommands", "SUBCOMMAND",     "Print this help message and exit",
    "REQUIRED",    "TEXT",           "INT",
    "FLOAT",       " in [",          "not expected",
    "is required", "Run with --help"};

TEST(ProgramLanguage, LangFirstThenTheLocaleForEveryProgram) {
    const struct {
        const char* name;
        Environment environment;
        std::vector<std::string> lang;
        bool chinese;
    } cases[] = {
        {"LANG=C", Locale("", "", "C"), {}, false},
        {"LANG=zh_CN.UTF-8", Locale("", "", "zh_CN.UTF-8"), {}, true},
        {"no locale at all", Locale("", "", ""), {}, false},
        {"LC_ALL before LANG", Locale("C.UTF-8", "", "zh_CN.UTF-8"), {}, false},
        {"LC_MESSAGES before LANG", Locale("", "zh_TW.UTF-8", "en_GB.UTF-8"), {}, true},
        {"--lang en over a Chinese locale", Locale("", "", "zh_CN.UTF-8"), {"--lang", "en"}, false},
        {"--lang=zh over LANG=C", Locale("", "", "C"), {"--lang=zh"}, true},
    };
    TempFolder dir;
    for (const char* program : {VARKEL_CLI, VARKEL_SIM, VARKEL_SLAVE}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(program) + ", " + c.name);
            std::vector<std::string> args = c.lang;
            args.push_back("--help");
            const CliOutput help = RunProgram(program, args, dir.Path(), c.environment);
            ASSERT_EQ(help.status, 0) << help.err;
            if (c.chinese) {
                EXPECT_NE(help.out.find("用法:"), std::string::npos) << help.out;
                EXPECT_NE(help.out.find("显示本帮助信息并退出"), std::string::npos) << help.out;
                for (const char* word : kEnglishWords)
                    EXPECT_EQ(help.out.find(word), std::string::npos) << word << "\n" << help.out;
            } else {
                EXPECT_NE(help.out.find("Usage:"), std::string::npos) << help.out;
                EXPECT_NE(help.out.find("Print this help message and exit"), std::string::npos);
                EXPECT_EQ(help.out.find("用法"), std::string::npos) << help.out;
            }
        }
    }
}

// The errors CLI11 finds are said in the program's language as well.
TEST(ProgramLanguage, CommandLineErrorsInChinese) {
    const struct {
        const char* program;
        std::vector<std::string> args;
        std::string chinese;
        std::string english;
    } cases[] = {
        {VARKEL_CLI, {"frobnicate"}, "需要给出一个子命令", "A subcommand is required"},
        {VARKEL_CLI,
         {"ports", "extra"},
         "多余的参数：extra",
         "The following argument was not expected: extra"},
        {VARKEL_CLI, {"show"}, "缺少必需的 FILE", "FILE is required"},
        {VARKEL_CLI,
         {"--lang", "fr", "ports"},
         "--lang：fr 不是 {zh,en} 之一",
         "fr not in {zh,en}"},
        {VARKEL_SIM, {"--hw"}, "--hw 后缺少值", "--hw: 1 required TEXT missing"},
        {VARKEL_SLAVE,
         {"--unit", "999"},
         "--unit：值 999 不在 1 到 247 的范围内",
         "Value 999 not in range 1 to 247"},
        {VARKEL_SIM,
         {"--fault-at", "x"},
         "--fault-at：无法识别的值 x",
         "Could not convert: --fault-at = x"},
    };
    TempFolder dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.program) + " " + c.args.front());
        const CliOutput zh =
            RunProgram(c.program, c.args, dir.Path(), Locale("", "", "zh_CN.UTF-8"));
        EXPECT_NE(zh.status, 0);
        EXPECT_NE(zh.err.find(c.chinese), std::string::npos) << zh.err;
        EXPECT_NE(zh.err.find("使用 --help 查看用法。"), std::string::npos) << zh.err;
        for (const char* word : kEnglishWords)
            EXPECT_EQ(zh.err.find(word), std::string::npos) << word << "\n" << zh.err;
        const CliOutput en = RunProgram(c.program, c.args, dir.Path(), Locale("", "", "C"));
        EXPECT_EQ(en.status, zh.status);
        EXPECT_NE(en.err.find(c.english), std::string::npos) << en.err;
    }
}

#endif

} // namespace
} // namespace varkel::test
