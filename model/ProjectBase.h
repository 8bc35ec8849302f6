#pragma once
#include "model/ConfigObject.h"

#include <string>
#include <vector>

class TiXmlElement;

namespace varkel {

// A generic XML project: child configuration objects (not owned) saved
// under one root element.
class ProjectBase {
public:
    ProjectBase() = default;
    virtual ~ProjectBase() = default;
    ProjectBase(const ProjectBase&) = delete;
    ProjectBase& operator=(const ProjectBase&) = delete;

    // Both return 1 on success; on failure 0, with the reason in error. A
    // file refused for its language has shown its message already and
    // leaves error empty.
    virtual int SaveFile(const std::string& path, std::string* error = nullptr);
    virtual int LoadFile(const std::string& path, std::string* error = nullptr);
    void AddChild(ConfigObject* object);
    virtual void SaveHeader(TiXmlElement* root) const;
    virtual void SaveProduct(TiXmlElement* root) const;
    int GetChildCount() const { return static_cast<int>(children_.size()); }
    virtual void LoadHook(const TiXmlElement* root);
    // 1 when the file's language is the program's; shows the language
    // message for a foreign one.
    int CheckLanguage(const TiXmlElement* root) const;
    virtual int GetCommandCount() const;

protected:
    std::vector<ConfigObject*> children_;
};

} // namespace varkel
