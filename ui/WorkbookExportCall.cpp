#include "ui/WorkbookExportCall.h"

#include "export/WorkbookExport.h"

#include <QFile>

namespace varkel {

bool ExportProjectWorkbook(const Project& project, const QString& path, std::string& error) {
    const std::string output = QFile::encodeName(path).toStdString();
    return ExportWorkbook(project, FindDefaultTemplate(), output, &error) == ExportDone;
}

} // namespace varkel
