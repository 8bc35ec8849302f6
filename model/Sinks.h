#pragma once
#include <string>

namespace varkel {

class ParamItem;
class ConfigObject;
class Node;
class Command;

// Record on every entry of the configuration tree: what kind of object the
// entry stands for, and the object.
struct TreeEntry {
    enum Kind { None = 0, CommandKind = 2, NodeKind = 3, FieldbusKind = 4, SubnetKind = 6 };
    Kind kind = None;
    void* object = nullptr;

    Command* AsCommand() const {
        return kind == CommandKind ? static_cast<Command*>(object) : nullptr;
    }
    Node* AsNode() const { return kind == NodeKind ? static_cast<Node*>(object) : nullptr; }
    ConfigObject* AsConfigObject() const {
        return kind == FieldbusKind || kind == SubnetKind ? static_cast<ConfigObject*>(object)
                                                          : nullptr;
    }
};

// Tree images: 1 node, 2 command; top-level entries use 0.
enum TreeImage { FolderImage = 0, NodeImage = 1, CommandImage = 2 };

// Where BuildTree writes. Handles are the sink's own; 0 is the root.
class TreeSink {
public:
    using Handle = long long;
    virtual ~TreeSink() = default;
    virtual void DeleteAll() = 0;
    virtual Handle Insert(Handle parent, const std::string& label, int image,
                          const TreeEntry& entry) = 0;
    virtual void ExpandAll() = 0;
};

struct Rgb {
    int red = 255, green = 255, blue = 255;
    bool operator==(const Rgb&) const = default;
};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kGrey{200, 200, 200};

// Where FillGrid writes: one row a parameter item.
class GridSink {
public:
    virtual ~GridSink() = default;
    virtual void ShowRow(int row, const std::string& name, const std::string& value,
                         Rgb valueBackground, ParamItem* item) = 0;
};

// Where the spreadsheet export writes: a text into a cell, rows and columns
// counted from 1.
class SheetSink {
public:
    virtual ~SheetSink() = default;
    virtual void SetCell(int row, int column, const std::string& text) = 0;
};

} // namespace varkel
