// When the timers of the main window tick.
//
// Every timer keeps the interval the handlers give it, but a tick that cannot
// change anything does not wake the program. The window suspends a timer whose
// next tick would find everything as its last tick left it, and resumes it as
// soon as that may no longer hold:
// - The deferred update (Timer4) is suspended after a tick that changed none
//   of the notations: the next tick would find the same. What its ticks read
//   (the component fields and mRgbActive) and what they write (the code field,
//   the display and the decimal field) changes only in handlers of this window,
//   so it is resumed before every one of them runs (HandlerRuns), and
//   ArmRgbUpdate sets its interval again. The code field, which the user may
//   edit without a key that its filter sees (Delete, cut, undo), counts its
//   changes as a handler for this.
// - A counter's timer is suspended after a tick that finds its counter
//   standing: such ticks do nothing. The press that starts the counter sets
//   its interval again.
// A resumed timer ticks a full period later. The large window's follow timer
// simply ticks: it lives only while that window is open.
#include <array>
#include <string>

#include "frm_farben.h"
#include "frm_farben_design.h"

namespace {

// What a tick of the deferred update writes, directly or through the handlers
// that its writes run.
struct Notations {
    std::string code;
    std::string decimal;
    std::array<std::string, 3> components;
    tk::ColourValue display;
    bool operator==(const Notations&) const = default;
};

Notations Shown(const frmFarben& form) {
    return {form.txtFarbe[design::kCodeField]->Text(), form.txtDecimal->Text(),
            {form.txtRGB[0]->Text(), form.txtRGB[1]->Text(), form.txtRGB[2]->Text()},
            form.txtFarbe[design::kDisplay]->BackColor()};
}

}  // namespace

void frmFarben::HandlerRuns() { Timer4.Resume(); }

void frmFarben::ConnectTimers() {
    static constexpr std::array<void (frmFarben::*)(), 3> kCounterTicks = {
        &frmFarben::Timer1_Timer, &frmFarben::Timer2_Timer, &frmFarben::Timer3_Timer};
    const std::array<tk::Timer*, 3> counterTimers = {&Timer1, &Timer2, &Timer3};
    for (std::size_t k = 0; k < counterTimers.size(); ++k) {
        counterTimers[k]->OnTick([this, k, timer = counterTimers[k], tick = kCounterTicks[k]] {
            HandlerRuns();
            (this->*tick)();
            if (CounterStands(k)) timer->Suspend();
        });
    }
    Timer4.OnTick([this] {
        const Notations before = Shown(*this);
        Timer4_Timer();
        if (Shown(*this) == before) Timer4.Suspend();
    });
}
