#pragma once
#include "model/Project.h"

#include <filesystem>
#include <string>

namespace varkel::test {

// A fresh folder for one test, removed with the object.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    std::string File(const std::string& name) const { return (path_ / name).string(); }
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);

// Everything the file carries, read through the model's own accessors:
// every item field of the three subnet lists and the fieldbus, the
// protocol type, nodes and commands. With pickedChoicesOnly the choices of
// items that are not picked from a list are left out, as the file does.
std::string Snapshot(const Project& project, bool pickedChoicesOnly = false);

// A configuration with one node and a few commands of several functions,
// values typed into every kind of item.
void FillSample(Project& project);

// The text with every "DateTime" value replaced by a fixed mark.
std::string WithoutDateTime(const std::string& text);

// Replaces the first occurrence of a text; fails the test when absent.
std::string ReplaceOnce(std::string text, const std::string& from, const std::string& to);

} // namespace varkel::test
