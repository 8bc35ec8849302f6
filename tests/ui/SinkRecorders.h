#pragma once
#include "ui/GridFill.h"
#include "ui/TreeFill.h"

#include <map>
#include <string>
#include <vector>

namespace varkel::test {

// Remembers what BuildTree inserted, as a flat list with parent handles.
class TreeRecorder : public TreeSink {
public:
    struct Entry {
        Handle parent;
        std::string label;
        int image;
        TreeEntry entry;
    };
    void DeleteAll() override {
        entries.clear();
        ++deleteCount;
    }
    Handle Insert(Handle parent, const std::string& label, int image,
                  const TreeEntry& entry) override {
        entries.push_back({parent, label, image, entry});
        return static_cast<Handle>(entries.size());
    }
    void ExpandAll() override { expanded = true; }

    std::vector<Entry> entries; // handle of entries[i] is i + 1
    int deleteCount = 0;
    bool expanded = false;
};

// Remembers the rows FillGrid wrote.
class GridRecorder : public GridSink {
public:
    struct Row {
        std::string name;
        std::string value;
        Rgb background;
        ParamItem* item;
    };
    void ShowRow(int row, const std::string& name, const std::string& value, Rgb background,
                 ParamItem* item) override {
        rows[row] = {name, value, background, item};
    }
    std::map<int, Row> rows;
};

} // namespace varkel::test
