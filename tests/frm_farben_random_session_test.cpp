// A long random session on the main window: clicks and double-clicks on the
// colour boxes, the check boxes and the buttons (all but "X L" and "&Ende"),
// keys and pastes into the fields, and ticks of the four timers, in a seeded
// random order. After every action the window's invariants are checked.
//
// TESSIVO_SEED (default 20240607) and TESSIVO_RANDOM_ACTIONS (default 100000)
// choose the session. A failure names the action after which a check failed;
// the same seed with TESSIVO_RANDOM_ACTIONS set to that action's number replays
// the shortest prefix of the session that fails. The seed is printed first, so
// that a crash can be replayed too.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "handler_nesting.h"
#include "test_support.h"

namespace test {
namespace {

constexpr int kColourBoxes = 82;  // txtFarbe 0-65, then txtFarbe16 0-15

// The deepest nesting the handlers can reach: a pasted decimal text above
// 16777215 runs its change handler (1), which corrects the text and so runs
// it again (2), whose DecimalToRgb unticks Check1 and runs its click handler (3).
constexpr int kMaxNesting = 3;

std::uint64_t EnvNumber(const char* name, std::uint64_t fallback) {
    bool ok = false;
    const qulonglong n = qgetenv(name).toULongLong(&ok);
    return ok ? n : fallback;
}

enum class Kind : std::uint8_t { Click, DoubleClick, Tick, CheckBox, Button, Key, Paste };

struct Action {
    Kind kind;
    std::uint8_t target;  // colour box, timer, check box, button or field
    std::uint8_t detail;  // key or pasted text
};

struct KeyStroke {
    Qt::Key key;
    const char* text;  // what the key types, UTF-8
    Qt::KeyboardModifiers modifiers = {};
};

// The ten digits first, then hex letters in both cases, signs, separators and
// other characters no field takes, editing keys, keys without a character,
// and the editing shortcuts.
constexpr int kDigitKeys = 10;
constexpr Qt::KeyboardModifiers kShift = Qt::ShiftModifier;
constexpr Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;
const KeyStroke kKeys[] = {
    {Qt::Key_0, "0"}, {Qt::Key_1, "1"}, {Qt::Key_2, "2"}, {Qt::Key_3, "3"}, {Qt::Key_4, "4"},
    {Qt::Key_5, "5"}, {Qt::Key_6, "6"}, {Qt::Key_7, "7"}, {Qt::Key_8, "8"}, {Qt::Key_9, "9"},
    {Qt::Key_A, "a"}, {Qt::Key_F, "F", kShift}, {Qt::Key_E, "e"}, {Qt::Key_G, "G", kShift},
    {Qt::Key_Minus, "-"}, {Qt::Key_Plus, "+", kShift}, {Qt::Key_Period, "."},
    {Qt::Key_Comma, ","}, {Qt::Key_Space, " "}, {Qt::Key_Ampersand, "&", kShift},
    {Qt::Key_Adiaeresis, "\u00e4"}, {Qt::Key_unknown, "\uff11"},  // full-width 1
    {Qt::Key_unknown, "\u0663"}, {Qt::Key_unknown, "\U0001F3A8"},  // Arabic-Indic 3, emoji
    {Qt::Key_Backspace, "\b"}, {Qt::Key_Backspace, "\b"}, {Qt::Key_Return, "\r"},
    {Qt::Key_Enter, "\r", Qt::KeypadModifier}, {Qt::Key_Delete, "\x7f"}, {Qt::Key_Left, ""},
    {Qt::Key_End, ""}, {Qt::Key_Tab, "\t"}, {Qt::Key_A, "\x01", kCtrl}, {Qt::Key_X, "\x18", kCtrl},
    {Qt::Key_Z, "\x1a", kCtrl}, {Qt::Key_Z, "\x1a", kCtrl | kShift}};
constexpr int kKeyCount = static_cast<int>(std::size(kKeys));

// The paste table's texts, and a few that do convert.
const std::vector<QString>& PastedTexts() {
    static const std::vector<QString> texts = [] {
        std::vector<QString> all = {"254.6", "255.5", "+7", "FF8000"};
        for (const PastedText& row : PasteTable()) all.push_back(row.text);
        return all;
    }();
    return texts;
}

std::vector<Action> RandomActions(std::uint64_t seed, std::size_t count) {
    std::mt19937_64 random(seed);  // its output is the same on every platform
    const auto below = [&random](std::uint64_t n) {
        return static_cast<std::uint8_t>(random() % n);
    };
    std::vector<Action> actions;
    actions.reserve(count);
    while (actions.size() < count) {
        const auto roll = random() % 100;
        if (roll < 22) {
            actions.push_back({Kind::Click, below(kColourBoxes), 0});
        } else if (roll < 26) {  // half of them on the custom slots
            const auto box = random() % 2 ? below(kColourBoxes)
                                          : static_cast<std::uint8_t>(kFirstSlot + below(16));
            actions.push_back({Kind::DoubleClick, box, 0});
        } else if (roll < 41) {
            actions.push_back({Kind::Tick, below(4), 0});
        } else if (roll < 47) {
            actions.push_back({Kind::CheckBox, below(7), 0});
        } else if (roll < 57) {
            actions.push_back({Kind::Button, below(10), 0});
        } else if (roll < 92) {  // half of the keys are digits
            const std::uint8_t key = random() % 2 ? below(kDigitKeys) : below(kKeyCount);
            actions.push_back({Kind::Key, below(5), key});
        } else {
            actions.push_back({Kind::Paste, below(5), below(PastedTexts().size())});
        }
    }
    return actions;
}

void Perform(frmFarben& form, const Action& a) {
    const int t = a.target;
    QWidget* const box = t < 66 ? static_cast<QWidget*>(form.txtFarbe[static_cast<std::size_t>(t)])
                                : form.txtFarbe16[static_cast<std::size_t>(t - 66)];
    tk::TextBox* const fields[] = {form.txtRGB[0], form.txtRGB[1], form.txtRGB[2],
                                   form.txtDecimal, form.txtFarbe[kCode]};
    tk::CheckBox* const checkBoxes[] = {form.Check1, form.Check3, form.Check4, form.Check5,
                                        form.Check6, form.Check7, form.Check8};
    void (frmFarben::*const ticks[])() = {&frmFarben::Timer1_Timer, &frmFarben::Timer2_Timer,
                                          &frmFarben::Timer3_Timer, &frmFarben::Timer4_Timer};
    switch (a.kind) {
        case Kind::Click: Click(box); break;
        case Kind::DoubleClick: DoubleClick(box); break;
        case Kind::Tick: (form.*ticks[t])(); break;
        case Kind::CheckBox: ClickCheckBox(checkBoxes[t]); break;
        case Kind::Button: Click(form.cmdFarben[a.target]); break;
        case Kind::Key: {
            const KeyStroke& k = kKeys[a.detail];
            fields[t]->setFocus();
            QTest::sendKeyEvent(QTest::Click, fields[t], k.key, QString::fromUtf8(k.text),
                                k.modifiers);
            break;
        }
        case Kind::Paste: Paste(fields[t], PastedTexts()[a.detail]); break;
    }
}

// The window's invariants after each action, with what an action may change:
// a store fills the first free slot and a double-click empties its slot;
// pasted text (or undo and redo bringing it back) may stand in a component.
class Session {
public:
    explicit Session(frmFarben& form) : mForm(form), mState(form) { mSlots.fill(kWhite); }

