// Picked colours: the colour chart, the custom slots, the VGA palette and the
// VGA text mode.
#include "colour_value.h"
#include "frm_farben.h"
#include "frm_farben_design.h"
#include "vga_colour_table.h"

using colour::kWhite;

void frmFarben::txtFarbe_Click(std::int16_t Index) {
    Check1->SetValue(tk::CheckBox::kUnticked);
    mRgbActive = false;
    if (Index > design::kLastSlot) return;  // the display or the code field
    PickColour(*txtFarbe[static_cast<std::size_t>(Index)]);
}

void frmFarben::txtFarbe_DblClick(std::int16_t Index) {
    if (Index >= design::kFirstSlot && Index <= design::kLastSlot) {
        txtFarbe[static_cast<std::size_t>(Index)]->SetBackColor(kWhite);
    }
}

// A white slot is free; the first free one in ascending order takes the
// display's colour. With none free nothing happens.
void frmFarben::StoreCustomColor() {
    for (int i = design::kFirstSlot; i <= design::kLastSlot; ++i) {
        tk::TextBox& slot = *txtFarbe[static_cast<std::size_t>(i)];
        if (slot.BackColor() == kWhite) {
            slot.SetBackColor(DisplayColour());
            return;
        }
    }
}

void frmFarben::txtFarbe16_Click(std::int16_t Index) {
    const auto entry = static_cast<std::size_t>(Index);
    if (Check1->Value() == tk::CheckBox::kTicked) {
        Label3->SetCaption(colour::VgaColorTable[entry].name);
        return;
    }
    Label3->SetCaption("");
    mRgbActive = false;
    PickColour(*txtFarbe16[entry]);
}

void frmFarben::Check1_Click() {
    txtFarbe[design::kCodeField]->SetText("");
    txtFarbe[design::kDisplay]->SetBackColor(kWhite);
}

// The colour of a chart swatch, slot or VGA box becomes the current colour.
// The decimal field follows at the next tick of the deferred update.
void frmFarben::PickColour(const tk::TextBox& source) {
    ResetComponents();
    mUpdating = true;
    txtFarbe[design::kDisplay]->SetBackColor(source.BackColor());
    WriteCodeAndComponents(source.BackColor());
    mUpdating = false;
}
