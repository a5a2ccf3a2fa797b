// A region as Windows keeps one: disjoint rectangles in y-bands, sorted by
// top and then by left. Within a band every rectangle shares the band's top
// and bottom, and rectangles that touch are one; bands with the same spans
// that touch are one. Adding a rectangle keeps the region exact: it covers
// the pixels of every rectangle added and no others, however many there are.
#pragma once

#include <vector>

#include "platform/win.h"

namespace win::core {

void AddToRegion(std::vector<RECT>& region, const RECT& r);
// The smallest rectangle that holds every piece; empty for an empty region.
RECT RegionBounds(const std::vector<RECT>& region);

}  // namespace win::core
