// The component counters: presses, ticks, the turns at 255 and 0, Tipp, stop
// all and start all. (Their pace in real time is shown end to end.)
#include <QRegularExpression>

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
    int column = 0;  // the script as it runs for green (1) or blue (2)
};

// A script of one counter alone runs with the other columns' boxes set the other way, so that a counter
// that reads them steps differently; one of all three with the boxes as at start.
bool Alone(const char* steps) { return !QString(steps).contains(QRegularExpression("[gb]|sta|stop")); }
void PrintTo(const Script& script, std::ostream* os) { *os << script.name << " column " << script.column; }

class CounterTest : public WindowTest, public ::testing::WithParamInterface<Script> {};

TEST_P(CounterTest, StepsTurnsAndPresses) {
    const Script& script = GetParam();
    const auto c = static_cast<std::size_t>(script.column);
    // Moved to another column, the red counter's buttons, ticks, flags and timer become that column's.
    QStringList expected = QString(script.expected).split(' ');
    const auto bar = static_cast<int>(expected.indexOf("|"));
    if (c != 0) {
        expected.move(bar + 1, bar + 1 + script.column);
        expected.move(bar + 4, bar + 4 + script.column);
        expected[bar + 4] = "100";  // Timer1 keeps its start interval, untouched
    }
    form.txtRGB[c]->SetText(script.red);
    const std::array fiveStep = {form.Check3, form.Check4, form.Check5}, tipp = {form.Check6, form.Check7, form.Check8};
    for (std::size_t k = 0; k < 3; ++k) {
        const bool own = k == c || !Alone(script.steps);
        fiveStep[k]->SetValue(script.fiveStep == own);
        tipp[k]->SetValue(script.tipp == own);
    }
    std::string seen;
    for (const QString& step : QString(script.steps).replace('r', QChar("rgb"[c])).split(' ')) {
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
    for (int k = 0; k < 3; ++k) seen += " " + state.Flags(k);
    for (tk::Timer* timer : {&form.Timer1, &form.Timer2, &form.Timer3, &form.Timer4}) {
        seen += " " + std::to_string(timer->Interval()) + (timer->Interval() > 0 && !timer->Ticking() ? "s" : "");
    }
    EXPECT_EQ(seen, expected.join(' ').toStdString());
}

// 255 never stands: the step that reaches it turns the counter and steps back
// in the same tick. 0 stands for one tick. A press in the direction of motion
// stops the counter, against it reverses it; start all presses each counter's
// button of its resume direction. With Tipp, a press makes one step.
const std::vector<Script> kScripts = {
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
};

// Every script of one counter for each of the three columns; the scripts of all three counters once.
std::vector<Script> EveryColumn() {
    std::vector<Script> all;
    for (const Script& script : kScripts) {
        for (int column = 0; column < (Alone(script.steps) ? 3 : 1); ++column) {
            all.push_back(script);
            all.back().column = column;
        }
    }
    return all;
}

INSTANTIATE_TEST_SUITE_P(Scripts, CounterTest, ::testing::ValuesIn(EveryColumn()), [](const auto& test) {
    return std::string(test.param.name) + "rgb"[test.param.column];
});

}  // namespace
}  // namespace test
