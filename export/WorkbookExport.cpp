#include "export/WorkbookExport.h"

#include "export/ExportCatalog.h"
#include "export/SheetCells.h"
#include "export/SheetLayout.h"
#include "export/SheetXml.h"
#include "export/WorkbookPackage.h"
#include "model/Catalog.h"
#include "model/FileWrite.h"
#include "model/IoList.h"
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

void Fail(std::string* error, const std::string& message) {
    if (error)
        *error = message;
}

} // namespace

ExportStatus ExportWorkbook(const Project& project, const std::string& templatePath,
                            const std::string& outputPath, std::string* error) {
    WorkbookPackage package;
    std::string detail;
    switch (package.Open(templatePath, detail)) {
    case WorkbookPackage::Opened:
        break;
    case WorkbookPackage::CannotRead:
        Fail(error, Text(ExportMsg::ExportTemplateUnreadable, {templatePath, detail}));
        return ExportTemplateMissing;
    case WorkbookPackage::NotPackage:
    case WorkbookPackage::Encrypted:
    case WorkbookPackage::TooLarge:
        Fail(error, Text(ExportMsg::ExportTemplateInvalid, {templatePath, detail}));
        return ExportTemplateInvalid;
    }
    if (package.WorkbookPart().empty()) {
        Fail(error, Text(ExportMsg::ExportTemplateInvalid,
                         {templatePath, Text(ExportMsg::ExportNoWorkbookPart)}));
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
            Fail(error, Text(ExportMsg::ExportSheetMissing, {LocalText(sheet.key), templatePath}));
            return ExportSheetMissing;
        }
    }

    ExportNodes(project, sheets[0].cells);
    ExportItems(project.GetFieldbus(), sheets[1].cells);
    ExportItems(project.GetSubnet(), sheets[2].cells);

    // The I/O list sheet came later than the other three: a template of
    // one's own without it still exports them.
    Sheet ioSheet{0, package.FindSheet(Text(ExportMsg::IoListSheetTitle)), {}};
    if (!ioSheet.part.empty())
        ExportIoList(BuildIoList(project.GetSubnet()), ioSheet.cells);
    std::vector<Sheet*> filled = {&sheets[0], &sheets[1], &sheets[2]};
    if (!ioSheet.part.empty())
        filled.push_back(&ioSheet);

    for (Sheet* sheetPtr : filled) {
        Sheet& sheet = *sheetPtr;
        SheetXml xml;
        if (!xml.Load(*package.Part(sheet.part))) {
            Fail(error, Text(ExportMsg::ExportTemplateInvalid,
                             {templatePath, Text(ExportMsg::ExportCannotReadSheet, {sheet.part})}));
            return ExportTemplateInvalid;
        }
        xml.SetCells(sheet.cells);
        package.SetPart(sheet.part, xml.Save());
    }
    package.DropCalcChain();

    std::string bytes;
    if (!package.Write(bytes, detail)) {
        Fail(error, Text(ExportMsg::ExportCannotWrite, {outputPath, detail}));
        return ExportWriteFailed;
    }
    if (!WriteFileAtomically(outputPath, bytes, detail)) {
        Fail(error, Text(ExportMsg::ExportCannotWrite, {outputPath, detail}));
        return ExportWriteFailed;
    }
    if (error)
        error->clear();
    return ExportDone;
}

std::string DefaultTemplateName() {
    // The shipped template's sheet names are those of the text language.
    return GetTextLanguage() == TextLanguage::English ? "Template_en.xlsx" : "Template.xlsx";
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
