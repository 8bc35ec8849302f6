#pragma once

class QIcon;

namespace varkel {

// An icon drawn at build time: its pixels at the size shown (0xAARRGGBB,
// premultiplied), row by row.
struct IconPixels {
    const char* name;
    int size;
    const unsigned int* argb;
};
extern const IconPixels kIconPixels[];
extern const int kIconPixelsCount;

// The program's icon of that name ("download", "tree-node", ...), made from
// the compiled pixels, with the twice-size picture added on a dense screen;
// an empty icon for a name that is not one.
QIcon ProgramIcon(const char* name);

} // namespace varkel
