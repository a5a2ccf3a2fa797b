// The panel's bitmaps by resource name, and the program icon.
#pragma once

#include <string>
#include <vector>

#include "canvas.h"

namespace art {

struct Artwork {
    std::string name;  // resource name, e.g. "BITMAP_STOPOFF"
    Canvas image;
};

using Sheet = std::vector<Artwork>;

void AddTransportButtons(Sheet& sheet);  // transport, A/B/CLR, track, mode, refresh, record
void AddPadParts(Sheet& sheet);          // key faces, lamps, pad buttons, numbers
void AddCaptions(Sheet& sheet);          // captions and row captions
void AddPlates(Sheet& sheet);            // plates behind faders and balance tracks
void AddLogo(Sheet& sheet);              // the logo mark

// Every panel bitmap, in no particular order.
Sheet PanelBitmaps();
// The program icon, 32x32.
Canvas Icon();
// The mark drawn for a size x size box: the palette index at the point
// (x, y) in pixels from the top left corner, -1 outside its disc.
int MarkColourAt(int size, double x, double y);

}  // namespace art
