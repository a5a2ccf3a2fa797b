// The files embedded at build time (see embed.cmake): each table is sorted
// by name as the build found the files.
#pragma once

#include <cstddef>

#include "resources/resources.h"

namespace res::embedded {

extern const Blob kBitmaps[];
extern const std::size_t kBitmapCount;
extern const Blob kIcons[];
extern const std::size_t kIconCount;

}  // namespace res::embedded
