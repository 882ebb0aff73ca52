// Long runs of the main window with checks after every step.
//
// The random session plays seeded random clicks and double-clicks on every
// box, check box and button (but "X L" and "&Ende"), keys (with and without
// modifiers) and pastes into the fields, and the passing of time, twice: once
// as the program runs, with timers that wait through ticks that cannot change
// anything, and once with every timer resumed before each step, as if it
// always ticked. Both runs must show the same in every control after every
// step, the window's invariants must hold, and memory must stay steady. A
// soak opens the session: the three counters sweep on and on.
//
// TESSIVO_SEED (default 20240607), TESSIVO_RANDOM_ACTIONS (default 40000) and
// TESSIVO_SOAK_TICKS (default 20000) size the runs; a failure names the step.
#include <fstream>
#include <random>

#include <unistd.h>

#include "test_support.h"

namespace test {
namespace {

std::size_t EnvNumber(const char* name, int fallback) {
    const int n = qEnvironmentVariableIntValue(name);
    return static_cast<std::size_t>(n > 0 ? n : fallback);
}

// Digits first (half of the keys typed), then what no field or only the code
// field takes, editing keys, keys without a character, chords and the editing shortcuts.
constexpr std::size_t kDigitKeys = 10;
const std::tuple<Qt::Key, const char*, Qt::KeyboardModifiers> kKeys[] = {
    {Qt::Key_0, "0", {}}, {Qt::Key_1, "1", {}}, {Qt::Key_2, "2", {}}, {Qt::Key_3, "3", {}}, {Qt::Key_4, "4", {}},
    {Qt::Key_5, "5", {}}, {Qt::Key_6, "6", {}}, {Qt::Key_7, "7", {}}, {Qt::Key_8, "8", {}}, {Qt::Key_9, "9", {}},
    {Qt::Key_A, "a", {}}, {Qt::Key_F, "F", Qt::ShiftModifier}, {Qt::Key_G, "g", {}}, {Qt::Key_Period, ".", {}},
    {Qt::Key_Space, " ", {}}, {Qt::Key_unknown, "\uff11", {}}, {Qt::Key_unknown, "\U0001F3A8", {}},
    {Qt::Key_Minus, "-", {}}, {Qt::Key_Minus, "-", Qt::ControlModifier | Qt::KeypadModifier},
    {Qt::Key_Backspace, "\b", {}}, {Qt::Key_Return, "\r", {}}, {Qt::Key_Enter, "\r", Qt::KeypadModifier},
    {Qt::Key_Delete, "\x7f", {}}, {Qt::Key_Left, "", {}}, {Qt::Key_End, "", {}}, {Qt::Key_Tab, "\t", {}},
    {Qt::Key_Q, "q", Qt::AltModifier}, {Qt::Key_7, "7", Qt::AltModifier}, {Qt::Key_B, "b", Qt::MetaModifier},
    {Qt::Key_A, "\x01", Qt::ControlModifier}, {Qt::Key_X, "\x18", Qt::ControlModifier},
    {Qt::Key_Z, "\x1a", Qt::ControlModifier}, {Qt::Key_Z, "\x1a", Qt::ControlModifier | Qt::ShiftModifier}};
const QString kPasted[] = {"", "   ", "-5", "1e400", "&HFFFF", "&O777", "12,5", "12.5", "254.6", "200\n",
                           "\r\n 77 ", "#ff8000\n", "abc", "\uff11\uff12", "\u05D0 12", QString(3000, u'9')};

enum class Kind { Click, DoubleClick, Tick, Key, Paste };
struct Action {
    Kind kind;
    std::size_t target;  // a control, or a field
    std::size_t detail;  // a key, a pasted text, or the order of the timers
};

std::vector<QWidget*> Clickable(frmFarben& form) {
    std::vector<QWidget*> all(form.txtFarbe.begin(), form.txtFarbe.end());
    all.insert(all.end(), form.txtFarbe16.begin(), form.txtFarbe16.end());
    all.insert(all.end(), {form.Check1, form.Check3, form.Check4, form.Check5, form.Check6, form.Check7, form.Check8});
    all.insert(all.end(), form.cmdFarben.begin(), form.cmdFarben.begin() + 10);
    return all;
}
std::array<tk::Timer*, 4> Timers(frmFarben& form) { return {&form.Timer1, &form.Timer2, &form.Timer3, &form.Timer4}; }
std::array<tk::TextBox*, 5> Fields(const frmFarben& form) {
    return {form.txtRGB[0], form.txtRGB[1], form.txtRGB[2], form.txtDecimal, form.txtFarbe[kCode]};
}

std::vector<Action> RandomActions(std::uint64_t seed, std::size_t count) {
    std::mt19937_64 random(seed);  // the same sequence on every platform
    const auto below = [&random](std::size_t n) { return static_cast<std::size_t>(random() % n); };
    std::vector<Action> actions;
    while (actions.size() < count) {
        const auto roll = below(100);
        const Kind kind = roll < 33 ? Kind::Click : roll < 37 ? Kind::DoubleClick : roll < 62 ? Kind::Tick
                          : roll < 92 ? Kind::Key : Kind::Paste;
        const std::size_t key = below(2) ? below(kDigitKeys) : below(std::size(kKeys));
        actions.push_back({kind, kind < Kind::Tick ? below(99) : below(5),
                           kind == Kind::Key ? key : below(kind == Kind::Tick ? 24 : std::size(kPasted))});
    }
    return actions;
}

void Perform(frmFarben& form, const Action& a, bool alwaysTicking) {
    tk::TextBox* const field = Fields(form)[a.target % 5];
    switch (a.kind) {
        case Kind::Click:
        case Kind::DoubleClick: (a.kind == Kind::Click ? Click : DoubleClick)(Clickable(form).at(a.target)); break;
        case Kind::Tick: {  // every running timer ticks twice in some order, the deferred update last
            auto t = Timers(form);
            for (std::size_t n = 0; n < a.detail; ++n) std::next_permutation(t.begin(), t.end());
            for (tk::Timer* timer : {t[0], t[1], t[2], t[3], t[0], t[1], t[2], t[3], &form.Timer4}) {
                if (alwaysTicking) timer->Resume();
                Tick(*timer);
            }
            break;
        }
        case Kind::Key: {
            const auto& [key, text, modifiers] = kKeys[a.detail];
            field->setFocus();
            QTest::sendKeyEvent(QTest::Click, field, key, QString::fromUtf8(text), modifiers);
            break;
        }
        case Kind::Paste: Paste(field, kPasted[a.detail]); break;
    }
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

// Plays the actions; one hash of every control after each step.
std::vector<std::size_t> Play(const std::vector<Action>& actions, bool alwaysTicking) {
    frmFarben form;
    EXPECT_TRUE(ShowActive(form));
    std::vector<std::size_t> hashes;
    for (std::size_t i = 0; i < actions.size(); ++i) {
        const Action& a = actions[i];
        if (alwaysTicking) for (tk::Timer* timer : Timers(form)) timer->Resume();
        Perform(form, a, alwaysTicking);
        const std::string wrong = Violation(form, a.kind == Kind::Tick);
        EXPECT_EQ(wrong, "") << "step " << i + 1 << ": " << Shown(form);
        if (!wrong.empty()) break;
        std::string controls = Shown(form);  // and every colour and check value
        for (QWidget* w : Clickable(form)) controls += w->property("checked").toString().toStdString();
        for (const tk::TextBox* box : form.txtFarbe) controls += " " + std::to_string(box->BackColor());
        hashes.push_back(std::hash<std::string>{}(controls));
        if (i % 256 == 255) QCoreApplication::sendPostedEvents();  // repaints, without timer events
    }
    return hashes;
}

long ResidentKiB() {
    long size = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> size >> resident;
    return resident * sysconf(_SC_PAGESIZE) / 1024;
}

// The soak first, on the new window: red by 1, green and blue by 5 in opposite directions.
TEST(RandomSession, WaitingTimersShowWhatAlwaysTickingTimersShowAndInvariantsHold) {
    const std::size_t seed = EnvNumber("TESSIVO_SEED", 20240607);
    std::vector<Action> actions = {{Kind::Click, 83, 0}, {Kind::Click, 91, 0}, {Kind::Click, 93, 0},
                                   {Kind::Click, 96, 0}};
    actions.resize(actions.size() + EnvNumber("TESSIVO_SOAK_TICKS", 20000), {Kind::Tick, 0, 0});
    const std::vector<Action> random = RandomActions(seed, EnvNumber("TESSIVO_RANDOM_ACTIONS", 40000));
    actions.insert(actions.end(), random.begin(), random.end());
    const std::vector<std::size_t> waiting = Play(actions, false);
    const long before = ResidentKiB();  // the first window leaves the allocations that stay
    const std::vector<std::size_t> ticking = Play(actions, true);
#if !defined(__SANITIZE_ADDRESS__)  // its quarantine holds freed memory
    EXPECT_LE(ResidentKiB() - before, 2048) << "KiB grown";
#endif
    ASSERT_EQ(waiting.size(), actions.size());
    const auto differ = std::mismatch(waiting.begin(), waiting.end(), ticking.begin(), ticking.end());
    EXPECT_EQ(differ.first, waiting.end()) << "the runs part after step " << differ.first - waiting.begin() + 1
                                           << " (TESSIVO_SEED=" << seed << ")";
}

}  // namespace
}  // namespace test
