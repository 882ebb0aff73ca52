// The large colour window: the colour display's colour over the whole client
// area, following it every 50 ms; each click stores that colour in the first
// free custom slot of the owner.
#pragma once

#include "large_window_owner.h"
#include "timer.h"
#include "window.h"

class frmFarbenXL : public tk::Window {
public:
    static constexpr int kFollowInterval = 50;  // ms

    frmFarbenXL(QWidget* ownerWindow, LargeWindowOwner& owner);

    void Timer1_Timer();
    void Form_Click();

    tk::Timer Timer1;

private:
    LargeWindowOwner& mOwner;
};