    // Runs one action and checks the window afterwards: what is wrong, or nothing.
    std::string Step(const Action& a) {
        const tk::ColourValue displayBefore = mForm.txtFarbe[kDisplay]->BackColor();
        const bool deferredTick = a.kind == Kind::Tick && a.target == 3;
        const bool tickWorks = deferredTick && DeferredUpdateWorks();
        const std::string before = Shown(mForm);
        Perform(mForm, a);

        if (a.kind == Kind::Button && a.target == 1) {
            const auto free = std::find(mSlots.begin(), mSlots.end(), kWhite);
            if (free != mSlots.end()) *free = displayBefore;
            slotsFilled += free != mSlots.end() && displayBefore != kWhite;
        }
        if (a.kind == Kind::DoubleClick && a.target >= kFirstSlot && a.target < kFirstSlot + 16) {
            mSlots[a.target - kFirstSlot] = kWhite;
        }
        const bool undoOrRedo = a.kind == Kind::Key && kKeys[a.detail].key == Qt::Key_Z;
        if ((a.kind == Kind::Paste || undoOrRedo) && a.target < 3) mMayHoldPaste[a.target] = true;

        const int deepest = tk::HandlerNesting::TakeDeepest();
        deepestNesting = std::max(deepestNesting, deepest);
        if (deepest > kMaxNesting || tk::HandlerNesting::Depth() != 0) {
            return "handler nesting " + std::to_string(deepest);
        }
        const tk::ColourValue display = mForm.txtFarbe[kDisplay]->BackColor();
        if (display < 0 || display > kWhite) return "display " + std::to_string(display);
        for (std::size_t k = 0; k < 3; ++k) {
            const std::string& text = mForm.txtRGB[k]->Text();
            const double value = colour::LeadingNumber(text);
            if (!(value >= 0 && value <= 255)) return "component out of range: " + Shown(mForm);
            if (text.find_first_not_of("0123456789") == std::string::npos) {
                mMayHoldPaste[k] = false;
            } else if (!mMayHoldPaste[k]) {
                return "component text without a paste: " + Shown(mForm);
            }
        }
        pastedTextsKept += mMayHoldPaste[0] || mMayHoldPaste[1] || mMayHoldPaste[2];
        const double decimal = colour::LeadingNumber(mForm.txtDecimal->Text());
        if (!(decimal >= 0 && decimal <= kWhite)) return "decimal out of range: " + Shown(mForm);
        if (mState.Updating()) return "mUpdating stayed true";
        for (int c = 0; c < 3; ++c) {
            if (mState.Up(c) && mState.Down(c)) {
                return "counter " + std::to_string(c) + " moves up and down";
            }
        }
        for (std::size_t s = 0; s < 16; ++s) {
            const tk::ColourValue slot = mForm.txtFarbe[kFirstSlot + s]->BackColor();
            if (slot != mSlots[s]) {
                return "slot " + std::to_string(s) + " holds " + std::to_string(slot) +
                       ", stores and double-clicks left " + std::to_string(mSlots[s]);
            }
        }
        if (tickWorks) return Disagreement(mForm);
        if (deferredTick && Shown(mForm) != before) return "a Timer4 tick with nothing to do wrote";
        return {};
    }

