// Where things are on the panel, for everything that draws, invalidates or
// hits them: the paint, the pointer, the pad buttons, the keyboard and the
// tests. Client coordinates; a rectangle's right and bottom are excluded.
#pragma once

// The pad grid: seven columns 42 pixels apart (a loop button's row reaches
// an eighth), each a stack of rows from the loop lamp down to the label.
constexpr int kPadX0 = 74, kPadStep = 42;
constexpr int PadColumnX(int pad) { return kPadX0 + kPadStep * pad; }
constexpr int kPadGridTop = 256, kPadGridBottom = 410;  // the column rules
constexpr int kPadLampY = 260;                          // loop lamp bitmap
constexpr int kPadLoopY = 275, kPadLoopBottom = 299;    // loop button
constexpr int kPadStripY = 302;                         // play lamp strip
constexpr int kPadKeyY = 318;                           // key face
constexpr int kPadLoadY = 370, kPadLoadBottom = 394;    // load button
constexpr int kPadLabelY = 395;                         // pad number
constexpr int kPadButtonWidth = 42;
// Inside a column: the loop lamp's lit area, the play lamp, the key letter.
constexpr int kLoopLampLeft = 2, kLoopLampTop = 262, kLoopLampRight = 40, kLoopLampBottom = 274;
constexpr int kPlayLampLeft = 11, kPlayLampTop = 306, kPlayLampRight = 30, kPlayLampBottom = 314;
constexpr int kPadKeyTextX = 12, kPadKeyTextY = 328;

// The track buttons: two rows of ten, 24 pixels apart.
constexpr int kTrackX0 = 320, kTrackStep = 24, kTracksPerRow = 10;
constexpr int kTrackTopY = 30, kTrackBottomY = 54, kTrackButtonSize = 24;
constexpr int kTrackNumberDx = 5, kTrackNumberDy = 5;

// The pad list box, which holds the loaded pads' numbers and titles.
constexpr int kPadListLeft = 436, kPadListTop = 256, kPadListRight = 618, kPadListBottom = 410;
