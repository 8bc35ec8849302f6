#include "export/WorkbookExport.h"

#include "export/SheetCells.h"
#include "export/SheetXml.h"
#include "export/WorkbookPackage.h"
#include "model/FileWrite.h"
#include "model/Project.h"
#include "model/TextTable.h"

#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

#ifndef VARKEL_INSTALL_DATADIR
#define VARKEL_INSTALL_DATADIR ""
#endif
#ifndef VARKEL_SOURCE_RESDIR
#define VARKEL_SOURCE_RESDIR ""
#endif

namespace varkel {

namespace {

bool Chinese() {
    return GetTextLanguage() == TextLanguage::Chinese;
}

void Fail(std::string* error, const std::string& message) {
    if (error)
        *error = message;
}

std::string TemplateMissingText(const std::string& path, const std::string& reason) {
    return Chinese() ? "无法读取模板工作簿：" + path + "（" + reason + "）"
                     : "Cannot read the template workbook " + path + " (" + reason + ")";
}

std::string TemplateInvalidText(const std::string& path, const std::string& reason) {
    return Chinese()
               ? "模板文件不是有效的工作簿（.xlsx）：" + path + "（" + reason + "）"
               : "The template is not a valid workbook (.xlsx): " + path + " (" + reason + ")";
}

std::string SheetMissingText(const std::string& path, const std::string& sheet) {
    return Chinese() ? "模板工作簿中没有名为“" + sheet + "”的工作表：" + path
                     : "The template workbook has no sheet named \"" + sheet + "\": " + path;
}

std::string WriteFailedText(const std::string& path, const std::string& reason) {
    return Chinese() ? "无法写入工作簿：" + path + "（" + reason + "）"
                     : "Cannot write the workbook " + path + " (" + reason + ")";
}

} // namespace

int ExportWorkbook(const Project& project, const std::string& templatePath,
                   const std::string& outputPath, std::string* error) {
    WorkbookPackage package;
    std::string detail;
    switch (package.Open(templatePath, detail)) {
    case WorkbookPackage::Opened:
        break;
    case WorkbookPackage::CannotRead:
        Fail(error, TemplateMissingText(templatePath, detail));
        return ExportTemplateMissing;
    case WorkbookPackage::NotPackage:
        Fail(error, TemplateInvalidText(templatePath, detail));
        return ExportTemplateInvalid;
    }
    if (package.WorkbookPart().empty()) {
        Fail(error,
             TemplateInvalidText(templatePath, Chinese() ? "缺少工作簿部件" : "no workbook part"));
        return ExportTemplateInvalid;
    }

    // Every sheet is looked up before anything is written, so a template
    // lacking one produces no output at all.
    struct Sheet {
        int key;
        std::string part;
        SheetCells cells;
    };
    Sheet sheets[3] = {{16, {}, {}}, {17, {}, {}}, {18, {}, {}}};
    for (Sheet& sheet : sheets) {
        sheet.part = package.FindSheet(LocalText(sheet.key));
        if (sheet.part.empty()) {
            Fail(error, SheetMissingText(templatePath, LocalText(sheet.key)));
            return ExportSheetMissing;
        }
    }

    project.ExportNodes(sheets[0].cells);
    project.ExportFieldbus(sheets[1].cells);
    project.ExportSubnet(sheets[2].cells);

    for (Sheet& sheet : sheets) {
        SheetXml xml;
        if (!xml.Load(*package.Part(sheet.part))) {
            Fail(error,
                 TemplateInvalidText(templatePath, Chinese() ? "无法读取工作表 " + sheet.part
                                                             : "cannot read sheet " + sheet.part));
            return ExportTemplateInvalid;
        }
        xml.SetCells(sheet.cells);
        package.SetPart(sheet.part, xml.Save());
    }
    package.DropCalcChain();

    std::string bytes;
    if (!package.Write(bytes, detail)) {
        Fail(error, WriteFailedText(outputPath, detail));
        return ExportWriteFailed;
    }
    if (!WriteFileAtomically(outputPath, bytes, detail)) {
        Fail(error, WriteFailedText(outputPath, detail));
        return ExportWriteFailed;
    }
    if (error)
        error->clear();
    return ExportDone;
}

std::string DefaultTemplateName() {
    return Chinese() ? "Template.xlsx" : "Template_en.xlsx";
}

std::string ProgramDirectory() {
    std::error_code ec;
    std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        return std::string();
    return program.parent_path().string();
}

std::string FindDefaultTemplate(const std::string& programDirectory) {
    const std::string name = DefaultTemplateName();
    std::vector<std::filesystem::path> candidates;
    if (!programDirectory.empty()) {
        candidates.push_back(std::filesystem::path(programDirectory) / name);
        candidates.push_back(std::filesystem::path(programDirectory) / ".." / "share" / "varkel" /
                             name);
    }
    if (*VARKEL_INSTALL_DATADIR)
        candidates.push_back(std::filesystem::path(VARKEL_INSTALL_DATADIR) / name);
    if (*VARKEL_SOURCE_RESDIR)
        candidates.push_back(std::filesystem::path(VARKEL_SOURCE_RESDIR) / name);
    for (const auto& candidate : candidates) {
        std::error_code ec;
        if (std::filesystem::is_regular_file(candidate, ec))
            return candidate.lexically_normal().string();
    }
    return candidates.empty() ? name : candidates.front().string();
}

} // namespace varkel
