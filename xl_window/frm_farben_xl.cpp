#include "frm_farben_xl.h"

#include "pictures.h"

namespace {
constexpr std::string_view kCaption = "FarbenXL, Click Speichern";
constexpr tk::TwipsRect kClientArea = {0, 0, 5625, 3045};
}  // namespace

frmFarbenXL::frmFarbenXL(QWidget* ownerWindow, LargeWindowOwner& owner)
    : tk::Window(ownerWindow), mOwner(owner) {
    SetCaption(kCaption);
    setWindowIcon(pictures::StripesIcon());
    resize(tk::ToPixels(kClientArea).size());
    Timer1.OnTick([this] { Timer1_Timer(); });
    OnClick([this] { Form_Click(); });
    Timer1.SetInterval(kFollowInterval);
}

void frmFarbenXL::Timer1_Timer() { SetBackColor(mOwner.DisplayColour()); }

void frmFarbenXL::Form_Click() { mOwner.StoreCustomColor(); }
