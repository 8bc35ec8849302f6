#pragma once
#include "model/TextTable.h"

#include <string>

namespace CLI {
class App;
class ParseError;
} // namespace CLI

namespace varkel::cli {

// The language of a command-line program, as such programs choose it:
// --lang zh|en first, else the locale: the first of LC_ALL, LC_MESSAGES and
// LANG that is set and not empty, Chinese when it starts with "zh", English
// otherwise (also when none is set). Looked at ahead of the real parse, so
// that the help texts are built in it.
TextLanguage ProgramLanguage(int argc, char** argv);
// The locale's half of the rule alone.
TextLanguage LocaleLanguage();

// Gives CLI11's own words (Usage, Options, Subcommands, the help option's
// text, type names) in the active language. Called once every option and
// subcommand is added.
void LocaliseHelp(CLI::App& app);

// A parse error's text in the active language.
std::string ParseErrorText(const CLI::ParseError& error);

// What a program does with a parse error: help and version are printed
// (status 0); anything else is said on standard error with the hint to
// --help, and CLI11's status is returned.
int ExitAfterParseError(CLI::App& app, const CLI::ParseError& error);

} // namespace varkel::cli
