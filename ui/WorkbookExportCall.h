#pragma once
#include <QString>

#include <string>

namespace varkel {

class Project;

// Writes the configuration into a workbook at the path, made from the
// default template of the language in use; false with the reason in error.
bool ExportProjectWorkbook(const Project& project, const QString& path, std::string& error);

} // namespace varkel
