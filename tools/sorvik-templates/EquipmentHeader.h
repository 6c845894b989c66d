#pragma once

#include "SheetBuilder.h"

namespace templates {

// The head the three equipment notifications share: the date at the top right, the prime
// contractor's site office and its manager (the program adds 殿) at the top left, the
// first-tier company on the right. Each form says where these go on its own grid.
struct EquipmentHeader
{
    Area date;
    Area officeCaption;
    Area office;
    Area managerCaption;
    Area manager;
    Area firstTierCaption;
    Area firstTier;

    void place(SheetBuilder &sheet, const CellLook &label, const CellLook &value) const;
};

}  // namespace templates
