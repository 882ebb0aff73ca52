// The component counters: presses, ticks, the turns at 255 and 0, Tipp,
// stop all and start all. Ticks are run by calling the tick handlers.
#include <QSignalSpy>
#include <vector>

#include "test_support.h"

namespace test {
namespace {

constexpr int kRed = 0;
constexpr int kGreen = 1;
constexpr int kBlue = 2;
constexpr int kCountInterval = 200;

using Texts = std::vector<std::string>;

class CounterTest : public WindowTest {
protected:
    void Press(int button) { Click(form.cmdFarben[static_cast<std::size_t>(button)]); }
    void PressUp(int component) { Press(2 + 2 * component); }
    void PressDown(int component) { Press(3 + 2 * component); }
    void StopAll() { Press(8); }
    void StartAll() { Press(9); }

    tk::Timer& TimerOf(int component) {
        return component == kRed ? form.Timer1 : component == kGreen ? form.Timer2 : form.Timer3;
    }
    // The field's text at the end of each of n ticks.
    Texts TickTexts(int component, int n) {
        Texts texts;
        for (int i = 0; i < n; ++i) {
            if (component == kRed) form.Timer1_Timer();
            if (component == kGreen) form.Timer2_Timer();
            if (component == kBlue) form.Timer3_Timer();
            texts.push_back(Field(component)->Text());
        }
        return texts;
    }
    tk::TextBox* Field(int component) const {
        return form.txtRGB[static_cast<std::size_t>(component)];
    }
    void StepsOfOne(int component) {
        tk::CheckBox* boxes[] = {form.Check3, form.Check4, form.Check5};
        boxes[component]->SetValue(tk::CheckBox::kUnticked);
    }
    // Moving up, moving down, resuming upward: "U", "D", "u" or "-" each.
    std::string Flags(int c) const {
        return std::string(state.Up(c) ? "U" : "-") + (state.Down(c) ? "D" : "-") +
               (state.ResumeUp(c) ? "u" : "-");
    }
};

TEST_F(CounterTest, UpPressStartsTheCounterWithItsFirstStepAtTheNextTick) {
    PressUp(kRed);
    EXPECT_EQ(Flags(kRed), "U-u");
    EXPECT_EQ(form.Timer1.Interval(), kCountInterval);
    EXPECT_EQ(Field(kRed)->Text(), "0") << "the press itself makes no step";
    EXPECT_TRUE(state.RgbActive());
    EXPECT_EQ(form.Timer4.Interval(), 50);
    EXPECT_EQ(TickTexts(kRed, 2), (Texts{"5", "10"}));
    StepsOfOne(kRed);
    EXPECT_EQ(TickTexts(kRed, 2), (Texts{"11", "12"}));
    Tick();
    EXPECT_EQ(Shown(), "0C0000 0C0000 12 | 12 0 0") << "steps reach the display at its tick";
}

struct Sweep {
    const char* name;
    int component;
    bool fiveStep;
    const char* start;
    bool up;
    Texts texts;
    const char* flagsAfter;
};

void PrintTo(const Sweep& s, std::ostream* os) { *os << s.name; }

class CounterTurnTest : public CounterTest, public ::testing::WithParamInterface<Sweep> {};

// 255 never stands (the step that reaches it turns the counter and steps back
// in the same tick); 0 stands for one tick.
TEST_P(CounterTurnTest, TurnsAtTheLimits) {
    const Sweep& s = GetParam();
    if (!s.fiveStep) StepsOfOne(s.component);
    Field(s.component)->SetText(s.start);
    s.up ? PressUp(s.component) : PressDown(s.component);
    EXPECT_EQ(TickTexts(s.component, static_cast<int>(s.texts.size())), s.texts);
    EXPECT_EQ(Flags(s.component), s.flagsAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Sweeps, CounterTurnTest,
    ::testing::Values(
        Sweep{"UpFrom252ByOne", kRed, false, "252", true, {"253", "254", "254", "253"}, "-D-"},
        Sweep{"UpFrom240ByFive", kBlue, true, "240", true, {"245", "250", "250", "245"}, "-D-"},
        Sweep{"DownFrom2ByOne", kRed, false, "2", false, {"1", "0", "1", "2"}, "U-u"},
        Sweep{"DownFrom3ByFive", kGreen, true, "3", false, {"0", "5"}, "U-u"},
        Sweep{"UpFromEmptyField", kRed, false, "", true, {"1"}, "U-u"},
        Sweep{"DownFromEmptyField", kGreen, true, "", false, {"0"}, "U-u"}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(CounterTest, TheStepThatReaches255WritesItAndTheFirstStepDownInOneTick) {
    Field(kRed)->SetText("252");
    PressUp(kRed);
    QSignalSpy writes(Field(kRed), &QLineEdit::textChanged);
    form.Timer1_Timer();
    ASSERT_EQ(writes.size(), 2);
    EXPECT_EQ(writes[0][0].toString(), "255");
    EXPECT_EQ(writes[1][0].toString(), "250");
}

TEST_F(CounterTest, APressInTheDirectionOfMotionStopsTheCounter) {
    PressUp(kRed);
    PressUp(kRed);
    EXPECT_EQ(Flags(kRed), "---") << "a stopped counter resumes downward";
    EXPECT_EQ(form.Timer1.Interval(), kCountInterval) << "its timer goes on, its ticks do nothing";
    EXPECT_EQ(TickTexts(kRed, 1), (Texts{"0"}));
}

TEST_F(CounterTest, APressAgainstTheDirectionOfMotionReversesTheCounter) {
    Field(kRed)->SetText("100");
    PressUp(kRed);
    PressDown(kRed);
    EXPECT_EQ(Flags(kRed), "-D-");
    EXPECT_EQ(TickTexts(kRed, 1), (Texts{"95"}));
    PressUp(kRed);
    EXPECT_EQ(Flags(kRed), "U-u");
}

TEST_F(CounterTest, StartAllAfterStartUpSendsAllThreeDownwardAndEndStillCloses) {
    StartAll();
    for (int component : {kRed, kGreen, kBlue}) {
        EXPECT_EQ(Flags(component), "-D-") << component;
        EXPECT_EQ(TimerOf(component).Interval(), kCountInterval) << component;
    }
    EXPECT_EQ(TickTexts(kRed, 2), (Texts{"0", "5"}));
    Press(11);  // "&Ende" while the counters run
    EXPECT_FALSE(form.isVisible());
}

TEST_F(CounterTest, StartAllStopsMovingCountersAndStartsStandingOnesInTheirResumeDirection) {
    PressUp(kGreen);
    StopAll();      // green stands, resuming upward
    PressUp(kRed);  // red rises; blue stands, resuming downward
    StartAll();
    EXPECT_EQ(Flags(kRed) + Flags(kGreen) + Flags(kBlue), "---" "U-u" "-D-");
}

TEST_F(CounterTest, StopAllStopsEverythingAndStartAllResumesEachDirection) {
    PressUp(kRed);
    PressDown(kBlue);
    StopAll();
    for (int component : {kRed, kGreen, kBlue}) {
        EXPECT_EQ(Flags(component).substr(0, 2), "--") << component;
        EXPECT_EQ(TimerOf(component).Interval(), 0) << component;
    }
    EXPECT_EQ(form.Timer4.Interval(), 0);
    EXPECT_FALSE(state.RgbActive());
    StartAll();
    EXPECT_EQ(Flags(kRed) + Flags(kGreen) + Flags(kBlue), "U-u" "-D-" "-D-");
    EXPECT_EQ(form.Timer4.Interval(), 50);
    EXPECT_TRUE(state.RgbActive());
}

// A press on a standing counter starts it afresh, so the cases run one after
// another in the same window.
TEST_F(CounterTest, TippMakesOneStepPerPress) {
    struct Case {
        bool fiveStep;
        const char* start;
        bool up;
        const char* after;
        const char* flags;
    };
    form.Check6->SetValue(tk::CheckBox::kTicked);
    const Case cases[] = {{true, "100", true, "105", "--u"}, {false, "100", true, "101", "--u"},
                          {true, "255", true, "255", "---"}, {true, "0", false, "0", "--u"}};
    for (const Case& c : cases) {
        form.Check3->SetValue(c.fiveStep ? tk::CheckBox::kTicked : tk::CheckBox::kUnticked);
        Field(kRed)->SetText(c.start);
        c.up ? PressUp(kRed) : PressDown(kRed);
        EXPECT_EQ(TickTexts(kRed, 1), (Texts{c.after})) << c.start;
        EXPECT_EQ(Flags(kRed), c.flags) << c.start;
        EXPECT_EQ(form.Timer1.Interval(), 0);
    }
}

}  // namespace
}  // namespace test
