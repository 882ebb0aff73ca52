// What the large colour window needs of the window that opens it: the colour
// of its colour display, and its rule for storing that colour in a custom slot.
#pragma once

#include "units.h"

class LargeWindowOwner {
public:
    virtual tk::ColourValue DisplayColour() const = 0;
    virtual void StoreCustomColor() = 0;

protected:
    ~LargeWindowOwner() = default;
};
