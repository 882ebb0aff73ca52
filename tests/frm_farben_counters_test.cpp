// The component counters: presses, ticks, the turns at 255 and 0, Tipp, stop
// all and start all. (Their pace in real time is shown end to end.)
#include "test_support.h"

namespace test {
namespace {

struct Script {
    const char* name;
    const char* red;  // the red field's text at the start
    bool fiveStep;    // red's "5-er" and "Tipp"
    bool tipp;
    // r+ r- g+ g- b+ b-: a counting button; stop, start; rt gt bt ut: a tick of a counter's timer or of
    // the deferred update, if it runs
    const char* steps;
    // the field after each counter's tick, then the counters' flags (frmFarbenInspector) and the four
    // intervals, "s" after a suspended timer's
    const char* expected;
};
void PrintTo(const Script& script, std::ostream* os) { *os << script.name; }

class CounterTest : public WindowTest, public ::testing::WithParamInterface<Script> {};

TEST_P(CounterTest, StepsTurnsAndPresses) {
    const Script& script = GetParam();
    form.txtRGB[0]->SetText(script.red);
    form.Check3->SetValue(script.fiveStep);
    form.Check6->SetValue(script.tipp);
    std::string seen;
    for (const QString& step : QString(script.steps).split(' ')) {
        const std::size_t k = QString("rgbu").indexOf(step[0]);
        if (step == "stop" || step == "start") {
            Click(form.cmdFarben[step == "stop" ? 8 : 9]);
        } else if (step.endsWith('+') || step.endsWith('-')) {
            Click(form.cmdFarben.at(2 + 2 * k + step.endsWith('-')));
        } else {
            test::Tick(*std::array{&form.Timer1, &form.Timer2, &form.Timer3, &form.Timer4}.at(k));
            seen += k < 3 ? form.txtRGB[k]->Text() + " " : "";
        }
    }
    seen += "|";
    for (int c = 0; c < 3; ++c) seen += " " + state.Flags(c);
    for (tk::Timer* timer : {&form.Timer1, &form.Timer2, &form.Timer3, &form.Timer4}) {
        seen += " " + std::to_string(timer->Interval()) + (timer->Interval() > 0 && !timer->Ticking() ? "s" : "");
    }
    EXPECT_EQ(seen, script.expected);
}

// 255 never stands: the step that reaches it turns the counter and steps back
// in the same tick. 0 stands for one tick. A press in the direction of motion
// stops the counter, against it reverses it; start all presses each counter's
// button of its resume direction. With Tipp, a press makes one step.
INSTANTIATE_TEST_SUITE_P(Scripts, CounterTest, ::testing::ValuesIn(std::vector<Script>{
    {"UpByFive", "0", true, false, "r+ rt rt", "5 10 | U-u --- --- 200 0 0 50"},
    {"UpByOne", "0", false, false, "r+ rt rt", "1 2 | U-u --- --- 200 0 0 50"},
    {"TurnAt255ByOne", "252", false, false, "r+ rt rt rt rt", "253 254 254 253 | -D- --- --- 200 0 0 50"},
    {"TurnAt255ByFive", "240", true, false, "r+ rt rt rt rt", "245 250 250 245 | -D- --- --- 200 0 0 50"},
    {"TurnAt0ByOne", "2", false, false, "r- rt rt rt rt", "1 0 1 2 | U-u --- --- 200 0 0 50"},
    {"TurnAt0ByFive", "3", true, false, "r- rt rt", "0 5 | U-u --- --- 200 0 0 50"},
    {"UpFromEmpty", "", false, false, "r+ rt", "1 | U-u --- --- 200 0 0 50"},
    {"DownFromEmpty", "", true, false, "r- rt", "0 | U-u --- --- 200 0 0 50"},
    {"ReverseThenStop", "100", true, false, "r+ r- rt r- rt rt", "95 95 95 | --- --- --- 200s 0 0 50"},
    {"DeferredUpdateTicksOnAfterAChange", "0", true, false, "r+ rt ut", "5 | U-u --- --- 200 0 0 50"},
    {"DeferredUpdateWaitsAfterAQuietTick", "0", true, false, "r+ rt ut ut", "5 | U-u --- --- 200 0 0 50s"},
    {"APressWakesItAgain", "0", true, false, "r+ rt ut ut r+", "5 | --- --- --- 200 0 0 50"},
    {"StartAllAtStartUp", "0", true, false, "start bt bt", "0 5 | -D- -D- U-u 200 200 200 50"},
    {"StartAllStopsMovingCounters", "0", true, false, "start start", "| --- --- --- 200 200 200 50"},
    {"StopAll", "0", true, false, "g+ b- stop", "| --- --u --- 0 0 0 0"},
    {"StartAllResumes", "0", true, false, "g+ b- stop r+ start", "| --- U-u -D- 200 200 200 50"},
    {"TippByFive", "100", true, true, "r+ rt rt", "105 105 | --u --- --- 0 0 0 50"},
    {"TippByOne", "100", false, true, "r+ rt rt", "101 101 | --u --- --- 0 0 0 50"},
    {"TippAt255", "255", true, true, "r+ rt", "255 | --- --- --- 0 0 0 50"},
    {"TippAt0", "0", true, true, "r- rt", "0 | --u --- --- 0 0 0 50"},
}), [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace test
