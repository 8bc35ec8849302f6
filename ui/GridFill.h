#pragma once
#include "model/ItemKeys.h"

#include <string>

namespace varkel {

class Command;
class Fieldbus;
class Node;
class ParamItem;
class Subnet;
class TreeEntry;

struct Rgb {
    int red = 255, green = 255, blue = 255;
    bool operator==(const Rgb&) const = default;
};
// A value's background: white while the item may be changed, grey while not.
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kGrey{200, 200, 200};
// A stored value the grid would refuse if it were entered now (a file
// edited by hand, an upload): red, as the memory maps mark a conflict.
inline constexpr Rgb kOutOfRange{255, 176, 176};

// Whether the grid opens an editor on the item: it is enabled, and typed or
// picked (an item shown only is never edited, whatever its enable flag).
bool EditableInGrid(const ParamItem& item);
// White for an item the grid edits, grey for one it does not.
Rgb BackgroundOf(const ParamItem& item);

// Where the grid is filled: one row a parameter item.
class GridSink {
public:
    virtual ~GridSink() = default;
    virtual void ShowRow(int row, const std::string& name, const std::string& value,
                         Rgb valueBackground, ParamItem* item) = 0;
};

// Writes the item into a grid row: name, value with its background, and the
// row's reference back to the item. Name and value are shown in the active
// language where they are their keys' texts.
void ShowInGrid(ParamItem& item, GridSink& grid, int row, const ItemKeys& keys = {});

// An object's items, one row each from row 0; the objects with a row count
// return it. The subnet lists the always-shown items, then those of the
// mode in force.
void FillGrid(Command& command, GridSink& grid);
void FillGrid(Node& node, GridSink& grid);
int FillGrid(Fieldbus& fieldbus, GridSink& grid);
int FillGrid(Subnet& subnet, GridSink& grid);
// The items of the entry's object; nothing for an entry without one.
void FillGrid(const TreeEntry& entry, GridSink& grid);

} // namespace varkel
