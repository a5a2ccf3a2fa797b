// PNG previews for judging the artwork by eye (not part of the program).
#pragma once

#include "artwork.h"

namespace art {

// Writes the canvas as a PNG, each pixel a zoom x zoom block.
bool SaveZoomed(const Canvas& c, int zoom, const char* path);
// Every bitmap and the icon on a silver sheet, zoomed 3x, with their names.
bool SaveContactSheet(const Sheet& sheet, const Canvas& icon, const char* path);
// A rough panel: the bitmaps at their places, the boxes, lines, faders and
// sample texts, zoomed 2x.
bool SavePanelMock(const Sheet& sheet, const char* path);

}  // namespace art
