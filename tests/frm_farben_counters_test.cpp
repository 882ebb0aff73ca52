// The component counters: presses, ticks, the turns at 255 and 0, Tipp,
// stop all and start all. Ticks are run by calling the tick handlers.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <string>
#include <vector>

#include "frm_farben.h"
#include "frm_farben_inspector.h"

namespace {

constexpr int kRed = 0;
constexpr int kGreen = 1;
constexpr int kBlue = 2;
constexpr int kCountInterval = 200;

class CounterTest : public ::testing::Test {
protected:
    void Press(int button) { QTest::mouseClick(form.cmdFarben[static_cast<std::size_t>(button)], Qt::LeftButton); }
    void PressUp(int component) { Press(2 + 2 * component); }
    void PressDown(int component) { Press(3 + 2 * component); }
    void StopAll() { Press(8); }
    void StartAll() { Press(9); }

    void Tick(int component) {
        switch (component) {
            case kRed: form.Timer1_Timer(); break;
            case kGreen: form.Timer2_Timer(); break;
            default: form.Timer3_Timer(); break;
        }
    }
    tk::Timer& TimerOf(int component) {
        return component == kRed ? form.Timer1 : component == kGreen ? form.Timer2 : form.Timer3;
    }
    // The field's text at the end of each of n ticks.
    std::vector<std::string> TickTexts(int component, int n) {
        std::vector<std::string> texts;
        for (int i = 0; i < n; ++i) {
            Tick(component);
            texts.push_back(Field(component));
        }
        return texts;
    }
    std::string Field(int component) const { return form.txtRGB[static_cast<std::size_t>(component)]->Text(); }
    void SetField(int component, const char* text) { form.txtRGB[static_cast<std::size_t>(component)]->SetText(text); }
    void StepsOfOne(int component) {
        tk::CheckBox* boxes[] = {form.Check3, form.Check4, form.Check5};
        boxes[component]->SetValue(tk::CheckBox::kUnticked);
    }
    void Tipp(int component) {
        tk::CheckBox* boxes[] = {form.Check6, form.Check7, form.Check8};
        boxes[component]->SetValue(tk::CheckBox::kTicked);
    }

