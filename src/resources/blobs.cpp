// Lookup of the embedded bitmap and icon files by resource name. Resource
// names compare case-insensitively, as the system's resource loader does.
#include <strings.h>

#include "resources/embedded.h"
#include "resources/resources.h"

namespace res {
namespace {

const Blob* FindIn(const Blob* table, std::size_t count, const char* name) {
    if (!name) return nullptr;
    for (std::size_t i = 0; i < count; ++i)
        if (strcasecmp(name, table[i].name) == 0) return &table[i];
    return nullptr;
}

}  // namespace

const Blob* FindBitmap(const char* name) {
    return FindIn(embedded::kBitmaps, embedded::kBitmapCount, name);
}

const Blob* FindIcon(const char* name) {
    return FindIn(embedded::kIcons, embedded::kIconCount, name);
}

}  // namespace res
