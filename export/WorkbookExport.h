#pragma once
#include <string>

namespace varkel {

class Project;

// Outcome of an export.
enum ExportStatus : int {
    ExportDone = 0,
    ExportTemplateMissing = 1, // the template cannot be found or read
    ExportTemplateInvalid = 2, // the template is not a workbook
    ExportSheetMissing = 3,    // a sheet of the active language is missing
    ExportWriteFailed = 4,     // the output cannot be written
};

// Writes the configuration into a copy of the template workbook (.xlsx):
// the commands into the sheet named by text 16, the fieldbus values into
// the one of text 17, the subnet values into the one of text 18 and, when
// the template has it, the PLC I/O list into the "IO list" sheet, every
// value a text cell; the rest of the template stays as it is. The result
// is written beside the output and renamed over it once complete, so a
// failed export leaves no file and an existing output untouched. On failure
// error (when given) gets a message in the active language. The project is
// only read.
[[nodiscard]] ExportStatus ExportWorkbook(const Project& project, const std::string& templatePath,
                                          const std::string& outputPath,
                                          std::string* error = nullptr);

// "Template.xlsx" with the Chinese sheet names, or "Template_en.xlsx" with
// the English ones, by the active language.
std::string DefaultTemplateName();
// The directory of the running program, without a trailing slash; empty
// when it cannot be told.
std::string ProgramDirectory();
// The default template for the active language: the first that exists of
// the program directory, the installed data directory beside it
// (../share/varkel), the data directory of the installation prefix and the
// source tree's res folder (for running from a build tree). When none
// exists, the path in the program directory, for the message.
std::string FindDefaultTemplate(const std::string& programDirectory = ProgramDirectory());

} // namespace varkel
