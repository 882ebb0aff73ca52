// Long runs of the main window with checks after every step.
//
// The random session plays seeded random clicks and double-clicks on every
// box, check box and button (but "X L" and "&Ende"), keys (with and without
// modifiers) and pastes into the fields, and the passing of time, twice: once
// as the program runs, with timers that wait through ticks that cannot change
// anything, and once with every timer resumed before each step, as if it
// always ticked. Both runs must show the same in every control after every
// step, and the window's invariants must hold. A soak opens the session: the
// three counters sweep on and on.
//
// TESSIVO_SEED (default 20240607), TESSIVO_RANDOM_ACTIONS (default 40000) and
// TESSIVO_SOAK_TICKS (default 20000) size the runs; a failure names the step.
#include <random>

#include "test_support.h"

namespace test {
namespace {

std::size_t EnvNumber(const char* name, int fallback) {
    const int n = qEnvironmentVariableIntValue(name);
    return static_cast<std::size_t>(n > 0 ? n : fallback);
}

// Digits half of the time, else what no field or only the code field takes, editing keys, keys without a
// character, chords and the editing shortcuts.
using Key = std::tuple<Qt::Key, const char*, Qt::KeyboardModifiers>;
const Key kKeys[] = {{Qt::Key_A, "a", {}}, {Qt::Key_F, "F", Qt::ShiftModifier}, {Qt::Key_G, "g", {}},
    {Qt::Key_Period, ".", {}}, {Qt::Key_Space, " ", {}}, {Qt::Key_unknown, "\uff11", {}},
    {Qt::Key_unknown, "\U0001F3A8", {}}, {Qt::Key_Minus, "-", {}},
    {Qt::Key_Minus, "-", Qt::ControlModifier | Qt::KeypadModifier}, {Qt::Key_Backspace, "\b", {}},
    {Qt::Key_Return, "\r", {}}, {Qt::Key_Enter, "\r", Qt::KeypadModifier}, {Qt::Key_Delete, "\x7f", {}},
    {Qt::Key_Left, "", {}}, {Qt::Key_End, "", {}}, {Qt::Key_Tab, "\t", {}}, {Qt::Key_Q, "q", Qt::AltModifier},
    {Qt::Key_7, "7", Qt::AltModifier}, {Qt::Key_B, "b", Qt::MetaModifier}, {Qt::Key_A, "\x01", Qt::ControlModifier},
    {Qt::Key_X, "\x18", Qt::ControlModifier}, {Qt::Key_Z, "\x1a", Qt::ControlModifier},
    {Qt::Key_Z, "\x1a", Qt::ControlModifier | Qt::ShiftModifier}};
const QString kPasted[] = {"", "-5", "1e400", "254.6", "\r\n 77 ", "#ff8000\n", "abc", "\u05D0 12", QString(3000, u'9')};

std::array<tk::TextBox*, 5> Fields(const frmFarben& form) {
    return {form.txtRGB[0], form.txtRGB[1], form.txtRGB[2], form.txtDecimal, form.txtFarbe[kCode]};
}

bool AllOf(const std::string& text, const char* alphabet) { return text.find_first_not_of(alphabet) == text.npos; }

// What is wrong with the window, or nothing. No field holds what its filter
// refuses, however the text came in. Once time has passed, every notation
// shows the colour of the components, if the deferred update runs.
std::string Violation(const frmFarben& form, bool timePassed) {
    const frmFarbenInspector state(form);
    const tk::ColourValue display = form.txtFarbe[kDisplay]->BackColor();
    for (std::size_t i = 0; i < 4; ++i) {
        const double value = colour::LeadingNumber(Fields(form)[i]->Text());
        if (!(value >= 0 && value <= (i < 3 ? 255 : kWhite))) return "number out of range";
        if (!AllOf(Fields(form)[i]->Text(), "0123456789")) return "a field holds a refused character";
    }
    if (!AllOf(form.txtFarbe[kCode]->Text(), "0123456789ABCDEF")) return "the code field holds a refused character";
    std::optional<std::int32_t> r, g, b;
    if (timePassed && state.RgbActive() && (r = colour::TextToInteger(form.txtRGB[0]->Text())) &&
        (g = colour::TextToInteger(form.txtRGB[1]->Text())) && (b = colour::TextToInteger(form.txtRGB[2]->Text())) &&
        (display != *r + 256 * *g + 65536 * *b || form.txtDecimal->Text() != colour::DecimalText(display) ||
         form.txtFarbe[kCode]->Text() != colour::HexCodeFromColourValue(display))) {
        return "the notations disagree";
    }
    const std::string flags = state.Flags(0) + " " + state.Flags(1) + " " + state.Flags(2);
    if (flags.find("UD") != std::string::npos) return "a counter moves up and down";
    return state.Updating() ? "mUpdating stayed true" : "";
}

// One run: the soak, the three counters sweeping (red by 1, green and blue by 5 in opposite directions),
// then seeded random actions, drawn alike in both runs; one hash of every control after each step.
std::vector<std::size_t> Play(std::uint64_t seed, std::size_t soak, std::size_t steps, bool alwaysTicking) {
    frmFarben form;
    EXPECT_TRUE(ShowActive(form));
    std::mt19937_64 random(seed);  // the same sequence on every platform
    const auto below = [&random](std::size_t n) { return static_cast<std::size_t>(random() % n); };
    std::vector<QWidget*> clickable(form.txtFarbe.begin(), form.txtFarbe.end());  // but "X L" and "&Ende"
    clickable.insert(clickable.end(), form.txtFarbe16.begin(), form.txtFarbe16.end());
    clickable.insert(clickable.end(), {form.Check1, form.Check3, form.Check4, form.Check5, form.Check6, form.Check7,
                                       form.Check8});
    clickable.insert(clickable.end(), form.cmdFarben.begin(), form.cmdFarben.begin() + 10);
    for (const std::size_t counter : {83, 91, 93, 96}) Click(clickable[counter]);  // 5-er red; red, green up; blue down
    std::array timers = {&form.Timer1, &form.Timer2, &form.Timer3, &form.Timer4};
    std::vector<std::size_t> hashes;
    for (std::size_t i = 0; i < soak + steps; ++i) {
        if (alwaysTicking) for (tk::Timer* timer : timers) timer->Resume();
        const std::size_t roll = i < soak ? 50 : below(100), pick = below(99), detail = below(24);
        tk::TextBox* const field = Fields(form)[pick % 5];
        if (roll < 37) {
            (roll < 33 ? Click : DoubleClick)(clickable.at(pick));
        } else if (roll < 62) {  // every running timer ticks twice in some order, the deferred update last
            for (std::size_t n = 0; n < detail; ++n) std::next_permutation(timers.begin(), timers.end());
            for (tk::Timer* timer : {timers[0], timers[1], timers[2], timers[3], timers[0], timers[1], timers[2],
                                     timers[3], &form.Timer4}) {
                if (alwaysTicking) timer->Resume();
                Tick(*timer);
            }
        } else if (roll < 92) {
            const bool digit = below(2);
            const Key typed{Qt::Key(Qt::Key_0 + detail % 10), "0123456789" + detail % 10, {}};
            const auto [key, text, modifiers] = digit ? typed : kKeys[detail % std::size(kKeys)];
            field->setFocus();
            QTest::sendKeyEvent(QTest::Click, field, key, QString::fromUtf8(text, digit ? 1 : -1), modifiers);
        } else {
            Paste(field, kPasted[detail % std::size(kPasted)]);
        }
        const std::string wrong = Violation(form, roll >= 37 && roll < 62);
        EXPECT_EQ(wrong, "") << "step " << i + 1 << ": " << Shown(form);
        if (!wrong.empty()) break;
        std::string controls = Shown(form);  // and every colour and check value
        for (QWidget* w : clickable) controls += w->property("checked").toString().toStdString();
        for (const tk::TextBox* box : form.txtFarbe) controls += " " + std::to_string(box->BackColor());
        hashes.push_back(std::hash<std::string>{}(controls));
        if (i % 256 == 255) QCoreApplication::sendPostedEvents();  // repaints, without timer events
    }
    return hashes;
}

TEST(RandomSession, WaitingTimersShowWhatAlwaysTickingTimersShowAndInvariantsHold) {
    const std::size_t seed = EnvNumber("TESSIVO_SEED", 20240607), soak = EnvNumber("TESSIVO_SOAK_TICKS", 20000),
                      steps = EnvNumber("TESSIVO_RANDOM_ACTIONS", 40000);
    const std::vector<std::size_t> waiting = Play(seed, soak, steps, false), ticking = Play(seed, soak, steps, true);
    ASSERT_EQ(waiting.size(), soak + steps);
    const auto differ = std::mismatch(waiting.begin(), waiting.end(), ticking.begin(), ticking.end());
    EXPECT_EQ(differ.first, waiting.end()) << "the runs part after step " << differ.first - waiting.begin() + 1
                                           << " (TESSIVO_SEED=" << seed << ")";
}

}  // namespace
}  // namespace test
