#include "export/WorkbookExport.h"

#include "export/SheetCells.h"
#include "export/SheetXml.h"
#include "export/WorkbookPackage.h"
#include "model/Project.h"
#include "model/TextTable.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
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

mode_t CurrentUmask() {
    mode_t mask = umask(0);
    umask(mask);
    return mask;
}

// Writes the bytes into a new file beside the target and renames it over
// the target only once everything is on disk, so that the target is never
// left half written; the temporary file is removed on any failure.
bool WriteFileReplacing(const std::string& target, const std::string& bytes, std::string& reason) {
    if (target.empty()) {
        reason = std::strerror(ENOENT);
        return false;
    }
    std::filesystem::path path(target);
    std::string name = path.filename().string();
    if (name.empty() || name == "." || name == "..") {
        reason = std::strerror(EISDIR);
        return false;
    }
    std::filesystem::path folder = path.parent_path();
    std::string pattern =
        (folder.empty() ? std::string() : folder.string() + "/") + "." + name + ".XXXXXX";
    std::vector<char> temporary(pattern.begin(), pattern.end());
    temporary.push_back('\0');
    int fd = mkstemp(temporary.data());
    if (fd < 0) {
        reason = std::strerror(errno);
        return false;
    }
    const std::string temporaryPath(temporary.data());
    auto fail = [&](int code) {
        reason = std::strerror(code);
        if (fd >= 0)
            close(fd);
        unlink(temporaryPath.c_str());
        return false;
    };

    // A new file gets the usual permissions; a replaced one keeps its own.
    struct stat existing;
    mode_t mode = 0666 & ~CurrentUmask();
    if (stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode))
        mode = existing.st_mode & 07777;
    if (fchmod(fd, mode) != 0)
        return fail(errno);

    std::size_t written = 0;
    while (written < bytes.size()) {
        ssize_t n = write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fail(errno);
        }
        written += static_cast<std::size_t>(n);
    }
    if (fsync(fd) != 0)
        return fail(errno);
    int closed = close(fd);
    fd = -1;
    if (closed != 0)
        return fail(errno);
    if (rename(temporaryPath.c_str(), target.c_str()) != 0)
        return fail(errno);
    return true;
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
    if (!WriteFileReplacing(outputPath, bytes, detail)) {
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