    // What the session went through, to show that it reached the states that matter.
    int deepestNesting = 0;
    long slotsFilled = 0;      // stores that put a colour into a slot
    long pastedTextsKept = 0;  // actions after which a component held pasted non-digit text

private:
    // Whether the next Timer4 tick recomputes the colour: armed, and all three
    // components read as whole numbers. Otherwise it leaves everything as it is.
    bool DeferredUpdateWorks() const {
        const auto converts = [](const tk::TextBox* f) {
            return colour::TextToInteger(f->Text()).has_value();
        };
        return mState.RgbActive() &&
               std::all_of(mForm.txtRGB.begin(), mForm.txtRGB.end(), converts);
    }

    frmFarben& mForm;
    frmFarbenInspector mState;
    std::array<tk::ColourValue, 16> mSlots{};
    std::array<bool, 3> mMayHoldPaste{};
};

TEST(RandomSession, WindowKeepsItsInvariantsThroughARandomSession) {
    const std::uint64_t seed = EnvNumber("TESSIVO_SEED", 20240607);
    const std::size_t count = EnvNumber("TESSIVO_RANDOM_ACTIONS", 100000);
    std::printf("random session: TESSIVO_SEED=%llu TESSIVO_RANDOM_ACTIONS=%zu\n",
                static_cast<unsigned long long>(seed), count);
    std::fflush(stdout);
    ::testing::Test::RecordProperty("seed", std::to_string(seed));
    ::testing::Test::RecordProperty("actions", std::to_string(count));

    const std::vector<Action> actions = RandomActions(seed, count);
    frmFarben form;
    ASSERT_TRUE(ShowActive(form));
    Session session(form);
    for (std::size_t i = 0; i < actions.size(); ++i) {
        const std::string wrong = session.Step(actions[i]);
        const Action& a = actions[i];
        ASSERT_TRUE(wrong.empty())
            << "after action " << i + 1 << " (kind " << static_cast<int>(a.kind) << ", target "
            << int{a.target} << ", detail " << int{a.detail} << "): " << wrong
            << "\nreplay with TESSIVO_SEED=" << seed << " TESSIVO_RANDOM_ACTIONS=" << i + 1;
        // Repaints and other posted work, without timer events, which would
        // make the session depend on the clock.
        if (i % 256 == 255) QCoreApplication::sendPostedEvents();
    }
    std::printf("random session: all checks held; deepest handler nesting %d, %ld slots filled, "
                "pasted text kept in a component after %ld actions\n",
                session.deepestNesting, session.slotsFilled, session.pastedTextsKept);
    // A long session reaches the deep handler chains, stores colours and
    // keeps pasted text; otherwise the actions did not arrive where meant.
    if (count >= 10000) {
        EXPECT_EQ(session.deepestNesting, kMaxNesting);
        EXPECT_GT(session.slotsFilled, 0);
        EXPECT_GT(session.pastedTextsKept, 0);
    }
}

}  // namespace
}  // namespace test