    frmFarben form;
    frmFarbenInspector state{form};
};

using Texts = std::vector<std::string>;

TEST_F(CounterTest, UpPressStartsTheCounterWithItsFirstStepAtTheNextTick) {
    PressUp(kRed);
    EXPECT_TRUE(state.Up(kRed));
    EXPECT_FALSE(state.Down(kRed));
    EXPECT_TRUE(state.ResumeUp(kRed));
    EXPECT_EQ(form.Timer1.Interval(), kCountInterval);
    EXPECT_EQ(Field(kRed), "0") << "the press itself makes no step";
    EXPECT_TRUE(state.RgbActive());
    EXPECT_EQ(form.Timer4.Interval(), 50);
    EXPECT_EQ(TickTexts(kRed, 2), (Texts{"5", "10"}));

    StepsOfOne(kRed);
    EXPECT_EQ(TickTexts(kRed, 2), (Texts{"11", "12"}));
}

TEST_F(CounterTest, StepsReachTheDisplayThroughTheDeferredUpdate) {
    PressUp(kGreen);
    Tick(kGreen);
    form.Timer4_Timer();
    EXPECT_EQ(form.txtFarbe[65]->Text(), "000500");
    EXPECT_EQ(form.txtFarbe[64]->BackColor(), 5 * 256);
    EXPECT_EQ(form.txtDecimal->Text(), "1280");
}

TEST_F(CounterTest, TurnsAtTheTopWithinOneTick) {
    StepsOfOne(kRed);
    SetField(kRed, "252");
    PressUp(kRed);
    EXPECT_EQ(TickTexts(kRed, 4), (Texts{"253", "254", "254", "253"}));
    EXPECT_TRUE(state.Down(kRed));
    EXPECT_FALSE(state.Up(kRed));
    EXPECT_FALSE(state.ResumeUp(kRed));

    SetField(kBlue, "240");
    PressUp(kBlue);
    EXPECT_EQ(TickTexts(kBlue, 4), (Texts{"245", "250", "250", "245"}));
}

TEST_F(CounterTest, TheStepThatReaches255WritesItAndTheFirstStepDownInOneTick) {
    SetField(kRed, "252");
    PressUp(kRed);
    QSignalSpy writes(form.txtRGB[kRed], &QLineEdit::textChanged);
    Tick(kRed);
    ASSERT_EQ(writes.size(), 2);
    EXPECT_EQ(writes[0][0].toString(), "255");
    EXPECT_EQ(writes[1][0].toString(), "250");
}

TEST_F(CounterTest, ZeroStandsForOneTickAtTheBottom) {
    StepsOfOne(kRed);
    SetField(kRed, "2");
    PressDown(kRed);
    EXPECT_EQ(TickTexts(kRed, 4), (Texts{"1", "0", "1", "2"}));
    EXPECT_TRUE(state.Up(kRed));
    EXPECT_TRUE(state.ResumeUp(kRed));

    SetField(kGreen, "3");
    PressDown(kGreen);
    EXPECT_EQ(TickTexts(kGreen, 2), (Texts{"0", "5"}));
}

TEST_F(CounterTest, AnEmptyFieldCountsAsZero) {
    StepsOfOne(kRed);
    SetField(kRed, "");
    PressUp(kRed);
    Tick(kRed);
    EXPECT_EQ(Field(kRed), "1");

    SetField(kGreen, "");
    PressDown(kGreen);
    Tick(kGreen);
    EXPECT_EQ(Field(kGreen), "0");
    EXPECT_TRUE(state.Up(kGreen)) << "a down step on 0 turns the counter upward";
}

TEST_F(CounterTest, LeadingZerosAreDroppedByTheFirstStep) {
    StepsOfOne(kRed);
    SetField(kRed, "007");
    PressUp(kRed);
    Tick(kRed);
    EXPECT_EQ(Field(kRed), "8");
}

TEST_F(CounterTest, APressInTheDirectionOfMotionStopsTheCounter) {
    PressUp(kRed);
    PressUp(kRed);
    EXPECT_FALSE(state.Up(kRed));
    EXPECT_FALSE(state.Down(kRed));
    EXPECT_FALSE(state.ResumeUp(kRed)) << "a stopped counter resumes downward";
    EXPECT_EQ(form.Timer1.Interval(), kCountInterval) << "its timer goes on, its ticks do nothing";
    Tick(kRed);
    EXPECT_EQ(Field(kRed), "0");

    StartAll();
    EXPECT_TRUE(state.Down(kRed));
}

TEST_F(CounterTest, APressAgainstTheDirectionOfMotionReversesTheCounter) {
    SetField(kRed, "100");
    PressUp(kRed);
    Tick(kRed);
    PressDown(kRed);
    EXPECT_TRUE(state.Down(kRed));
    EXPECT_FALSE(state.Up(kRed));
    EXPECT_FALSE(state.ResumeUp(kRed));
    Tick(kRed);
    EXPECT_EQ(Field(kRed), "100");

    PressUp(kRed);
    EXPECT_TRUE(state.Up(kRed));
    EXPECT_TRUE(state.ResumeUp(kRed));
}

TEST_F(CounterTest, StartAllAfterStartUpSendsAllThreeDownward) {
    StartAll();
    for (int component : {kRed, kGreen, kBlue}) {
        EXPECT_TRUE(state.Down(component)) << component;
        EXPECT_EQ(TimerOf(component).Interval(), kCountInterval) << component;
    }
    EXPECT_EQ(TickTexts(kRed, 2), (Texts{"0", "5"}));
}

TEST_F(CounterTest, StartAllStopsMovingCountersAndStartsStandingOnesInTheirResumeDirection) {
    PressUp(kGreen);
    StopAll();           // green stands, resuming upward
    PressUp(kRed);       // red rises; blue stands, resuming downward
    StartAll();
    EXPECT_FALSE(state.Up(kRed));
    EXPECT_FALSE(state.Down(kRed));
    EXPECT_FALSE(state.ResumeUp(kRed));
    EXPECT_TRUE(state.Up(kGreen));
    EXPECT_TRUE(state.Down(kBlue));
}

TEST_F(CounterTest, StopAllThenStartAllResumesEachDirection) {
    PressUp(kRed);
    PressDown(kBlue);
    StopAll();
    for (int component : {kRed, kGreen, kBlue}) {
        EXPECT_FALSE(state.Up(component));
        EXPECT_FALSE(state.Down(component));
        EXPECT_EQ(TimerOf(component).Interval(), 0);
    }
    StartAll();
    EXPECT_TRUE(state.Up(kRed));
    EXPECT_TRUE(state.Down(kGreen)) << "green stood with a downward resume direction";
    EXPECT_TRUE(state.Down(kBlue));
}

TEST_F(CounterTest, StopAllStopsTheDeferredUpdateUntilTheNextPress) {
    PressUp(kRed);
    StopAll();
    EXPECT_EQ(form.Timer4.Interval(), 0);
    EXPECT_FALSE(state.RgbActive());
    PressUp(kBlue);
    EXPECT_EQ(form.Timer4.Interval(), 50);
    EXPECT_TRUE(state.RgbActive());
}

TEST_F(CounterTest, TippMakesOneStepPerPress) {
    struct Case {
        bool fiveStep;
        const char* start;
        const char* after;
        bool resumeUp;
    };
    for (const Case& c : {Case{true, "100", "105", true}, Case{false, "100", "101", true},
                          Case{true, "255", "255", false}}) {
        frmFarben fresh;
        frmFarbenInspector freshState(fresh);
        fresh.Check6->SetValue(tk::CheckBox::kTicked);
        fresh.Check3->SetValue(c.fiveStep ? tk::CheckBox::kTicked : tk::CheckBox::kUnticked);
        fresh.txtRGB[0]->SetText(c.start);
        fresh.cmdFarben_Click(2);
        fresh.Timer1_Timer();
        EXPECT_EQ(fresh.txtRGB[0]->Text(), c.after) << c.start;
        EXPECT_FALSE(freshState.Up(kRed));
        EXPECT_FALSE(freshState.Down(kRed));
        EXPECT_EQ(freshState.ResumeUp(kRed), c.resumeUp) << c.start;
        EXPECT_EQ(fresh.Timer1.Interval(), 0);
    }
}

TEST_F(CounterTest, TippDownOnZeroTurnsTheResumeDirectionUpward) {
    Tipp(kBlue);
    PressDown(kBlue);
    Tick(kBlue);
    EXPECT_EQ(Field(kBlue), "0");
    EXPECT_FALSE(state.Up(kBlue));
    EXPECT_FALSE(state.Down(kBlue));
    EXPECT_TRUE(state.ResumeUp(kBlue));
    EXPECT_EQ(form.Timer3.Interval(), 0);
}

TEST_F(CounterTest, TickingTippWhileCountingStopsAfterTheNextStep) {
    PressUp(kRed);
    Tick(kRed);
    Tipp(kRed);
    Tick(kRed);
    EXPECT_EQ(Field(kRed), "10");
    EXPECT_FALSE(state.Up(kRed));
    EXPECT_EQ(form.Timer1.Interval(), 0);
}

TEST_F(CounterTest, IdleTicksChangeNothing) {
    SetField(kRed, "7");
    Tick(kRed);
    Tick(kGreen);
    EXPECT_EQ(Field(kRed), "7");
    EXPECT_EQ(Field(kGreen), "0");
}

}  // namespace
