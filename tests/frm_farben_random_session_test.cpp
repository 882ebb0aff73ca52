// A long random session on the main window: clicks and double-clicks on the
// colour boxes, the check boxes and the buttons (all but "X L" and "&Ende"),
// keys and pastes into the fields, and ticks of the four timers, in a seeded
// random order. After every action the window's invariants are checked; a
// failure names the seed and the shortest action sequence found that fails.
//
// TESSIVO_SEED (default 20240607) and TESSIVO_RANDOM_ACTIONS (default 100000)
// choose the session; TESSIVO_SHRINK_SECONDS (default 60) bounds the search
// for a shorter failing sequence.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QKeySequence>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <algorithm>
#include <array>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <random>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

#include "colour_value.h"
#include "frm_farben.h"
#include "frm_farben_inspector.h"
#include "handler_nesting.h"

// Set by the sanitizer runtimes only; called when they end the process.
extern "C" void __sanitizer_set_death_callback(void (*callback)()) __attribute__((weak));

namespace {

using colour::LeadingNumber;
using colour::TextToInteger;

constexpr tk::ColourValue kWhite = colour::kWhite;
constexpr std::size_t kDisplay = 64;
constexpr std::size_t kCode = 65;
constexpr std::size_t kFirstSlot = 48;
constexpr int kColourBoxes = 82;  // txtFarbe 0-65, then txtFarbe16 0-15

// The deepest nesting the handlers can reach: a pasted decimal text above
// 16777215 runs its change handler (1), which corrects the text and so runs
// it again (2), whose DecimalToRgb unticks Check1 and runs its click handler (3).
constexpr int kMaxNesting = 3;

std::uint64_t EnvNumber(const char* name, std::uint64_t fallback) {
    const QByteArray value = qgetenv(name);
    bool ok = false;
    const qulonglong n = value.toULongLong(&ok);
    return ok ? n : fallback;
}

// --- Actions -----------------------------------------------------------------
enum class Kind : std::uint8_t { Click, DoubleClick, Tick, CheckBox, Button, Key, Paste };

struct Action {
    Kind kind;
    std::uint8_t target;  // colour box, timer, check box, button or field
    std::uint8_t detail;  // key or pasted text
};

struct KeyStroke {
    Qt::Key key;
    const char* text;  // what the key types, UTF-8
    Qt::KeyboardModifiers modifiers;
    bool bringsBackText;  // undo and redo restore earlier text, a paste included
};

constexpr int kDigitKeys = 10;  // details 0-9 are the digits, then kKeys
const KeyStroke kKeys[] = {{Qt::Key_A, "a", {}, false},
                           {Qt::Key_F, "f", {}, false},
                           {Qt::Key_E, "e", {}, false},
                           {Qt::Key_X, "x", {}, false},
                           {Qt::Key_F, "F", Qt::ShiftModifier, false},
                           {Qt::Key_G, "G", Qt::ShiftModifier, false},
                           {Qt::Key_H, "H", Qt::ShiftModifier, false},
                           {Qt::Key_Minus, "-", {}, false},
                           {Qt::Key_Plus, "+", Qt::ShiftModifier, false},
                           {Qt::Key_Period, ".", {}, false},
                           {Qt::Key_Comma, ",", {}, false},
                           {Qt::Key_Space, " ", {}, false},
                           {Qt::Key_NumberSign, "#", {}, false},
                           {Qt::Key_Ampersand, "&", Qt::ShiftModifier, false},
                           {Qt::Key_Adiaeresis, "\u00e4", {}, false},
                           {Qt::Key_unknown, "\u20ac", {}, false},
                           {Qt::Key_unknown, "\uff11", {}, false},      // full-width 1
                           {Qt::Key_unknown, "\u0663", {}, false},      // Arabic-Indic 3
                           {Qt::Key_unknown, "\U0001F3A8", {}, false},  // an emoji
                           {Qt::Key_Backspace, "\b", {}, false},
                           {Qt::Key_Backspace, "\b", {}, false},
                           {Qt::Key_Return, "\r", {}, false},
                           {Qt::Key_Enter, "\r", Qt::KeypadModifier, false},
                           {Qt::Key_Delete, "\x7f", {}, false},
                           {Qt::Key_Left, "", {}, false},
                           {Qt::Key_Right, "", {}, false},
                           {Qt::Key_Home, "", {}, false},
                           {Qt::Key_End, "", {}, false},
                           {Qt::Key_Tab, "\t", {}, false},
                           {Qt::Key_Escape, "\x1b", {}, false},
                           {Qt::Key_A, "\x01", Qt::ControlModifier, false},
                           {Qt::Key_X, "\x18", Qt::ControlModifier, false},
                           {Qt::Key_C, "\x03", Qt::ControlModifier, false},
                           {Qt::Key_Z, "\x1a", Qt::ControlModifier, true},
                           {Qt::Key_Z, "\x1a", Qt::ControlModifier | Qt::ShiftModifier, true}};
constexpr int kKeyCount = kDigitKeys + static_cast<int>(std::size(kKeys));

struct Hostile {
    QString text;
    const char* name;  // as the failure report shows it
};

const std::vector<Hostile>& PastedTexts() {
    static const std::vector<Hostile> texts = {
        {"-5", "-5"},
        {"1e400", "1e400"},
        {"-1e400", "-1e400"},
        {"&HFFFF", "&HFFFF"},
        {"&HFFFFFFFF", "&HFFFFFFFF"},
        {"&O777", "&O777"},
        {"&H123456789ABC", "&H123456789ABC"},
        {"&H7F", "&H7F"},
        {"abc", "abc"},
        {"12.5", "12.5"},
        {"12,5", "12,5"},
        {"", "(empty)"},
        {"   ", "(three blanks)"},
        {"-0", "-0"},
        {"254.6", "254.6"},
        {"255.5", "255.5"},
        {"0.5", "0.5"},
        {"1e-400", "1e-400"},
        {"+7", "+7"},
        {"007", "007"},
        {"300", "300"},
        {"16777216", "16777216"},
        {"99999999999", "99999999999"},
        {"nan", "nan"},
        {"inf", "inf"},
        {"FF8000", "FF8000"},
        {"ff8000", "ff8000"},
        {"12 34", "12 34"},
        {"\t9\n", "<TAB>9<LF>"},
        {QStringLiteral("12") + QChar(u'\0') + QStringLiteral("34"), "12<NUL>34"},
        {QString::fromUtf8("\U0001F3A8"), "<emoji>"},
        {QString::fromUtf8("\u0661\u0662"), "<Arabic-Indic 12>"},
        {QString::fromUtf8("\uff11\uff12\uff13"), "<full-width 123>"},
        {QString::fromUtf8("\u202e128"), "<right-to-left override>128"},
        {QString(10000, QLatin1Char('9')), "<10000 nines>"},
        {QString(10000, QLatin1Char('x')), "<10000 x>"}};
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
            const std::uint8_t box = random() % 2
                                         ? below(kColourBoxes)
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

std::string FieldName(int field) {
    static const char* const kNames[] = {"txtRGB(0)", "txtRGB(1)", "txtRGB(2)", "txtDecimal",
                                         "txtFarbe(65)"};
    return kNames[field];
}

std::string Describe(const Action& a) {
    const int t = a.target;
    const std::string box = t < 66 ? "txtFarbe(" + std::to_string(t) + ")"
                                   : "txtFarbe16(" + std::to_string(t - 66) + ")";
    switch (a.kind) {
        case Kind::Click: return "click " + box;
        case Kind::DoubleClick: return "double-click " + box;
        case Kind::Tick: return "Timer" + std::to_string(t + 1) + "_Timer()";
        case Kind::CheckBox: return "click Check" + std::to_string(t == 0 ? 1 : t + 2);
        case Kind::Button: return "click cmdFarben(" + std::to_string(t) + ")";
        case Kind::Key: {
            std::string name;
            if (a.detail < kDigitKeys) {
                name = std::to_string(a.detail);
            } else {
                const KeyStroke& k = kKeys[a.detail - kDigitKeys];
                const QKeyCombination combination(k.modifiers & ~Qt::KeypadModifier, k.key);
                name = k.key == Qt::Key_unknown
                           ? k.text
                           : QKeySequence(combination).toString().toStdString();
            }
            return "key " + name + " in " + FieldName(t);
        }
        case Kind::Paste:
            return "paste \"" + std::string(PastedTexts()[a.detail].name) + "\" into " +
                   FieldName(t);
    }
    return {};
}

// --- The session -------------------------------------------------------------
// What a session went through, to show that it reached the states that matter.
struct Coverage {
    int deepestNesting = 0;
    long colourChanges = 0;    // actions after which the display showed another colour
    long slotsFilled = 0;      // stores that put a colour into a slot
    long pastedTextsKept = 0;  // actions after which a component held pasted non-digit text
};

struct Failure {
    std::size_t index;  // of the action after which a check failed
    std::string check;  // which check
    std::string detail;
};

class Session {
public:
    explicit Session(frmFarben& form) : mForm(form), mState(form) {
        for (std::size_t i = 0; i < mForm.txtFarbe.size(); ++i) {
            mDesign[i] = mForm.txtFarbe[i]->BackColor();
        }
        for (std::size_t i = 0; i < mForm.txtFarbe16.size(); ++i) {
            mDesign[66 + i] = mForm.txtFarbe16[i]->BackColor();
        }
        mSlots.fill(kWhite);
    }

    // Runs one action and checks the window afterwards; the name of the
    // first check that fails, and what it found.
    std::optional<std::pair<std::string, std::string>> Step(const Action& a) {
        const tk::ColourValue displayBefore = mForm.txtFarbe[kDisplay]->BackColor();
        const bool deferredTick = a.kind == Kind::Tick && a.target == 3;
        const bool tickWorks = deferredTick && DeferredUpdateWorks();
        const std::vector<std::string> notationsBefore =
            deferredTick ? Notations() : std::vector<std::string>{};
        const bool checkedBefore = a.kind == Kind::CheckBox && CheckBox(a.target)->isChecked();
        Perform(a);

        // What the action may change: a store fills the first free slot, a
        // double-click empties its slot; pasted text (or undo bringing it back)
        // may stand in a component field.
        if (a.kind == Kind::Button && a.target == 1) {
            for (tk::ColourValue& slot : mSlots) {
                if (slot == kWhite) {
                    slot = displayBefore;
                    mCoverage.slotsFilled += displayBefore != kWhite;
                    break;
                }
            }
        }
        if (a.kind == Kind::DoubleClick && a.target >= kFirstSlot && a.target < kFirstSlot + 16) {
            mSlots[a.target - kFirstSlot] = kWhite;
        }
        const bool restores = a.kind == Kind::Key && a.detail >= kDigitKeys &&
                              kKeys[a.detail - kDigitKeys].bringsBackText;
        if ((a.kind == Kind::Paste || restores) && a.target < 3) mMayHoldPaste[a.target] = true;

        const int deepest = tk::HandlerNesting::TakeDeepest();
        mCoverage.deepestNesting = std::max(mCoverage.deepestNesting, deepest);
        if (deepest > kMaxNesting || tk::HandlerNesting::Depth() != 0) {
            return Fail("nesting", "depth " + std::to_string(deepest) + ", " +
                                       std::to_string(tk::HandlerNesting::Depth()) + " still open");
        }
        if (a.kind == Kind::CheckBox && CheckBox(a.target)->isChecked() == checkedBefore) {
            return Fail("check box", "the click did not toggle it");
        }
        const tk::ColourValue display = mForm.txtFarbe[kDisplay]->BackColor();
        if (display < 0 || display > kWhite) return Fail("display range", std::to_string(display));
        mCoverage.colourChanges += display != displayBefore;
        for (std::size_t k = 0; k < 3; ++k) {
            const std::string& text = mForm.txtRGB[k]->Text();
            const double value = LeadingNumber(text);
            if (!(value >= 0 && value <= 255)) {
                return Fail("component range",
                            FieldName(static_cast<int>(k)) + " \"" + text + "\"");
            }
            if (text.find_first_not_of("0123456789") == std::string::npos) {
                mMayHoldPaste[k] = false;
            } else if (!mMayHoldPaste[k]) {
                return Fail("component text",
                            FieldName(static_cast<int>(k)) + " \"" + text + "\" without a paste");
            }
        }
        mCoverage.pastedTextsKept += mMayHoldPaste[0] || mMayHoldPaste[1] || mMayHoldPaste[2];
        const double decimal = LeadingNumber(mForm.txtDecimal->Text());
        if (!(decimal >= 0 && decimal <= kWhite)) {
            return Fail("decimal range", mForm.txtDecimal->Text());
        }
        if (mState.Updating()) return Fail("updating", "mUpdating stayed true");
        for (int c = 0; c < 3; ++c) {
            if (mState.Up(c) && mState.Down(c)) {
                return Fail("counter", "counter " + std::to_string(c) + " moves up and down");
            }
        }
        for (std::size_t s = 0; s < 16; ++s) {
            const tk::ColourValue slot = mForm.txtFarbe[kFirstSlot + s]->BackColor();
            if (slot != mSlots[s]) {
                return Fail("custom slot", "slot " + std::to_string(kFirstSlot + s) + " is " +
                                               std::to_string(slot) + ", expected " +
                                               std::to_string(mSlots[s]));
            }
        }
        for (std::size_t i = 0; i < mDesign.size(); ++i) {
            if (i >= kFirstSlot && i < kDisplay + 2) continue;  // slots, display, code field
            const tk::ColourValue now =
                i < 66 ? mForm.txtFarbe[i]->BackColor() : mForm.txtFarbe16[i - 66]->BackColor();
            if (now != mDesign[i]) {
                return Fail("fixed colours", "box " + std::to_string(i) + " changed colour");
            }
        }
        if (tickWorks) return CheckAgreement();
        if (deferredTick && Notations() != notationsBefore) {
            return Fail("idle tick", "a Timer4 tick with nothing to do changed the colour");
        }
        return std::nullopt;
    }

    const Coverage& Covered() const { return mCoverage; }

private:
    using Result = std::optional<std::pair<std::string, std::string>>;
    static Result Fail(std::string check, std::string detail) {
        return std::make_pair(std::move(check), std::move(detail));
    }

    QWidget* Box(int t) const {
        return t < 66 ? static_cast<QWidget*>(mForm.txtFarbe[static_cast<std::size_t>(t)])
                      : mForm.txtFarbe16[static_cast<std::size_t>(t - 66)];
    }
    tk::CheckBox* CheckBox(int t) const {
        tk::CheckBox* const boxes[] = {mForm.Check1, mForm.Check3, mForm.Check4, mForm.Check5,
                                       mForm.Check6, mForm.Check7, mForm.Check8};
        return boxes[t];
    }
    tk::TextBox* Field(int t) const {
        return t < 3    ? mForm.txtRGB[static_cast<std::size_t>(t)]
               : t == 3 ? mForm.txtDecimal
                        : mForm.txtFarbe[kCode];
    }

    void Perform(const Action& a) {
        switch (a.kind) {
            case Kind::Click: QTest::mouseClick(Box(a.target), Qt::LeftButton); break;
            case Kind::DoubleClick: {
                // What a real double-click delivers: press, release, double-click, release.
                QWidget* box = Box(a.target);
                QTest::mousePress(box, Qt::LeftButton);
                QTest::mouseRelease(box, Qt::LeftButton);
                QTest::mouseDClick(box, Qt::LeftButton);
                QTest::mouseRelease(box, Qt::LeftButton);
                break;
            }
            case Kind::Tick: {
                static constexpr void (frmFarben::*kTicks[])() = {
                    &frmFarben::Timer1_Timer, &frmFarben::Timer2_Timer, &frmFarben::Timer3_Timer,
                    &frmFarben::Timer4_Timer};
                (mForm.*kTicks[a.target])();
                break;
            }
            case Kind::CheckBox: {
                // Aimed at the box itself: the centre of a wide check box is no hit.
                tk::CheckBox* box = CheckBox(a.target);
                QStyleOptionButton option;
                option.initFrom(box);
                const QRect tick =
                    box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
                QTest::mouseClick(box, Qt::LeftButton, {}, tick.center());
                break;
            }
            case Kind::Button: QTest::mouseClick(mForm.cmdFarben[a.target], Qt::LeftButton); break;
            case Kind::Key: {
                tk::TextBox* field = Field(a.target);
                field->setFocus();
                if (a.detail < kDigitKeys) {
                    const char digit[] = {static_cast<char>('0' + a.detail), 0};
                    QTest::sendKeyEvent(QTest::Click, field,
                                        static_cast<Qt::Key>(Qt::Key_0 + a.detail),
                                        QString::fromLatin1(digit), {});
                } else {
                    const KeyStroke& k = kKeys[a.detail - kDigitKeys];
                    QTest::sendKeyEvent(QTest::Click, field, k.key, QString::fromUtf8(k.text),
                                        k.modifiers);
                }
                break;
            }
            case Kind::Paste: {
                tk::TextBox* field = Field(a.target);
                QGuiApplication::clipboard()->setText(PastedTexts()[a.detail].text);
                field->setFocus();
                QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
                break;
            }
        }
    }

    // Whether the next Timer4 tick recomputes the colour: armed, and all three
    // components read as whole numbers. Otherwise it leaves everything as it is.
    bool DeferredUpdateWorks() const {
        if (!mState.RgbActive()) return false;
        for (const tk::TextBox* field : mForm.txtRGB) {
            if (!TextToInteger(field->Text())) return false;
        }
        return true;
    }

    // The display colour and the texts of every notation.
    std::vector<std::string> Notations() const {
        return {std::to_string(mForm.txtFarbe[kDisplay]->BackColor()),
                mForm.txtFarbe[kCode]->Text(),
                mForm.txtDecimal->Text(),
                mForm.txtRGB[0]->Text(),
                mForm.txtRGB[1]->Text(),
                mForm.txtRGB[2]->Text()};
    }

    // After a tick that recomputed the colour, every notation shows it.
    Result CheckAgreement() const {
        std::int64_t composed = 0;
        for (std::size_t k = 0; k < 3; ++k) {
            const auto value = TextToInteger(mForm.txtRGB[k]->Text());
            if (!value) {
                return Fail("agreement",
                            FieldName(static_cast<int>(k)) + " no longer reads as a number");
            }
            composed += std::int64_t{*value} << (8 * k);
        }
        const tk::ColourValue display = mForm.txtFarbe[kDisplay]->BackColor();
        const std::string code = mForm.txtFarbe[kCode]->Text();
        const std::string decimal = mForm.txtDecimal->Text();
        if (display != composed || code != colour::HexCodeFromColourValue(display) ||
            decimal != colour::DecimalText(display)) {
            return Fail("agreement", "components " + std::to_string(composed) + ", display " +
                                         std::to_string(display) + ", code \"" + code +
                                         "\", decimal \"" + decimal + "\"");
        }
        return std::nullopt;
    }

    frmFarben& mForm;
    frmFarbenInspector mState;
    std::array<tk::ColourValue, kColourBoxes> mDesign{};
    std::array<tk::ColourValue, 16> mSlots{};
    std::array<bool, 3> mMayHoldPaste{};
    Coverage mCoverage;
};

// --- Reporting a crash -------------------------------------------------------
std::uint64_t gSeed = 0;
volatile std::size_t gCurrentAction = 0;
volatile bool gRunning = false;

void WriteNumber(std::uint64_t n) {
    char digits[24];
    int length = 0;
    do {
        digits[length++] = static_cast<char>('0' + n % 10);
        n /= 10;
    } while (n != 0);
    while (length > 0) (void)!write(STDERR_FILENO, &digits[--length], 1);
}

void WriteText(const char* text) {
    (void)!write(STDERR_FILENO, text, std::char_traits<char>::length(text));
}

void ReportCrash() {
    if (!gRunning) return;
    WriteText("\nrandom session ended abnormally during action ");
    WriteNumber(gCurrentAction);
    WriteText("; to replay it: TESSIVO_SEED=");
    WriteNumber(gSeed);
    WriteText(" TESSIVO_RANDOM_ACTIONS=");
    WriteNumber(gCurrentAction + 1);
    WriteText("\n");
}

void OnFatalSignal(int signal) {
    ReportCrash();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void ReportCrashes() {
    if (__sanitizer_set_death_callback) {
        __sanitizer_set_death_callback(&ReportCrash);  // the sanitizer handles the signals
        return;
    }
    for (int signal : {SIGSEGV, SIGABRT, SIGFPE, SIGILL, SIGBUS}) {
        std::signal(signal, &OnFatalSignal);
    }
}

// --- Running and shrinking -------------------------------------------------
struct Outcome {
    std::optional<Failure> failure;
    Coverage coverage;
};

Outcome RunSession(const std::vector<Action>& actions) {
    frmFarben form;
    form.show();
    form.activateWindow();
    if (!QTest::qWaitForWindowActive(&form)) {
        return {Failure{0, "setup", "the window did not become active"}, {}};
    }
    Session session(form);
    gRunning = true;
    for (std::size_t i = 0; i < actions.size(); ++i) {
        gCurrentAction = i;
        if (auto failed = session.Step(actions[i])) {
            gRunning = false;
            return {Failure{i, failed->first, failed->second}, session.Covered()};
        }
        // Repaints and other posted work, without timer events, which would
        // make the session depend on the clock.
        if (i % 256 == 255) QCoreApplication::sendPostedEvents();
    }
    gRunning = false;
    return {std::nullopt, session.Covered()};
}

// Drops ever smaller runs of actions as long as the same check still fails,
// and cuts the sequence after the failing action each time.
std::vector<Action> Shrink(std::vector<Action> actions, const std::string& check,
                           std::chrono::seconds budget) {
    const auto deadline = std::chrono::steady_clock::now() + budget;
    for (std::size_t chunk = actions.size() / 2; chunk >= 1; chunk /= 2) {
        for (std::size_t start = 0; start + 1 < actions.size();) {
            if (std::chrono::steady_clock::now() > deadline) return actions;
            std::vector<Action> candidate(actions.begin(),
                                          actions.begin() + static_cast<std::ptrdiff_t>(start));
            const std::size_t resume = std::min(start + chunk, actions.size() - 1);
            candidate.insert(candidate.end(), actions.begin() + static_cast<std::ptrdiff_t>(resume),
                             actions.end());
            const Outcome outcome = RunSession(candidate);
            if (outcome.failure && outcome.failure->check == check) {
                candidate.resize(outcome.failure->index + 1);
                actions = std::move(candidate);
            } else {
                start += chunk;
            }
        }
    }
    return actions;
}

TEST(RandomSession, WindowKeepsItsInvariantsThroughARandomSession) {
    gSeed = EnvNumber("TESSIVO_SEED", 20240607);
    const std::size_t count = EnvNumber("TESSIVO_RANDOM_ACTIONS", 100000);
    std::printf("random session: seed %llu (TESSIVO_SEED), %zu actions (TESSIVO_RANDOM_ACTIONS)\n",
                static_cast<unsigned long long>(gSeed), count);
    std::fflush(stdout);
    ::testing::Test::RecordProperty("seed", std::to_string(gSeed));
    ::testing::Test::RecordProperty("actions", std::to_string(count));
    ReportCrashes();

    const std::vector<Action> actions = RandomActions(gSeed, count);
    const Outcome outcome = RunSession(actions);
    if (!outcome.failure) {
        const Coverage& c = outcome.coverage;
        std::printf(
            "random session: all checks held; deepest handler nesting %d, %ld colour changes, "
            "%ld slots filled, pasted text kept in a component after %ld actions\n",
            c.deepestNesting, c.colourChanges, c.slotsFilled, c.pastedTextsKept);
        // A long session reaches the deep handler chains, stores colours and
        // keeps pasted text; otherwise the actions did not arrive where meant.
        if (count >= 10000) {
            EXPECT_GE(c.deepestNesting, 3);
            EXPECT_GT(c.slotsFilled, 0);
            EXPECT_GT(c.pastedTextsKept, 0);
        }
        return;
    }
    const Failure& first = *outcome.failure;
    std::vector<Action> prefix(actions.begin(),
                               actions.begin() + static_cast<std::ptrdiff_t>(first.index + 1));
    const auto budget = std::chrono::seconds(EnvNumber("TESSIVO_SHRINK_SECONDS", 60));
    const std::vector<Action> shortest = Shrink(prefix, first.check, budget);
    std::string steps;
    for (std::size_t i = 0; i < shortest.size(); ++i) {
        steps += "  " + std::to_string(i + 1) + ". " + Describe(shortest[i]) + "\n";
    }
    ADD_FAILURE() << "seed " << gSeed << ": check \"" << first.check << "\" failed after action "
                  << first.index << " (" << Describe(actions[first.index]) << "): " << first.detail
                  << "\nTESSIVO_SEED=" << gSeed << " TESSIVO_RANDOM_ACTIONS=" << first.index + 1
                  << " replays it; the shortest failing sequence found (" << shortest.size()
                  << " actions, on a fresh window):\n"
                  << steps;
}

}  // namespace
