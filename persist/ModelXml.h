#pragma once
#include <string>

class TiXmlElement;

namespace varkel {

class Command;
class ConfigObject;
class Fieldbus;
class Node;
class ParamItem;
class Project;
class Subnet;
struct FileIdentity;
struct NumberFault;
struct WriteGuard;

// The file layout of the model's objects. Each Save writes the object as
// the last child of the parent element; each Load reads into an object
// that the caller has emptied.
void SaveXml(const ParamItem& item, TiXmlElement* parent);
// A number the writer cannot have written reads as 0 and is kept in the
// fault, when one is given.
void LoadXml(ParamItem& item, const TiXmlElement* element, NumberFault* fault = nullptr);
void SaveXml(const Command& command, TiXmlElement* parent);
// Reads the items of a command from its item list element.
void LoadXml(Command& command, const TiXmlElement* itemList, NumberFault* fault = nullptr);
void SaveXml(const Node& node, TiXmlElement* parent);
void LoadXml(Node& node, const TiXmlElement* element, NumberFault* fault = nullptr);

// The object's own items under a new "ItemList" element.
void SaveItems(const ConfigObject& object, TiXmlElement* element);
// The object's nodes under a new "NodeList" element.
void SaveNodes(const ConfigObject& object, TiXmlElement* element);
void SaveXml(const Subnet& subnet, TiXmlElement* parent);
// The two mode lists, the mode in force and the always-shown items.
void SaveModeXml(const Subnet& subnet, TiXmlElement* element);
// Both read their part below the file's root element, emptying the object
// first.
void LoadXml(Subnet& subnet, const TiXmlElement* root, NumberFault* fault = nullptr);
void SaveXml(const Fieldbus& fieldbus, TiXmlElement* parent);
void LoadXml(Fieldbus& fieldbus, const TiXmlElement* root, NumberFault* fault = nullptr);

// Both true on success; on failure false, with the reason in error (for a
// file of the other language, the language message). A failed load leaves the project as it was. A
// load gives the identity of the file read; a save with a guard holding it refuses to replace a
// file changed on disk since.
bool SaveFile(const Project& project, const std::string& path, std::string* error = nullptr,
              WriteGuard* guard = nullptr);
bool LoadFile(Project& project, const std::string& path, std::string* error = nullptr,
              FileIdentity* identity = nullptr);
// The maker's header and the product with its language.
void SaveHeader(const Project& project, TiXmlElement* root);
void SaveProduct(const Project& project, TiXmlElement* root);
// True when the file's language is the program's.
bool IsOwnLanguage(const TiXmlElement* root);
// Loads a file into a configuration nobody else uses yet, showing nothing:
// safe on a thread of its own. False for any refusal; LoadFile of the same
// file then gives the reason.
bool PreloadFile(Project& staged, const std::string& path, FileIdentity* identity = nullptr);

} // namespace varkel
