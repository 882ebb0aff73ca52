// The component counters: each steps its component field up or down by timer,
// turning at 255 and 0. The three counters differ only in their columns.
#include <charconv>
#include <cmath>

#include "colour_value.h"
#include "frm_farben.h"

namespace {

constexpr int kCountInterval = 200;  // ms
constexpr double kTop = colour::kComponentMax;
constexpr double kBottom = 0;
constexpr double kBigStep = 5;
constexpr double kSmallStep = 1;
constexpr double kLargestExactWhole = 9007199254740992.0;  // 2^53

// Whole numbers as plain decimal digits; a fraction (only ever pasted in)
// in the shortest form that reads back the same.
std::string CounterText(double value) {
    if (value == std::trunc(value) && std::fabs(value) < kLargestExactWhole) {
        return colour::DecimalText(static_cast<std::int64_t>(value));
    }
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return {buffer.data(), result.ptr};
}

}  // namespace

struct frmFarben::CounterColumns {
    std::size_t field;  // txtRGB index
    tk::Timer frmFarben::*timer;
    tk::CheckBox* frmFarben::*fiveStep;
    tk::CheckBox* frmFarben::*tipp;
    std::int16_t upButton;
    std::int16_t downButton;
    bool frmFarben::*up;
    bool frmFarben::*down;
    bool frmFarben::*resumeUp;
};

const std::array<frmFarben::CounterColumns, 3> frmFarben::kCounters = {{
    {0, &frmFarben::Timer1, &frmFarben::Check3, &frmFarben::Check6, 2, 3, &frmFarben::mRedUp,
     &frmFarben::mRedDown, &frmFarben::mRedResumeUp},
    {1, &frmFarben::Timer2, &frmFarben::Check4, &frmFarben::Check7, 4, 5, &frmFarben::mGreenUp,
     &frmFarben::mGreenDown, &frmFarben::mGreenResumeUp},
    {2, &frmFarben::Timer3, &frmFarben::Check5, &frmFarben::Check8, 6, 7, &frmFarben::mBlueUp,
     &frmFarben::mBlueDown, &frmFarben::mBlueResumeUp},
}};

// The up and down buttons of the three counters; other indexes do nothing.
void frmFarben::PressCounterButton(std::int16_t Index) {
    for (const CounterColumns& counter : kCounters) {
        if (Index == counter.upButton) Press(counter, Direction::Up);
        if (Index == counter.downButton) Press(counter, Direction::Down);
    }
}

// A press in the direction of motion stops the counter, one against it
// reverses it, one on a standing counter starts it.
void frmFarben::Press(const CounterColumns& counter, Direction direction) {
    const bool upward = direction == Direction::Up;
    bool& moving = this->*(upward ? counter.up : counter.down);
    bool& opposite = this->*(upward ? counter.down : counter.up);
    bool& resumeUp = this->*counter.resumeUp;
    if (moving) {
        moving = opposite = resumeUp = false;
    } else {
        (this->*counter.timer).SetInterval(kCountInterval);
        moving = true;
        opposite = false;
        resumeUp = upward;
    }
    ArmRgbUpdate();
}

void frmFarben::StopAll() {
    for (const CounterColumns& counter : kCounters) {
        this->*counter.up = false;
        this->*counter.down = false;
    }
    mRgbActive = false;
    for (tk::Timer* timer : {&Timer1, &Timer2, &Timer3, &Timer4}) timer->SetInterval(0);
}

// Presses each counter's button of its resume direction, red, green, blue.
void frmFarben::StartAll() {
    ArmRgbUpdate();
    for (const CounterColumns& counter : kCounters) {
        cmdFarben_Click(this->*counter.resumeUp ? counter.upButton : counter.downButton);
    }
}

bool frmFarben::CounterStands(std::size_t k) const {
    return !(this->*kCounters.at(k).up) && !(this->*kCounters.at(k).down);
}

void frmFarben::Timer1_Timer() { CounterTick(kCounters[0]); }
void frmFarben::Timer2_Timer() { CounterTick(kCounters[1]); }
void frmFarben::Timer3_Timer() { CounterTick(kCounters[2]); }

// Phase up, then phase down: the step that reaches 255 turns the counter and
// the first step down follows in the same tick, so 255 never stands; 0 stands
// for one tick.
void frmFarben::CounterTick(const CounterColumns& counter) {
    if (this->*counter.up) CounterStep(counter, Direction::Up);
    if (this->*counter.down) CounterStep(counter, Direction::Down);
}

// One step towards the limit of the direction (255 up, 0 down), by 5 or 1.
// Reaching the limit turns the counter; with "Tipp" the step is the last one.
void frmFarben::CounterStep(const CounterColumns& counter, Direction direction) {
    const bool upward = direction == Direction::Up;
    bool& moving = this->*(upward ? counter.up : counter.down);
    bool& opposite = this->*(upward ? counter.down : counter.up);
    tk::TextBox& field = *txtRGB[counter.field];
    const bool tipp = (this->*counter.tipp)->Value() == tk::CheckBox::kTicked;
    const bool fiveStep = (this->*counter.fiveStep)->Value() == tk::CheckBox::kTicked;
    const double limit = upward ? kTop : kBottom;
    const auto beforeLimit = [&](double v) { return upward ? v < limit : v > limit; };
    const auto pastLimit = [&](double v) { return upward ? v > limit : v < limit; };
    const double step = (fiveStep ? kBigStep : kSmallStep) * (upward ? 1 : -1);

    double value = colour::LeadingNumber(field.Text());
    if (beforeLimit(value)) value += step;
    if (fiveStep && pastLimit(value)) value = limit;  // steps of 5 stop at the limit
    if (tipp) moving = false;
    field.SetText(CounterText(value));
    if (!beforeLimit(value)) {
        moving = false;
        opposite = true;
        this->*counter.resumeUp = !upward;
    }
    if (tipp) {
        (this->*counter.timer).SetInterval(0);
        opposite = false;
    }
}
