// Building blocks shared by the artwork: bevels, buttons, lamps, glyphs.
#pragma once

#include <functional>
#include <string_view>

#include "canvas.h"

namespace art {

// Raised: white top/left, grey inner and black outer bottom/right edges.
void RaisedBevel(Canvas& c, int x, int y, int w, int h);
// Pressed: black and grey top/left, white bottom/right.
void PressedBevel(Canvas& c, int x, int y, int w, int h);
// A one-pixel sunken frame just outside the rectangle (grey top/left, white bottom/right).
void SunkenFrame(Canvas& c, int x, int y, int w, int h);

// Draws a button's face content; (dx, dy) is (1, 1) when the button is pressed.
using FacePainter = std::function<void(Canvas&, int dx, int dy)>;

enum class Face { Shaded, Plain };

// A w x h push button filling its canvas, up or pressed. A pressed Shaded
// face is darkened by a sparse grey dither; Plain keeps it silver for the
// panel's own text.
Canvas Button(int w, int h, bool pressed, const FacePainter& face, Face look = Face::Shaded);
// Text in the panel font centred on the face.
FacePainter CentredText(int w, int h, std::string_view text, std::uint8_t colour);

// Solid triangles pointing right, left or up; h (or w for Up) should be odd.
// Right/Left: (x, y) is the top-left of the w = (h + 1) / 2 wide box.
void TriangleRight(Canvas& c, int x, int y, int h, std::uint8_t colour);
void TriangleLeft(Canvas& c, int x, int y, int h, std::uint8_t colour);
void TriangleUp(Canvas& c, int x, int y, int w, std::uint8_t colour);

// A lamp window: lamp colour at (x, y, w, h) in a black rim and a sunken frame.
void Lamp(Canvas& c, int x, int y, int w, int h, std::uint8_t colour);

// A silk-screen caption: text centred, a rule on either side at mid-height.
void RuledCaption(Canvas& c, std::string_view text, int y, std::uint8_t colour);

}  // namespace art
