#include "artwork.h"

namespace art {

Sheet PanelBitmaps() {
    Sheet sheet;
    AddTransportButtons(sheet);
    AddPadParts(sheet);
    AddCaptions(sheet);
    AddPlates(sheet);
    AddLogo(sheet);
    return sheet;
}

}  // namespace art
