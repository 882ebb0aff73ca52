// The command buttons.
#include "clipboard.h"
#include "frm_farben.h"
#include "frm_farben_design.h"
#include "frm_farben_xl.h"

namespace {

enum Button : std::int16_t {
    kCopy = 0,
    kSave = 1,
    kStopAll = 8,
    kStartAll = 9,
    kLarge = 10,
    kEnd = 11,
};

}  // namespace

void frmFarben::cmdFarben_Click(std::int16_t Index) {
    switch (Index) {
        case kCopy: CopyCode(); return;
        case kSave: StoreCustomColor(); return;
        case kStopAll: StopAll(); return;
        case kStartAll: StartAll(); return;
        case kLarge: ShowLarge(); return;
        case kEnd: Close(); return;
        default: PressCounterButton(Index); return;
    }
}

// The code, or the part of it that is selected, as plain text. (Everything
// selected is the whole code.)
void frmFarben::CopyCode() {
    tk::Clipboard::Clear();
    const tk::TextBox& code = *txtFarbe[design::kCodeField];
    const std::string selected = code.SelText();
    tk::Clipboard::SetText(selected.empty() ? code.Text() : selected);
}

// Waits in the large window's modal loop until the user closes it; the
// window is then destroyed and made anew on the next press. (While it is
// shown, the main window takes no input: no press comes.)
void frmFarben::ShowLarge() {
    if (!mFarbenXL) mFarbenXL = std::make_unique<frmFarbenXL>(this, *this);
    mFarbenXL->SetBackColor(DisplayColour());
    if (!mFarbenXL->ShowModal()) return;
    mFarbenXL.reset();
    tk::LetPendingEventsRun();
}
